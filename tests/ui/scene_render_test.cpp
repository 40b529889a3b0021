// What each screen draws where, read back from the recording renderer as sprites, texts,
// rectangles and points.
#include "ui/scene_render.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "game/board.h"
#include "game/settings.h"
#include "game/turn.h"
#include "recorded_frame.h"
#include "scene_doubles.h"
#include "ui/board_geometry.h"
#include "ui/presentation.h"
#include "ui/screens.h"

namespace vellara {
namespace {

using testing::Sq;

class SceneRenderTest : public testing::SceneTest {
 protected:
  void SetUp() override {
    SceneTest::SetUp();
    scene_.AddSceneImages();
    scene_.AddFonts();
  }
  testing::RecordedFrame Frame() { return scene_.Render(); }
  // A game on the game screen with the pieces given, the player to move.
  void GameWith(std::initializer_list<testing::Placed> pieces, Army side = 1) {
    StartGame();
    testing::SetUpBoard(pieces, side);
  }

  testing::RecordingScene scene_;
};

// Texts as the frame shows them, shadow first.
::testing::AssertionResult HasShadowedText(const testing::RecordedFrame& frame,
                                           const std::string& text, int font, float x, float y,
                                           std::uint32_t shadow, std::uint32_t colour) {
  const auto runs = frame.TextsEqual(text);
  bool sawShadow = false;
  for (const auto& run : runs) {
    if (run.font != font) continue;
    if (run.x == x + 1 && run.y == y + 1 && run.top == shadow && run.bottom == shadow) {
      sawShadow = true;
    }
    if (run.x == x && run.y == y && run.top == colour && run.bottom == colour && sawShadow &&
        run.effect == 1284) {
      return ::testing::AssertionSuccess();
    }
  }
  return ::testing::AssertionFailure()
         << "no shadowed \"" << text << "\" in font " << font << " at " << x << "," << y << " ("
         << runs.size() << " runs of that text)";
}

TEST_F(SceneRenderTest, TitleShowsTheCarouselOnlyAfterTheFirstTick) {
  auto frame = Frame();
  ASSERT_EQ(frame.sprites.front().image, "ground");
  EXPECT_EQ(frame.sprites.front().pattern, 0);
  EXPECT_EQ(frame.sprites.front().effect, 1u);
  EXPECT_TRUE(frame.SpritesOf("piece_1").empty());
  EXPECT_TRUE(HasShadowedText(frame, "v. 1.01a", 1, 975, 750, 0xFF333333u, 0xFFFFFFFFu));

  AnimateScene();
  frame = Frame();
  const auto ring = frame.SpritesOf("piece_1");
  ASSERT_EQ(ring.size(), 12u);
  for (int i = 1; i <= 12; ++i) {
    SCOPED_TRACE(i);
    const auto& s = ring[static_cast<std::size_t>(i - 1)];
    EXPECT_EQ(s.pattern, i <= 6 ? i + 5 : i - 1);
    EXPECT_EQ(s.x, Scene().CarouselX[static_cast<std::size_t>(i - 1)]);
    EXPECT_EQ(s.y, Scene().CarouselY[static_cast<std::size_t>(i - 1)]);
    EXPECT_EQ(s.width, 30);  // half of 60
    EXPECT_EQ(s.effect, 260u);
  }
}

TEST_F(SceneRenderTest, MainMenuRowsAndTheHoveredOne) {
  Scene().OverlayHover = 2;
  const auto frame = Frame();
  const char* rows[] = {"play game", "help", "options", "credits", "quit"};
  for (int i = 1; i <= 5; ++i) {
    SCOPED_TRACE(i);
    const auto runs = frame.TextsEqual(rows[i - 1]);
    ASSERT_EQ(runs.size(), 1u);  // no shadow
    EXPECT_EQ(runs[0].font, 0);
    EXPECT_EQ(runs[0].x, 60);
    EXPECT_EQ(runs[0].y, 70 + 40 * (i - 1));
    EXPECT_EQ(runs[0].top, i == 2 ? 0xFFFFFF00u : 0xFF00FF00u);
    EXPECT_EQ(runs[0].bottom, i == 2 ? 0xFFFFFF00u : 0xFFFFFFFFu);
  }
}

TEST_F(SceneRenderTest, StatusLineByTurnState) {
  struct Case {
    const char* what;
    std::initializer_list<testing::Placed> pieces;
    Army side;
    TurnState state;
    const char* text;
  };
  const Case cases[] = {
      {"player", {{"e1", 6}, {"e8", -6}, {"a2", 1}}, 1, TurnState::PlayerMove, "Your move?"},
      {"thinking",
       {{"e1", 6}, {"e8", -6}},
       -1,
       TurnState::ComputerThinking,
       "Please wait. Thinking..."},
      {"sliding", {{"e1", 6}, {"e8", -6}}, -1, TurnState::ComputerSlides, "Movemenet..."},
      {"promotion", {{"e1", 6}, {"e8", -6}}, 1, TurnState::ChoosePromotion, "Please select piece"},
      // Back-rank mate: the Brunettes to move and mated.
      {"brunettes mated",
       {{"g1", 6}, {"a8", 4}, {"h8", -6}, {"g7", -1}, {"h7", -1}},
       -1,
       TurnState::GameOver,
       "Game Over. Blondes wins"},
      {"blondes mated",
       {{"g8", -6}, {"a1", -4}, {"h1", 6}, {"g2", 1}, {"h2", 1}},
       1,
       TurnState::GameOver,
       "Game Over. Brunettes wins"},
      {"bare kings", {{"e1", 6}, {"e8", -6}}, 1, TurnState::GameOver, "Game Over. Draw"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    GameWith(c.pieces, c.side);
    Game().turnState = c.state;
    const auto frame = Frame();
    EXPECT_TRUE(HasShadowedText(frame, c.text, 2, 17, 726, 0xFF333333u, 0xFF00FFFFu));
  }
}

TEST_F(SceneRenderTest, GameScreenBackgroundClocksAndToolbar) {
  GameWith({{"e1", 6}, {"e8", -6}});
  Board().BlondesSeconds = 3725;
  Board().BrunettesSeconds = 59;
  Settings().Background = 2;
  Scene().ToolbarHover = 4;
  const auto frame = Frame();
  ASSERT_FALSE(frame.sprites.empty());
  EXPECT_EQ(frame.sprites.front().image, "ground");
  EXPECT_EQ(frame.sprites.front().pattern, 3);

  const auto timers = frame.SpritesOf("timer");
  ASSERT_EQ(timers.size(), 2u);
  EXPECT_EQ(timers[0].x, 664);
  EXPECT_EQ(timers[0].y, 713);
  EXPECT_EQ(timers[1].pattern, 1);
  EXPECT_EQ(timers[1].x, 844);
  EXPECT_TRUE(HasShadowedText(frame, "01 : 02 : 05", 2, 720, 726, 0xFF333333u, 0xFFFEFEFEu));
  EXPECT_TRUE(HasShadowedText(frame, "00 : 00 : 59", 2, 900, 726, 0xFF333333u, 0xFFFEFEFEu));

  const auto buttons = frame.SpritesOf("button");
  ASSERT_EQ(buttons.size(), 9u);
  const int patterns[] = {0, 2, 3, 5, 6, 7, 8, 9, 10};  // Orientation 2, no classic board
  for (int slot = 1; slot <= 9; ++slot) {
    SCOPED_TRACE(slot);
    EXPECT_EQ(buttons[static_cast<std::size_t>(slot - 1)].pattern, patterns[slot - 1]);
    EXPECT_EQ(buttons[static_cast<std::size_t>(slot - 1)].x, 10 + 50 * (slot - 1));
    EXPECT_EQ(buttons[static_cast<std::size_t>(slot - 1)].y, 10);
  }
  // The hover light lies behind slot 4's button.
  const auto light = std::find_if(frame.rects.begin(), frame.rects.end(),
                                  [](const auto& r) { return r.colour == 0xFF00FFFFu; });
  ASSERT_NE(light, frame.rects.end());
  EXPECT_EQ(light->x, 161);
  EXPECT_EQ(light->y, 11);
  EXPECT_EQ(light->width, 42);
  EXPECT_EQ(light->height, 41);
  EXPECT_LT(light->order, buttons.front().order);

  Settings().Orientation = 1;
  Settings().ClassicBoard = 3;
  const auto turned = Frame().SpritesOf("button");
  ASSERT_EQ(turned.size(), 9u);
  EXPECT_EQ(turned[0].pattern, 1);
  EXPECT_EQ(turned[3].pattern, 4);
}

TEST_F(SceneRenderTest, FiguresStandOnTheirAnchorsNearerOnesLater) {
  GameWith({{"a8", -4}, {"h1", 6}});
  const auto figures = Frame().SpritesOf("vellara_piece_2");
  ASSERT_EQ(figures.size(), 2u);
  // a8 first: centre (306, 263), row scale 0.3157 at FigureScale 0.59.
  EXPECT_EQ(figures[0].pattern, 9);
  EXPECT_EQ(figures[0].x, 297);
  EXPECT_EQ(figures[0].y, 210);
  EXPECT_EQ(figures[0].width, 32);
  EXPECT_EQ(figures[0].height, 63);
  // h1: centre (492, 577), row scale 0.5517.
  EXPECT_EQ(figures[1].pattern, 5);
  EXPECT_EQ(figures[1].x, 473);
  EXPECT_EQ(figures[1].y, 482);
  EXPECT_EQ(figures[1].width, 55);
  EXPECT_EQ(figures[1].height, 110);
  EXPECT_EQ(figures[1].effect, 1284u);

  // The town background moves the board by (13, 73).
  Settings().Background = 2;
  NewGame();
  testing::SetUpBoard({{"h1", 6}}, 1);
  const auto moved = Frame().SpritesOf("vellara_piece_2");
  ASSERT_EQ(moved.size(), 1u);
  const FigurePlacement expected = PlaceFigure(6, {505, 650});
  EXPECT_EQ(moved[0].x, expected.topLeft.x);
  EXPECT_EQ(moved[0].y, expected.topLeft.y);
}

// The pixels of the pillars on `square`, n high, as DrawSquareHighlight lays them out.
int PillarPixels(int n) {
  return n * 5 * 4;
}

TEST_F(SceneRenderTest, SelectedSquarePillarsPulseAndAMissedSquareShowsACross) {
  GameWith({{"e1", 6}, {"e8", -6}, {"e2", 1}});
  ClickSquare(Sq("e2"));
  ASSERT_EQ(Game().SelectedSquare, Sq("e2"));
  Scene().PulseHeight = 20;
  MoveTo({900, 100});  // off the board
  auto frame = Frame();
  // e2's top corner y is 444: row scale 0.687, 9 pixels high for height 20.
  auto pillars = frame.PointsWithEffect(1);
  ASSERT_EQ(static_cast<int>(pillars.size()), PillarPixels(9));
  const auto has = [](const std::vector<testing::DrawnPoint>& points, int x, int y,
                      std::uint32_t colour) {
    return std::any_of(points.begin(), points.end(),
                       [&](const auto& p) { return p.x == x && p.y == y && p.colour == colour; });
  };
  // The top corner (314, 444): light above the pillar's tip, dark to its right.
  EXPECT_TRUE(has(pillars, 314, 444 - 10, 0xFF00FFFFu));
  EXPECT_TRUE(has(pillars, 315, 444 - 1, 0xFF333333u));
  EXPECT_TRUE(has(pillars, 338, 503 - 5, 0xFF00FFFFu));  // the bottom corner's pillar
  EXPECT_TRUE(frame.PointsWithEffect(1284).empty());

  Scene().PulseHeight = 50;
  EXPECT_EQ(static_cast<int>(Frame().PointsWithEffect(1).size()), PillarPixels(23));

  // A square the pawn cannot reach: a white cross between its corners.
  MoveTo(SquareCentre(Sq("a5")));
  ASSERT_EQ(Game().HoverSquare, Sq("a5"));
  frame = Frame();
  const auto cross = frame.PointsWithEffect(1284);
  ASSERT_FALSE(cross.empty());
  for (const auto& p : cross) {
    EXPECT_GE(p.x, 196);  // within a5's corners (226,316) (196,342) (237,349) (265,322)
    EXPECT_LE(p.x, 266);
    EXPECT_GE(p.y, 315);
    EXPECT_LE(p.y, 350);
    EXPECT_EQ(p.colour | 0xFF000000u, 0xFFFFFFFFu);
  }
  EXPECT_EQ(static_cast<int>(frame.PointsWithEffect(1).size()), PillarPixels(23));

  // A target gets plain pillars instead: e4, top corner y 370, 10 high gives 4 pixels.
  MoveTo(SquareCentre(Sq("e4")));
  frame = Frame();
  EXPECT_TRUE(frame.PointsWithEffect(1284).empty());
  pillars = frame.PointsWithEffect(1);
  EXPECT_EQ(static_cast<int>(pillars.size()), PillarPixels(23) + PillarPixels(4));
  EXPECT_TRUE(has(pillars, 372, 370 - 5, 0xFFFFFFFFu));
  EXPECT_TRUE(has(pillars, 372, 370 - 4 + 1, 0xFFBBBBBBu));
}

TEST_F(SceneRenderTest, PillarsVanishWhereTheRowScaleMakesThemShorterThanAPixel) {
  GameWith({{"e1", 6}, {"e8", -6}, {"a8", 1}});
  Board().SideToMove = 1;
  Game().SelectedSquare = Sq("a8");
  Scene().PulseHeight = 1;  // a8's top corner y 251: 0.32 of a pixel
  EXPECT_TRUE(Frame().PointsWithEffect(1).empty());
  Scene().PulseHeight = 2;
  EXPECT_EQ(static_cast<int>(Frame().PointsWithEffect(1).size()), PillarPixels(1));
}

TEST_F(SceneRenderTest, NothingHighlightedWhileTheComputerHasTheTurn) {
  GameWith({{"e1", 6}, {"e8", -6}});
  MoveTo(SquareCentre(Sq("e4")));
  EXPECT_EQ(static_cast<int>(Frame().PointsWithEffect(1).size()), PillarPixels(4));
  Game().turnState = TurnState::ComputerThinking;
  EXPECT_TRUE(Frame().points.empty());
}

TEST_F(SceneRenderTest, ClassicBoardInBothOrientations) {
  GameWith({{"a8", -4}, {"a1", 4}, {"h1", 6}});
  EXPECT_TRUE(Frame().SpritesOf("classic").empty());  // "None"
  Settings().ClassicBoard = 2;
  const float f = 0.27f;
  struct Case {
    int orientation;
    int boardPattern;
    // Column and line of a8, a1 and h1, in the order drawn (file by file).
    int cells[3][2];
  };
  const Case cases[] = {
      {2, 0, {{0, 0}, {0, 7}, {7, 7}}}, {1, 1, {{7, 7}, {7, 0}, {0, 0}}},  // turned: h1 top left
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.orientation);
    Settings().Orientation = c.orientation;
    const auto frame = Frame();
    const auto board = frame.SpritesOf("classic");
    ASSERT_EQ(board.size(), 1u);
    EXPECT_EQ(board[0].pattern, c.boardPattern);
    EXPECT_EQ(board[0].x, 10);
    EXPECT_EQ(board[0].y, 64);
    EXPECT_EQ(board[0].width, 54);  // 200 x 0.27
    const auto pieces = frame.SpritesOf("piece_2");
    ASSERT_EQ(pieces.size(), 3u);
    const int patterns[] = {9, 3, 5};
    for (std::size_t i = 0; i < 3; ++i) {
      SCOPED_TRACE(i);
      EXPECT_EQ(pieces[i].pattern, patterns[i]);
      EXPECT_FLOAT_EQ(pieces[i].x, 10 + 40 * f + 90.0f * static_cast<float>(c.cells[i][0]) * f);
      EXPECT_FLOAT_EQ(pieces[i].y, 64 + 40 * f + 90.0f * static_cast<float>(c.cells[i][1]) * f);
      EXPECT_EQ(pieces[i].width, 24);  // 90 x 0.27 = 24.3
    }
  }
  Settings().ClassicBoard = 3;
  EXPECT_EQ(Frame().SpritesOf("classic").at(0).pattern, 3);
}

TEST_F(SceneRenderTest, PortraitIconAndNameOfThePickedPiece) {
  GameWith({{"e1", 6}, {"e8", -6}});
  auto frame = Frame();
  EXPECT_TRUE(frame.SpritesOf("vellara_piece_1").empty());
  EXPECT_TRUE(frame.SpritesOf("piece_1").empty());
  EXPECT_TRUE(frame.TextsEqual("White King").empty());

  ClickSquare(Sq("e1"));
  ASSERT_EQ(Game().PickedPiece, 6);
  ASSERT_EQ(Scene().PortraitZoom, 6.0);
  frame = Frame();
  const auto portrait = frame.SpritesOf("vellara_piece_1");
  ASSERT_EQ(portrait.size(), 1u);
  EXPECT_EQ(portrait[0].pattern, 5);
  EXPECT_EQ(portrait[0].x, 717);  // 834 - [35 x 3.33]
  EXPECT_EQ(portrait[0].y, 56);   // 632 - [173 x 3.33]
  EXPECT_EQ(portrait[0].width, 240);
  const auto icons = frame.SpritesOf("piece_1");
  ASSERT_EQ(icons.size(), 2u);
  EXPECT_EQ(icons[0].x, 631);
  EXPECT_EQ(icons[0].effect, 1280u);
  EXPECT_EQ(icons[1].x, 630);
  EXPECT_EQ(icons[1].y, 10);
  EXPECT_EQ(icons[1].effect, 1284u);
  EXPECT_TRUE(HasShadowedText(frame, "White King", 2, 730, 18, 0xFF000000u, 0xFFDEDEDEu));

  Game().PickedPiece = -5;
  frame = Frame();
  EXPECT_EQ(frame.SpritesOf("piece_1").at(0).effect, 260u);
  EXPECT_TRUE(HasShadowedText(frame, "Black Queen", 2, 730, 18, 0xFFDEDEDEu, 0xFF222222u));
}

TEST_F(SceneRenderTest, SlidingPieceFollowsItsPixel) {
  GameWith({{"e1", 6}, {"e8", -6}, {"e2", 1}});
  PlayerMove(Sq("e2"), Sq("e4"));  // lands; now start another slide by hand
  Game().SlideRunning = true;
  Game().ArrivalPiece = -1;
  Game().SlidePixel = {400, 400};
  const auto figures = Frame().SpritesOf("vellara_piece_2");
  const FigurePlacement expected = PlaceFigure(-1, {400, 400});
  ASSERT_FALSE(figures.empty());
  EXPECT_EQ(figures.back().pattern, 6);
  EXPECT_EQ(figures.back().x, expected.topLeft.x);
  EXPECT_EQ(figures.back().y, expected.topLeft.y);
  EXPECT_EQ(figures.back().effect, 260u);
}

TEST_F(SceneRenderTest, BestVariantLineOnlyWhenChosen) {
  GameWith({{"e1", 6}, {"e8", -6}});
  const auto at688 = [](const testing::RecordedFrame& frame) {
    return std::count_if(frame.texts.begin(), frame.texts.end(),
                         [](const auto& t) { return t.y == 688 || t.y == 689; });
  };
  EXPECT_EQ(at688(Frame()), 0);
  Settings().BestVariant = 1;
  const auto frame = Frame();
  ASSERT_EQ(at688(frame), 2);
  const auto line = std::find_if(frame.texts.begin(), frame.texts.end(),
                                 [](const auto& t) { return t.y == 688; });
  EXPECT_EQ(line->font, 3);
  EXPECT_EQ(line->x, 17);
  EXPECT_EQ(line->text.rfind("Best variant: ", 0), 0u) << line->text;
}

TEST_F(SceneRenderTest, PromotionChooserOverTheOverlayAndThePointerOverAll) {
  GameWith({{"e1", 6}, {"e8", -6}});
  Scene().overlayKind = OverlayKind::ContinueWindow;
  Game().turnState = TurnState::ChoosePromotion;
  Game().PromotionChoice = 5;
  Scene().MouseX = 650;
  Scene().MouseY = 600;
  const auto frame = Frame();
  const auto window = frame.SpritesOf("window_1");
  ASSERT_EQ(window.size(), 1u);
  std::vector<testing::FilledRect> choices;
  for (const auto& r : frame.rects) {
    if (r.x == 630) choices.push_back(r);
  }
  ASSERT_EQ(choices.size(), 4u);
  for (int k = 0; k < 4; ++k) {
    SCOPED_TRACE(k);
    const auto& r = choices[static_cast<std::size_t>(k)];
    EXPECT_EQ(r.y, 281 + 100 * k);
    EXPECT_EQ(r.width, 90);
    EXPECT_EQ(r.height, 90);
    EXPECT_GT(r.order, window[0].order);
    EXPECT_EQ(r.colour, k == 3 ? 0xFFFEFEFEu : 0xFF111111u);
    EXPECT_EQ(r.effect, k == 3 ? 1284u : 65796u);
  }
  const auto pieces = frame.SpritesOf("piece_1");
  ASSERT_EQ(pieces.size(), 4u);
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(pieces[static_cast<std::size_t>(k)].pattern, k + 1);  // the Blondes' N, B, R, Q
    EXPECT_EQ(pieces[static_cast<std::size_t>(k)].y, 281 + 100 * k);
  }
  ASSERT_EQ(frame.sprites.back().image, "cursor");
  EXPECT_EQ(frame.sprites.back().x, 650);
  EXPECT_EQ(frame.sprites.back().y, 600);

  Board().SideToMove = -1;
  EXPECT_EQ(Frame().SpritesOf("piece_1").at(0).pattern, 7);  // the Brunettes' knight
}

TEST_F(SceneRenderTest, DialogWindowsAndTheirHoveredButtons) {
  AskQuit();
  Scene().OverlayHover = 2;
  auto frame = Frame();
  ASSERT_EQ(frame.SpritesOf("window_1").size(), 1u);
  EXPECT_EQ(frame.SpritesOf("window_1")[0].x, 287);
  EXPECT_TRUE(HasShadowedText(frame, "Are you sure you want to quit?", 2, 376, 348, 0xFF000000u,
                              0xFFFFFFFFu));
  EXPECT_TRUE(HasShadowedText(frame, " Cancel", 2, 416, 400, 0xFF000000u, 0xFFF3BF00u));
  EXPECT_TRUE(HasShadowedText(frame, " Quit", 2, 516, 400, 0xFF000000u, 0xFFFFFFFFu));
  ASSERT_EQ(frame.rects.size(), 2u);
  EXPECT_EQ(frame.rects[0].x, 413);
  EXPECT_EQ(frame.rects[0].colour, 0xFF151515u);
  EXPECT_EQ(frame.rects[1].x, 513);
  EXPECT_EQ(frame.rects[1].colour, 0xFFFFFFFFu);
  EXPECT_EQ(frame.rects[1].effect, 65796u);

  StartGame();
  Scene().overlayKind = OverlayKind::ContinueWindow;
  Scene().OverlayHover = 0;
  frame = Frame();
  EXPECT_TRUE(
      HasShadowedText(frame, "Please select to continue", 2, 407, 348, 0xFF000000u, 0xFFFFFFFFu));
  EXPECT_TRUE(HasShadowedText(frame, " Rematch", 2, 467, 400, 0xFF000000u, 0xFFF3BF00u));
  EXPECT_TRUE(HasShadowedText(frame, " Menu", 2, 567, 400, 0xFF000000u, 0xFFF3BF00u));
}

TEST_F(SceneRenderTest, OptionsWindowLabelsAndValues) {
  ShowOptions();
  Scene().OverlayHover = 3;
  const auto frame = Frame();
  ASSERT_FALSE(frame.rects.empty());
  EXPECT_EQ(frame.rects[0].x, 45);
  EXPECT_EQ(frame.rects[0].height, 420);
  // Row 1, not hovered: white under-shadow, dark label, its value.
  EXPECT_EQ(frame.TextsEqual("Your Army").size(), 2u);
  EXPECT_TRUE(HasShadowedText(frame, "Your Army", 2, 60, 70, 0xFFFFFFFFu, 0xFF223322u));
  EXPECT_TRUE(HasShadowedText(frame, "Blondes", 2, 230, 70, 0xFF888888u, 0xFFFFFFFFu));
  // Row 3 hovered: drawn three times, the last in white.
  const auto hovered = frame.TextsEqual("Time Limit");
  ASSERT_GE(hovered.size(), 3u);
  EXPECT_EQ(hovered.back().x, 60);
  EXPECT_EQ(hovered.back().y, 150);
  EXPECT_EQ(hovered.back().top, 0xFFFFFFFFu);
  EXPECT_TRUE(HasShadowedText(frame, "3 sec/move", 2, 230, 150, 0xFF888888u, 0xFFFFFFFFu));
  // Row 10 has no value.
  EXPECT_TRUE(HasShadowedText(frame, "Back to Menu", 2, 60, 430, 0xFF000000u, 0xFFF3BF00u));
}

TEST_F(SceneRenderTest, HelpAndCreditsScreens) {
  ShowHelp();
  auto frame = Frame();
  EXPECT_EQ(frame.sprites.front().pattern, 1);
  const auto buttons = frame.SpritesOf("button");
  ASSERT_EQ(buttons.size(), 11u);
  EXPECT_EQ(buttons[10].pattern, 10);
  EXPECT_EQ(buttons[10].x, 62);
  EXPECT_EQ(buttons[10].y, 662);
  EXPECT_TRUE(HasShadowedText(frame, "Back to Main Menu", 2, 130, 672, 0xFF000000u, 0xFFDEDEDEu));
  EXPECT_TRUE(HasShadowedText(frame, "Back to Menu", 2, 885, 726, 0xFF000000u, 0xFFF3BF00u));

  ShowCredits();
  EXPECT_TRUE(Frame().texts.size() == 2);  // only "Back to Menu" before line 1 rises
  Scene().CreditsScroll = {2, 5};
  frame = Frame();
  // Line 1, a grey heading, at the bottom row: y = 24 x 34 - 30 - 5.
  EXPECT_TRUE(
      HasShadowedText(frame, "idea and programming:", 2, 100, 781, 0xFF000000u, 0xFFAAAAAAu));
}

TEST_F(SceneRenderTest, MissingImagesPatternsAndFontsAreSkipped) {
  testing::RecordingScene empty;  // no images, no fonts
  testing::RecordingScene sparse;
  sparse.AddImage({"button", 3, 44, 43});  // too few patterns for the legend
  sparse.AddFonts(2);                      // fonts 2 and 3 missing
  testing::RecordingScene noCanvas;
  noCanvas.AddSceneImages();
  noCanvas.AddFonts();
  noCanvas.fonts.Canvas = nullptr;  // printing would throw: skipped instead

  GameWith({{"e1", 6}, {"e8", -6}, {"e2", 1}});
  Settings().ClassicBoard = 2;
  Settings().BestVariant = 1;
  Game().PickedPiece = 6;
  struct Step {
    void (*enter)();
  };
  const Step steps[] = {{[] {}},
                        {[] { Game().turnState = TurnState::ChoosePromotion; }},
                        {[] { Scene().overlayKind = OverlayKind::ContinueWindow; }},
                        {ShowHelp},
                        {ShowCredits},
                        {ShowOptions},
                        {AskQuit},
                        {BackToMenu}};
  for (std::size_t i = 0; i < std::size(steps); ++i) {
    SCOPED_TRACE(i);
    steps[i].enter();
    AnimateScene();
    const auto none = empty.Render();
    EXPECT_TRUE(none.sprites.empty());
    EXPECT_TRUE(none.texts.empty());
    const auto few = sparse.Render();
    for (const auto& s : few.sprites) EXPECT_LT(s.pattern, 3);
    for (const auto& t : few.texts) EXPECT_LT(t.font, 2);
    EXPECT_TRUE(noCanvas.Render().texts.empty());
  }
}

TEST(ClockText, HoursMinutesSecondsWithLeadingZeros) {
  struct Case {
    int seconds;
    const char* text;
  };
  const Case cases[] = {{0, "00 : 00 : 00"},
                        {59, "00 : 00 : 59"},
                        {3600, "01 : 00 : 00"},
                        {3725, "01 : 02 : 05"},
                        {36000, "10 : 00 : 00"}};
  for (const Case& c : cases) EXPECT_EQ(ClockText(c.seconds), c.text) << c.seconds;
}

}  // namespace
}  // namespace vellara
