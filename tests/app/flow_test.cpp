#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/App.h"
#include "app/Control.h"
#include "core/Globals.h"
#include "platform/platform.h"
#include "platform/strings.h"

namespace {

class FlowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::InitHeadless();
    App::create();
    ScreenFlow& flow = App::get().flow();
    flow = ScreenFlow{};
    auto record = [this](const char* name, const char* next) {
      return [this, name, next] {
        ran.push_back(name);
        return std::string(next);
      };
    };
    flow.mainMenu = record("menu", "NEW-QUEST");
    flow.newQuest = record("new", "tree-screen");
    flow.treeScreen = record("tree", "Main-Game");
    flow.mainGame = record("game", "END");
  }
  void TearDown() override { App::destroy(); }
  std::vector<std::string> ran;
};

TEST_F(FlowTest, StatesRunTheSameStepInAnyLetterCaseAndLogInUpperCase) {
  for (const char* state : {"main-game", "MAIN-GAME", "Main-Game"}) {
    testing::internal::CaptureStdout();
    EXPECT_EQ(Control::turn(state), "END");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "WHERE : MAIN-GAME\n");
  }
  EXPECT_EQ(ran, (std::vector<std::string>{"game", "game", "game"}));
}

TEST_F(FlowTest, MainLoopRunsUntilEndInOrder) {
  Control::start();
  EXPECT_EQ(currentState, "MAIN-MENU");
  testing::internal::CaptureStdout();
  Control::mainLoop();
  const std::string log = testing::internal::GetCapturedStdout();
  EXPECT_EQ(ran, (std::vector<std::string>{"menu", "new", "tree", "game"}));
  EXPECT_EQ(log, "WHERE : MAIN-MENU\nWHERE : NEW-QUEST\nWHERE : TREE-SCREEN\nWHERE : MAIN-GAME\n");
}

TEST_F(FlowTest, AStateWithoutAScreenLeadsBackToTheMenuInsteadOfSpinning) {
  for (const char* state : {"NOWHERE", "restart-level"}) {
    App::get().flow().restartLevel = nullptr;
    testing::internal::CaptureStdout();
    EXPECT_EQ(Control::turn(state), "MAIN-MENU");
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out.rfind("WHERE : " + platform::Upper(state) + "\n", 0), 0u) << out;
    EXPECT_NE(out.find("Napotkano problem : "), std::string::npos);
  }
  EXPECT_TRUE(ran.empty());
}

struct Bookkeeping {
  std::string (*step)();
  const char* next;
};

TEST_F(FlowTest, BookkeepingStepsReturnTheirNextState) {
  const Bookkeeping steps[] = {{Control::MAIN_MENU_RESTART, "MAIN-MENU"},
                               {Control::RESTART_Level, "MAIN-GAME"},
                               {Control::RESUME_Quest, "TREE-SCREEN"},
                               {Control::NEW_Quest, "TREE-SCREEN"},
                               {Control::QUEST_getNextLevel, "TREE-SCREEN"}};
  for (const auto& s : steps) EXPECT_EQ(s.step(), s.next);
  EXPECT_EQ(gameType, "QUEST");
}

}  // namespace
