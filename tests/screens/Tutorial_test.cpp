// The tutorial hints against a scripted game: conditions, actions, dismissal, arrows by bonus
// tiles and the player's marks; and the shipped hints against the first quest level.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>

#include "core/Globals.h"
#include "datafile/TRCMFile.h"
#include "gui/TButton.h"
#include "gui/TMouse.h"
#include "match3/TLevelManager.h"
#include "match3/TTile.h"
#include "match3/TTileCatalog.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "screens/TTutorial.h"

namespace {

class ScriptedWorld : public ITutorialWorld {
 public:
  float fadeNow = 0;
  int start = 0, level = 1;
  std::vector<int> flags;
  bool match = false, put = false, picked = false;
  int holds = 0, lights = 0, darks = 0;
  std::string move;
  std::optional<TutorialTile> bonusTile;
  std::string playButton;
  int products = 1;

  float fade(TutorialScreen) const override { return fadeNow; }
  int startTime(TutorialScreen) const override { return start; }
  void restartClocks(int now) override { start = now; }
  int questLevel() const override { return level; }
  bool player = true;
  std::vector<int>* hintFlags() override { return player ? &flags : nullptr; }
  bool eventMatch() const override { return match; }
  bool eventSpecTileMatch() const override { return false; }
  bool eventChainMatch() const override { return false; }
  bool isBonus(int) const override { return bonusTile.has_value(); }
  bool levelDrawn() const override { return true; }
  void showMove(int r1, int c1, int r2, int c2, const std::string& kier) override {
    move = std::to_string(r1) + std::to_string(c1) + std::to_string(r2) + std::to_string(c2) + kier;
  }
  void holdMoveHint() override { ++holds; }
  void lightUp() override { ++lights; }
  void lightDown() override { ++darks; }
  std::optional<TutorialTile> tileWithBonus(int) const override { return bonusTile; }
  std::optional<TutorialTile> tileOfKind(const std::shared_ptr<TTileData>&) const override {
    return bonusTile;
  }
  bool treePut() const override { return put; }
  bool playerPicked() const override { return picked; }
  void setPlayButton(int v, int a) override { playButton = std::to_string(v) + std::to_string(a); }
  void setProductsActive(int a) override { products = a; }
};

class TutorialTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::InitHeadless();
    platform::Graphics(800, 600, 0, 60, 0);
    delta = 1.0f;
    tutorial.okButton = std::make_shared<TButton>();
    tutorial.okButton->dim = createDim(0, 0, 60, 24);
  }
  // One hint from data-file lines inside "hint1 { ... }".
  TTutorialHint& load(const std::string& body) {
    const std::string path = ::testing::TempDir() + "/tutorial_hint.dat";
    std::ofstream(path) << "tutorial {\n hints = 1\n hint1 {\n id = 1\n" << body << "\n}\n}\n";
    TRCMFile file(path);
    tutorial.loadHints(file);
    return *tutorial.tutorialHints.back();
  }
  void frames(int n, TutorialScreen screen = TutorialScreen::MainGame) {
    for (int i = 0; i < n; ++i) {
      tutorial.updateTutorialHints(screen);
      platform::Flip(-1);
    }
  }
  int framesUntilActive(int limit) {
    for (int n = 0; n < limit; ++n) {
      if (tutorial.activeHint) return n;
      frames(1);
    }
    return -1;
  }
  void clickOk() {
    const TDim& d = *tutorial.okButton->dim;
    mouse.x = int(d.x);
    mouse.y = int(d.y);
    mouse.leftPressed = 1;
    frames(1);
    mouse.leftPressed = 0;
  }

  ScriptedWorld world;
  TMouse mouse;
  TTutorial tutorial{world, mouse};
};

TEST_F(TutorialTest, EachKillerEndsItsHintAndOnlyThenMarksItDone) {
  const struct {
    const char* killer;
    bool ScriptedWorld::*event;  // null: the OK button
  } cases[] = {{"CLICK", nullptr},
               {"MATCH", &ScriptedWorld::match},
               {"PICK", &ScriptedWorld::picked},
               {"PLAYER_TREE_PUT", &ScriptedWorld::put}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.killer);
    world = ScriptedWorld{};
    tutorial.tutorialHints.clear();
    tutorial.activeHint = nullptr;
    TTutorialHint& hint = load(std::string("killer = \"") + c.killer + "\"");
    frames(40);
    ASSERT_EQ(tutorial.activeHint, &hint);
    if (c.event) {
      clickOk();  // a click only fades it
      frames(40);
      EXPECT_EQ(tutorial.activeHint, &hint);
      EXPECT_EQ(hint.wykonany, 0);
      world.*c.event = true;
      frames(1);
      world.*c.event = false;
    } else {
      clickOk();
    }
    frames(40);
    EXPECT_EQ(tutorial.activeHint, nullptr);
    EXPECT_EQ(hint.wykonany, 1);
    EXPECT_EQ(world.flags, std::vector<int>{1});
    frames(40);
    EXPECT_EQ(tutorial.activeHint, nullptr) << "shown once";
  }
}

TEST_F(TutorialTest, BoardMoveHintIsHeldBackExceptForTheSwapHint) {
  for (const int id : {5, 6, 7}) {
    world = ScriptedWorld{};
    tutorial.tutorialHints.clear();
    tutorial.activeHint = nullptr;
    TTutorialHint& hint = load("killer = \"MATCH\"");
    hint.id = id;
    frames(10);
    EXPECT_EQ(world.holds, id == 6 ? 0 : 9) << "hint " << id;
  }
}

TEST_F(TutorialTest, BonusArrowFollowsItsTileAndFadesWhenTheTileIsGone) {
  world.bonusTile = TutorialTile{200, 100, std::make_shared<TTileData>()};
  TTutorialHint& hint =
      load("actions = 1\n action1 = \"MAKE_ARROW\", \"BONUS\", 101\n killer = \"CLICK\"");
  frames(1);
  ASSERT_EQ(hint.strzalki.size(), 1u);
  EXPECT_EQ(hint.strzalki[0].y, 140.0f);
  EXPECT_EQ(hint.strzalki[0].r, 0);
  world.bonusTile->y = 400;  // lower half: the arrow stands above
  frames(30);
  EXPECT_EQ(hint.strzalki[0].y, 360.0f);
  EXPECT_EQ(hint.strzalki[0].r, 180);
  EXPECT_GT(hint.strzalki[0].a, 0.5f);
  world.bonusTile.reset();
  frames(30);
  EXPECT_EQ(hint.strzalki[0].a, 0.0f);
  EXPECT_EQ(tutorial.activeHint, &hint) << "the hint itself stays";
}

TEST_F(TutorialTest, MissingBonusTileShowsTheHintWithoutAnArrow) {
  TTutorialHint& hint = load(
      "position = 120, 80\n actions = 1\n"
      "action1 = \"MAKE_ARROW\", \"BONUS\", 105\n killer = \"CLICK\"");
  frames(30);
  EXPECT_EQ(tutorial.activeHint, &hint);
  EXPECT_TRUE(hint.strzalki.empty());
  EXPECT_EQ(hint.dim->x, 120.0f);
  EXPECT_GT(hint.a, 0.0f);
}

TEST_F(TutorialTest, NewQuestLetsEveryHintShowAgain) {
  TTutorialHint& hint = load("killer = \"CLICK\"");
  world.flags = {1};
  frames(5);
  EXPECT_EQ(tutorial.activeHint, nullptr) << "the player has seen it";
  tutorial.resetTutorialHints();
  EXPECT_TRUE(world.flags.empty());
  frames(1);
  EXPECT_EQ(tutorial.activeHint, &hint);
}

TEST_F(TutorialTest, NoHintsWithoutAPlayer) {
  TTutorialHint& hint = load("killer = \"CLICK\"");
  world.player = false;
  frames(5);
  EXPECT_EQ(tutorial.activeHint, nullptr);
  world.player = true;
  frames(1);
  EXPECT_EQ(tutorial.activeHint, &hint);
}

TEST_F(TutorialTest, HintExecutedNeedsAnExistingDoneHint) {
  TTutorialHint& hint = load("conditions = 1\n cond1 = \"HINT_EXECUTED\", 9");
  frames(5);
  EXPECT_EQ(tutorial.activeHint, nullptr);
  EXPECT_NE(&hint, nullptr);
}

// The swap hint's move must make a line on the first quest level as it starts.

}  // namespace
