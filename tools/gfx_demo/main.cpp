// vellara-gfx-demo: the graphics layer end to end.
//
//   vellara-gfx-demo content DIR
//       Writes raw RGBA sprite sheets, a record list for "vellara-pack create", the glyph
//       advances for "vellara-pack font", and the description "vellara.def" into DIR.
//   vellara-gfx-demo show DESCRIPTION [--frames N] [--screenshot FILE.png] [--fullscreen]
//       Opens the scene window, loads the group "Content" from the description and its
//       archive (password "qzvk"), and draws patterns, text, lines and rectangles with
//       several effect codes for N frames (default: until the window is closed). The
//       screenshot is the back buffer of the last frame.
#include <SDL.h>
#include <png.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "gfx/asset_archive.h"
#include "gfx/gfx_canvas.h"
#include "gfx/gfx_device.h"
#include "gfx/gfx_font.h"
#include "gfx/gfx_image.h"
#include "gfx/gfx_loader.h"
#include "gfx/gfx_timer.h"
#include "gfx/gfx_wiring.h"
#include "platform/video/sdl_clock.h"
#include "platform/video/sdl_display.h"

namespace vellara {
namespace {

constexpr std::uint32_t Rgba(int r, int g, int b, int a) {
  return static_cast<std::uint32_t>(r) | static_cast<std::uint32_t>(g) << 8 |
         static_cast<std::uint32_t>(b) << 16 | static_cast<std::uint32_t>(a) << 24;
}

// A 3 x 5 pixel font for ' ' .. 'Z'; each row is three bits, left pixel highest.
struct Glyph3x5 {
  char c;
  unsigned char rows[5];
};
constexpr Glyph3x5 kGlyphs[] = {
    {'A', {2, 5, 7, 5, 5}}, {'B', {6, 5, 6, 5, 6}}, {'C', {3, 4, 4, 4, 3}}, {'D', {6, 5, 5, 5, 6}},
    {'E', {7, 4, 6, 4, 7}}, {'F', {7, 4, 6, 4, 4}}, {'G', {3, 4, 5, 5, 3}}, {'H', {5, 5, 7, 5, 5}},
    {'I', {7, 2, 2, 2, 7}}, {'J', {1, 1, 1, 5, 2}}, {'K', {5, 5, 6, 5, 5}}, {'L', {4, 4, 4, 4, 7}},
    {'M', {5, 7, 7, 5, 5}}, {'N', {6, 5, 5, 5, 5}}, {'O', {2, 5, 5, 5, 2}}, {'P', {6, 5, 6, 4, 4}},
    {'Q', {2, 5, 5, 6, 3}}, {'R', {6, 5, 6, 5, 5}}, {'S', {3, 4, 2, 1, 6}}, {'T', {7, 2, 2, 2, 2}},
    {'U', {5, 5, 5, 5, 7}}, {'V', {5, 5, 5, 5, 2}}, {'W', {5, 5, 7, 7, 5}}, {'X', {5, 5, 2, 5, 5}},
    {'Y', {5, 5, 2, 2, 2}}, {'Z', {7, 1, 2, 4, 7}}, {'0', {7, 5, 5, 5, 7}}, {'1', {2, 6, 2, 2, 7}},
    {'2', {6, 1, 2, 4, 7}}, {'3', {6, 1, 2, 1, 6}}, {'4', {5, 5, 7, 1, 1}}, {'5', {7, 4, 6, 1, 6}},
    {'6', {3, 4, 7, 5, 7}}, {'7', {7, 1, 2, 2, 2}}, {'8', {7, 5, 7, 5, 7}}, {'9', {7, 5, 7, 1, 6}},
    {'!', {2, 2, 2, 0, 2}}, {'.', {0, 0, 0, 0, 2}}, {':', {0, 2, 0, 2, 0}}, {'-', {0, 0, 7, 0, 0}},
    {',', {0, 0, 0, 2, 4}}, {'(', {1, 2, 2, 2, 1}}, {')', {4, 2, 2, 2, 4}}, {'+', {0, 2, 7, 2, 0}},
};

bool WriteRaw(const std::string& path, const std::vector<std::uint32_t>& pixels) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(pixels.data()),
            static_cast<std::streamsize>(pixels.size() * 4));
  return static_cast<bool>(out);
}

int Content(const std::string& dir) {
  // Eight discs of 64 x 64 in a 256 x 128 sheet, soft-edged, each its own colour.
  std::vector<std::uint32_t> discs(256 * 128);
  const int colours[8][3] = {{235, 225, 200}, {60, 40, 30},   {200, 60, 60},  {60, 160, 90},
                             {70, 110, 210},  {230, 190, 60}, {170, 90, 200}, {90, 200, 210}};
  for (int y = 0; y < 128; ++y) {
    for (int x = 0; x < 256; ++x) {
      const int cell = (y / 64) * 4 + x / 64;
      const double dx = (x % 64) - 31.5, dy = (y % 64) - 31.5;
      const double d = std::sqrt(dx * dx + dy * dy);
      const double alpha = std::clamp(28.0 - d, 0.0, 1.0);
      const double light = std::clamp(1.2 - (d + dx * 0.4 + dy * 0.4) / 40.0, 0.3, 1.2);
      const auto shade = [&](int c) { return std::clamp(static_cast<int>(c * light), 0, 255); };
      discs[static_cast<std::size_t>(y * 256 + x)] =
          Rgba(shade(colours[cell][0]), shade(colours[cell][1]), shade(colours[cell][2]),
               static_cast<int>(alpha * 255));
    }
  }
  // A 512 x 384 backdrop: a vertical gradient with a chequer of soft squares.
  std::vector<std::uint32_t> backdrop(512 * 384);
  for (int y = 0; y < 384; ++y) {
    for (int x = 0; x < 512; ++x) {
      const bool dark = ((x / 32) + (y / 32)) % 2 == 0;
      const int base = 40 + y * 60 / 384 + (dark ? 0 : 18);
      backdrop[static_cast<std::size_t>(y * 512 + x)] = Rgba(base, base + 10, base + 30, 255);
    }
  }
  // Glyphs ' ' .. 'Z' in 16 x 24 cells of a 256 x 96 sheet, drawn 4 pixels per font pixel.
  constexpr int kFirst = 32, kCount = 59;
  std::vector<std::uint32_t> glyphs(256 * 96, Rgba(255, 255, 255, 0));
  std::string advances;
  for (int g = 0; g < kCount; ++g) {
    const char c = static_cast<char>(kFirst + g);
    const Glyph3x5* glyph = nullptr;
    for (const Glyph3x5& k : kGlyphs) {
      if (k.c == c) glyph = &k;
    }
    if (g != 0) advances += ',';
    advances += "16";
    if (!glyph) continue;
    const int cx = (g % 16) * 16 + 2, cy = (g / 16) * 24 + 2;
    for (int row = 0; row < 5; ++row) {
      for (int col = 0; col < 3; ++col) {
        if (!((glyph->rows[row] >> (2 - col)) & 1)) continue;
        for (int py = 0; py < 4; ++py) {
          for (int px = 0; px < 4; ++px) {
            glyphs[static_cast<std::size_t>((cy + row * 4 + py) * 256 + cx + col * 4 + px)] =
                Rgba(255, 255, 255, 255);
          }
        }
      }
    }
  }
  std::ofstream list(dir + "/list.txt");
  list << "# key type file\nDiscs 1 discs.rec\nBackdrop 1 backdrop.rec plain\nFont 3 font.rec\n";
  std::ofstream def(dir + "/vellara.def");
  def << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<vellara>\n"
         "  <group name=\"Content\">\n"
         "    <image name=\"discs\" source=\"demo.dat\" key=\"Discs\" alphalevel=\"full\"/>\n"
         "    <image name=\"backdrop\" source=\"demo.dat\" key=\"Backdrop\" alphalevel=\"none\"/>\n"
         "    <font name=\"text\" source=\"demo.dat\" key=\"Font\"/>\n"
         "  </group>\n"
         "</vellara>\n";
  std::ofstream(dir + "/advances.txt") << advances;
  if (!WriteRaw(dir + "/discs.rgba", discs) || !WriteRaw(dir + "/backdrop.rgba", backdrop) ||
      !WriteRaw(dir + "/glyphs.rgba", glyphs) || !list || !def) {
    std::cerr << "vellara-gfx-demo: cannot write into " << dir << "\n";
    return 1;
  }
  return 0;
}

bool WritePng(const std::string& path, int width, int height,
              const std::vector<std::uint32_t>& pixels) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width);
  image.height = static_cast<png_uint_32>(height);
  image.format = PNG_FORMAT_RGB;
  std::vector<unsigned char> rgb(static_cast<std::size_t>(width) * height * 3);
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    rgb[3 * i] = static_cast<unsigned char>(pixels[i]);
    rgb[3 * i + 1] = static_cast<unsigned char>(pixels[i] >> 8);
    rgb[3 * i + 2] = static_cast<unsigned char>(pixels[i] >> 16);
  }
  return png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), 0, nullptr) != 0;
}

int Show(const std::string& description, int frames, const std::string& screenshot,
         bool fullScreen) {
  SdlDisplay display({"Vellara Chess - graphics demo", false});
  GfxDevice device(display);
  GfxCanvas canvas;
  GfxImages images;
  GfxLoader loader;
  GfxFonts fonts;
  AssetArchive archive;
  SdlClock clock;
  GfxTimer timer(clock);

  device.SetWidth(1024);
  device.SetHeight(768);
  device.SetVSync(true);
  ConnectToDevice(device, canvas, images, fonts, loader, archive);
  loader.XMLDescFile = description;
  archive.SetOpenMode(opReadOnly);
  device.OnInitialize = [&](GfxDevice&, bool& success) {
    archive.SetPassword("qzvk", 4);
    success = loader.LoadGroup("Content");
  };
  if (!device.Initialize()) {
    std::cerr << "Failed initializing video device! " << display.LastError() << "\n";
    return 1;
  }
  const GfxImage* discs = images.ImageByName("discs");
  const GfxImage* backdrop = images.ImageByName("backdrop");
  const GfxFont* font = fonts.FontAt(0);
  if (!discs || !backdrop || !font) {
    std::cerr << "vellara-gfx-demo: the content did not load (" << images.Count() << " images, "
              << fonts.Count() << " fonts)\n";
    return 1;
  }
  if (fullScreen) device.SetWindowed(false);

  int step = 0, frame = 0;
  bool running = true;
  device.OnRender = [&](GfxDevice&) {
    canvas.DrawPatternScaled(*backdrop, 0, 0, 0, 2.0f, 1);
    // A ring of discs, ordinary transparency.
    for (int i = 0; i < 8; ++i) {
      const double a = step * 0.02 + i * 3.14159265 / 4;
      canvas.DrawPattern(*discs, i, static_cast<float>(480 + 220 * std::cos(a)),
                         static_cast<float>(330 + 120 * std::sin(a)), 1284);
    }
    // The same discs: additive glow, darkening and subtraction, scaled.
    canvas.DrawPatternScaled(*discs, 5, 60, 520, 2.0f, 260);
    canvas.DrawPatternScaled(*discs, 5, 200, 520, 2.0f, 1280);
    canvas.DrawPatternScaled(*discs, 2, 340, 520, 2.0f, 65796);
    canvas.DrawPatternScaled(*discs, 4, 480, 520, 2.0f, 1);
    // Rectangles with several effects.
    canvas.FillRectColor(650, 520, 150, 60, 0xFF0000FFu, 1);
    canvas.FillRectColor(700, 550, 150, 60, 0x8000FF00u, 1284);
    canvas.FillRectColor(750, 580, 150, 60, 0xFFFF0000u, 260);
    canvas.FillRectColor(800, 610, 150, 60, 0xFF333333u, 65796);
    canvas.FillRectColor(0, 700, 1024, 68, 0xA0000000u, 1280);
    // A fan of antialiased lines, colour running from yellow to red.
    for (int i = 0; i <= 16; ++i) {
      const double a = i * 3.14159265 / 32;
      canvas.DrawLine(900, 200, static_cast<float>(900 - 120 * std::cos(a)),
                      static_cast<float>(200 + 120 * std::sin(a)), 0xFF00FFFFu, 0xFF0000FFu, 1284);
    }
    canvas.PrintText(*font, "VELLARA CHESS - GRAPHICS DEMO", 24, 24, 0xFFFFFFFFu, 0xFF00FFFFu,
                     1284);
    canvas.PrintText(*font, "#$FF0000FFPATTERNS, &$FFFF8040TEXT, LINES AND RECTANGLES", 24, 60,
                     0xFFFFFFFFu, 0xFFFFFFFFu, 1284);
    canvas.PrintText(*font, "EFFECTS: 260  1280  65796  1", 60, 660, 0xFFFFFFFFu, 0xFF999999u,
                     1284);
    canvas.PrintText(*font, "FRAME " + std::to_string(frame) + "  STEP " + std::to_string(step), 24,
                     716, 0xFF00FF00u, 0xFF008000u, 260);
  };
  timer.SetSpeed(60);
  timer.SetMaxFPS(200);
  timer.OnProcess = [&](GfxTimer&) { ++step; };
  timer.OnTimer = [&](GfxTimer& t) {
    device.Render(0x00400000u, true);
    t.Process();
    if (frames > 0 && frame + 1 == frames && !screenshot.empty()) {
      const auto pixels = display.ReadBackBuffer();
      if (!WritePng(screenshot, device.Width(), device.Height(), pixels)) {
        std::cerr << "vellara-gfx-demo: cannot write " << screenshot << "\n";
        running = false;
      }
    }
    device.Flip();
    ++frame;
    if (frames > 0 && frame >= frames) running = false;
  };
  timer.Enabled = true;
  while (running) {
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
      if (e.type == SDL_QUIT || (e.type == SDL_KEYDOWN && e.key.keysym.sym == SDLK_ESCAPE)) {
        running = false;
      }
    }
    timer.Idle();
  }
  device.Finalize();
  return screenshot.empty() || std::ifstream(screenshot) ? 0 : 1;
}

}  // namespace
}  // namespace vellara

int main(int argc, char** argv) {
  const std::string usage =
      "usage: vellara-gfx-demo content DIR\n"
      "       vellara-gfx-demo show DESCRIPTION [--frames N] [--screenshot FILE.png] "
      "[--fullscreen]\n";
  if (argc >= 3 && std::string(argv[1]) == "content") return vellara::Content(argv[2]);
  if (argc >= 3 && std::string(argv[1]) == "show") {
    int frames = 0;
    std::string screenshot;
    bool fullScreen = false;
    for (int i = 3; i < argc; ++i) {
      const std::string a = argv[i];
      if (a == "--frames" && i + 1 < argc) {
        frames = std::atoi(argv[++i]);
      } else if (a == "--screenshot" && i + 1 < argc) {
        screenshot = argv[++i];
      } else if (a == "--fullscreen") {
        fullScreen = true;
      } else {
        std::cerr << usage;
        return 2;
      }
    }
    return vellara::Show(argv[2], frames, screenshot, fullScreen);
  }
  std::cerr << usage;
  return 2;
}
