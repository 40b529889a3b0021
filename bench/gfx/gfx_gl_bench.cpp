// Canvas throughput through the OpenGL renderer: whole frames (clear, draw, present without
// waiting for the retrace) of textured quads, and of a scene-like mix of primitives.
#include <benchmark/benchmark.h>

#include "gfx/gfx_canvas.h"
#include "gfx/gfx_device.h"
#include "gfx/gfx_image.h"
#include "gfx/image_record.h"
#include "platform/video/sdl_display.h"

namespace vellara {
namespace {

struct GlScene {
  GlScene() {
    device.SetWidth(1024);
    device.SetHeight(768);
    device.SetVSync(false);
    canvas.SetPublisher(&device);
    images.SetPublisher(&device);
    ok = device.Initialize();
    if (!ok) return;
    ImageRecordHead h;
    h.PatternWidth = h.VisibleWidth = 64;
    h.PatternHeight = h.VisibleHeight = 64;
    h.TextureWidth = h.TextureHeight = 256;
    h.TextureCount = 1;
    MemoryStream s(EncodeImageRecord(h, {std::vector<std::uint32_t>(256 * 256, 0x80FFFFFFu)}));
    pieces = &images.Add();
    ok = pieces->LoadFromStream(s, device.Renderer());
  }
  ~GlScene() {
    images.Clear();
    device.Finalize();
  }
  SdlDisplay display{{"bench", true}};
  GfxDevice device{display};
  GfxCanvas canvas;
  GfxImages images;
  GfxImage* pieces = nullptr;
  bool ok = false;
};

void BM_GlTexturedQuadFrames(benchmark::State& state) {
  GlScene scene;
  if (!scene.ok) {
    state.SkipWithError("no display");
    return;
  }
  const int quads = static_cast<int>(state.range(0));
  scene.device.OnRender = [&](GfxDevice&) {
    for (int i = 0; i < quads; ++i) {
      scene.canvas.DrawPattern(*scene.pieces, i % 16, static_cast<float>(i * 7 % 960),
                               static_cast<float>(i * 13 % 704), 1284);
    }
  };
  for (auto _ : state) {
    scene.device.Render(0x00400000u, true);
    scene.device.Flip();
  }
  state.counters["quads/s"] = benchmark::Counter(static_cast<double>(state.iterations()) * quads,
                                                 benchmark::Counter::kIsRate);
  state.counters["frames/s"] =
      benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_GlTexturedQuadFrames)
    ->Arg(100)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace vellara
