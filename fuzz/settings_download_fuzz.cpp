// The settings download from any settings record and product description into the simulated
// mouse: it ends, and the mouse's memory changes only where the memory map places settings,
// button entries and macros.
#include <cstring>
#include <memory>

#include "device/transport_memory.h"
#include "device/usb_ids.h"
#include "fuzz_download.h"
#include "platform/pointer/no_pointer_settings.h"
#include "platform/user/silent_warnings.h"
#include "profile/product_description.h"
#include "support/simulated_device.h"

namespace {

using namespace devero;
using fuzz::Check;

ProfileSettings SettingsFrom(FuzzedDataProvider& in) {
  ProfileSettings s;
  // Every field is a plain integer: any bytes are a record some file or slider could give.
  const std::vector<uint8_t> raw = in.ConsumeBytes<uint8_t>(sizeof s);
  if (!raw.empty()) std::memcpy(&s, raw.data(), raw.size());
  for (auto& profile : s.buttonFunction) {
    for (int32_t& code : profile) {
      if (in.ConsumeBool()) code = fuzz::FunctionCodeFrom(in);
    }
  }
  return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  ProductDescription product;
  product.keyNum = in.ConsumeIntegralInRange<int32_t>(0, kMaxButtons);
  for (uint8_t& k : product.keyMap)
    k = in.ConsumeBool() ? in.ConsumeIntegralInRange<uint8_t>(1, 9) : in.ConsumeIntegral<uint8_t>();
  RebuildButtonByMapNumber(product);
  const int variant = in.ConsumeIntegralInRange<int>(0, 1);

  auto built_ins = std::make_unique<BuiltInMacroTable>();
  auto rapid_fire = std::make_unique<RapidFireTable>();
  fuzz::FuzzGroups groups;
  groups.pool.push_back(fuzz::MacroFrom(in));
  built_ins->slots[0] = groups.pool[0];
  built_ins->builtInMacroCount = 1;
  groups.count = 1;
  groups.macro_counts[0] = 1;
  ProfileSettings settings = SettingsFrom(in);

  testing::SimulatedDevice device;
  const std::vector<uint8_t> before = device.mouse.Memory();
  TransportMemory transport_memory(device.transport);
  fuzz::CheckedMemory memory(&transport_memory);
  SilentWarnings warnings;
  NoPointerSettings pointer;
  SettingsDownload download(memory, warnings, pointer, kVendorId, kRegularProductId);
  download.progress = [&](int step, int) { memory.step = step; };
  DownloadContext ctx{settings, product, variant, *built_ins, *rapid_fire, groups};
  Check(download.Run(ctx) != SettingsDownload::Result::kBusy);

  const std::vector<uint8_t> after = device.mouse.Memory();
  for (size_t a = 0; a < after.size(); ++a)
    Check(after[a] == before[a] || memory.written[a]);
  Check(device.mouse.CurrentProfile() >= 0 && device.mouse.CurrentProfile() < kProfileCount);
  return 0;
}
