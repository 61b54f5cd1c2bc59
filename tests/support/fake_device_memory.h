#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "device/device_memory.h"

namespace devero::testing {

// A mouse memory that records every operation in order.
class FakeDeviceMemory : public DeviceMemory {
 public:
  struct Op {
    char kind;  // 'G' opening get, 'W' write, 'R' read, 'A' apply
    uint16_t address = 0;
    int length = 0;
    std::vector<uint8_t> data;  // what a write wrote
  };

  void OpeningGet() override { ops.push_back({'G', 0, 0, {}}); }
  void Write(uint16_t address, const uint8_t* data, int length) override {
    ops.push_back({'W', address, length, std::vector<uint8_t>(data, data + length)});
    for (int i = 0; i < length; ++i)
      memory[(address + i) & 0xFFFF] = data[i];
  }
  void Read(uint16_t address, uint8_t* data, int length) override {
    ops.push_back({'R', address, length, {}});
    for (int i = 0; i < length; ++i)
      data[i] = memory[(address + i) & 0xFFFF];
  }
  void Apply() override { ops.push_back({'A', 0, 0, {}}); }

  std::vector<uint8_t> Bytes(uint16_t address, int length) const {
    return std::vector<uint8_t>(memory.begin() + address, memory.begin() + address + length);
  }
  bool Written(uint16_t address) const {
    for (const Op& op : ops) {
      if (op.kind == 'W' && address >= op.address && address < op.address + op.length) return true;
    }
    return false;
  }

  std::array<uint8_t, 65536> memory{};
  std::vector<Op> ops;
};

}  // namespace devero::testing
