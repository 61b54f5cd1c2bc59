// The macro image builder and the download's placement on any macro records: an image is
// always the size it was given, every macro lands inside the macro area, and so does the
// left button's re-download, also after a later download that stopped.
#include <memory>

#include "device/macro_image.h"
#include "fuzz_download.h"
#include "platform/pointer/no_pointer_settings.h"
#include "platform/user/silent_warnings.h"
#include "profile/product_description.h"

namespace {

using namespace devero;
using fuzz::Check;

void CheckImages(FuzzedDataProvider& in) {
  SilentWarnings warnings;
  const MacroRecord m = fuzz::MacroFrom(in);
  const int interval = in.ConsumeIntegralInRange<int>(1, 8);
  for (MacroKind kind : {MacroKind::kBuiltIn, MacroKind::kRapidFireOrGroup}) {
    const uint32_t size = MacroDataSize(m, kind, interval);
    Check(size % 8 == 0 && size <= kMaxMacroSize);
    std::vector<uint8_t> image;
    BuildMacroImage(m, kind, size, kMacroAreaStart, interval, warnings, image);
    Check(image.size() == size);
    MacroRecord adjusted = m;
    Check(BuildAdjustedCursorImage(adjusted, size, interval, in.ConsumeBool()).size() == size);
  }
}

void Buttons(FuzzedDataProvider& in, ProfileSettings& s) {
  for (auto& profile : s.buttonFunction) {
    for (int32_t& code : profile)
      code = fuzz::FunctionCodeFrom(in);
  }
  s.currentProfile = in.ConsumeIntegralInRange<int32_t>(-1, 4);
  s.reportRateCode = in.ConsumeIntegral<uint8_t>();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  CheckImages(in);

  ProductDescription product;
  product.keyNum = in.ConsumeIntegralInRange<int32_t>(0, kMaxButtons);
  for (uint8_t& k : product.keyMap)
    k = in.ConsumeBool() ? in.ConsumeIntegralInRange<uint8_t>(1, 9) : in.ConsumeIntegral<uint8_t>();
  RebuildButtonByMapNumber(product);

  auto built_ins = std::make_unique<BuiltInMacroTable>();
  auto rapid_fire = std::make_unique<RapidFireTable>();
  fuzz::FuzzGroups groups;
  const int pool = in.ConsumeIntegralInRange<int>(1, 4);
  for (int i = 0; i < pool; ++i)
    groups.pool.push_back(fuzz::MacroFrom(in));
  for (size_t i = 0; i < built_ins->slots.size(); ++i)
    built_ins->slots[i] = groups.pool[i % groups.pool.size()];
  built_ins->builtInMacroCount = kBuiltInMacroSlots;
  for (size_t i = 0; i < rapid_fire->slots.size(); ++i)
    rapid_fire->slots[i] = groups.pool[(i + 1) % groups.pool.size()];
  rapid_fire->rapidFireCount = in.ConsumeIntegralInRange<int16_t>(0, kRapidFireSlots);
  groups.count = in.ConsumeIntegralInRange<int>(0, 12);
  for (int& c : groups.macro_counts)
    c = in.ConsumeIntegralInRange<int>(0, 12);

  ProfileSettings settings;
  Buttons(in, settings);
  fuzz::CheckedMemory memory;
  SilentWarnings warnings;
  NoPointerSettings pointer;
  SettingsDownload download(memory, warnings, pointer, 0x1209, 0x0001);
  download.progress = [&](int step, int) { memory.step = step; };
  for (int run = 0; run < 2; ++run) {
    DownloadContext ctx{settings, product, 1, *built_ins, *rapid_fire, groups};
    const auto result = download.Run(ctx);
    memory.step = 0;
    Check(result != SettingsDownload::Result::kBusy);
    if (result == SettingsDownload::Result::kDone) {
      for (const PlacedSlot& placed : download.placement()) {
        if (placed.size == 0) continue;
        Check(placed.address >= kMacroAreaStart && placed.address + placed.size <= kMacroAreaEnd);
      }
    }
    if (auto job = download.PrepareLeftButtonRedownload(settings, groups)) {
      download.WriteLeftButtonMacro(*job, in.ConsumeBool());
    }
    Buttons(in, settings);  // the next download sees other buttons
  }
  return 0;
}
