#include "app/launcher.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vellara {
namespace {

constexpr int kButtonX = 205 + 108, kButtonY = 213 + 12;
constexpr int kBoxX = 245 + 60, kBoxY = 312 + 8;

// One event in a launcher script: m move, d down, u up, k key, c close box.
struct Step {
  char kind;
  int x = 0;
  int y = 0;
  char key = 0;
};

void Play(Launcher& launcher, const std::vector<Step>& steps) {
  for (const Step& s : steps) {
    switch (s.kind) {
      case 'm':
        launcher.MouseMove(s.x, s.y);
        break;
      case 'd':
        launcher.MouseDown(s.x, s.y);
        break;
      case 'u':
        launcher.MouseUp(s.x, s.y);
        break;
      case 'k':
        launcher.KeyPress(s.key);
        break;
      case 'c':
        launcher.CloseBox();
        break;
    }
  }
}

struct Case {
  const char* name;
  std::vector<Step> steps;
  bool finished;
  bool checked;
};

TEST(Launcher, EventsFinishOrToggleAsTheControlsDo) {
  const std::vector<Case> cases = {
      {"nothing yet", {}, false, false},
      {"click on the start button",
       {{'m', kButtonX, kButtonY}, {'d', kButtonX, kButtonY}, {'u', kButtonX, kButtonY}},
       true,
       false},
      {"press alone does not start", {{'d', kButtonX, kButtonY}}, false, false},
      {"press on the button, release beside it",
       {{'d', kButtonX, kButtonY}, {'m', 10, 10}, {'u', 10, 10}},
       false,
       false},
      {"press beside, release on the button",
       {{'d', 10, 10}, {'u', kButtonX, kButtonY}},
       false,
       false},
      {"button's top-left pixel", {{'d', 205, 213}, {'u', 205, 213}}, true, false},
      {"just right of the button", {{'d', 422, 225}, {'u', 422, 225}}, false, false},
      {"just below the button", {{'d', 300, 238}, {'u', 300, 238}}, false, false},
      {"click on the check box", {{'d', kBoxX, kBoxY}, {'u', kBoxX, kBoxY}}, false, true},
      {"two clicks on the check box",
       {{'d', kBoxX, kBoxY}, {'u', kBoxX, kBoxY}, {'d', kBoxX, kBoxY}, {'u', kBoxX, kBoxY}},
       false,
       false},
      {"check box's last pixel", {{'d', 381, 328}, {'u', 381, 328}}, false, true},
      {"beside the check box", {{'d', 382, 328}, {'u', 382, 328}}, false, false},
      {"Enter starts", {{'k', 0, 0, 13}}, true, false},
      {"Esc starts like the button", {{'k', 0, 0, 27}}, true, false},
      {"Space toggles", {{'k', 0, 0, ' '}}, false, true},
      {"Space twice", {{'k', 0, 0, ' '}, {'k', 0, 0, ' '}}, false, false},
      {"other keys do nothing", {{'k', 0, 0, 'a'}, {'k', 0, 0, '1'}}, false, false},
      {"close box starts", {{'c'}}, true, false},
      {"ticked, then the button",
       {{'k', 0, 0, ' '}, {'d', kButtonX, kButtonY}, {'u', kButtonX, kButtonY}},
       true,
       true},
  };
  for (const Case& c : cases) {
    Launcher launcher;
    Play(launcher, c.steps);
    EXPECT_EQ(launcher.Finished(), c.finished) << c.name;
    EXPECT_EQ(launcher.Checked(), c.checked) << c.name;
  }
}

TEST(Launcher, HandPointerOverEitherControlOnly) {
  Launcher launcher;
  EXPECT_FALSE(launcher.HandPointer());
  launcher.MouseMove(kButtonX, kButtonY);
  EXPECT_TRUE(launcher.HandPointer());
  EXPECT_EQ(launcher.Hover(), LauncherControl::StartButton);
  launcher.MouseMove(kBoxX, kBoxY);
  EXPECT_TRUE(launcher.HandPointer());
  EXPECT_EQ(launcher.Hover(), LauncherControl::CheckBox1);
  launcher.MouseMove(600, 20);
  EXPECT_FALSE(launcher.HandPointer());
}

TEST(Launcher, ButtonLooksPushedOnlyWhilePressedAndUnderTheMouse) {
  Launcher launcher;
  launcher.MouseDown(kButtonX, kButtonY);
  EXPECT_TRUE(launcher.ButtonDown());
  launcher.MouseMove(10, 10);
  EXPECT_FALSE(launcher.ButtonDown());
  launcher.MouseMove(kButtonX, kButtonY);
  EXPECT_TRUE(launcher.ButtonDown());
}

TEST(Launcher, RevisionMovesOnlyWithVisibleChanges) {
  Launcher launcher;
  const int start = launcher.Revision();
  launcher.MouseMove(10, 10);
  launcher.MouseMove(20, 20);
  EXPECT_EQ(launcher.Revision(), start);
  launcher.MouseMove(kButtonX, kButtonY);
  EXPECT_GT(launcher.Revision(), start);
}

}  // namespace
}  // namespace vellara
