// The cost of one race frame: DrawRace plus reading and clearing the surface's record of
// changes, as a backend does after every tick. Built twice: incremental and naive.

#include <benchmark/benchmark.h>

#include "fake/fake_main.h"
#include "layout/picture.h"

namespace corvanta {
namespace {

void Frame(benchmark::State& state) {
  const Picture sheet = DecodeBmp(SpriteSheetFile());
  fake::FakeToolkit kit;
  kit.screen_w_px = static_cast<int>(state.range(0));
  kit.screen_h_px = static_cast<int>(state.range(1));
  kit.command = "/S";
  fake::FakeMain m(kit, sheet);
  m.Load();
  frmMain& f = m.main;
  long long changed = 0;
  for (auto _ : state) {
    for (float& p : f.sngBallPos) p += f.sngStep * kit.Rnd();
    if (f.sngBallPos[0] > f.sngFinish) f.sngBallPos.fill(0);
    f.DrawRace();
    for (const PixelRect& r : m.picBox.Image().Changed().Items()) changed += r.Area();
    m.picBox.Image().ClearChanged();
    benchmark::DoNotOptimize(changed);
  }
  state.counters["px_changed"] =
      benchmark::Counter(static_cast<double>(changed), benchmark::Counter::kAvgIterations);
}
BENCHMARK(Frame)->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace corvanta

BENCHMARK_MAIN();
