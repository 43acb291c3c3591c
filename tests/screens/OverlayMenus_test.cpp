// The in-game menu and the lose screen over a level, driven frame by frame with injected
// input: which presses count, what each returns, and the options dialog from the menu.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "app/App.h"
#include "app/Paths.h"
#include "match3/IMainGameBoard.h"
#include "match3/TLevel.h"
#include "match3/TMainGame.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "player/TGlobalSnd.h"
#include "player/TOptions.h"
#include "screens/TInGameMenu.h"
#include "screens/TLoseScreen.h"
#include "support/AppFixture.h"

namespace {

// A board that only counts how often the screens over the game keep it moving.
class QuietBoard : public IMainGameBoard {
 public:
  int tileUpdates = 0;
  void setLevel(const std::shared_ptr<TLevel>&) override {}
  void update() override {}
  void draw() override {}
  std::shared_ptr<TTile> clicked() const override { return nullptr; }
  void clearClicked() override {}
  void startDrawing() override {}
  void startDrawingBack() override {}
  void hideMe() override {}
  void updateTiles() override { ++tileUpdates; }
  void shuffleTiles() override {}
  void useVanish(int, int, int) override {}
  bool isBonus(int) const override { return false; }
  void clearFlights() override {}
  void finishFlights() override {}
};

// Input by frame, counted where the game behind is moved: every frame of the screen and of
// any dialog it opens.
class InputScript {
 public:
  std::map<int, std::function<void()>> steps;
  int frames = 0;
  void step() {
    if (auto s = steps.find(frames); s != steps.end()) s->second();
    ++frames;
  }
  void clickAt(int frame, int x, int y) {
    steps[frame] = [x, y] {
      platform::InjectMouseMove(x, y);
      platform::InjectMouseButton(1, true);
    };
    steps[frame + 1] = [] { platform::InjectMouseButton(1, false); };
  }
  void escapeAt(int frame) {
    steps[frame] = [] { platform::InjectKey(platform::key::ESCAPE, true); };
    steps[frame + 1] = [] { platform::InjectKey(platform::key::ESCAPE, false); };
  }
};

template <class Screen>
class Scripted : public Screen {
 public:
  using Screen::Screen;
  InputScript script;
  void _updateBack() override {
    script.step();
    Screen::_updateBack();
  }
};

class OverlayMenusTest : public testsupport::AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    if (HasFatalFailure()) return;
    App& app = App::get();
    app.globalSnd().setup();
    app.options().setup();
    board = std::make_shared<QuietBoard>();
    app.mainGame().setBoard(board);
    app.mainGame().setup();
    app.mainGame().setLevel(std::make_shared<TLevel>(nullptr));
    menu = std::make_unique<Scripted<TInGameMenu>>(app, app.mainGame(), app.options());
    lose = std::make_unique<Scripted<TLoseScreen>>(app, app.mainGame());
  }
  void TearDown() override {
    menu.reset();
    lose.reset();
    AppFixture::TearDown();
  }

  std::shared_ptr<QuietBoard> board;
  std::unique_ptr<Scripted<TInGameMenu>> menu;
  std::unique_ptr<Scripted<TLoseScreen>> lose;
};

// Button centres in the menu's layout.
constexpr int kResumeY = 250, kRestartY = 314, kOptionsY = 378, kMainMenuY = 442;

TEST_F(OverlayMenusTest, TheMenuAnswersItsButtonsAndEscapeResumes) {
  const struct {
    const char* how;
    int y;  // 0: Escape
    const char* result;
  } cases[] = {{"Escape", 0, "RESUME"},
               {"RESUME", kResumeY, "RESUME"},
               {"RESTART", kRestartY, "RESTART"},
               {"MAINMENU", kMainMenuY, "MAIN-MENU"}};
  for (const auto& c : cases) {
    menu->script = InputScript();
    if (c.y)
      menu->script.clickAt(30, 400, c.y);
    else
      menu->script.escapeAt(30);
    // A second choice while the menu fades cannot change the first.
    menu->script.clickAt(36, 400, c.y == kRestartY ? kMainMenuY : kRestartY);
    const int before = board->tileUpdates;
    EXPECT_EQ(menu->mainLoop(), c.result) << c.how;
    EXPECT_NEAR(menu->script.frames, 52, 3) << c.how << ": 20 frames in, the press, 20 out";
    EXPECT_EQ(board->tileUpdates - before, menu->script.frames) << "the game moves behind";
  }
}

TEST_F(OverlayMenusTest, OptionsOpenOverTheMenuAndGoBackToIt) {
  App::get().options().musicVol = 5;
  menu->script.clickAt(30, 400, kOptionsY);
  // In the dialog: the eighth music lamp, then OK.
  menu->script.clickAt(60, int(TOptions::lampX(8)), int(TOptions::lampY(0)));
  menu->script.clickAt(70, 400, 428);
  menu->script.escapeAt(120);  // back in the menu, which is still open
  EXPECT_EQ(menu->mainLoop(), "RESUME");
  EXPECT_GT(menu->script.frames, 130) << "the menu stayed open after the dialog";
  EXPECT_EQ(App::get().options().musicVol, 8);
  EXPECT_FLOAT_EQ(App::get().globalSnd().musicVol, 0.8f);
  EXPECT_NE(testsupport::ReadFile(TOptions::settingsFile()).find("musicVolume = 8"),
            std::string::npos);
}

TEST_F(OverlayMenusTest, TheLoseScreenIgnoresPressesWhileHiddenAndAfterItsChoice) {
  // RESTART at (400, 327), MAINMENU at (400, 395).
  lose->script.clickAt(20, 400, 327);
  lose->script.clickAt(150, 400, 327);  // still invisible: 160 frames
  lose->script.escapeAt(175);           // Escape does nothing here
  lose->script.clickAt(190, 400, 395);
  lose->script.clickAt(196, 400, 327);  // too late: the choice is made
  EXPECT_EQ(lose->mainLoop(), "MAIN-MENU-RESTART");
  EXPECT_NEAR(lose->script.frames, 190 + 1 + 20, 4);
  lose->script = InputScript();
  lose->script.clickAt(185, 400, 327);
  EXPECT_EQ(lose->mainLoop(), "RESTART") << "every opening starts hidden again";
}

}  // namespace
