#pragma once

#include <filesystem>
#include <fstream>
#include <memory>
#include <ostream>
#include <string>

#include "device/transport_observer.h"

namespace devero {

// Writes one line per transport event:
//   S 07 18 03 00 08 00 01 07                          a feature report set (first 8 bytes)
//   G 07 18 05 00 08 00 00 07 > 07 01 05 00 08 00 00 07 a get: the buffer, then the reply
//   W 2                                                 a delay in milliseconds
class TraceWriter final : public TransportObserver {
 public:
  explicit TraceWriter(std::ostream& out);
  // A writer that owns the file it writes; nothing, with *error set, when it cannot be created.
  static std::unique_ptr<TraceWriter> OpenFile(const std::filesystem::path& path,
                                               std::string* error);

  void OnFeatureSet(std::span<const uint8_t> report) override;
  void OnFeatureGet(std::span<const uint8_t> sent, std::span<const uint8_t> reply) override;
  void OnDelay(int ms) override;

 private:
  void WriteBytes(std::span<const uint8_t> bytes);

  std::unique_ptr<std::ofstream> file_;
  std::ostream* out_;
};

}  // namespace devero
