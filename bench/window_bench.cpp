// The skinned window's costs: the window shape from a 1000 x 700 mask, and one full paint of each
// page at 100 % scale with the generated skin and the factory data.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <random>
#include <vector>

#include "app/runtime_paths.h"
#include "app/startup_reads.h"
#include "macro/headless_macro_library.h"
#include "platform/user/silent_warnings.h"
#include "ui/label_font.h"
#include "ui/main_window_paint.h"
#include "ui/mask_region.h"

namespace devero {
namespace {

// A rounded window with a few holes, as a skin's mask looks.
QImage RoundedMask(int w, int h) {
  QImage mask(w, h, QImage::Format_RGB32);
  mask.fill(Qt::white);
  QPainter p(&mask);
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(Qt::black);
  p.setPen(Qt::NoPen);
  p.drawRoundedRect(QRect(0, 0, w, h), 14, 14);
  p.setBrush(Qt::white);
  std::mt19937 random(3);
  for (int i = 0; i < 40; ++i)
    p.drawEllipse(QPoint(static_cast<int>(random() % w), static_cast<int>(random() % h)), 6, 6);
  return mask;
}

void BM_RegionFromMask(benchmark::State& state) {
  const QImage mask = RoundedMask(1000, 700);
  for (auto _ : state)
    benchmark::DoNotOptimize(ui::RegionFromMask(mask));
}
BENCHMARK(BM_RegionFromMask)->Unit(benchmark::kMillisecond);

class SkinReport : public ui::SkinReadReport {
 public:
  bool OnMissingFile(const std::filesystem::path&) override { return false; }
  void OnTooManyCommas(const std::filesystem::path&) override {}
};

void BM_PaintPage(benchmark::State& state) {
  const std::filesystem::path module = DEVERO_BUILD_BIN_DIR;
  RuntimePaths paths(module);
  ProductDescription product;
  ProfileSettings settings;
  SilentWarnings warnings;
  RunStartupReads(paths, product, settings, warnings);
  HeadlessMacroLibrary macros(paths, warnings);
  macros.library.LoadLibrary();
  ui::MainWindowSkin skin;
  SkinReport report;
  if (!ui::LoadMainWindowSkin(paths.SkinDirectory(), 1, report, skin)) {
    state.SkipWithError("no skin: build the devero_skin target first");
    return;
  }
  ui::SkinImages images(paths.SkinDirectory());
  const QFont font = ui::LabelFont(96);
  ui::MainViewState view;
  view.page = static_cast<uint8_t>(state.range(0));
  view.languageIsEnglish = 1;
  view.hoverMain = 22;
  QImage canvas(1000, 660, QImage::Format_RGB32);
  std::vector<double> ms;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    QPainter p(&canvas);
    ui::PaintMainWindow(p, images, {skin, settings, product, macros.state, view, font});
    p.end();
    ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                     .count());
  }
  std::sort(ms.begin(), ms.end());
  if (!ms.empty()) {
    state.counters["p50_ms"] = ms[ms.size() / 2];
    state.counters["p95_ms"] = ms[std::min(ms.size() - 1, ms.size() * 95 / 100)];
  }
}
BENCHMARK(BM_PaintPage)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->MinTime(1.0);

}  // namespace
}  // namespace devero

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
