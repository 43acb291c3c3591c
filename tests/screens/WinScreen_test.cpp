// The summary of a won level: the bonuses, the rows of letters in a timed and a relaxed game,
// the rewards paid into the profile as the screen opens, and the letters sent back by a click.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "app/App.h"
#include "app/Paths.h"
#include "effects/TFlyText.h"
#include "match3/TLevel.h"
#include "match3/TMainGame.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "player/TProfile.h"
#include "player/TProfileManager.h"
#include "screens/TWinScreen.h"
#include "support/AppFixture.h"

namespace {

TEST(WinScreenBonus, PointsAndSecondsTurnIntoStars) {
  const struct {
    int points, expected;
  } points[] = {{0, 0}, {499, 0}, {500, 1}, {1999, 3}, {-20, 0}};
  for (const auto& c : points)
    EXPECT_EQ(TWinScreen::przeliczPunkty(c.points), c.expected) << c.points;
  const struct {
    float seconds;
    int expected;
  } seconds[] = {{79.0f, 1}, {39.0f, 0}, {40.0f, 1}, {80.9f, 2}, {0.0f, 0}, {-5.0f, 0}};
  for (const auto& c : seconds)
    EXPECT_EQ(TWinScreen::przeliczCzas(c.seconds), c.expected) << c.seconds;
}

class WinScreenTest : public testsupport::AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    if (HasFatalFailure()) return;
    App& app = App::get();
    app.winScreen().setup();
    app.profiles().profile = std::make_shared<TProfile>(app);
    profile().stars = 10;
    profile().score = 1000;
    app.mainGame().level = std::make_shared<TLevel>(nullptr);
  }
  void TearDown() override {
    flyTexts.clear();
    AppFixture::TearDown();
  }

  TProfile& profile() { return *App::get().profiles().profile; }
  TWinScreen& screen() { return App::get().winScreen(); }
  void won(int mode, int stars, int points, int secondsLeft) {
    profile().mode = mode;
    TMainGame& game = App::get().mainGame();
    game.gwiazdkiZebrane = stars;
    game.punktyZebrane = points;
    game.level->czas = secondsLeft;
  }
  // The characters that land on the row at y, read from left to right.
  static std::string row(int y) {
    std::map<float, std::string> byX;
    flyTexts.forEach([&](TFlyText& t) {
      if (t.y2 == float(y)) byX[t.x2] += t.q;
    });
    std::string text;
    for (const auto& [x, q] : byX) text += q;
    return text;
  }
};

TEST_F(WinScreenTest, ATimedWinShowsFourRowsAndPaysWhatItShows) {
  won(0, 3, 1250, 79);  // 3 stars, 2 for the points, 1 for the time
  screen().prepare();
  EXPECT_EQ(row(200), screen().txtStarsCollected + "3");
  EXPECT_EQ(row(270), screen().txtTimeBonus + "1");
  EXPECT_EQ(row(340), screen().txtScoreBonus + "2");
  EXPECT_EQ(row(410), screen().txtEarnedStars + "6");
  EXPECT_EQ(row(500), screen().txtClick);
  EXPECT_EQ(screen().earnedStars(), 6);
  EXPECT_EQ(profile().stars, 16);
  EXPECT_EQ(profile().score, 2250);
}

TEST_F(WinScreenTest, ARelaxedWinHasNoTimeRowAndAZeroBonusStillShows) {
  won(1, 0, 499, 300);
  screen().prepare();
  EXPECT_EQ(row(200), screen().txtStarsCollected + "0");
  EXPECT_EQ(row(290), screen().txtScoreBonus + "0");
  EXPECT_EQ(row(380), screen().txtEarnedStars + "0");
  for (int timedRow : {270, 340, 410}) EXPECT_EQ(row(timedRow), "") << timedRow;
  EXPECT_EQ(profile().stars, 10);
  EXPECT_EQ(profile().score, 1499);
}

TEST_F(WinScreenTest, EachOpeningPaysOnceAndAnEarlyClickSendsEveryLetterBack) {
  won(0, 2, 0, 0);
  screen().prepare();
  screen().prepare();  // the next win: the letters are laid anew, not added to the last ones
  EXPECT_EQ(profile().stars, 14);
  const size_t letters = flyTexts.size();
  EXPECT_EQ(row(200), screen().txtStarsCollected + "2");
  // Nothing has flown yet when the player leaves: every letter turns back from its place.
  screen().goExit();
  std::set<std::string> states;
  flyTexts.forEach([&](TFlyText& t) {
    states.insert(t.state);
    EXPECT_EQ(t.x1, t.px2);
    EXPECT_EQ(t.y1, t.py2);
  });
  EXPECT_EQ(states, std::set<std::string>{"BACK"});
  EXPECT_EQ(screen().dFade, 0.0f);
  EXPECT_EQ(flyTexts.size(), letters);
}

}  // namespace
