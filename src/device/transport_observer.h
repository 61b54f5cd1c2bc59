#pragma once

#include <cstdint>
#include <span>

namespace devero {

// Sees every report and delay of the transport, in order, for a trace. Called with the
// transport's lock held, so calls never overlap.
class TransportObserver {
 public:
  virtual ~TransportObserver() = default;
  virtual void OnFeatureSet(std::span<const uint8_t> report) = 0;
  // `sent` is the first 8 bytes of the buffer as handed to the get, `reply` the buffer after it.
  virtual void OnFeatureGet(std::span<const uint8_t> sent, std::span<const uint8_t> reply) = 0;
  virtual void OnDelay(int ms) = 0;
};

}  // namespace devero
