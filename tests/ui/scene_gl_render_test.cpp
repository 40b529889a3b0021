// The scene drawn for real: an archive and description loaded onto the GL display (Mesa's
// software renderer under a virtual X display), each screen read back and kept as a PNG in
// the build folder, and checked by regions: a sprite's opaque pixels where it should stand,
// text where a line should read, nothing where nothing belongs. Every test runs on the
// game's own content and on a synthetic stand-in whose plain colours allow exact checks.
#include <png.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "game/board.h"
#include "game/settings.h"
#include "game/turn.h"
#include "gfx/asset_archive.h"
#include "gfx/gfx_canvas.h"
#include "gfx/gfx_device.h"
#include "gfx/gfx_font.h"
#include "gfx/gfx_image.h"
#include "gfx/gfx_loader.h"
#include "gfx/gfx_wiring.h"
#include "platform/video/sdl_display.h"
#include "scene_doubles.h"
#include "synthetic_content.h"
#include "ui/board_geometry.h"
#include "ui/presentation.h"
#include "ui/scene_render.h"
#include "ui/screens.h"

namespace vellara {
namespace {

using testing::Sq;
constexpr int kW = 1024, kH = 768;

struct Box {
  int left, top, right, bottom;  // inclusive
};

class Pixels {
 public:
  Pixels() = default;
  explicit Pixels(std::vector<std::uint32_t> p) : p_(std::move(p)) {}
  std::uint32_t At(int x, int y) const {
    if (x < 0 || y < 0 || x >= kW || y >= kH) return 0;
    return p_[static_cast<std::size_t>(y * kW + x)];
  }
  bool Empty() const { return p_.empty(); }
  // Pixels of `box` that differ from `other` by more than a rounding step in any channel.
  int Differing(const Pixels& other, Box box) const {
    int n = 0;
    for (int y = box.top; y <= box.bottom; ++y) {
      for (int x = box.left; x <= box.right; ++x) n += Distance(At(x, y), other.At(x, y)) > 6;
    }
    return n;
  }
  // Pixels of `box` that differ from `other`, anywhere outside `inside`.
  int DifferingOutside(const Pixels& other, Box inside) const {
    int n = 0;
    for (int y = 0; y < kH; ++y) {
      for (int x = 0; x < kW; ++x) {
        if (x >= inside.left && x <= inside.right && y >= inside.top && y <= inside.bottom)
          continue;
        n += Distance(At(x, y), other.At(x, y)) > 6;
      }
    }
    return n;
  }
  // Pixels of `box` whose colour lies within `tolerance` of `colour` (RGB, 0xAABBGGRR).
  int Near(std::uint32_t colour, Box box, int tolerance = 24) const {
    int n = 0;
    for (int y = box.top; y <= box.bottom; ++y) {
      for (int x = box.left; x <= box.right; ++x) n += Distance(At(x, y), colour) <= tolerance;
    }
    return n;
  }
  bool SavePng(const std::string& path) const {
    std::vector<std::uint32_t> opaque(p_);
    for (auto& c : opaque) c |= 0xFF000000u;
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = kW;
    image.height = kH;
    image.format = PNG_FORMAT_RGBA;
    return png_image_write_to_file(&image, path.c_str(), 0, opaque.data(), 0, nullptr) != 0;
  }
  static int Distance(std::uint32_t a, std::uint32_t b) {
    int d = 0;
    for (int shift = 0; shift < 24; shift += 8) {
      d = std::max(d, std::abs(static_cast<int>((a >> shift) & 0xFF) -
                               static_cast<int>((b >> shift) & 0xFF)));
    }
    return d;
  }

 private:
  std::vector<std::uint32_t> p_;
};

enum class Content { kGame, kSynthetic };

class SceneGlRenderTest : public testing::SceneTest, public ::testing::WithParamInterface<Content> {
 protected:
  void SetUp() override {
    SceneTest::SetUp();
    device_.SetWidth(kW);
    device_.SetHeight(kH);
    device_.SetVSync(false);
    ConnectToDevice(device_, canvas_, images_, fonts_, loader_, archive_);
    archive_.SetPassword("qzvk", 4);
    ASSERT_TRUE(device_.Initialize()) << display_.LastError();
    synthetic_ = GetParam() == Content::kSynthetic;
    shots_ = std::string(VELLARA_SHOTS_DIR) + (synthetic_ ? "/synthetic" : "");
    std::filesystem::create_directories(shots_);
    const std::string folder = synthetic_ ? shots_ : std::string(VELLARA_CONTENT_DIR);
    static bool written = false;  // once per run: the same bytes every time
    if (synthetic_ && !written) {
      ASSERT_TRUE(testing::WriteSyntheticContent(folder));
      written = true;
    }
    // The description names the archive relative to the working folder, as the game reads it.
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    const bool loaded = loader_.LoadGroup("Content");
    std::filesystem::current_path(previous);
    ASSERT_TRUE(loaded) << "no vellara.def in " << folder;
  }
  void TearDown() override {
    images_.Clear();
    fonts_.Clear();
    device_.Finalize();
    SceneTest::TearDown();
  }

  bool Has(const char* image) const { return images_.ImageByName(image) != nullptr; }
  // The first of `names` the archive lacks, or null; every archive here must have them all.
  const char* Missing(std::initializer_list<const char*> names) const {
    for (const char* name : names) {
      if (!Has(name)) return name;
    }
    return nullptr;
  }
  Box SpriteBox(const char* image, float x, float y, double scale = 1.0) const {
    const GfxImage* found = images_.ImageByName(image);
    const int w = RoundHalfEven(found->VisibleWidth() * scale);
    const int h = RoundHalfEven(found->VisibleHeight() * scale);
    const int left = static_cast<int>(x), top = static_cast<int>(y);
    return {left, top, left + w - 1, top + h - 1};
  }

  Pixels Frame(const char* shot = nullptr) {
    device_.OnRender = [&](GfxDevice&) { DeviceRender(canvas_, images_, fonts_); };
    EXPECT_TRUE(device_.Render(0xFF000000u, true));
    Pixels frame(display_.ReadBackBuffer());
    if (shot != nullptr) {
      EXPECT_TRUE(frame.SavePng(shots_ + "/" + shot + ".png"));
    }
    return frame;
  }
  // A game on the game screen with the pieces given.
  void GameWith(std::initializer_list<testing::Placed> pieces, Army side = 1) {
    StartGame();
    testing::SetUpBoard(pieces, side);
  }

  bool synthetic_ = false;
  std::string shots_;
  SdlDisplay display_{{"scene render test", true}};
  GfxDevice device_{display_};
  GfxCanvas canvas_;
  GfxImages images_;
  GfxLoader loader_;
  GfxFonts fonts_;
  AssetArchive archive_;
};

TEST_P(SceneGlRenderTest, TitleBeforeAndAfterTheFirstTick) {
  if (const char* missing = Missing({"ground", "piece_1"}))
    GTEST_FAIL() << "the archive has no image " << missing;
  Scene().overlayKind = OverlayKind::NoOverlay;
  const Pixels before = Frame("title_before_tick");
  AnimateScene();
  const Pixels after = Frame("title");
  const GfxImage& piece = *images_.ImageByName("piece_1");
  for (int i = 0; i < 12; ++i) {
    SCOPED_TRACE(i + 1);
    const Box box = SpriteBox("piece_1", static_cast<float>(Scene().CarouselX[std::size_t(i)]),
                              static_cast<float>(Scene().CarouselY[std::size_t(i)]), 0.5);
    // Added light: a good share of the half-size sprite shows over the background.
    EXPECT_GT(after.Differing(before, box), piece.VisibleWidth() * piece.VisibleHeight() / 4 / 10);
  }
  // The version text at the bottom right.
  if (fonts_.FontAt(1) != nullptr) {
    EXPECT_GT(after.Near(0xFFFFFFFFu, {975, 750, 1023, 767}, 40), 5);
  }
}

TEST_P(SceneGlRenderTest, StatusLineTextByTurnState) {
  if (const char* missing = Missing({"ground"}))
    GTEST_FAIL() << "the archive has no image " << missing;
  if (fonts_.FontAt(2) == nullptr) GTEST_FAIL() << "the archive has no font 2";
  GameWith({{"e1", 6}, {"e8", -6}});
  const Box line{17, 720, 400, 760};
  int previousWidth = -1;
  const TurnState states[] = {TurnState::PlayerMove, TurnState::ComputerThinking,
                              TurnState::GameOver};
  for (TurnState state : states) {
    SCOPED_TRACE(static_cast<int>(state));
    Game().turnState = state;
    const Pixels frame = Frame();
    // Yellow text; its right end tells the lines apart.
    int right = -1;
    for (int y = line.top; y <= line.bottom; ++y) {
      for (int x = line.left; x <= line.right; ++x) {
        if (Pixels::Distance(frame.At(x, y), 0xFF00FFFFu) <= 40) right = std::max(right, x);
      }
    }
    EXPECT_GT(right, 40);
    EXPECT_NE(right, previousWidth);
    previousWidth = right;
  }
}

TEST_P(SceneGlRenderTest, FiguresStandOnTheirAnchorsOnH1AndA8) {
  if (const char* missing = Missing({"ground", "vellara_piece_2"}))
    GTEST_FAIL() << "the archive has no image " << missing;
  GameWith({{"e1", 6}, {"e8", -6}});
  const Pixels kingsOnly = Frame();
  struct Case {
    const char* square;
    int code;
  };
  for (const Case c : {Case{"h1", 4}, Case{"a8", -4}}) {
    SCOPED_TRACE(c.square);
    GameWith({{"e1", 6}, {"e8", -6}, {c.square, c.code}});
    const Pixels frame = Frame(c.code > 0 ? "figure_h1" : "figure_a8");
    const Point centre = SquareCentre(Sq(c.square));
    const FigurePlacement place = PlaceFigure(c.code, centre);
    const Box sprite = SpriteBox("vellara_piece_2", static_cast<float>(place.topLeft.x),
                                 static_cast<float>(place.topLeft.y), place.scale);
    // The figure covers its anchor's neighbourhood and nothing outside its sprite.
    EXPECT_GT(frame.Differing(kingsOnly, {centre.x - 4, centre.y - 12, centre.x + 4, centre.y - 2}),
              20);
    EXPECT_EQ(frame.DifferingOutside(kingsOnly, sprite), 0);
  }
}

TEST_P(SceneGlRenderTest, SelectedSquarePillarsAndACrossOnANonTarget) {
  if (const char* missing = Missing({"ground"}))
    GTEST_FAIL() << "the archive has no image " << missing;
  // Kings far away, so that only the pawn's own figure stands near e2.
  GameWith({{"a1", 6}, {"h8", -6}, {"e2", 1}});
  ClickSquare(Sq("e2"));
  ASSERT_EQ(Game().SelectedSquare, Sq("e2"));
  Scene().PulseHeight = 20;  // 9 pixels high at e2
  MoveTo(SquareCentre(Sq("a5")));
  const Pixels frame = Frame("selected_and_cross");
  // The pawn's figure covers the top corner; the left corner's pillar stands free.
  const Point left = FigureBoardTable()[Sq("e2") - 1].left;
  EXPECT_EQ(frame.At(left.x, left.y - 10) | 0xFF000000u, 0xFF00FFFFu);
  EXPECT_EQ(frame.At(left.x, left.y - 9) | 0xFF000000u, 0xFF00FFFFu);
  EXPECT_EQ(frame.At(left.x, left.y - 1) | 0xFF000000u, 0xFF333333u);
  EXPECT_EQ(frame.At(left.x + 1, left.y - 5) | 0xFF000000u, 0xFF333333u);
  EXPECT_EQ(frame.At(left.x - 1, left.y - 5) | 0xFF000000u, 0xFF00FFFFu);

  // a5's cross: its left-to-right line runs through (210, 338), clear of the pointer, which
  // hangs right and down from a5's centre.
  MoveTo({900, 100});
  const Pixels noCross = Frame();
  const Box onLine{205, 333, 215, 343};
  EXPECT_GT(frame.Differing(noCross, onLine), 5);
  EXPECT_GT(frame.Near(0xFFFFFFFFu, onLine, 60), 3);
}

TEST_P(SceneGlRenderTest, ClassicBoardInBothOrientations) {
  if (const char* missing = Missing({"ground", "classic", "piece_2"}))
    GTEST_FAIL() << "the archive has no image " << missing;
  Settings().ClassicBoard = 2;
  Settings().Orientation = 2;
  GameWith({{"e1", 6}, {"e8", -6}});
  const double f = Scene().ClassicBoardSize / 100.0;
  const auto cell = [&](int column, int line) {
    const int x = static_cast<int>(10 + 40 * f + 90 * column * f);
    const int y = static_cast<int>(64 + 40 * f + 90 * line * f);
    return Box{x + 2, y + 2, x + static_cast<int>(90 * f) - 3, y + static_cast<int>(90 * f) - 3};
  };
  for (int orientation : {2, 1}) {
    SCOPED_TRACE(orientation);
    Settings().Orientation = orientation;
    testing::SetUpBoard({{"e1", 6}, {"e8", -6}}, 1);
    const Pixels empty = Frame();
    testing::SetUpBoard({{"e1", 6}, {"e8", -6}, {"h1", 4}}, 1);
    const Pixels rook = Frame(orientation == 1 ? "classic_turned" : "classic");
    // h1 is the bottom-right cell, or the top-left one when turned.
    const Box h1 = orientation == 2 ? cell(7, 7) : cell(0, 0);
    const Box a8 = orientation == 2 ? cell(0, 0) : cell(7, 7);
    EXPECT_GT(rook.Differing(empty, h1), 20);
    EXPECT_EQ(rook.Differing(empty, a8), 0);
  }
}

TEST_P(SceneGlRenderTest, PromotionChooserOverTheContinueWindow) {
  if (const char* missing = Missing({"ground", "piece_1", "window_1"}))
    GTEST_FAIL() << "the archive has no image " << missing;
  GameWith({{"e1", 6}, {"e8", -6}});
  Scene().overlayKind = OverlayKind::ContinueWindow;
  const Pixels window = Frame();
  Game().turnState = TurnState::ChoosePromotion;
  Game().PromotionChoice = 5;
  const Pixels chooser = Frame();
  // The chosen queen's box is near white where its icon leaves it free; every box changed.
  for (int k = 0; k < 4; ++k) {
    SCOPED_TRACE(k);
    const Box box{630, 281 + 100 * k, 719, 370 + 100 * k};
    EXPECT_GT(chooser.Differing(window, box), 90 * 90 / 4);
  }
  EXPECT_GT(chooser.Near(0xFFFEFEFEu, {630, 581, 719, 670}, 8), 90 * 90 / 10);
}

TEST_P(SceneGlRenderTest, EveryScreenForTheEye) {
  GameWith({{"e1", 6}, {"e8", -6}, {"e2", 1}, {"d7", -1}, {"g1", 2}, {"c8", -3}});
  Settings().ClassicBoard = 2;
  Settings().BestVariant = 1;
  ClickSquare(Sq("e2"));
  for (int i = 0; i < 200; ++i) AnimateScene();
  MoveTo(SquareCentre(Sq("e4")));
  Board().BlondesSeconds = 3725;
  Board().BrunettesSeconds = 59;
  Frame("game");
  Settings().Background = 2;
  NewGame();
  Frame("game_town");
  Scene().overlayKind = OverlayKind::ContinueWindow;
  Scene().OverlayHover = 2;
  Frame("continue_window");
  Game().turnState = TurnState::ChoosePromotion;
  Game().PromotionChoice = 4;
  Frame("promotion_chooser");
  Game().turnState = TurnState::PlayerMove;
  ShowHelp();
  Frame("help");
  ShowCredits();
  Scene().CreditsScroll = {40, 0};
  Frame("credits");
  BackToMenu();
  Scene().OverlayHover = 1;
  Frame("title_menu");
  ShowOptions();
  Scene().OverlayHover = 3;
  Frame("options");
  AskQuit();
  Scene().OverlayHover = 2;
  Frame("quit_confirm");
}

std::string ContentName(const ::testing::TestParamInfo<Content>& param) {
  return param.param == Content::kGame ? "Game" : "Synthetic";
}
INSTANTIATE_TEST_SUITE_P(Content, SceneGlRenderTest,
                         ::testing::Values(Content::kGame, Content::kSynthetic), ContentName);

}  // namespace
}  // namespace vellara
