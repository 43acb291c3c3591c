// The tutorial hints against a scripted game: conditions, actions, dismissal, arrows by bonus
// tiles and the player's marks; and the shipped hints against the first quest level.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <set>
#include <string>

#include "core/Globals.h"
#include "datafile/TRCMFile.h"
#include "gui/GuiSounds.h"
#include "gui/TBMFont.h"
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

class CountedClicks : public IGuiSounds {
 public:
  int clicks = 0;
  void playClick() override { ++clicks; }
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
  CountedClicks sounds;
  TTutorial tutorial{world, mouse, sounds};
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
    EXPECT_EQ(sounds.clicks, 1) << "OK clicks as every button does";
    sounds.clicks = 0;
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
      load("actions = 1\n action1 = \"MAKE_ARROW\", \"BONUS\", \"101\"\n killer = \"CLICK\"");
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
      "action1 = \"MAKE_ARROW\", \"BONUS\", \"105\"\n killer = \"CLICK\"");
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

TEST_F(TutorialTest, HintExecutedHoldsOnlyForADoneHintThatExists) {
  TTutorialHint& first = load("killer = \"CLICK\"");
  TTutorialHint& waiting = load("conditions = 1\n cond1 = \"HINT_EXECUTED\", \"1\"");
  TTutorialHint& orphan = load("conditions = 1\n cond1 = \"HINT_EXECUTED\", \"9\"");
  waiting.id = 2;
  orphan.id = 3;
  frames(5);
  ASSERT_EQ(tutorial.activeHint, &first);
  clickOk();
  frames(40);
  EXPECT_EQ(first.wykonany, 1);
  EXPECT_EQ(tutorial.activeHint, &waiting);
  EXPECT_EQ(orphan.wykonany, 0);
}

// A hint waits for its level, for the screen to finish fading in, and for its time, counted
// from the screen's start or from the end of the hint before it.
TEST_F(TutorialTest, TimeElapsedCountsFromTheStartOnceTheFadeIsOver) {
  TTutorialHint& hint = load(
      "conditions = 2\n cond1 = \"MAIN_GAME\", \"3\"\n cond2 = \"TIME_ELAPSED\", \"2000\"\n"
      "killer = \"CLICK\"");
  world.level = 2;
  world.start = platform::MilliSecs();
  frames(200);
  EXPECT_EQ(tutorial.activeHint, nullptr) << "another level";
  world.level = 3;
  world.start = platform::MilliSecs();
  world.fadeNow = 0.5f;
  frames(150);
  EXPECT_EQ(tutorial.activeHint, nullptr) << "still fading";
  world.fadeNow = 0;
  frames(1);
  EXPECT_EQ(tutorial.activeHint, &hint) << "2.5 s after the start";
  frames(30);
  const int clicked = platform::MilliSecs();
  clickOk();
  frames(40);
  EXPECT_EQ(tutorial.activeHint, nullptr);
  EXPECT_GT(world.start, clicked) << "the clocks restart when the hint ends";
  EXPECT_LE(world.start, platform::MilliSecs());
}

TEST_F(TutorialTest, ADelayedHintStaysInvisibleAndInertUntilItsTime) {
  TTutorialHint& hint = load("actions = 1\n action1 = \"DELAY\", \"1500\"\n killer = \"CLICK\"");
  const int shown = platform::MilliSecs();
  frames(1);
  ASSERT_EQ(tutorial.activeHint, &hint);
  EXPECT_EQ(hint.activateTime, shown + 1500);
  frames(60);
  clickOk();
  EXPECT_EQ(hint.a, 0.0f);
  EXPECT_EQ(hint.da, 1.0f) << "the button is inert";
  while (platform::MilliSecs() < hint.activateTime) frames(1);
  frames(20);
  EXPECT_GT(hint.a, 0.9f);
  clickOk();
  EXPECT_EQ(hint.da, 0.0f);
}

TEST_F(TutorialTest, ActionsReachTheBoardAndTheTreeScreen) {
  TTutorialHint& hint = load(
      "actions = 4\n action1 = \"SET_TILE_MATCH\", \"3\", \"2\", \"3\", \"4\", \"prawo\"\n"
      "action2 = \"LIGHT_UP\"\n action3 = \"SET_TREE_BUTTON_PLAY_STATE\", \"0\", \"1\"\n"
      "action4 = \"SET_TREE_PRODUCT_STATE\", \"0\"\n killer = \"MATCH\"");
  frames(1);
  ASSERT_EQ(tutorial.activeHint, &hint);
  EXPECT_EQ(world.move, "3234PRAWO");
  EXPECT_EQ(world.lights, 1);
  EXPECT_EQ(world.playButton, "01");
  EXPECT_EQ(world.products, 0);
  world.match = true;
  frames(1);
  EXPECT_EQ(world.darks, 1) << "the plates go dark with the hint";
}

// The tree screen's buttons wait for the first hint where it is due, and no hint locks them
// for good: neither a first hint whose level the player has passed, nor a board hint that
// waits unseen for a match after the level was left.
TEST_F(TutorialTest, TreeButtonsAreNeverLockedForGood) {
  TTutorialHint& first = load(
      "conditions = 2\n cond1 = \"TREE_SCREEN\", \"1\"\n cond2 = \"TIME_ELAPSED\", \"800\"\n"
      "killer = \"CLICK\"");
  TTutorialHint& board = load("conditions = 1\n cond1 = \"MAIN_GAME_SCREEN\"\n killer = \"MATCH\"");
  board.id = 6;
  world.start = platform::MilliSecs();
  EXPECT_FALSE(tutorial.treeGuiAllowed()) << "the first hint is due on this visit";
  world.level = 4;
  EXPECT_TRUE(tutorial.treeGuiAllowed()) << "a player past the first level";

  world.level = 1;
  world.flags = {1};
  frames(1);
  EXPECT_EQ(first.wykonany, 1);
  ASSERT_EQ(tutorial.activeHint, &board);  // shown on the board, then the level was left
  frames(30, TutorialScreen::Tree);
  EXPECT_FALSE(tutorial.treeGuiAllowed()) << "while it can be seen";
  clickOk();
  frames(40, TutorialScreen::Tree);
  EXPECT_EQ(tutorial.activeHint, &board) << "still waiting for its match";
  EXPECT_TRUE(tutorial.treeGuiAllowed());
}

// The hints the game ships: every name is one the tutorial knows, every number is read as one,
// every text fits its panel, and the first level's swap hint shows the move that makes lines
// on that level's board.
TEST(ShippedTutorial, HintsAreWellFormedAndTheFirstSwapIsTheLevelsMove) {
  ScriptedWorld world;
  TMouse mouse;
  NullGuiSounds sounds;
  TTutorial tutorial{world, mouse, sounds};
  TRCMFile file(std::string(GLIMMERFIR_ASSET_DIR) + "/data/tutorial.dat");
  tutorial.loadHints(file);
  ASSERT_GE(tutorial.tutorialHints.size(), 20u);
  const std::set<std::string> conditions = {
      "MAIN_GAME",       "MAIN_GAME_SCREEN",       "TREE_SCREEN",
      "PLAYER_TREE_PUT", "SPEC_TILE_MATCH",        "CHAIN_MATCH",
      "TIME_ELAPSED",    "LEVEL_DRAWED",           "HINT_EXECUTED",
      "BONUS_SHOWED",    "ANY_BONUS_HINT_EXECUTED"};
  const std::set<std::string> numbered = {"MAIN_GAME", "TREE_SCREEN", "TIME_ELAPSED",
                                          "HINT_EXECUTED", "BONUS_SHOWED"};
  const std::set<std::string> killers = {"MATCH", "CLICK", "PICK", "PLAYER_TREE_PUT", ""};
  auto isNumber = [](const std::string& t) {
    return !t.empty() && t.find_first_not_of("0123456789") == std::string::npos;
  };
  std::set<int> ids;
  const TAkcja* swap = nullptr;
  for (const auto& hint : tutorial.tutorialHints) {
    SCOPED_TRACE(hint->id);
    EXPECT_TRUE(ids.insert(hint->id).second) << "ids are unique";
    EXPECT_TRUE(killers.count(hint->killer)) << hint->killer;
    for (const TWarunek& w : hint->warunki) {
      EXPECT_TRUE(conditions.count(w.name)) << w.name;
      if (numbered.count(w.name)) {
        EXPECT_TRUE(isNumber(w.param)) << w.name << " " << w.param;
      }
    }
    for (const TAkcja& a : hint->akcje) {
      if (a.name == "SET_TILE_MATCH") swap = &a;
      if (a.name == "MAKE_ARROW") {
        EXPECT_TRUE(isNumber(a.p2)) << a.p2;
      }
      if (a.name == "DELAY") {
        EXPECT_TRUE(isNumber(a.p1)) << a.p1;
      }
    }
  }
  EXPECT_EQ(*ids.begin(), 1);
  EXPECT_EQ(*ids.rbegin(), int(ids.size()));
  ASSERT_NE(swap, nullptr);

  // Every text fits its panel: three lines at most (the OK button sits under them), each
  // narrower than the panel with a margin.
  platform::InitHeadless();
  platform::Graphics(800, 600, 0, 60, 0);
  const std::string assets = GLIMMERFIR_ASSET_DIR;
  const auto font = TBMFont::Create(assets + "/gfx/fonts/", "tutorial.fnt");
  const platform::Image panel = platform::LoadImage(assets + "/gfx/gui/tutorial/panel.png");
  ASSERT_TRUE(font && panel);
  for (const auto& hint : tutorial.tutorialHints) {
    EXPECT_LE(hint->teksty.size(), 3u) << "hint " << hint->id;
    for (const std::string& line : hint->teksty)
      EXPECT_LE(font->TextWidth(line), float(platform::ImageWidth(panel) - 24)) << line;
  }

  // The move that the quest levels' test proves to make lines on the first level's plates.
  EXPECT_EQ(swap->p1 + swap->p2 + swap->p3 + swap->p4 + swap->p5, "3334PRAWO");
}

}  // namespace
