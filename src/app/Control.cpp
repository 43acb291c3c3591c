#include "app/Control.h"

#include <utility>
#include <vector>

#include "app/App.h"
#include "core/Globals.h"
#include "platform/Log.h"
#include "platform/platform.h"
#include "platform/strings.h"

namespace {
// A state without a screen would spin the flow forever; it goes back to the main menu.
std::string run(const ScreenFlow::Step& step, const std::string& state) {
  if (step) return step();
  platform::Logf("Napotkano problem : no screen for the state %s", state.c_str());
  return "MAIN-MENU";
}
}  // namespace

void Control::start() { currentState = "MAIN-MENU"; }

std::string Control::turn(const std::string& state) {
  const std::string upper = platform::Upper(state);
  platform::Logf("WHERE : %s", upper.c_str());
  const ScreenFlow& flow = App::get().flow();
  const std::pair<const char*, const ScreenFlow::Step*> table[] = {
      {"MAIN-MENU", &flow.mainMenu},
      {"MAIN-MENU-RESTART", &flow.mainMenuRestart},
      {"MAIN-GAME", &flow.mainGame},
      {"TREE-SCREEN", &flow.treeScreen},
      {"NEW-QUEST", &flow.newQuest},
      {"RESUME-QUEST", &flow.resumeQuest},
      {"GET-NEXT-QUEST-LEVEL", &flow.getNextQuestLevel},
      {"RESTART-LEVEL", &flow.restartLevel},
  };
  for (const auto& [name, step] : table) {
    if (upper == name) return run(*step, upper);
  }
  return run(nullptr, upper);
}

void Control::mainLoop() {
  while (platform::Upper(currentState) != "END") {
    currentState = turn(currentState);
    platform::PollSystem();
  }
}

namespace {
QuestBook& quest() { return App::get().quest(); }
}  // namespace

std::string Control::MAIN_MENU_RESTART() {
  quest().restartCurrentLevel();
  return "MAIN-MENU";
}

std::string Control::RESTART_Level() {
  if (platform::SameText(gameType, "QUEST")) quest().restartCurrentLevel();
  return "MAIN-GAME";
}

std::string Control::RESUME_Quest() {
  gameType = "QUEST";
  quest().resume();
  return "TREE-SCREEN";
}

std::string Control::NEW_Quest() {
  gameType = "QUEST";
  quest().startNew();
  return "TREE-SCREEN";
}

void Control::QUEST_PrepareNextLevel() { quest().prepareNextLevel(); }

std::string Control::QUEST_getNextLevel() {
  QUEST_PrepareNextLevel();
  return "TREE-SCREEN";
}
