// The main menu, the mode question and the credits, driven frame by frame with injected input
// over the virtual clock: what each choice returns, the greeting, the first player's name entry,
// the idle credits and the credits' own motion.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "app/App.h"
#include "app/Paths.h"
#include "core/Globals.h"
#include "gui/TButton.h"
#include "gui/TDim.h"
#include "gui/TGui.h"
#include "match3/TLevel.h"
#include "match3/TLevelManager.h"
#include "match3/TTileCatalog.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "player/TGlobalSnd.h"
#include "player/TOptions.h"
#include "player/TProfileManager.h"
#include "screens/TCredits.h"
#include "screens/TEnterText.h"
#include "screens/TMainMenu.h"
#include "screens/TPickMode.h"
#include "support/AppFixture.h"
#include "support/TestScreenContext.h"
#include "tree/TTreeScreen.h"

namespace {

constexpr int kGiveUpFrame = 3000;

// Input by frame. Frames are counted where the menu's opening animation runs, which is every
// frame of the menu and of the credits and dialogs over it.
class InputScript {
 public:
  std::map<int, std::function<void()>> steps;
  std::function<void()> everyFrame;
  int frames = 0;
  void step() {
    if (everyFrame) everyFrame();
    if (auto s = steps.find(frames); s != steps.end()) s->second();
    ++frames;
  }
  void at(int frame, std::function<void()> action) { steps[frame] = std::move(action); }
  void clickAt(int frame, float x, float y) {
    steps[frame] = [x, y] {
      platform::InjectMouseMove(int(x), int(y));
      platform::InjectMouseButton(1, true);
    };
    steps[frame + 1] = [] { platform::InjectMouseButton(1, false); };
  }
  void keyAt(int frame, int key) {
    steps[frame] = [key] { platform::InjectKey(key, true); };
    steps[frame + 1] = [key] { platform::InjectKey(key, false); };
  }
  void typeAt(int frame, const std::string& text) {
    for (const char ch : text) {
      const int code = static_cast<unsigned char>(ch);
      steps[frame] = [code] { platform::InjectChar(code); };
      frame += 2;
    }
  }
};

class ScriptedMenu : public TMainMenu {
 public:
  using TMainMenu::TMainMenu;
  InputScript script;
  void _updateAnims() override {
    script.step();
    if (script.frames == kGiveUpFrame) {
      ADD_FAILURE() << "the menu did not end";
      goExit();
    }
    TMainMenu::_updateAnims();
  }
  void clickButton(int frame, const std::string& buttonId) {
    auto button = Gui->getItem(buttonId);
    ASSERT_TRUE(button && button->dim) << buttonId;
    // Where the button rests once the menu has slid in.
    script.clickAt(frame, 157, button->dim->y + button->dim->h / 2);
  }
};

// The mode question with its own input, and how often it was asked.
class ScriptedPickMode : public TPickMode {
 public:
  using TPickMode::TPickMode;
  InputScript script;
  int opened = 0;
  void prepare(TEkran* behind) override {
    ++opened;
    script.frames = 0;
    TPickMode::prepare(behind);
  }
  void update() override {
    script.step();
    TPickMode::update();
  }
};

// The credits, with the virtual times at which they opened and closed.
class RecordedCredits : public TCredits {
 public:
  using TCredits::TCredits;
  std::vector<int> opened, closed;
  int mainLoop(TMainMenu& menu) override {
    opened.push_back(platform::MilliSecs());
    const int result = TCredits::mainLoop(menu);
    closed.push_back(platform::MilliSecs());
    return result;
  }
};

class MainMenuTest : public testsupport::AppFixture {
 protected:
  void SetUp() override {
    AppFixture::SetUp();
    if (HasFatalFailure()) return;
    App& app = App::get();
    testing::internal::CaptureStdout();
    app.globalSnd().setup();
    app.options().setup();
    app.tileCatalog()->loadAll();
    app.levelManager().setup();
    app.treeScreen().setup();
    app.enterText().setup();
    app.profiles().setup();
    app.profiles().loadProfiles();
    pickMode = std::make_unique<ScriptedPickMode>(app);
    pickMode->setup();
    credits = std::make_unique<RecordedCredits>(app);
    credits->setup();
    menu = std::make_unique<ScriptedMenu>(MainMenuServices{app, app.treeScreen(), app.profiles(),
                                                           app.options(), app.globalSnd(),
                                                           *pickMode, *credits});
    menu->setup();
    const std::string setupLog = testing::internal::GetCapturedStdout();
    EXPECT_EQ(setupLog.find("BLAD"), std::string::npos) << setupLog;
  }
  void TearDown() override {
    menu.reset();
    credits.reset();
    pickMode.reset();
    AppFixture::TearDown();
  }

  TProfile& givePlayer(const std::string& name) {
    auto profile = std::make_shared<TProfile>(App::get());
    profile->name = name;
    auto entry = createProfileData(name, profile->getMyID());
    profile->url = entry->url;
    App::get().profiles().profiles.push_back(entry);
    App::get().profiles().profile = profile;
    return *profile;
  }
  std::string runMenu() {
    testing::internal::CaptureStdout();
    std::string result = menu->mainLoop();
    log = testing::internal::GetCapturedStdout();
    return result;
  }

  std::string log;
  std::unique_ptr<ScriptedPickMode> pickMode;
  std::unique_ptr<RecordedCredits> credits;
  std::unique_ptr<ScriptedMenu> menu;
};

// Frames by which the menu has slid in (100 frames at the nominal rate) and the idle credits
// have not yet started (480 frames).
constexpr int kMenuIn = 110;

TEST_F(MainMenuTest, GreetingNamesThePlayerOrInvitesOne) {
  menu->prepare();
  auto button = menu->Gui->getItemAs<TButton>("manager");
  ASSERT_TRUE(button);
  EXPECT_EQ(button->_txt, menu->txtHello[2]);
  EXPECT_FALSE(menu->txtHello[2].empty());

  givePlayer("Holly");
  menu->prepare();
  EXPECT_EQ(button->_txt, menu->txtHello[0] + "Holly" + menu->txtHello[1]);
  EXPECT_NE(button->_txt.find("Holly"), std::string::npos);
  EXPECT_GT(button->dim->w, 100) << "the button is measured for its new text";
}

TEST_F(MainMenuTest, QuestChoices) {
  struct Case {
    const char* what;
    bool resumable;
    int modeBefore;
    int answerKey;  // key pressed in the mode question, 0 when it must not open
    const char* result;
    int modeAfter;
  };
  const Case cases[] = {
      {"a new quest, Enter: relaxed", false, 0, platform::key::ENTER, "NEW-QUEST", 1},
      {"a new quest, Escape: timed", false, 1, platform::key::ESCAPE, "NEW-QUEST", 0},
      {"a quest to resume keeps its mode", true, 1, 0, "RESUME-QUEST", 1},
  };
  for (const Case& c : cases) {
    TProfile& player = givePlayer("Ivy");
    player.mode = c.modeBefore;
    if (c.resumable) player.questLevel = std::make_shared<TLevel>(nullptr);
    pickMode->opened = 0;
    pickMode->script = {};
    if (c.answerKey) pickMode->script.keyAt(10, c.answerKey);
    menu->script = {};
    menu->clickButton(kMenuIn, "PLAYQUEST");
    EXPECT_EQ(runMenu(), c.result) << c.what;
    EXPECT_EQ(player.mode, c.modeAfter) << c.what;
    EXPECT_EQ(pickMode->opened, c.answerKey ? 1 : 0) << c.what;
    if (c.answerKey) {
      EXPECT_NE(log.find("PICKED MODE : " + std::to_string(c.modeAfter)), std::string::npos)
          << c.what << log;
    }
    EXPECT_TRUE(menu->fadedOut()) << c.what;
  }
}

TEST_F(MainMenuTest, PickModeAnswers) {
  struct Case {
    const char* what;
    std::function<void(InputScript&)> input;
    int answer;
  };
  auto click = [&](const char* id) {
    return [this, id](InputScript& s) {
      auto button = pickMode->gui->getItem(id);
      ASSERT_TRUE(button && button->dim);
      s.clickAt(5, button->dim->x + button->dim->w / 2, button->dim->y + button->dim->h / 2);
    };
  };
  const Case cases[] = {
      {"Enter is yes", [](InputScript& s) { s.keyAt(5, platform::key::ENTER); }, 1},
      {"Escape is no", [](InputScript& s) { s.keyAt(5, platform::key::ESCAPE); }, 0},
      {"the yes button", click("yes"), 1},
      {"the no button", click("no"), 0},
  };
  for (const Case& c : cases) {
    pickMode->script = {};
    c.input(pickMode->script);
    EXPECT_EQ(pickMode->mainLoop(menu.get()), c.answer) << c.what;
    platform::InjectMouseButton(1, false);
    EXPECT_EQ(platform::KeyHit(platform::key::ESCAPE), 0) << c.what << ": no key left over";
  }
}

TEST_F(MainMenuTest, ExitAndEscapeLeaveWithASave) {
  for (const bool escape : {false, true}) {
    givePlayer("Noel");
    menu->script = {};
    if (escape)
      menu->script.keyAt(kMenuIn, platform::key::ESCAPE);
    else
      menu->clickButton(kMenuIn, "EXIT");
    EXPECT_EQ(runMenu(), "END");
    EXPECT_TRUE(platform::FileType(App::get().profiles().profile->url) == 1)
        << (escape ? "Escape" : "EXIT") << " saved the profile";
    platform::DeleteFile(App::get().profiles().profile->url);
  }
}

TEST_F(MainMenuTest, CreditsAfterEightIdleSecondsAndAgainAfterClosing) {
  givePlayer("Bell");
  // Nobody touches anything: the credits come by themselves; a click closes them; nothing
  // again for eight seconds brings them back; then Escape leaves.
  constexpr int kIdleFrames = 8000 * 60 / 1000;
  menu->script.clickAt(kIdleFrames + 60, 400, 300);
  menu->script.keyAt(2 * kIdleFrames + 200, platform::key::ESCAPE);
  const int start = platform::MilliSecs();
  // Leaving the second showing by the Escape means a click first: the credits take no keys.
  menu->script.clickAt(2 * kIdleFrames + 150, 400, 300);
  EXPECT_EQ(runMenu(), "END");
  ASSERT_EQ(credits->opened.size(), 2u);
  const int frameMs = 1000 / 60 + 1;
  EXPECT_NEAR(credits->opened[0] - start, 8000, 3 * frameMs);
  EXPECT_NEAR(credits->opened[1] - credits->closed[0], 8000, 3 * frameMs)
      << "the idle time starts again when the credits close";
}

TEST_F(MainMenuTest, CreditsButtonOpensThemAtOnce) {
  givePlayer("Star");
  menu->clickButton(kMenuIn, "CREDITS");
  menu->script.clickAt(kMenuIn + 60, 400, 300);
  menu->script.keyAt(kMenuIn + 120, platform::key::ESCAPE);
  const int start = platform::MilliSecs();
  EXPECT_EQ(runMenu(), "END");
  ASSERT_EQ(credits->opened.size(), 1u);
  EXPECT_LT(credits->opened[0] - start, 3000);
}

TEST_F(MainMenuTest, ClickDuringTheCreditsFadeInFadesThemOutFromThere) {
  givePlayer("Snow");
  menu->prepare();
  float highest = 0, previous = 0;
  bool fell = false;
  menu->script.everyFrame = [&] {
    highest = std::max(highest, credits->alpha);
    fell = fell || credits->alpha < previous;
    previous = credits->alpha;
  };
  menu->script.keyAt(2, platform::key::ESCAPE);
  menu->script.clickAt(5, 400, 300);
  credits->mainLoop(*menu);
  EXPECT_GT(highest, 0.1f);
  EXPECT_LT(highest, 0.6f) << "the fade-out starts from the opacity reached";
  EXPECT_TRUE(fell);
  EXPECT_FLOAT_EQ(credits->alpha, 0);
  EXPECT_EQ(platform::KeyHit(platform::key::ESCAPE), 0) << "keys hit meanwhile are dropped";
  EXPECT_EQ(App::get().mouse().leftPressed, 0);
}

TEST_F(MainMenuTest, FirstStartAsksTheNameOnceTheMenuIsIn) {
  ASSERT_FALSE(App::get().profiles().profile);
  // A click on PLAY while there is no player does nothing; the name entry opens by itself
  // as soon as the menu has slid in; the typed name makes the player and the greeting.
  menu->clickButton(60, "PLAYQUEST");
  menu->script.at(95, [this] {
    for (const char* id : {"PLAYQUEST", "SETTINGS", "CREDITS", "EXIT"}) {
      auto button = menu->Gui->getItem(id);
      EXPECT_TRUE(button->_v && !button->_a) << id << " is shown but not clickable";
    }
  });
  menu->script.typeAt(kMenuIn + 40, "Ann");
  menu->script.keyAt(kMenuIn + 50, platform::key::ENTER);
  menu->script.keyAt(kMenuIn + 90, platform::key::ESCAPE);
  EXPECT_EQ(runMenu(), "END");
  EXPECT_EQ(pickMode->opened, 0);
  ASSERT_TRUE(App::get().profiles().profile);
  EXPECT_EQ(App::get().profiles().profile->name, "Ann");
  EXPECT_NE(menu->Gui->getItemAs<TButton>("manager")->_txt.find("Ann"), std::string::npos);
}

TEST_F(MainMenuTest, ButtonsSlideInAndRest) {
  givePlayer("Fir");
  menu->prepare();
  auto play = menu->Gui->getItem("PLAYQUEST");
  auto strip = menu->Gui->getItem("TLO");
  auto bar = menu->Gui->getItem("PASEK");
  auto manager = menu->Gui->getItem("manager");
  ASSERT_TRUE(play && strip && bar && manager);
  menu->update();
  EXPECT_LT(play->dim->x, 157 - 250) << "the buttons start off to the left";
  EXPECT_GT(manager->dim->y, 575 + 80) << "the greeting starts below the screen";
  for (int i = 0; i < 120; ++i) {
    menu->update();
    platform::Flip(-1);
  }
  EXPECT_FLOAT_EQ(menu->lPer, 1.0f);
  EXPECT_FLOAT_EQ(play->dim->x, 157);
  EXPECT_FLOAT_EQ(strip->dim->x, 48);
  EXPECT_FLOAT_EQ(bar->dim->y, 558);
  EXPECT_FLOAT_EQ(manager->dim->y, 575);
  EXPECT_FLOAT_EQ(strip->_alpha, 0.65f);
  EXPECT_FLOAT_EQ(play->_alpha, 1.0f);
  EXPECT_TRUE(play->_a) << "clickable with a player";
}

// ---- The credits' lines ----------------------------------------------------------------------

class CreditsLinesTest : public ::testing::Test {
 protected:
  testsupport::TempDir dir;
};

TEST_F(CreditsLinesTest, LinesSlideFromTheirSideOntoTheirPlace) {
  const std::string path = dir.path() + "/credits.dat";
  std::ofstream(path)
      << "credits {\n\tlines = 3\n"
         "\ttxt1 {\n\t\tx = 100\n\t\ty = 20\n\t\tkier = 1\n\t\ttxt = \"Right\"\n\t}\n"
         "\ttxt2 {\n\t\tx = 300\n\t\ty = 40\n\t\tkier = 0\n\t\tfont = 1\n\t}\n"
         "\ttxt3 {\n\t\tfont = 7\n\t}\n}\n";
  TCreditsTxt lines[3];
  {
    testing::internal::CaptureStdout();
    testsupport::TestScreenContext context;
    TCredits credits(context);
    credits.loadLines(path);
    testing::internal::GetCapturedStdout();
    ASSERT_EQ(credits.creditsList.size(), 3u);
    std::copy(credits.creditsList.begin(), credits.creditsList.end(), lines);
  }
  EXPECT_EQ(lines[0].txt, "Right");
  EXPECT_EQ(lines[1].fontN, 1);
  EXPECT_EQ(lines[2].fontN, 1) << "a font index beyond the two fonts is held to the last";
  EXPECT_FLOAT_EQ(lines[2].dx, 50) << "a line without a place rests at (50, 50)";

  const float oldDelta = delta;
  delta = 0;
  for (auto& line : lines) line.update();
  EXPECT_FLOAT_EQ(lines[0].x, 150 + 400) << "from the right";
  EXPECT_FLOAT_EQ(lines[0].y, 70);
  EXPECT_FLOAT_EQ(lines[0].per, 0) << "invisible at the start";
  EXPECT_FLOAT_EQ(lines[1].x, 350 - 400) << "from the left";
  delta = 1;
  for (int i = 0; i < 105; ++i)
    for (auto& line : lines) line.update();
  EXPECT_FLOAT_EQ(lines[0].per, 1);
  EXPECT_NEAR(lines[0].x, 150, 1e-3);
  EXPECT_NEAR(lines[1].x, 350, 1e-3);
  lines[0].reset();
  EXPECT_FLOAT_EQ(lines[0].per, 0);
  delta = oldDelta;
}

TEST_F(CreditsLinesTest, MissingFileGivesNoLines) {
  testing::internal::CaptureStdout();
  testsupport::TestScreenContext context;
  TCredits credits(context);
  credits.loadLines(dir.path() + "/none.dat");
  testing::internal::GetCapturedStdout();
  EXPECT_TRUE(credits.creditsList.empty());
}

}  // namespace
