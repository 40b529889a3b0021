// Asset loading and canvas batching. Loading: a content-sized archive (tens of MB of
// pixels) opened and every record read, checked and decoded. Canvas: textured quads per
// second through the batch, and draw calls for a frame of a few hundred mixed primitives
// (on the recording renderer, so the figures are the canvas's own CPU cost).
#include <benchmark/benchmark.h>

#include <unistd.h>
#include <cstdio>
#include <filesystem>
#include <string>

#include "gfx/archive_writer.h"
#include "gfx/asset_archive.h"
#include "gfx/gfx_canvas.h"
#include "gfx/gfx_font.h"
#include "gfx/gfx_image.h"
#include "gfx/image_record.h"
#include "gfx/recording_renderer.h"

namespace vellara {
namespace {

constexpr int kImages = 8, kW = 1024, kH = 768;  // 8 x 3 MB of pixels

// Painted-looking pixels: smooth gradients with a little noise, so that zlib works about
// as hard as on real sprites.
std::vector<std::uint32_t> Picture(int seed) {
  std::vector<std::uint32_t> p(static_cast<std::size_t>(kW) * kH);
  std::uint32_t noise = static_cast<std::uint32_t>(seed) * 2654435761u + 7;
  for (int y = 0; y < kH; ++y) {
    for (int x = 0; x < kW; ++x) {
      noise = noise * 1664525u + 1013904223u;
      const std::uint32_t n = (noise >> 29);
      const std::uint32_t r = (x / 4 + seed * 30 + n) & 0xFF, g = (y / 3 + n) & 0xFF,
                          b = ((x + y) / 8 + n) & 0xFF, a = ((x / 64 + y / 64) % 2) ? 255 : 200;
      p[static_cast<std::size_t>(y) * kW + x] = r | g << 8 | b << 16 | a << 24;
    }
  }
  return p;
}

const std::string& ContentArchive() {
  static const std::string path = [] {
    const std::string file = (std::filesystem::temp_directory_path() /
                              ("vellara_bench_" + std::to_string(::getpid()) + ".dat"))
                                 .string();
    std::vector<PackEntry> entries;
    for (int i = 0; i < kImages; ++i) {
      ImageRecordHead h;
      h.PatternWidth = h.VisibleWidth = 64;
      h.PatternHeight = h.VisibleHeight = 64;
      h.TextureWidth = kW;
      h.TextureHeight = kH;
      h.TextureCount = 1;
      entries.push_back({"image" + std::to_string(i), 1, EncodeImageRecord(h, {Picture(i)}), true});
    }
    PackOptions options;
    options.password = "qzvk";
    WriteArchiveFile(file, entries, options);
    std::atexit([] { std::filesystem::remove(ContentArchive()); });
    return file;
  }();
  return path;
}

constexpr std::int64_t kRecordBytes = kImages * (33 + std::int64_t{kW} * kH * 4);

// Open, read (decrypt, inflate, MD5) and decode every record into textures.
void BM_LoadContentArchive(benchmark::State& state) {
  const std::string& path = ContentArchive();
  RecordingRenderer renderer;
  for (auto _ : state) {
    AssetArchive archive;
    archive.SetFileName(path);
    archive.SetOpenMode(opReadOnly);
    archive.SetPassword("qzvk", 4);
    GfxImages images;
    for (int i = 0; i < kImages; ++i) {
      GfxImage& image = images.Add();
      if (!image.LoadFromArchive(archive, "image" + std::to_string(i), &renderer)) {
        state.SkipWithError("record did not load");
      }
    }
    benchmark::DoNotOptimize(images.Count());
  }
  state.SetBytesProcessed(state.iterations() * kRecordBytes);
}
BENCHMARK(BM_LoadContentArchive)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Only the archive's part: decrypt, inflate and check every record.
void BM_ReadContentRecords(benchmark::State& state) {
  const std::string& path = ContentArchive();
  AssetArchive archive;
  archive.SetFileName(path);
  archive.SetOpenMode(opReadOnly);
  archive.SetPassword("qzvk", 4);
  for (auto _ : state) {
    for (int i = 0; i < kImages; ++i) {
      MemoryStream s;
      if (!archive.ReadRecord("image" + std::to_string(i), s)) state.SkipWithError("read failed");
      benchmark::DoNotOptimize(s.Size());
    }
  }
  state.SetBytesProcessed(state.iterations() * kRecordBytes);
}
BENCHMARK(BM_ReadContentRecords)->Unit(benchmark::kMillisecond)->MinTime(2.0);

class NullDevice : public GfxPublisher {
 public:
  NullDevice() { renderer.keepCalls = false; }
  RenderBackend* Renderer() override { return &renderer; }
  RecordingRenderer renderer;
};

struct Scene {
  Scene() {
    canvas.SetPublisher(&device);
    fonts.Canvas = &canvas;
    canvas.DeviceNotice(device, dnInitialize);
    ImageRecordHead h;
    h.PatternWidth = h.VisibleWidth = 64;
    h.PatternHeight = h.VisibleHeight = 64;
    h.TextureWidth = h.TextureHeight = 256;
    h.TextureCount = 1;
    const auto record = EncodeImageRecord(h, {std::vector<std::uint32_t>(256 * 256, 0xFFFFFFFFu)});
    for (GfxImage* image : {&pieces, &board}) {
      MemoryStream s(record);
      image->LoadFromStream(s, &device.renderer);
    }
    GfxFont& f = fonts.Add();
    ImageRecordHead g = h;
    g.PatternWidth = g.VisibleWidth = 16;
    g.PatternHeight = g.VisibleHeight = 16;
    MemoryStream s(EncodeFontRecord(
        32, 0, std::vector<std::int32_t>(96, 9),
        EncodeImageRecord(g, {std::vector<std::uint32_t>(256 * 256, 0xFFFFFFFFu)})));
    f.LoadFromStream(s, aqHigh, alFull, &device.renderer);
    font = &f;
  }
  NullDevice device;
  GfxCanvas canvas;
  GfxFonts fonts;
  GfxImage pieces, board;
  GfxFont* font = nullptr;
};

void BM_TexturedQuads(benchmark::State& state) {
  Scene scene;
  for (auto _ : state) {
    for (int i = 0; i < 1000; ++i) {
      scene.canvas.DrawPattern(scene.pieces, i % 16, static_cast<float>(i % 960),
                               static_cast<float>(i % 700), 1284);
    }
    scene.canvas.DeviceNotice(scene.device, dnEndScene);
  }
  state.SetItemsProcessed(state.iterations() * 1000);
  state.counters["quads/s"] = benchmark::Counter(static_cast<double>(state.iterations()) * 1000,
                                                 benchmark::Counter::kIsRate);
}
BENCHMARK(BM_TexturedQuads);

// A scene-like frame: backdrop, 64 board cells, 32 pieces, two text lines, 20 rectangles,
// 4 lines (each line is a few dozen points).
void BM_MixedFrame(benchmark::State& state) {
  Scene scene;
  std::size_t primitives = 0;
  const std::size_t before = scene.canvas.DrawCalls();
  for (auto _ : state) {
    primitives = 0;
    scene.canvas.DrawPatternScaled(scene.board, 0, 0, 0, 4.0f, 1);
    ++primitives;
    for (int c = 0; c < 64; ++c, ++primitives) {
      scene.canvas.DrawPattern(scene.board, c % 16, static_cast<float>(c % 8 * 64),
                               static_cast<float>(c / 8 * 64), 1284);
    }
    for (int p = 0; p < 32; ++p, ++primitives) {
      scene.canvas.DrawPattern(scene.pieces, p % 12, static_cast<float>(p * 20),
                               static_cast<float>(p * 10), 1284);
    }
    scene.canvas.PrintText(*scene.font, "Best variant: e2e4 e7e5 g1f3 b8c6 f1b5", 10, 700,
                           0xFFFFFFFFu, 0xFF999999u, 1284);
    scene.canvas.PrintText(*scene.font, "White 00:12:31  Black 00:10:02", 10, 730, 0xFF00FFFFu,
                           0xFF0000FFu, 1284);
    primitives += 70;
    for (int r = 0; r < 20; ++r, ++primitives) {
      scene.canvas.FillRectColor(600 + r * 10, 600, 8, 8, 0x80000000u, r % 2 ? 1280 : 1284);
    }
    for (int l = 0; l < 4; ++l) {
      scene.canvas.DrawLine(600, 100.0f + l * 20, 700, 150.0f + l * 20, 0xFF00FFFFu, 0xFF0000FFu,
                            1284);
      primitives += 2 * 101;
    }
    scene.canvas.DeviceNotice(scene.device, dnEndScene);
  }
  state.counters["draw calls/frame"] = static_cast<double>(scene.canvas.DrawCalls() - before) /
                                       static_cast<double>(state.iterations());
  state.counters["primitives/frame"] = static_cast<double>(primitives);
}
BENCHMARK(BM_MixedFrame);

}  // namespace
}  // namespace vellara
