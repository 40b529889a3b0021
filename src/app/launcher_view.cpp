#include "app/launcher_view.h"

#include <algorithm>

namespace vellara {

namespace {

// Colours as 0xAABBGGRR.
constexpr std::uint32_t Rgb(int r, int g, int b) {
  return 0xFF000000u | static_cast<std::uint32_t>(b) << 16 | static_cast<std::uint32_t>(g) << 8 |
         static_cast<std::uint32_t>(r);
}
constexpr std::uint32_t kBlack = Rgb(0, 0, 0);
constexpr std::uint32_t kWhite = Rgb(255, 255, 255);
constexpr std::uint32_t kButtonFace = Rgb(225, 225, 225);
constexpr std::uint32_t kButtonBorder = Rgb(173, 173, 173);
constexpr std::uint32_t kHoverFace = Rgb(229, 241, 251);
constexpr std::uint32_t kHoverBorder = Rgb(0, 120, 215);
constexpr std::uint32_t kDownFace = Rgb(204, 228, 247);
constexpr std::uint32_t kDownBorder = Rgb(0, 84, 153);
constexpr std::uint32_t kBoxBorder = Rgb(51, 51, 51);
constexpr int kBoxSide = 13;

void Fill(PixelFrame& frame, int left, int top, int width, int height, std::uint32_t colour) {
  const int x0 = std::max(left, 0), x1 = std::min(left + width, frame.width);
  const int y0 = std::max(top, 0), y1 = std::min(top + height, frame.height);
  for (int y = y0; y < y1; ++y) {
    std::fill_n(frame.pixels.begin() + static_cast<std::ptrdiff_t>(y) * frame.width + x0,
                std::max(0, x1 - x0), colour);
  }
}

void Frame(PixelFrame& frame, int left, int top, int width, int height, std::uint32_t border,
           std::uint32_t face) {
  Fill(frame, left, top, width, height, border);
  Fill(frame, left + 1, top + 1, width - 2, height - 2, face);
}

void Plot(PixelFrame& frame, int x, int y, std::uint32_t colour) {
  if (x >= 0 && x < frame.width && y >= 0 && y < frame.height)
    frame.pixels[static_cast<std::size_t>(y) * frame.width + x] = colour;
}

void StartButton(const Launcher& launcher, const LauncherFont& font, PixelFrame& frame) {
  const LauncherRect& r = kStartButton;
  const bool down = launcher.ButtonDown();
  const bool hover = launcher.Hover() == LauncherControl::StartButton;
  Frame(frame, r.left, r.top, r.width, r.height,
        down ? kDownBorder : (hover ? kHoverBorder : kButtonBorder),
        down ? kDownFace : (hover ? kHoverFace : kButtonFace));
  const int shift = down ? 1 : 0;
  font.Draw(frame, r.left + (r.width - font.TextWidth(kStartCaption)) / 2 + shift,
            r.top + (r.height - font.Height()) / 2 + shift, kStartCaption, 0x000000);
}

void FullScreenBox(const Launcher& launcher, const LauncherFont& font, PixelFrame& frame) {
  const LauncherRect& r = kFullScreenBox;
  Fill(frame, r.left, r.top, r.width, r.height, kSilver);
  const int bx = r.left, by = r.top + (r.height - kBoxSide) / 2;
  const bool hover = launcher.Hover() == LauncherControl::CheckBox1;
  const bool pressed = launcher.Pressed() == LauncherControl::CheckBox1 && hover;
  Frame(frame, bx, by, kBoxSide, kBoxSide, hover ? kHoverBorder : kBoxBorder,
        pressed ? kDownFace : kWhite);
  if (launcher.Checked()) {
    // A tick: down from the left, then up to the right, two pixels thick.
    for (int i = 0; i < 3; ++i) {
      Plot(frame, bx + 3 + i, by + 6 + i, kBlack);
      Plot(frame, bx + 3 + i, by + 7 + i, kBlack);
    }
    for (int i = 0; i < 5; ++i) {
      Plot(frame, bx + 6 + i, by + 7 - i, kBlack);
      Plot(frame, bx + 6 + i, by + 8 - i, kBlack);
    }
  }
  font.Draw(frame, bx + kBoxSide + 3, r.top + (r.height - font.Height()) / 2, kFullScreenCaption,
            0x000000);
}

}  // namespace

void ComposeLauncher(const Launcher& launcher, const PixelFrame& background,
                     const LauncherFont& font, PixelFrame& frame) {
  frame.width = kLauncherWidth;
  frame.height = kLauncherHeight;
  frame.pixels.assign(static_cast<std::size_t>(kLauncherWidth) * kLauncherHeight, kSilver);
  const int w = std::min(background.width, kLauncherWidth);
  const int h = std::min(background.height, kLauncherHeight);
  if (background.pixels.size() >= static_cast<std::size_t>(background.width) * background.height) {
    for (int y = 0; y < h; ++y) {
      std::copy_n(background.pixels.begin() + static_cast<std::ptrdiff_t>(y) * background.width,
                  std::max(0, w),
                  frame.pixels.begin() + static_cast<std::ptrdiff_t>(y) * kLauncherWidth);
    }
  }
  StartButton(launcher, font, frame);
  FullScreenBox(launcher, font, frame);
}

}  // namespace vellara
