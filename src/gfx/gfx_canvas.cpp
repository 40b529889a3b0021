// Canvas: batching core and drawing operations.
#include "gfx/gfx_canvas.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "gfx/gfx_font.h"
#include "gfx/gfx_image.h"

namespace vellara {

int RoundHalfEven(double v) {
  const double r = std::floor(v);
  const double diff = v - r;
  double out = r;
  if (diff > 0.5 || (diff == 0.5 && std::fmod(r, 2.0) != 0.0)) out = r + 1.0;
  return static_cast<int>(out);
}

void Gfx2D::SetVertexCache(int value) {
  if (resources_) return;
  value = std::clamp(value, 512, 65536);
  vertexCache_ = (value + 3) / 4 * 4;
}

bool Gfx2D::Allocate(GfxPublisher& sender) {
  renderer_ = sender.Renderer();
  if (renderer_ == nullptr) return false;
  vertices_.clear();
  indices_.clear();
  vertices_.reserve(static_cast<std::size_t>(vertexCache_));
  indices_.reserve(static_cast<std::size_t>(vertexCache_));
  resources_ = true;
  stateDirty_ = true;
  return true;
}

void Gfx2D::ReleaseResources() {
  vertices_.clear();
  indices_.clear();
  vertices_.shrink_to_fit();
  indices_.shrink_to_fit();
  renderer_ = nullptr;
  resources_ = false;
}

bool Gfx2D::DeviceNotice(GfxPublisher& sender, vellara::DeviceNotice notice) {
  switch (notice) {
    case dnInitialize:
      return Allocate(sender);
    case dnFinalize:
    case dnLost:
      ReleaseResources();
      return true;
    case dnReset:
      if (!Allocate(sender)) ReleaseResources();
      return true;
    case dnBeginScene:
      return true;
    case dnEndScene:
      Flush();
      stateDirty_ = true;
      return true;
  }
  return true;
}

void Gfx2D::Flush() {
  if (!resources_ || vertices_.empty()) return;
  renderer_->Draw(kind_, vertices_, indices_, effect_, texture_);
  ++drawCalls_;
  vertices_.clear();
  indices_.clear();
}

bool Gfx2D::Prepare(PrimitiveKind kind, std::uint32_t effect, TextureId texture,
                    std::size_t vertices, std::size_t indices) {
  if (!resources_) return false;
  if (stateDirty_) {
    Flush();
    renderer_->SetState({Antialias, Dithering, AlphaTesting});
    stateDirty_ = false;
  }
  const auto cache = static_cast<std::size_t>(vertexCache_);
  if (!vertices_.empty() &&
      (kind != kind_ || (effect & 0xFFFFFFu) != (effect_ & 0xFFFFFFu) || texture != texture_ ||
       vertices_.size() + vertices > cache || indices_.size() + indices > cache)) {
    Flush();
  }
  kind_ = kind;
  effect_ = effect;
  texture_ = texture;
  return true;
}

void Gfx2D::DrawQuad(const std::array<CanvasPoint, 4>& corners,
                     const std::array<std::uint32_t, 4>& colours, std::uint32_t effect) {
  if (!Prepare(PrimitiveKind::kTriangles, effect, 0, 4, 6)) return;
  const auto base = static_cast<std::uint32_t>(vertices_.size());
  for (int i = 0; i < 4; ++i) vertices_.push_back({corners[i].x, corners[i].y, 0, 0, colours[i]});
  for (std::uint32_t i : {0u, 1u, 3u, 1u, 2u, 3u}) indices_.push_back(base + i);
}

void Gfx2D::DrawTexturedQuad(const GfxImage& image, const PatternRegion& region,
                             const std::array<CanvasPoint, 4>& corners,
                             const std::array<std::uint32_t, 4>& colours, std::uint32_t effect) {
  if (!Prepare(PrimitiveKind::kTriangles, effect, image.Texture(region.texture), 4, 6)) return;
  const auto base = static_cast<std::uint32_t>(vertices_.size());
  for (std::size_t i = 0; i < 4; ++i) {
    vertices_.push_back({corners[i].x, corners[i].y, region.u[i], region.v[i], colours[i]});
  }
  for (std::uint32_t i : {0u, 1u, 3u, 1u, 2u, 3u}) indices_.push_back(base + i);
}

void Gfx2D::DrawPoint(int x, int y, std::uint32_t colour, std::uint32_t effect) {
  if (!Prepare(PrimitiveKind::kPoints, effect, 0, 1, 1)) return;
  indices_.push_back(static_cast<std::uint32_t>(vertices_.size()));
  // The centre of pixel (x, y): pixel x spans x .. x + 1.
  vertices_.push_back({static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f, 0, 0, colour});
}

void GfxCanvas::DrawRegion(const GfxImage& image, int pattern, float x, float y, int width,
                           int height, const std::array<std::uint32_t, 4>& colours,
                           std::uint32_t effect) {
  PatternRegion region;
  if (!image.GetPatternRegion(pattern, region)) return;
  const float w = static_cast<float>(width), h = static_cast<float>(height);
  DrawTexturedQuad(image, region, {{{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}}}, colours,
                   effect);
}

void GfxCanvas::DrawPattern(const GfxImage& image, int pattern, float x, float y,
                            std::uint32_t effect) {
  constexpr std::uint32_t kWhite = 0xFFFFFFFFu;
  DrawRegion(image, pattern, x, y, image.VisibleWidth(), image.VisibleHeight(),
             {kWhite, kWhite, kWhite, kWhite}, effect);
}

void GfxCanvas::DrawPatternScaled(const GfxImage& image, int pattern, float x, float y, float scale,
                                  std::uint32_t effect) {
  constexpr std::uint32_t kWhite = 0xFFFFFFFFu;
  DrawRegion(image, pattern, x, y, RoundHalfEven(static_cast<double>(image.VisibleWidth()) * scale),
             RoundHalfEven(static_cast<double>(image.VisibleHeight()) * scale),
             {kWhite, kWhite, kWhite, kWhite}, effect);
}

void GfxCanvas::FillRectColor(int left, int top, int width, int height, std::uint32_t colour,
                              std::uint32_t effect) {
  const float l = static_cast<float>(left), t = static_cast<float>(top);
  const float r = static_cast<float>(left + width), b = static_cast<float>(top + height);
  DrawQuad({{{l, t}, {r, t}, {r, b}, {l, b}}}, {colour, colour, colour, colour}, effect);
}

void GfxCanvas::DrawPixel(float x, float y, std::uint32_t colour, std::uint32_t effect) {
  DrawPoint(RoundHalfEven(x), RoundHalfEven(y), colour, effect);
}

namespace {

std::uint32_t ScaleAlpha(std::uint32_t colour, double factor) {
  const int a = std::clamp(RoundHalfEven((colour >> 24) * factor), 0, 255);
  return (colour & 0x00FFFFFFu) | (static_cast<std::uint32_t>(a) << 24);
}

std::uint32_t MixColours(std::uint32_t c1, std::uint32_t c2, int w) {
  std::uint32_t out = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    const int a = static_cast<int>((c1 >> shift) & 0xFF),
              b = static_cast<int>((c2 >> shift) & 0xFF);
    // One division of the sum: two separately floored halves would lose a unit, so a line
    // of one colour would not keep that colour.
    const int v = std::min(255, (b * w + a * (256 - w)) / 256);
    out |= static_cast<std::uint32_t>(v) << shift;
  }
  return out;
}

}  // namespace

void GfxCanvas::DrawLine(float x1, float y1, float x2, float y2, std::uint32_t colour1,
                         std::uint32_t colour2, std::uint32_t effect) {
  double ax = x1, ay = y1, bx = x2, by = y2;
  const bool steep = !(std::fabs(bx - ax) > std::fabs(by - ay));
  if (steep) {
    std::swap(ax, ay);
    std::swap(bx, by);
  }
  if (bx - ax < 0) {
    std::swap(ax, bx);
    std::swap(ay, by);
  }
  const double dx = bx - ax, dy = by - ay;
  const double gradient = dx == 0 ? 0.0 : dy / dx;
  const int s = static_cast<int>(ax + 0.5);
  const int e = static_cast<int>(bx + 0.5);
  for (int c = s; c <= e; ++c) {
    const int k = c - s;
    const int w = e == s ? 0 : RoundHalfEven(k * 255.0 / (e - s));
    const std::uint32_t colour = MixColours(colour1, colour2, w);
    const double yc = ay + (c + 1 - ax) * gradient;
    const int iy = static_cast<int>(yc);
    const double f = yc - iy;
    const std::uint32_t near = ScaleAlpha(colour, 1.0 - f), far = ScaleAlpha(colour, f);
    if (steep) {
      DrawPoint(iy, c, near, effect);
      DrawPoint(iy + 1, c, far, effect);
    } else {
      DrawPoint(c, iy, near, effect);
      DrawPoint(c, iy + 1, far, effect);
    }
  }
}

namespace {

// Eight hexadecimal digits at text[from..from+7].
bool ParseHex8(std::string_view text, std::size_t from, std::uint32_t& value) {
  std::uint32_t v = 0;
  for (std::size_t i = from; i < from + 8; ++i) {
    const char ch = text[i];
    int d;
    if (ch >= '0' && ch <= '9')
      d = ch - '0';
    else if (ch >= 'a' && ch <= 'f')
      d = ch - 'a' + 10;
    else if (ch >= 'A' && ch <= 'F')
      d = ch - 'A' + 10;
    else
      return false;
    v = (v << 4) | static_cast<std::uint32_t>(d);
  }
  value = v;
  return true;
}

}  // namespace

void GfxCanvas::PrintText(const GfxFont& font, std::string_view text, float x, float y,
                          std::uint32_t colourTop, std::uint32_t colourBottom,
                          std::uint32_t effect) {
  if (!font.Initialized()) return;
  if (font.Owner() == nullptr) throw std::logic_error("GfxFont: Unassigned Owner property.");
  if (font.Owner()->Canvas == nullptr) {
    throw std::logic_error("GfxFont: Unassigned Owner.Canvas property.");
  }
  const GfxImage& glyphs = *font.Image();
  const std::size_t length = text.size();
  double penX = x;
  std::size_t i = 0;
  // A tag needs at least two characters after it: 1-based position p < length - 10.
  auto tagFits = [&] { return i + 11 < length; };
  while (i < length) {
    if (font.TextTags) {
      std::uint32_t v;
      if (tagFits() && text[i] == '#' && text[i + 1] == '$') {
        if (ParseHex8(text, i + 2, v)) colourTop = v;
        i += 10;
      }
      if (tagFits() && text[i] == '&' && text[i + 1] == '$') {
        if (ParseHex8(text, i + 2, v)) colourBottom = v;
        i += 10;
      }
      if (tagFits() && text[i] == '0' && text[i + 1] == 'x') {
        const std::uint32_t both = ParseHex8(text, i + 2, v) ? v : colourBottom;
        colourTop = colourBottom = both;
        i += 10;
      }
    }
    const int glyph = static_cast<unsigned char>(text[i]) - font.FirstLetter();
    double advance;
    if (glyph < 0 || glyph >= font.GlyphCount()) {
      advance = glyphs.VisibleWidth() * double{font.BlankSpacing};
    } else {
      const int w = RoundHalfEven(glyphs.VisibleWidth() * double{font.Scale});
      const int h = RoundHalfEven(glyphs.VisibleHeight() * double{font.Scale});
      DrawRegion(glyphs, glyph, static_cast<float>(static_cast<int>(penX)),
                 static_cast<float>(static_cast<int>(y)), w, h,
                 {colourTop, colourTop, colourBottom, colourBottom}, effect);
      advance = font.Advance(glyph) + font.LetterSpacing();
    }
    penX += (advance + double{font.Interleave}) * double{font.Scale};
    ++i;
  }
}

}  // namespace vellara
