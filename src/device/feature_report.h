#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace devero {

// The one feature-report buffer every command is built in. A command sets only its own bytes;
// the others keep what the previous command or the previous reply left. Zero at start.
class FeatureReport {
 public:
  static constexpr std::size_t kMeaningfulBytes = 8;

  // Adapts to the interface's feature report length, keeping the content; never below 8 bytes.
  void Resize(std::size_t length);
  std::size_t size() const { return bytes_.size(); }
  uint8_t& operator[](std::size_t i) { return bytes_[i]; }
  uint8_t operator[](std::size_t i) const { return bytes_[i]; }
  std::span<uint8_t> bytes() { return bytes_; }
  std::span<const uint8_t> bytes() const { return bytes_; }

 private:
  std::vector<uint8_t> bytes_ = std::vector<uint8_t>(kMeaningfulBytes, 0);
};

}  // namespace devero
