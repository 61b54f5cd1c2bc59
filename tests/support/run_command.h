#pragma once

#include <string>
#include <vector>

namespace devero::testing {

struct CommandResult {
  int exit_code = -1;
  std::string out;
  std::string err;
};

// Runs a program with arguments (no shell) and collects its exit code, stdout and stderr.
CommandResult RunCommand(const std::string& program, const std::vector<std::string>& args);

}  // namespace devero::testing
