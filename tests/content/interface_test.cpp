// The built fonts and interface images, loaded from the content build's archive through the
// game's own loader, and every text of the tables drawn with PrintText where the scene draws
// it: the ink of the drawn glyphs (read back from the uploaded textures) must stay inside
// the place the text belongs to.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "engine/notation.h"
#include "fake_display.h"
#include "gfx/asset_archive.h"
#include "gfx/gfx_canvas.h"
#include "gfx/gfx_font.h"
#include "gfx/gfx_image.h"
#include "gfx/gfx_loader.h"
#include "gfx/gfx_wiring.h"
#include "ui/texts.h"

namespace vellara {
namespace {

// Texels fainter than this (a soft halo's outer edge) do not count as visible ink.
constexpr std::uint32_t kVisibleAlpha = 48;

// A rectangle of scene pixels, right and bottom exclusive.
struct Box {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool Empty() const { return right <= left || bottom <= top; }
  bool Inside(const Box& outer) const {
    return left >= outer.left && top >= outer.top && right <= outer.right && bottom <= outer.bottom;
  }
};

std::ostream& operator<<(std::ostream& out, const Box& b) {
  return out << "x " << b.left << ".." << b.right - 1 << ", y " << b.top << ".." << b.bottom - 1;
}

// Inside a hit area whose bounds are strict: left < x < right, top < y < bottom.
Box Strict(int left, int top, int right, int bottom) {
  return {left + 1, top + 1, right, bottom};
}

const Box kScene{0, 0, 1024, 768};

struct Font {
  int index;
  const char* key;
};
constexpr Font kFonts[] = {
    {0, "font_menu"}, {1, "font_small"}, {2, "font_text"}, {3, "font_variant"}};

class InterfaceContent : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { shared_ = new Loaded; }
  static void TearDownTestSuite() {
    delete shared_;
    shared_ = nullptr;
  }

  // The scene's wiring (device, canvas, images, loader, fonts) on the recording renderer,
  // loading the group "Content" of the built description.
  struct Loaded {
    Loaded() {
      ConnectToDevice(device, canvas, images, fonts, loader, archive);
      loader.XMLDescFile = std::string(VELLARA_CONTENT_DIR) + "/vellara.def";
      archive.SetPassword("qzvk", 4);
      archive.SetOpenMode(opReadOnly);
      archive.SetFileName(std::string(VELLARA_CONTENT_DIR) + "/vellara.dat");
      device.OnRender = [](GfxDevice&) {};
      initialised = device.Initialize();
      loaded = initialised && loader.LoadGroup("Content");
    }
    test::FakeDisplay display;
    GfxDevice device{display};
    GfxCanvas canvas;
    GfxImages images;
    GfxLoader loader;
    GfxFonts fonts;
    AssetArchive archive;
    bool initialised = false, loaded = false;
  };

  void SetUp() override {
    ASSERT_TRUE(shared_->initialised);
    ASSERT_TRUE(shared_->loaded) << "cannot read " << shared_->loader.XMLDescFile;
  }

  static RecordingRenderer& Renderer() { return shared_->display.renderer; }

  static const GfxFont& FontAt(int index) {
    const GfxFont* font = shared_->fonts.FontAt(index);
    if (font == nullptr) throw std::runtime_error("font " + std::to_string(index) + " missing");
    return *font;
  }

  static const GfxImage& ImageNamed(const char* name) {
    const GfxImage* image = shared_->images.ImageByName(name);
    if (image == nullptr) throw std::runtime_error(std::string("image ") + name + " missing");
    return *image;
  }

  // The visible ink of everything that `draw` puts on the canvas.
  static Box DrawnInk(const std::function<void(GfxCanvas&)>& draw) {
    RecordingRenderer& r = Renderer();
    r.calls.clear();
    draw(shared_->canvas);
    shared_->device.Notify(dnEndScene);
    Box ink{1 << 20, 1 << 20, -(1 << 20), -(1 << 20)};
    for (const auto& call : r.calls) {
      if (call.texture == 0) continue;
      const RecordingRenderer::Texture& t = r.textures.at(call.texture);
      for (std::size_t q = 0; q + 3 < call.vertices.size(); q += 4) {
        const Vertex& a = call.vertices[q];      // top-left
        const Vertex& c = call.vertices[q + 2];  // bottom-right
        const int tx0 = static_cast<int>(a.u * static_cast<float>(t.width) + 0.5f);
        const int ty0 = static_cast<int>(a.v * static_cast<float>(t.height) + 0.5f);
        const int tw = static_cast<int>(c.u * static_cast<float>(t.width) + 0.5f) - tx0;
        const int th = static_cast<int>(c.v * static_cast<float>(t.height) + 0.5f) - ty0;
        // Texts are drawn at scale 1, so texel (i, j) of the region is pixel (x + i, y + j).
        EXPECT_EQ(static_cast<int>(c.x - a.x), tw);
        EXPECT_EQ(static_cast<int>(c.y - a.y), th);
        for (int j = 0; j < th; ++j) {
          for (int i = 0; i < tw; ++i) {
            const std::uint32_t texel =
                t.pixels[static_cast<std::size_t>((ty0 + j) * t.width + tx0 + i)];
            if ((texel >> 24) < kVisibleAlpha) continue;
            const int x = static_cast<int>(a.x) + i, y = static_cast<int>(a.y) + j;
            ink.left = std::min(ink.left, x);
            ink.top = std::min(ink.top, y);
            ink.right = std::max(ink.right, x + 1);
            ink.bottom = std::max(ink.bottom, y + 1);
          }
        }
      }
    }
    return ink;
  }

  // A text as the scene draws it: optionally its shadow one pixel down and right first.
  static Box TextInk(int font, std::string_view text, int x, int y, bool shadow) {
    const GfxFont& f = FontAt(font);
    return DrawnInk([&](GfxCanvas& canvas) {
      if (shadow) canvas.PrintText(f, text, x + 1.0f, y + 1.0f, 0xFF000000u, 0xFF000000u, 1284);
      canvas.PrintText(f, text, static_cast<float>(x), static_cast<float>(y), 0xFFFFFFFFu,
                       0xFFFFFFFFu, 1284);
    });
  }

  // Where a pattern of an image lands when drawn at (x, y).
  static Box PatternBox(const char* name, int x, int y) {
    const GfxImage& image = ImageNamed(name);
    return {x, y, x + image.VisibleWidth(), y + image.VisibleHeight()};
  }

  // The texels of one pattern, rows from the top.
  static std::vector<std::uint32_t> PatternPixels(const GfxImage& image, int pattern) {
    PatternRegion region;
    if (!image.GetPatternRegion(pattern, region)) return {};
    const RecordingRenderer::Texture& t = Renderer().textures.at(image.Texture(region.texture));
    std::vector<std::uint32_t> out;
    for (int j = 0; j < image.VisibleHeight(); ++j) {
      for (int i = 0; i < image.VisibleWidth(); ++i) {
        out.push_back(t.pixels[static_cast<std::size_t>((region.y + j) * t.width + region.x + i)]);
      }
    }
    return out;
  }

  static Loaded* shared_;
};

InterfaceContent::Loaded* InterfaceContent::shared_ = nullptr;

// One text where the scene draws it, and the place it must stay inside.
struct Placed {
  std::string what;
  int font;
  std::string text;
  int x, y;
  bool shadow;
  Box within;
};

void ExpectFits(const std::vector<Placed>& cases, const std::function<Box(const Placed&)>& ink) {
  for (const Placed& c : cases) {
    const Box drawn = ink(c);
    EXPECT_FALSE(drawn.Empty()) << c.what << " '" << c.text << "' draws nothing";
    EXPECT_TRUE(drawn.Inside(c.within))
        << c.what << " '" << c.text << "': ink " << drawn << " outside " << c.within;
  }
}

// Every text of the tables, for the coverage check.
std::vector<std::string> TableTexts() {
  std::vector<std::string> all;
  auto add = [&](const auto& table) {
    for (std::string_view t : table) all.emplace_back(t);
  };
  add(kMainMenuTexts);
  add(kToolbarTips);
  add(kQuitButtons);
  add(kContinueButtons);
  add(kOptionLabels);
  add(kArmyTexts);
  add(kDifficultyTexts);
  add(kTimeLimitTexts);
  add(kYesNoTexts);
  add(kBackgroundTexts);
  add(kClassicBoardTexts);
  for (std::string_view t :
       {kQuitTitle, kContinueTitle, kBackToMenuText, kStatusPlayerMove, kStatusThinking,
        kStatusSliding, kStatusGameOver, kResultDraw, kResultBlondesWin, kResultBrunettesWin,
        kStatusSelectPiece, kBestVariantPrefix, kClockSeparator, kVersionText}) {
    all.emplace_back(t);
  }
  for (int code = -6; code <= 6; ++code) all.emplace_back(PieceName(code));
  for (int line = 1; line <= kCreditsLines; ++line) all.emplace_back(CreditsLineAt(line).text);
  all.push_back(ClockText(0) + "0123456789");
  return all;
}

Cell At(int file, int rank) {
  return static_cast<Cell>((rank - 1) * 16 + file);
}

// Every text MoveText can give: each kind to every cell, with and without capture, the
// special forms (castling, promotion to each piece) and the check mark.
std::vector<std::string> AllMoveTexts() {
  std::set<std::string> texts;
  for (std::uint8_t kind = 1; kind <= 6; ++kind) {
    for (int file = 0; file < 8; ++file) {
      for (int rank = 1; rank <= 8; ++rank) {
        for (std::uint8_t captured : {0, 2}) {
          for (std::uint8_t flags : {0, 1}) {
            EngineMove m{
                At(file, rank == 1 ? 2 : rank - 1), At(file, rank), kind, captured, 0, flags};
            texts.insert(MoveText(m));
            m.from = At(7 - file, 4);
            texts.insert(MoveText(m));
          }
        }
      }
    }
  }
  for (std::uint8_t flags : {0, 1}) {
    for (int rank : {1, 8}) {
      for (int file : {2, 6}) {
        texts.insert(MoveText(EngineMove{At(4, rank), At(file, rank), 6, 0, 1, flags}));
      }
      for (std::uint8_t promoted = 2; promoted <= 5; ++promoted) {
        for (std::uint8_t captured : {0, 3}) {
          texts.insert(MoveText(EngineMove{At(3, rank == 8 ? 7 : 2), At(rank == 8 ? 4 : 2, rank),
                                           promoted, captured, 1, flags}));
        }
      }
    }
  }
  return {texts.begin(), texts.end()};
}

std::vector<std::string> AllScoreTexts() {
  std::vector<std::string> texts;
  for (int score = -1001; score <= 1001; ++score) texts.push_back(ScoreText(score));
  return texts;
}

// The pen's advance over a text, by the font's glyph advances.
int TextWidth(const GfxFont& font, std::string_view text) {
  int width = 0;
  for (unsigned char c : text) width += font.Advance(c - font.FirstLetter()) + font.LetterSpacing();
  return width;
}

std::string Widest(const GfxFont& font, const std::vector<std::string>& texts) {
  return *std::max_element(texts.begin(), texts.end(), [&](const auto& a, const auto& b) {
    return TextWidth(font, a) < TextWidth(font, b);
  });
}

TEST_F(InterfaceContent, FontsLoadInOrderAsFontRecords) {
  ASSERT_EQ(shared_->fonts.Count(), 4);
  for (const Font& f : kFonts) {
    SCOPED_TRACE(f.key);
    const GfxFont& font = FontAt(f.index);
    EXPECT_EQ(font.Name, f.key);
    EXPECT_TRUE(font.Initialized());
    const int record = shared_->archive.FindRecord(f.key);
    ASSERT_GE(record, 0);
    EXPECT_EQ(shared_->archive.RecordType(record), kFontRecordType);
    // Glyphs are white, so that the text colours tint them.
    for (std::uint32_t texel : PatternPixels(*font.Image(), 'A' - font.FirstLetter())) {
      if ((texel >> 24) == 255 && f.index != 0) {
        EXPECT_EQ(texel & 0xFFFFFFu, 0xFFFFFFu);
      }
    }
  }
}

TEST_F(InterfaceContent, FontsCoverEveryCharacterOfTheTexts) {
  std::vector<std::string> texts = TableTexts();
  const std::vector<std::string> variant = {std::string(kBestVariantPrefix), "Mate", "Draw",
                                            ScoreText(-901), ScoreText(35)};
  for (const std::string& t : AllMoveTexts()) texts.push_back(t);
  for (const Font& f : kFonts) {
    SCOPED_TRACE(f.key);
    const GfxFont& font = FontAt(f.index);
    std::set<unsigned char> chars;
    for (const std::string& t : texts) chars.insert(t.begin(), t.end());
    for (const std::string& t : variant) chars.insert(t.begin(), t.end());
    for (unsigned char c : chars) {
      const int glyph = c - font.FirstLetter();
      ASSERT_TRUE(glyph >= 0 && glyph < font.GlyphCount()) << "no glyph for '" << c << "'";
      EXPECT_GT(font.Advance(glyph), 0) << "'" << c << "'";
      if (c == ' ') continue;
      const auto pixels = PatternPixels(*font.Image(), glyph);
      EXPECT_TRUE(std::any_of(pixels.begin(), pixels.end(),
                              [](std::uint32_t p) { return (p >> 24) >= kVisibleAlpha; }))
          << "glyph '" << c << "' has no ink";
    }
  }
}

TEST_F(InterfaceContent, MenuEntriesStayInTheirHitBoxes) {
  std::vector<Placed> cases;
  for (int i = 1; i <= 5; ++i) {
    const int y = 70 + 40 * (i - 1);
    cases.push_back({"menu row", 0, std::string(kMainMenuTexts[static_cast<std::size_t>(i - 1)]),
                     60, y, false, Strict(60, y, 185, y + 24)});
  }
  ExpectFits(cases, [](const Placed& c) { return TextInk(c.font, c.text, c.x, c.y, c.shadow); });
}

TEST_F(InterfaceContent, OptionsRowsFitTheWindowAndTheirRows) {
  const Box window{45, 55, 45 + 330, 55 + 420};
  const std::vector<std::vector<std::string_view>> values = {
      {kArmyTexts.begin(), kArmyTexts.end()},
      {kDifficultyTexts.begin(), kDifficultyTexts.end()},
      {kTimeLimitTexts.begin(), kTimeLimitTexts.end()},
      {kYesNoTexts.begin(), kYesNoTexts.end()},
      {kBackgroundTexts.begin(), kBackgroundTexts.end()},
      {kClassicBoardTexts.begin(), kClassicBoardTexts.end()},
      {kYesNoTexts.begin(), kYesNoTexts.end()},
      {kYesNoTexts.begin(), kYesNoTexts.end()},
      {kYesNoTexts.begin(), kYesNoTexts.end()}};
  std::vector<Placed> cases;
  for (int row = 1; row <= 10; ++row) {
    const int y = 70 + 40 * (row - 1);
    const Box hit = Strict(60, y, 352, y + 24);
    // A label ends before the value column; the value stays in the row and the window.
    const Box label{hit.left, hit.top, row <= 9 ? 229 : hit.right, hit.bottom};
    cases.push_back({"option label", 2,
                     std::string(kOptionLabels[static_cast<std::size_t>(row - 1)]), 60, y, true,
                     label});
    if (row > 9) continue;
    for (std::string_view v : values[static_cast<std::size_t>(row - 1)]) {
      cases.push_back({"option value",
                       2,
                       std::string(v),
                       230,
                       y,
                       true,
                       {hit.left, hit.top, std::min(hit.right, window.right), hit.bottom}});
    }
  }
  ExpectFits(cases, [](const Placed& c) { return TextInk(c.font, c.text, c.x, c.y, c.shadow); });
}

TEST_F(InterfaceContent, DialogTextsFitTheWindowAndItsButtons) {
  const Box window = PatternBox("window_1", 287, 277);
  // The window holds the title and both rows of buttons.
  EXPECT_TRUE((Box{364, 397, 712, 428}).Inside(window)) << window;
  std::vector<Placed> cases = {
      {"quit title", 2, std::string(kQuitTitle), 376, 348, true, window},
      {"continue title", 2, std::string(kContinueTitle), 407, 348, true, window}};
  for (int i = 1; i <= 2; ++i) {
    const int left = 413 + 100 * (i - 1);
    cases.push_back({"quit button", 2, std::string(kQuitButtons[static_cast<std::size_t>(i - 1)]),
                     416 + 100 * (i - 1), 400, true, Strict(left, 397, left + 98, 427)});
  }
  for (int i = 1; i <= 3; ++i) {
    const int left = 364 + 100 * (i - 1);
    cases.push_back({"continue button", 2,
                     std::string(kContinueButtons[static_cast<std::size_t>(i - 1)]),
                     367 + 100 * (i - 1), 400, true, Strict(left, 397, left + 98, 427)});
  }
  cases.push_back({"back to menu", 2, std::string(kBackToMenuText), 885, 726, true,
                   Strict(885, 726, 1015, 750)});
  ExpectFits(cases, [](const Placed& c) { return TextInk(c.font, c.text, c.x, c.y, c.shadow); });
}

TEST_F(InterfaceContent, GameScreenTextsFitTheirPlaces) {
  // The digits sit in the dark window of each clock panel.
  const Box leftWindow{664 + 48, 713 + 8, 664 + 156, 713 + 37};
  const Box rightWindow{844 + 48, 713 + 8, 844 + 156, 713 + 37};
  std::vector<std::string> clocks;
  for (int seconds : {0, 59, 3600, 3725, 36000, 86399, 359999})
    clocks.push_back(ClockText(seconds));
  for (char d = '0'; d <= '9'; ++d) {
    const std::string two(2, d);
    clocks.push_back(two + " : " + two + " : " + two);
  }
  std::vector<Placed> cases;
  for (const std::string& clock : clocks) {
    cases.push_back({"Blondes' clock", 2, clock, 720, 726, true, leftWindow});
    cases.push_back({"Brunettes' clock", 2, clock, 900, 726, true, rightWindow});
  }
  // The status line ends before the left clock panel.
  const Box status{17, 713, 664, 768};
  for (std::string_view s :
       {kStatusPlayerMove, kStatusThinking, kStatusSliding, kStatusSelectPiece}) {
    cases.push_back({"status", 2, std::string(s), 17, 726, true, status});
  }
  for (std::string_view r : {kResultDraw, kResultBlondesWin, kResultBrunettesWin}) {
    cases.push_back(
        {"status", 2, std::string(kStatusGameOver) + std::string(r), 17, 726, true, status});
  }
  // The picked piece's name, right of its icon, above the board.
  for (int code = -6; code <= 6; ++code) {
    if (code == 0) continue;
    cases.push_back(
        {"piece name", 2, std::string(PieceName(code)), 730, 18, true, {700, 10, 1024, 56}});
  }
  cases.push_back({"version", 1, std::string(kVersionText), 975, 750, true, kScene});
  ExpectFits(cases, [](const Placed& c) { return TextInk(c.font, c.text, c.x, c.y, c.shadow); });
}

TEST_F(InterfaceContent, LongestBestVariantLineFitsInAThousandPixels) {
  // Eight of the widest moves the notation can write, each followed by a blank, then a
  // blank and the widest score: wider than any line the engine can publish.
  const GfxFont& font = FontAt(3);
  const std::string move = Widest(font, AllMoveTexts());
  const std::string score = Widest(font, AllScoreTexts());
  std::string line(kBestVariantPrefix);
  for (int i = 0; i < 8; ++i) line += move + " ";
  line += " " + score;
  const Box ink = TextInk(3, line, 17, 688, true);
  EXPECT_LE(ink.right - 17, 1000) << line << ": " << ink;
  // Above the clock panels and the status line.
  EXPECT_TRUE(ink.Inside(Box{17, 680, 1024, 713})) << line << ": " << ink;
}

TEST_F(InterfaceContent, HelpAndCreditsLinesFitTheScreen) {
  std::vector<Placed> cases;
  for (int k = 0; k <= 10; ++k) {
    // A tip stays right of its button and within its 60-pixel row.
    cases.push_back({"tip",
                     2,
                     std::string(kToolbarTips[static_cast<std::size_t>(k)]),
                     130,
                     72 + 60 * k,
                     true,
                     {108, 62 + 60 * k, 1024, 122 + 60 * k}});
  }
  for (int line = 1; line <= kCreditsLines; ++line) {
    const std::string text(CreditsLineAt(line).text);
    if (text == " ") continue;
    // A line stays within its 24-pixel pitch.
    cases.push_back({"credits", 2, text, 100, 300, true, {100, 300, 1024, 324}});
  }
  ExpectFits(cases, [](const Placed& c) { return TextInk(c.font, c.text, c.x, c.y, c.shadow); });
}

TEST_F(InterfaceContent, ClockPanelsFitTheirPlacesWithALightAndADarkFigure) {
  const GfxImage& timer = ImageNamed("timer");
  ASSERT_EQ(timer.PatternCount(), 2);
  EXPECT_TRUE(PatternBox("timer", 664, 713).Inside(Box{664, 713, 835, 759}));
  EXPECT_TRUE(PatternBox("timer", 844, 713).Inside(Box{844, 713, 1015, 759}));
  // Mean brightness of the figure's body, left of the digits.
  auto figure = [&](int pattern) {
    const auto pixels = PatternPixels(timer, pattern);
    double sum = 0;
    int n = 0;
    for (int y = 12; y < 36; ++y) {
      for (int x = 18; x < 34; ++x) {
        const std::uint32_t p = pixels[static_cast<std::size_t>(y * timer.VisibleWidth() + x)];
        sum += ((p & 0xFF) + ((p >> 8) & 0xFF) + ((p >> 16) & 0xFF)) / 3.0;
        ++n;
      }
    }
    return sum / n;
  };
  EXPECT_GT(figure(0), figure(1) + 40) << "the left panel's figure is the white one";
}

TEST_F(InterfaceContent, ButtonsLetTheHoverLightShowThrough) {
  const GfxImage& button = ImageNamed("button");
  ASSERT_EQ(button.PatternCount(), 11);
  ASSERT_EQ(button.VisibleWidth(), 45);
  ASSERT_EQ(button.VisibleHeight(), 44);
  for (int k = 0; k < 11; ++k) {
    SCOPED_TRACE(k);
    const auto pixels = PatternPixels(button, k);
    // The light covers x 1..42, y 1..41 of the button.
    int translucent = 0, total = 0;
    for (int y = 1; y <= 41; ++y) {
      for (int x = 1; x <= 42; ++x, ++total) {
        if ((pixels[static_cast<std::size_t>(y * 45 + x)] >> 24) < 200) ++translucent;
      }
    }
    EXPECT_GT(translucent, total / 5);
    EXPECT_LT(translucent, total * 9 / 10) << "a face and an icon, not an empty frame";
  }
}

TEST_F(InterfaceContent, DialogWindowIsOpaqueWhereItsTextsAre) {
  const GfxImage& window = ImageNamed("window_1");
  ASSERT_EQ(window.PatternCount(), 1);
  const auto pixels = PatternPixels(window, 0);
  auto alphaAt = [&](int sceneX, int sceneY) {
    return pixels[static_cast<std::size_t>((sceneY - 277) * window.VisibleWidth() + sceneX -
                                           287)] >>
           24;
  };
  for (int y : {348, 360, 397, 412, 427}) {
    for (int x : {364, 376, 500, 611, 711}) {
      EXPECT_EQ(alphaAt(x, y), 255u) << "at " << x << ", " << y;
    }
  }
}

TEST_F(InterfaceContent, CursorPointsWithItsTopLeftPixel) {
  const GfxImage& cursor = ImageNamed("cursor");
  ASSERT_EQ(cursor.PatternCount(), 1);
  const auto pixels = PatternPixels(cursor, 0);
  // The tip is solid and the pointer widens from it to the right and downwards: the
  // first row holds only the tip.
  EXPECT_EQ(pixels[0] >> 24, 255u);
  EXPECT_LT(pixels[3] >> 24, 128u);
}

}  // namespace
}  // namespace vellara
