// The main game screen against a recording board: the opening, the clock, win and loss, the
// menu, the developer keys and the top bar, frame by frame on the headless clock.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/Globals.h"
#include "effects/TParticle.h"
#include "gui/TGui.h"
#include "match3/IMainGameOverlays.h"
#include "match3/IMainGameProfile.h"
#include "match3/IMainGameSounds.h"
#include "match3/IMainGameTutorial.h"
#include "match3/MainGameContext.h"
#include "match3/TLevel.h"
#include "match3/TMainGame.h"
#include "match3/TTile.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "support/TempDir.h"
#include "support/TestScreenContext.h"

namespace {

class RecordingBoard : public IMainGameBoard {
 public:
  std::vector<std::string> calls;
  std::function<void()> onUpdate;
  std::shared_ptr<TTile> selected;
  int useVanishRow = -1, useVanishCol = -1, useVanishPower = -1;

  int count(const std::string& name) const {
    return int(std::count(calls.begin(), calls.end(), name));
  }
  void setLevel(const std::shared_ptr<TLevel>&) override { calls.push_back("setLevel"); }
  void update() override {
    if (onUpdate) onUpdate();
  }
  void draw() override {}
  std::shared_ptr<TTile> clicked() const override { return selected; }
  void clearClicked() override { selected = nullptr; }
  void startDrawing() override { calls.push_back("startDrawing"); }
  void startDrawingBack() override { calls.push_back("startDrawingBack"); }
  void hideMe() override { calls.push_back("hideMe"); }
  void updateTiles() override { calls.push_back("updateTiles"); }
  void shuffleTiles() override { calls.push_back("shuffleTiles"); }
  void useVanish(int row, int col, int power) override {
    useVanishRow = row;
    useVanishCol = col;
    useVanishPower = power;
  }
  bool isBonus(int id) const override { return id == 101; }
  void clearFlights() override { calls.push_back("clearFlights"); }
  void finishFlights() override { calls.push_back("finishFlights"); }
};

class RecordingOverlays : public IMainGameOverlays {
 public:
  std::string menuChoice = "RESUME";
  std::string loseChoice = "RESTART";
  int menus = 0, loses = 0, wins = 0;
  int winAt = 0;
  std::function<void()> whileMenuOpen;
  std::string inGameMenu(TMainGame&) override {
    ++menus;
    if (whileMenuOpen) whileMenuOpen();
    return menuChoice;
  }
  std::string loseScreen(TMainGame&) override {
    ++loses;
    return loseChoice;
  }
  void winScreen(TMainGame&) override {
    ++wins;
    winAt = platform::MilliSecs();
  }
};

class FixedProfile : public IMainGameProfile {
 public:
  int modeValue = 0;
  int saves = 0;
  int mode() const override { return modeValue; }
  int nrLeveluQuest() const override { return 7; }
  void save() override { ++saves; }
};

class RecordingMusic : public IMainGameSounds {
 public:
  std::vector<std::string> musicPlayed;
  int begins = 0;
  int ticks = 0;
  void playMyMusic(const std::string& name) override { musicPlayed.push_back(name); }
  void playBegin() override { ++begins; }
  void playClockTick() override { ++ticks; }
};

// Records the event flag as the tutorial sees it, once per frame.
class FlagWatcher : public IMainGameTutorial {
 public:
  explicit FlagWatcher(TMainGame& game) : game_(game) {}
  std::vector<int> seen;
  void update() override { seen.push_back(game_.EVENT_MATCH); }
  void draw() override {}
  bool hintShown() const override { return false; }

 private:
  TMainGame& game_;
};

// The screen's services: recorders the test reads, handed out by reference.
class RecordingServices : public MainGameContext {
 public:
  RecordingServices(RecordingOverlays& overlays, FixedProfile& profile, RecordingMusic& music)
      : overlays_(overlays), profile_(profile), music_(music) {}
  IMainGameTutorial* tutorialHooks = &noTutorial_;

  IMainGameProfile& profile() override { return profile_; }
  IMainGameOverlays& overlays() override { return overlays_; }
  IMainGameTutorial& tutorial() override { return *tutorialHooks; }
  IMainGameSounds& sounds() override { return music_; }
  IBoardSounds& boardSounds() override { return boardSounds_; }

 private:
  RecordingOverlays& overlays_;
  FixedProfile& profile_;
  RecordingMusic& music_;
  TNoTutorial noTutorial_;
  TNullBoardSounds boardSounds_;
};

class MainGameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    oldDir_ = platform::CurrentDir();
    ASSERT_TRUE(platform::ChangeDir(GLIMMERFIR_ASSET_DIR));
    platform::InitHeadless();
    platform::Graphics(800, 600, 0, 60, 0);
    game = std::make_unique<TMainGame>(screen, services);
    board = std::make_shared<RecordingBoard>();
    game->setBoard(board);
    game->setup();
    level = std::make_shared<TLevel>(nullptr);
    level->czas = 60;
    level->musicID = "level1";
    game->setLevel(level);
    game->setStartData();
    particlesEnabled = 1;
  }
  void TearDown() override {
    game.reset();
    platform::ChangeDir(oldDir_);
  }

  // One turn of the screen's own loop.
  void frame() {
    platform::Cls();
    game->update();
    game->draw();
    platform::Flip(-1);
    game->_controlGUI();
    game->_controlKEYBOARD();
  }
  // Frames until the predicate holds (at most limit); the frames it took.
  int framesUntil(const std::function<bool()>& done, int limit = 2000) {
    int n = 0;
    while (!done() && n < limit) {
      frame();
      ++n;
    }
    return n;
  }
  void playToNormal() {
    game->prepare();
    framesUntil([&] { return game->state == "NORMAL"; });
  }
  void pressKey(int key) {
    platform::InjectKey(key, true);
    platform::InjectKey(key, false);
  }

  std::unique_ptr<TMainGame> game;
  std::shared_ptr<RecordingBoard> board;
  RecordingOverlays overlays;
  FixedProfile profile;
  RecordingMusic music;
  testsupport::TestScreenContext screen;
  RecordingServices services{overlays, profile, music};
  std::shared_ptr<TLevel> level;

 private:
  std::string oldDir_;
};

TEST(MainGameClock, TimeText) {
  const struct {
    int seconds;
    const char* text;
  } cases[] = {{307, "05:07"}, {720, "12:00"}, {6000, "100:00"}, {65, "01:05"},
               {0, "00:00"},   {59, "00:59"},  {-3, "00:00"}};
  for (const auto& c : cases) EXPECT_EQ(formatClock(c.seconds), c.text) << c.seconds;
}

TEST_F(MainGameTest, TheOpeningHoldsTheBoardForTwoSecondsThenTheClockStarts) {
  game->prepare();
  const int opened = platform::MilliSecs();
  EXPECT_EQ(game->state, "BEGIN");
  EXPECT_EQ(level->hold, 1);
  EXPECT_EQ(board->count("hideMe"), 1);
  EXPECT_EQ(board->count("clearFlights"), 1);
  EXPECT_EQ(music.musicPlayed.back(), "level1");
  EXPECT_EQ(game->textParticles->size(), 1u);  // the ready picture

  framesUntil([&] { return game->state == "NORMAL"; });
  const int started = platform::MilliSecs();
  EXPECT_GT(started - opened, 2000);
  EXPECT_LT(started - opened, 2000 + 40);
  EXPECT_EQ(level->hold, 0);
  EXPECT_EQ(game->timerOn, 1);
  EXPECT_EQ(music.begins, 1);
  EXPECT_EQ(board->count("startDrawing"), 2);  // once by setLevel, once by the go signal
  EXPECT_EQ(level->czas, 60);

  // The first second is taken 1000 ms after play begins, the next one a second later.
  framesUntil([&] { return level->czas == 59; });
  EXPECT_NEAR(platform::MilliSecs() - started, 1000, 20);
  framesUntil([&] { return level->czas == 58; });
  EXPECT_NEAR(platform::MilliSecs() - started, 2000, 40);
}

TEST_F(MainGameTest, TheClockRunningOutOpensTheLoseScreenOnceAndItsResultLeads) {
  const struct {
    const char* choice;
    const char* result;
  } cases[] = {{"RESTART", "RESTART-LEVEL"}, {"MAIN-MENU-RESTART", "MAIN-MENU-RESTART"}};
  for (const auto& c : cases) {
    overlays = RecordingOverlays();
    overlays.loseChoice = c.choice;
    level->czas = 2;
    EXPECT_EQ(game->mainLoop(), c.result) << c.choice;
    EXPECT_EQ(overlays.loses, 1);
    EXPECT_EQ(overlays.wins, 0);
    EXPECT_EQ(level->czas, 0);
    EXPECT_EQ(game->getTimeString(), "00:00");
    EXPECT_EQ(game->timerOn, 0);
    EXPECT_EQ(board->calls.back(), "finishFlights");
  }
  EXPECT_EQ(board->count("startDrawingBack"), 2);
}

// While the level fades out after a loss or a choice, or waits for its summary after a win,
// Escape and the menu button open no menu: a "MAIN-MENU" chosen there would keep the lost level
// from being set up again, or leave a won one unpaid.
TEST_F(MainGameTest, NoMenuOpensOnceTheLevelIsBeingLeft) {
  overlays.menuChoice = "MAIN-MENU";
  for (const char* leaving : {"MAIN-MENU-RESTART", "MAIN-MENU", "RESTART", "WIN-INFO", "WIN"}) {
    playToNormal();
    overlays.menus = 0;
    game->state = leaving;
    pressKey(platform::key::ESCAPE);
    game->_controlGUI();
    EXPECT_EQ(overlays.menus, 0) << leaving;
    EXPECT_EQ(game->state, leaving);
  }
  overlays = RecordingOverlays();
  overlays.loseChoice = "MAIN-MENU-RESTART";
  overlays.menuChoice = "MAIN-MENU";
  level->czas = 2;
  board->onUpdate = [&] {
    if (game->state == "MAIN-MENU-RESTART") pressKey(platform::key::ESCAPE);
  };
  EXPECT_EQ(game->mainLoop(), "MAIN-MENU-RESTART");
  EXPECT_EQ(overlays.menus, 0);
  board->onUpdate = nullptr;
}

TEST_F(MainGameTest, LeavingTheWindowOpensTheMenuSoTheClockStops) {
  platform::InjectFocusLost();  // before the level: no pause for that
  playToNormal();
  EXPECT_EQ(overlays.menus, 0);
  const int seconds = level->czas;
  platform::InjectFocusLost();
  frame();
  EXPECT_EQ(overlays.menus, 1);
  frame();
  EXPECT_EQ(overlays.menus, 1) << "once per loss of focus";
  EXPECT_EQ(level->czas, seconds);
  EXPECT_EQ(game->state, "NORMAL");
}

// A hint takes the board's input away, so it must not take the player's time as well.
class ShownHint : public IMainGameTutorial {
 public:
  bool shown = true;
  void update() override {}
  void draw() override {}
  bool hintShown() const override { return shown; }
};

TEST_F(MainGameTest, TheClockHoldsWhileATutorialHintIsShown) {
  playToNormal();
  ShownHint hint;
  services.tutorialHooks = &hint;
  const int seconds = level->czas;
  for (int i = 0; i < 300; ++i) frame();
  EXPECT_EQ(level->czas, seconds);
  hint.shown = false;
  const int closed = platform::MilliSecs();
  framesUntil([&] { return level->czas == seconds - 1; });
  EXPECT_NEAR(platform::MilliSecs() - closed, 1000, 20) << "a whole second after the hint";
}

TEST_F(MainGameTest, ARelaxedLevelNeverRunsOutOfTime) {
  profile.modeValue = 1;
  level->czas = 1;
  playToNormal();
  for (int i = 0; i < 200; ++i) frame();
  EXPECT_EQ(level->czas, 1);
  EXPECT_EQ(game->state, "NORMAL");
  EXPECT_EQ(overlays.loses, 0);
  // No low-time warning without a clock.
  EXPECT_EQ(music.ticks, 0);
  EXPECT_FALSE(game->clockRunsLow());
}

TEST_F(MainGameTest, TheLastTenSecondsTickAndPulseRed) {
  level->czas = 13;
  playToNormal();
  const auto red = [&] {
    const TRGB c = game->clockColour();
    return c.r == 255 && c.g < 200 && c.b < 200;
  };
  // 13, 12, 11: white and silent.
  framesUntil([&] { return level->czas == 11; });
  EXPECT_EQ(music.ticks, 0);
  EXPECT_FALSE(red());
  // From 10 down to 1 a tick each second, the digits red, brightest just after the tick.
  framesUntil([&] { return level->czas == 10; });
  EXPECT_EQ(music.ticks, 1);
  EXPECT_TRUE(red());
  const int atTick = game->clockColour().g;
  for (int i = 0; i < 40; ++i) frame();
  EXPECT_TRUE(red());
  EXPECT_GT(game->clockColour().g, atTick);
  framesUntil([&] { return level->czas == 1; });
  EXPECT_EQ(music.ticks, 10);
  // Time's up: no eleventh tick, and the clock is white again.
  framesUntil([&] { return overlays.loses == 1; });
  EXPECT_EQ(music.ticks, 10);
  EXPECT_FALSE(red());
}

TEST_F(MainGameTest, AWonBoardShowsTheBannerAndOpensTheWinScreenTwoSecondsLater) {
  level->czas = 3;
  game->prepare();
  int wonAt = 0;
  board->onUpdate = [&] {
    if (game->state == "NORMAL" && !level->win) {
      level->win = 1;
      wonAt = platform::MilliSecs();
    }
  };
  framesUntil([&] { return game->state == "WIN"; });
  EXPECT_EQ(game->levelComplited->state, "BEGIN");
  EXPECT_EQ(board->count("startDrawingBack"), 1);
  EXPECT_EQ(music.musicPlayed.back(), "level-summary");
  EXPECT_EQ(game->showHide, 0);

  // Long enough for the clock of 3 seconds to have run out had it kept going.
  framesUntil([&] { return game->toExit == 1; });
  EXPECT_EQ(overlays.wins, 1);
  EXPECT_GT(overlays.winAt - wonAt, 2000);
  EXPECT_EQ(overlays.loses, 0);
  EXPECT_EQ(level->czas, 3);
  EXPECT_EQ(game->wynik, "GET-NEXT-QUEST-LEVEL");
}

TEST_F(MainGameTest, TheCountersAreCopiedIntoTheLevelEveryFrame) {
  playToNormal();
  board->onUpdate = [&] {
    game->punktyZebrane += 50;
    game->gwiazdkiZebrane += 1;
  };
  frame();
  frame();
  EXPECT_EQ(level->scoreCollected, 100);
  EXPECT_EQ(level->starsCollected, 2);
  EXPECT_EQ(game->summaryLine(), "LEVEL END : NORMAL POINTS : 100 STARS : 2 TIME : 01:00");
}

TEST_F(MainGameTest, ALevelShownAgainContinuesItsCounters) {
  level->starsCollected = 4;
  level->scoreCollected = 1200;
  game->setLevel(level);
  EXPECT_EQ(game->gwiazdkiZebrane, 4);
  EXPECT_EQ(game->punktyZebrane, 1200);
}

TEST_F(MainGameTest, EventFlagsLastOneFrame) {
  FlagWatcher watcher(*game);
  services.tutorialHooks = &watcher;
  playToNormal();
  watcher.seen.clear();
  int frames = 0;
  board->onUpdate = [&] {
    if (++frames == 2) game->EVENT_MATCH = 1;
  };
  for (int i = 0; i < 4; ++i) frame();
  EXPECT_EQ(watcher.seen, (std::vector<int>{0, 1, 0, 0}));
}

TEST_F(MainGameTest, TheMenuWorksInEveryStateAndItsChoiceDecides) {
  const struct {
    const char* choice;
    const char* state;  // where the menu is opened
    const char* result;
  } cases[] = {
      {"RESTART", "BEGIN", "RESTART-LEVEL"},
      {"MAIN-MENU", "NORMAL", "MAIN-MENU"},
      {"main-menu", "NORMAL", "MAIN-MENU"},
  };
  for (const auto& c : cases) {
    overlays = RecordingOverlays();
    overlays.menuChoice = c.choice;
    game->prepare();
    if (std::string(c.state) != "BEGIN") framesUntil([&] { return game->state == "NORMAL"; });
    const int savesBefore = profile.saves;
    pressKey(platform::key::ESCAPE);
    frame();
    EXPECT_EQ(overlays.menus, 1) << c.choice;
    EXPECT_EQ(profile.saves, savesBefore + 1);
    // Restarting leaves at once, leaving for the menu fades to black first.
    const int frames = framesUntil([&] { return game->toExit == 1 || game->fadedOut(); });
    EXPECT_EQ(game->wynik, c.result) << c.choice;
    if (std::string(c.result) == "RESTART-LEVEL")
      EXPECT_LE(frames, 1);
    else
      EXPECT_GE(frames, 15);
  }
}

TEST_F(MainGameTest, ResumingFromTheMenuGoesOnPlaying) {
  playToNormal();
  overlays.menuChoice = "RESUME";
  pressKey(platform::key::ESCAPE);
  frame();
  for (int i = 0; i < 5; ++i) frame();
  EXPECT_EQ(overlays.menus, 1);
  EXPECT_EQ(game->state, "NORMAL");
  EXPECT_EQ(game->toExit, 0);
}

TEST_F(MainGameTest, TheClockStandsStillWhileTheMenuRunsOverTheGame) {
  playToNormal();
  // The menu's own loop: the game draws and animates behind it for three seconds.
  overlays.whileMenuOpen = [&] {
    for (int i = 0; i < 180; ++i) {
      platform::Cls();
      game->_updateFromOtherScreen();
      game->draw();
      platform::Flip(-1);
    }
  };
  const int before = level->czas;
  pressKey(platform::key::ESCAPE);
  frame();
  EXPECT_EQ(board->count("updateTiles"), 180);
  EXPECT_EQ(level->czas, before);
  // Back in the game the overdue second is taken at once, and only that one.
  frame();
  EXPECT_EQ(level->czas, before - 1);
  for (int i = 0; i < 30; ++i) frame();
  EXPECT_EQ(level->czas, before - 1);
}

TEST_F(MainGameTest, DeveloperKeysNeedTheCheatsFile) {
  testsupport::TempDir dir;
  ASSERT_TRUE(platform::ChangeDir(dir.path()));
  playToNormal();
  level->over = std::make_shared<TTile>();
  level->over->r = 3;
  level->over->c = 4;
  for (int key : {int('W'), int(platform::key::SPACE), int(platform::key::F1),
                  int(platform::key::F2), int('P')}) {
    pressKey(key);
    frame();
  }
  EXPECT_EQ(game->state, "NORMAL");
  EXPECT_EQ(board->count("shuffleTiles"), 0);
  EXPECT_EQ(board->useVanishPower, -1);
  EXPECT_EQ(particlesEnabled, 1);

  testsupport::WriteFile(dir / "cheats.txt", "");
  pressKey(platform::key::SPACE);
  pressKey(platform::key::F2);
  pressKey('P');
  frame();
  EXPECT_EQ(board->count("shuffleTiles"), 1);
  EXPECT_EQ(board->useVanishRow, 3);
  EXPECT_EQ(board->useVanishCol, 4);
  EXPECT_EQ(board->useVanishPower, 5);
  EXPECT_EQ(particlesEnabled, 0);
  particlesEnabled = 1;
  pressKey('W');
  frame();
  EXPECT_EQ(game->state, "WIN");
  pressKey(platform::key::F1);
  frame();
  frame();
  EXPECT_EQ(game->wynik, "RESTART-LEVEL");
}

TEST_F(MainGameTest, TheBoardReportsReachTheCountersAndTheHint) {
  IBoardListener& events = game->boardListener();
  EXPECT_EQ(&level->events(), &events);
  events.addPoints(30);
  events.addPoints(20);
  events.addStar();
  events.eventChainMatch();
  EXPECT_EQ(game->punktyZebrane, 50);
  EXPECT_EQ(game->gwiazdkiZebrane, 1);
  EXPECT_EQ(game->EVENT_CHAIN_MATCH, 1);
  EXPECT_EQ(events.pointsParticles(), game->pointsParticles.get());

  // A pending hint is not replaced by a later request until it is cancelled.
  events.setMatch(1, 1, 1, 2, "PRAWO");
  EXPECT_EQ(game->tileMatch->kier, "PRAWO");
  events.setMatch(2, 1, 3, 1, "DOL");
  EXPECT_EQ(game->tileMatch->kier, "PRAWO");
  events.resetFullTileMatch();
  game->setMatch(2, 1, 3, 1, "DOL");
  EXPECT_EQ(game->tileMatch->kier, "DOL");
  EXPECT_EQ(game->isBonus(101), 1);
  EXPECT_EQ(game->isBonus(5), 0);
}

TEST_F(MainGameTest, TheTopBarSlidesInAndOutAndTheMenuButtonFollows) {
  game->prepare();
  delta = 1.0f;
  EXPECT_EQ(game->y, -51.0f);
  int frames = 0;
  while (game->y < 0.0f && frames < 100) {
    game->_drawGUI();
    ++frames;
  }
  EXPECT_EQ(frames, 19);
  game->_updateGUI();
  auto menu = game->Gui->getItem("menu");
  ASSERT_NE(menu, nullptr);
  EXPECT_FLOAT_EQ(menu->_alpha, 1.0f);
  EXPECT_FLOAT_EQ(menu->dim->y, 28.0f);

  game->showHide = 0;
  for (int i = 0; i < 100; ++i) game->_drawGUI();
  EXPECT_EQ(game->y, -90.0f);
}

TEST(LevelComplited, FliesInSlowsDownAndRests) {
  delta = 1.0f;
  TLevelComplited banner;
  banner.start();
  banner.update();
  EXPECT_NEAR(banner.y, 271.0f, 4.0f);
  EXPECT_NEAR(banner.s, 0.5f, 0.02f);
  float largest = banner.s, lowest = banner.y;
  int frames = 1;
  while (banner.state == "BEGIN" && frames < 1000) {
    banner.update();
    largest = std::max(largest, banner.s);
    lowest = std::max(lowest, banner.y);
    ++frames;
  }
  EXPECT_NEAR(lowest, 300.0f, 0.5f);
  EXPECT_NEAR(frames, 303, 2);
  EXPECT_EQ(banner.state, "STEP3");
  EXPECT_NEAR(largest, 1.5f, 0.01f);
  EXPECT_FLOAT_EQ(banner.s, 1.0f);
  EXPECT_FLOAT_EQ(banner.a, 1.0f);
  EXPECT_NEAR(banner.y, 129.3f, 0.1f);
  banner.reset();
  EXPECT_TRUE(banner.state.empty());
}

}  // namespace
