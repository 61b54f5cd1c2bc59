// Wall time of memory-protocol sequences on the simulated mouse with the real clock, against
// the delays the protocol requires (4 + 2 ms per written block, 4n + 4 ms per read of n bytes).
#include <benchmark/benchmark.h>

#include <chrono>
#include <numeric>
#include <vector>

#include "device/discovery.h"
#include "device/transport.h"
#include "device/usb_ids.h"
#include "platform/clock/clock.h"
#include "platform/hid/simulated_hid_bus.h"
#include "platform/hid/simulated_mouse.h"

namespace devero {
namespace {

struct Machine {
  Machine() {
    bus.AddMachineWithMouse(mouse);
    FindDevice(bus, link);
  }
  hid::SimulatedMouse mouse{{kVendorId, kRegularProductId, 8, 8, {}}};
  hid::SimulatedHidBus bus;
  DeviceLink link;
  RealClock clock;
  DeviceTransport transport{link, clock};
};

template <typename Run>
void Measure(benchmark::State& state, double required_ms, Run run) {
  Machine machine;
  double total_ms = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    run(machine.transport);
    total_ms +=
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  }
  const double mean_ms = total_ms / static_cast<double>(state.iterations());
  state.counters["required_ms"] = required_ms;
  state.counters["mean_ms"] = mean_ms;
  state.counters["ratio"] = mean_ms / required_ms;
}

void BM_Write256Bytes(benchmark::State& state) {
  std::vector<uint8_t> data(256);
  std::iota(data.begin(), data.end(), uint8_t{0});
  Measure(state, 6.0, [&](DeviceTransport& t) { t.WriteDeviceBytes(0x0400, data); });
}

void BM_Read8Bytes(benchmark::State& state) {
  std::vector<uint8_t> data(8);
  Measure(state, 36.0, [&](DeviceTransport& t) { t.ReadDeviceBytes(24, data); });
}

// The button entries of a settings download: 560 bytes from address 160 in blocks of 8.
void BM_WriteButtonEntries(benchmark::State& state) {
  std::vector<uint8_t> entries(560, 0x5A);
  Measure(state, 70 * 6.0, [&](DeviceTransport& t) {
    for (std::size_t block = 0; block < 70; ++block) {
      t.WriteDeviceBytes(static_cast<uint16_t>(160 + 8 * block),
                         std::span<const uint8_t>(entries).subspan(8 * block, 8));
    }
  });
}

BENCHMARK(BM_Write256Bytes)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Read8Bytes)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_WriteButtonEntries)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

}  // namespace
}  // namespace devero

BENCHMARK_MAIN();
