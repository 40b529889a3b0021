#include "ui/screens.h"

#include <gtest/gtest.h>

#include "game/board.h"
#include "game/settings.h"
#include "game/turn.h"
#include "scene_doubles.h"
#include "ui/audio_cues.h"
#include "ui/presentation.h"

namespace vellara {
namespace {

class ScreensTest : public testing::SceneTest {};

TEST_F(ScreensTest, StartUpShowsTheTitleWithTheMenuAndTheTitleTheme) {
  EXPECT_EQ(Scene().screenMode, ScreenMode::Title);
  EXPECT_EQ(Scene().overlayKind, OverlayKind::MainMenu);
  EXPECT_EQ(audio.tracks, std::vector<int>{1});
  EXPECT_EQ(analysis.restarts, 1);
}

TEST_F(ScreensTest, ScreenActionsAndTheirMusic) {
  struct Case {
    void (*action)();
    ScreenMode screen;
    OverlayKind overlay;
    std::vector<int> tracks;
  };
  const Case cases[] = {
      {StartGame, ScreenMode::Game, OverlayKind::NoOverlay, {2}},
      {BackToMenu, ScreenMode::Title, OverlayKind::MainMenu, {1}},
      {ShowHelp, ScreenMode::Help, OverlayKind::BackToMenuButton, {2}},
      {BackToMenu, ScreenMode::Title, OverlayKind::MainMenu, {1}},
      {ShowCredits, ScreenMode::Credits, OverlayKind::BackToMenuButton, {2}},
      {BackToMenu, ScreenMode::Title, OverlayKind::MainMenu, {1}},
      {ShowOptions, ScreenMode::Title, OverlayKind::OptionsWindow, {}},
      {BackToMenu, ScreenMode::Title, OverlayKind::MainMenu, {}},
      {AskQuit, ScreenMode::Title, OverlayKind::QuitConfirm, {}},
      {BackToMenu, ScreenMode::Title, OverlayKind::MainMenu, {}},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    audio.Clear();
    Scene().OverlayHover = 3;
    cases[i].action();
    EXPECT_EQ(Scene().screenMode, cases[i].screen);
    EXPECT_EQ(Scene().overlayKind, cases[i].overlay);
    EXPECT_EQ(Scene().OverlayHover, 0);
    EXPECT_EQ(audio.tracks, cases[i].tracks);
  }
}

TEST_F(ScreensTest, BackToMenuLeavesTheGameRunning) {
  StartGame();
  PlayerMove(testing::Sq("e2"), testing::Sq("e4"));
  BackToMenu();
  EXPECT_EQ(Game().turnState, TurnState::ComputerThinking);
  Seconds(3);
  EXPECT_EQ(Game().turnState, TurnState::ComputerSlides);
  StartGame();  // a new game, not the interrupted one
  EXPECT_EQ(Board().Squares, kStartSnapshot);
  EXPECT_FALSE(Game().SlideRunning);
}

TEST_F(ScreensTest, ShowCreditsStartsFromTheFirstLine) {
  ShowCredits();
  for (int i = 0; i < 600; ++i) AnimateScene();
  EXPECT_GT(Scene().CreditsScroll.Line, 1);
  BackToMenu();
  ShowCredits();
  EXPECT_EQ(Scene().CreditsScroll.Line, 1);
  EXPECT_EQ(Scene().CreditsScroll.Offset, 0);
}

TEST_F(ScreensTest, PlayMusicStopsThePlayingTrackFirst) {
  ASSERT_TRUE(audio.playing);
  audio.Clear();
  PlayMusic(kTitleTrack);
  EXPECT_EQ(audio.stops, 1);
  EXPECT_EQ(audio.tracks, std::vector<int>{1});
  PlayMusic(3);  // no such track
  EXPECT_EQ(audio.tracks, std::vector<int>{1});
}

TEST_F(ScreensTest, MusicSwitchStopsAndStaysOffUntilTheNextScreenChange) {
  audio.Clear();
  MusicSwitch();
  EXPECT_EQ(Settings().Music, 2);
  EXPECT_EQ(audio.stops, 1);
  EXPECT_FALSE(audio.playing);
  StartGame();
  BackToMenu();
  EXPECT_TRUE(audio.tracks.empty());
  MusicSwitch();
  EXPECT_TRUE(audio.tracks.empty());
  ShowOptions();
  EXPECT_TRUE(audio.tracks.empty());
  StartGame();
  EXPECT_EQ(audio.tracks, std::vector<int>{2});
}

TEST_F(ScreensTest, CuesAreGatedBySoundEffects) {
  audio.Clear();
  for (int n = 0; n <= 8; ++n) PlayCue(n);
  EXPECT_EQ(audio.effects, (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
  audio.Clear();
  CycleSoundEffects();
  for (int n = 1; n <= 7; ++n) PlayCue(n);
  EXPECT_TRUE(audio.effects.empty());
}

TEST_F(ScreensTest, AudioFailuresAreSwallowed) {
  audio.failing = true;
  PlayCue(3);
  PlayMusic(kMainTrack);
  MusicSwitch();
  StartGame();
  EXPECT_EQ(Scene().screenMode, ScreenMode::Game);
  audio.failing = false;
}

TEST_F(ScreensTest, WithoutAnAudioOutputEverythingIsSilent) {
  SetGameAudio(nullptr);
  PlayCue(3);
  PlayMusic(kMainTrack);
  MusicSwitch();
  StopMusicPlaying();
  SetGameAudio(&audio);
  EXPECT_EQ(audio.tracks, std::vector<int>{1});
}

}  // namespace
}  // namespace vellara
