#pragma once

#include <filesystem>

namespace devero::fuzz {

// A directory of this fuzzer process for the files a target reads, on tmpfs when the machine
// has one (the targets write files every run). Removed at exit.
const std::filesystem::path& ScratchDir();

// Lays the factory data out under root/skins as the build does.
void InstallFactoryData(const std::filesystem::path& root);

}  // namespace devero::fuzz
