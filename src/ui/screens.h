// The six screen actions that move between the title, game, help and credits screens and
// open the menus over them, with the music each change brings.
#pragma once

namespace vellara {

void StartGame();    // a new game on the game screen, main theme
void ShowHelp();     // the toolbar legend, main theme
void ShowOptions();  // the options window over the title screen
void ShowCredits();  // the credits from their first line, main theme
void AskQuit();      // the quit confirmation over the title screen
void BackToMenu();   // the main menu; the title theme when coming from another screen

}  // namespace vellara
