#pragma once
#include <functional>
#include <string>

// What runs for each state of the screen flow. The program fills it with its screens and
// bookkeeping steps; tests fill it with recorders.
struct ScreenFlow {
  using Step = std::function<std::string()>;
  Step mainMenu;
  Step mainMenuRestart;
  Step mainGame;
  Step treeScreen;
  Step newQuest;
  Step resumeQuest;
  Step getNextQuestLevel;
  Step restartLevel;
};

// The screen flow: maps state strings to screens until "END".
class Control {
 public:
  static void start();
  static void mainLoop();
  // One turn of the loop: logs the state, runs its step and returns the next state. A state
  // the table does not know, or one whose screen is missing, leads back to "MAIN-MENU".
  static std::string turn(const std::string& state);

  static std::string MAIN_MENU_RESTART();
  static std::string RESTART_Level();
  static std::string RESUME_Quest();
  static std::string NEW_Quest();
  static void QUEST_PrepareNextLevel();
  static std::string QUEST_getNextLevel();
};
