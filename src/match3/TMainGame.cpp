#include "match3/TMainGame.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/Globals.h"
#include "datafile/AssetNames.h"
#include "effects/ParticleConstructors.h"
#include "effects/TFlyText.h"
#include "effects/TSnow.h"
#include "gui/ScreenContext.h"
#include "gui/TBMFont.h"
#include "gui/TGui.h"
#include "match3/IMainGameOverlays.h"
#include "match3/IMainGameProfile.h"
#include "match3/IMainGameSounds.h"
#include "match3/IMainGameTutorial.h"
#include "match3/Match3Board.h"
#include "match3/TLevel.h"
#include "platform/Log.h"
#include "platform/files.h"
#include "platform/strings.h"

using namespace platform;

namespace {
constexpr float kBarHidden = -51.0f;  // where the top bar starts sliding in
constexpr float kBarGone = -90.0f;    // where it stops sliding out after a win
constexpr int kOpeningMs = 2000;
constexpr int kTickMs = 1000;
constexpr int kLowTimeSeconds = 10;  // the clock warns for the last seconds of a timed level
constexpr int kWinScreenDelayMs = 2000;
// The board's centre on the 800 x 600 screen; the ready and go pictures sit on it.
constexpr int kCentreX = 400, kCentreY = 340;

std::string twoDigits(int n) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d", n);
  return text;
}
}  // namespace

std::string formatClock(int seconds) {
  const int s = std::max(seconds, 0);
  return twoDigits(s / 60) + ":" + twoDigits(s % 60);
}

// The board's reports, turned into this screen's counters, flags and hint.
class TMainGame::BoardEvents : public IBoardListener {
 public:
  explicit BoardEvents(TMainGame& game) : game_(game) {}
  void addPoints(int points) override { game_.punktyZebrane += points; }
  void addStar() override { game_.gwiazdkiZebrane += 1; }
  void eventMatch() override { game_.EVENT_MATCH = 1; }
  void eventSpecTileMatch() override { game_.EVENT_SPEC_TILE_MATCH = 1; }
  void eventChainMatch() override { game_.EVENT_CHAIN_MATCH = 1; }
  void setMatch(int row1, int col1, int row2, int col2, HintDirection kier) override {
    game_.setMatch(row1, col1, row2, col2, kier);
  }
  void resetTileMatch() override {
    if (game_.tileMatch) game_.tileMatch->reset();
  }
  void resetFullTileMatch() override {
    if (game_.tileMatch) game_.tileMatch->resetFull();
  }
  TParticleList* pointsParticles() override { return game_.pointsParticles.get(); }
  bool tutorialHintShown() const override { return game_.services_.tutorial().hintShown(); }

 private:
  TMainGame& game_;
};

TMainGame::TMainGame(ScreenContext& screen, MainGameContext& services)
    : TEkran(screen),
      screen_(screen),
      services_(services),
      boardEvents_(std::make_unique<BoardEvents>(*this)) {
  id = "Main Game";
  setChainParticles(chainParticles);
  setTextParticles(textParticles);
}

TMainGame::~TMainGame() = default;

// ---- Set-up ---------------------------------------------------------------------------------

void TMainGame::setup() {
  _setupGUI();
  _setupMatch3();
}

void TMainGame::_setupGUI() {
  Gui = loadGui(assets::GUI_MAIN_GAME, screen_);
  top = LoadImage(assets::TOP_BAR, ImageFlags::Default);
  levelComplited = std::make_shared<TLevelComplited>();
  levelComplited->picture =
      LoadImage(assets::LEVEL_COMPLETED, ImageFlags::Filtered | ImageFlags::Mipmapped);
  MidHandleImage(levelComplited->picture);
  font = TBMFont::Create(assets::FONT_DIR, assets::FONT_WHITESMALL);
  clickImg = LoadAnimImage(assets::SELECT_MARKER, assets::SELECT_CELL, assets::SELECT_CELL, 0,
                           assets::SELECT_FRAMES, ImageFlags::Filtered | ImageFlags::Mipmapped);
  MidHandleImage(clickImg);
  maxFrame = 21.0f;
  tileMatch = std::make_shared<TTileMatch>();
  tileMatch->setup();
}

void TMainGame::_setupMatch3() {
  if (!match3) match3 = std::make_shared<Match3Board>(screen_.mouse());
}

// ---- Called by the screen flow --------------------------------------------------------------

void TMainGame::setLevel(const std::shared_ptr<TLevel>& newLevel) {
  level = newLevel;
  if (!level) return;
  if (!match3) _setupMatch3();
  level->connect(boardListener(), services_.boardSounds());
  match3->setLevel(level);
  level->loadBackGround();
  match3->startDrawing();
  level->blinkTime = MilliSecs() + Rand(5000, 8000);
  gwiazdkiZebrane = level->starsCollected;
  punktyZebrane = level->scoreCollected;
}

void TMainGame::setStartData() {
  state = "BEGIN";
  toExit = 0;
}

void TMainGame::setState(const std::string& s) { state = s; }

// ---- Opening --------------------------------------------------------------------------------

void TMainGame::_prepareSelf() {
  wynik.clear();
  dFade = 0.0f;
  fade = 1.0f;
  match3->clearFlights();
  toExit = 0;
  state = "BEGIN";
  addTextParticle(1, kCentreX, kCentreY, 400, 1.0f);
  levelComplited->reset();
  level->hold = 1;
  match3->hideMe();
  time = MilliSecs() + kOpeningMs;
  if (tileMatch) tileMatch->resetFull();
  timerOn = 0;
  match3->clearClicked();
  // Focus lost before the level opened is not a reason to pause it.
  WindowFocusLost();
}

void TMainGame::_prepareTop() {
  y = kBarHidden;
  speedy = -1.0f;
  showHide = 1;
}

void TMainGame::prepare() {
  _prepareSelf();
  _prepareTop();
  playMusic(level->musicID);
  // The load before this screen must not count as one huge first frame.
  for (int i = 0; i < 51; ++i) updateDeltaTime();
  _startTime = MilliSecs();
}

std::string TMainGame::mainLoop() {
  if (!level || !match3) {
    platform::Log("MAIN-GAME : no level to play");
    return "MAIN-MENU";
  }
  prepare();
  do {
    Cls();
    update();
    draw();
    Flip(-1);
    _controlGUI();
    _controlKEYBOARD();
    if (fade == 1.0f && dFade == 1.0f) toExit = 1;
  } while (!toExit);
  finish();
  platform::Log(summaryLine());
  return wynik;
}

void TMainGame::finish() { match3->finishFlights(); }

std::string TMainGame::summaryLine() const {
  return "LEVEL END : " + Upper(state) + " POINTS : " + std::to_string(punktyZebrane) +
         " STARS : " + std::to_string(gwiazdkiZebrane) + " TIME : " + getTimeString();
}

// ---- Per-frame update -----------------------------------------------------------------------

void TMainGame::update() {
  updateCommon();
  _updateGame();
  _updateState();
  _updateFade();
  updateParticles(&globalParticles);
  updateParticles(pointsParticles.get());
  updateParticles(chainParticles.get());
  updateParticles(textParticles.get());
  _updateSpec();
  _updateGUI();
  _updateCzas();
  _updateSelect();
  _updateEnviroment();
  if (!SameText(state, "WIN") && !SameText(state, "WIN-INFO")) services_.tutorial().update();
  _updateTileMatch();
}

void TMainGame::_updateGame() {
  // The flags describe this frame only; the board raises them while it runs.
  EVENT_MATCH = 0;
  EVENT_SPEC_TILE_MATCH = 0;
  EVENT_CHAIN_MATCH = 0;
  match3->update();
  level->starsCollected = gwiazdkiZebrane;
  level->scoreCollected = punktyZebrane;
  if (SameText(state, "NORMAL") && level->win) WIN();
}

void TMainGame::_updateState() {
  struct Row {
    const char* name;
    void (TMainGame::*step)();
  };
  static const Row table[] = {
      {"BEGIN", &TMainGame::_STATE_Begin},
      {"WIN", &TMainGame::_STATE_Win},
      {"WIN-INFO", &TMainGame::_STATE_WinInfo},
      {"LOSE", &TMainGame::_STATE_Lose},
      {"MAIN-MENU", &TMainGame::_STATE_Main_menu},
      {"MAIN-MENU-RESTART", &TMainGame::_STATE_Main_menu_restart},
      {"RESTART", &TMainGame::_STATE_Restart},
      {"NORMAL", nullptr},
  };
  const std::string upper = Upper(state);
  for (const Row& row : table) {
    if (upper != row.name) continue;
    if (row.step) (this->*row.step)();
    return;
  }
  state = "NORMAL";
}

void TMainGame::_updateFromOtherScreen() {
  match3->updateTiles();
  _updateSpec();
  updateParticles(pointsParticles.get());
  updateParticles(textParticles.get());
  updateParticles(chainParticles.get());
}

void TMainGame::_updateSpec() { levelComplited->update(); }

void TMainGame::_updateGUI() {
  if (!Gui) return;
  if (auto menu = Gui->getItem("menu")) {
    // The button shows exactly as far as the bar has come in.
    menu->_alpha = 1.0f - y / kBarHidden;
    menu->_dAlpha = menu->_alpha;
  }
  Gui->update();
}

void TMainGame::_updateCzas() {
  if (timerOn != 1 || SameText(state, "WIN") || SameText(state, "WIN-INFO") || mode() != 0) return;
  const int now = MilliSecs();
  // A tutorial hint on screen holds the clock: the board takes no input while it is read.
  if (services_.tutorial().hintShown()) {
    time = now + kTickMs;
    return;
  }
  if (now <= time) return;
  time = now + kTickMs;
  level->czas -= 1;
  if (level->czas > 0) {
    if (level->czas <= kLowTimeSeconds) services_.sounds().playClockTick();
    return;
  }
  level->czas = 0;
  addTextParticle(10, 400, 300, 400, 1.0f);
  timerOn = 0;
  state = "LOSE";
  match3->startDrawingBack();
  LOSE();
}

void TMainGame::_updateSelect() {
  sFrame += 0.4f * delta;
  if (sFrame > maxFrame) sFrame = 0.0f;
}

void TMainGame::_updateEnviroment() {
  updateSnow();
  if (Rand(1, 2) == 1)
    addSnowFlake(float(Rand(0, 800)), -30.0f, float(Rand(25, 100)), float(Rand(450, 550)));
}

void TMainGame::_updateTileMatch() {
  if (tileMatch) tileMatch->update();
}

// ---- States ---------------------------------------------------------------------------------

void TMainGame::_STATE_Begin() {
  const int now = MilliSecs();
  if (now <= time) return;
  level->hold = 0;
  addTextParticleQuick(0, kCentreX, kCentreY, 1000);
  timerOn = 1;
  time = now + kTickMs;
  state = "NORMAL";
  match3->startDrawing();
  services_.sounds().playBegin();
}

void TMainGame::_STATE_Win() {
  if (tileMatch) tileMatch->resetFull();
  if (MilliSecs() <= pomCzas) return;
  services_.overlays().winScreen(*this);
  state = "WIN-INFO";
}

void TMainGame::_STATE_WinInfo() {
  wynik = "GET-NEXT-QUEST-LEVEL";
  toExit = 1;
}

void TMainGame::_STATE_Lose() {}

void TMainGame::_STATE_Main_menu() {
  dFade = 1.0f;
  wynik = "MAIN-MENU";
}

void TMainGame::_STATE_Main_menu_restart() {
  dFade = 1.0f;
  wynik = "MAIN-MENU-RESTART";
}

void TMainGame::_STATE_Restart() {
  toExit = 1;
  wynik = "RESTART-LEVEL";
}

void TMainGame::WIN() {
  if (tileMatch) tileMatch->reset();
  pomCzas = MilliSecs() + kWinScreenDelayMs;
  levelComplited->start();
  match3->startDrawingBack();
  state = "WIN";
  playMusic("level-summary");
  speedy = 2.0f;
  showHide = 0;
}

void TMainGame::LOSE() {
  if (tileMatch) tileMatch->reset();
  state = services_.overlays().loseScreen(*this);
}

// ---- Input ----------------------------------------------------------------------------------

void TMainGame::_controlGUI() {
  const bool menuClicked = Gui && Gui->clickedItem("MENU");
  const bool escape = KeyHit(key::ESCAPE) != 0;
  // A player who leaves the window pauses the level, so its clock does not run meanwhile.
  const bool away = WindowFocusLost();
  // Once the level is being left there is nothing to pause: a menu opened during the fade
  // after a loss could turn the restart the lost level needs into a plain return to the menu.
  if ((menuClicked || escape || away) && !levelBeingLeft()) goMENU();
}

bool TMainGame::levelBeingLeft() const {
  // A won level counts too: a menu in the two seconds before its summary could leave it for
  // the main menu or a restart, and the win would never be paid.
  for (const char* leaving :
       {"WIN", "LOSE", "WIN-INFO", "MAIN-MENU", "MAIN-MENU-RESTART", "RESTART"})
    if (SameText(state, leaving)) return true;
  return false;
}

void TMainGame::goMENU() {
  services_.profile().save();
  const std::string choice = Upper(services_.overlays().inGameMenu(*this));
  if (choice == "RESTART") state = "RESTART";
  if (choice == "MAIN-MENU") state = "MAIN-MENU";
}

bool TMainGame::cheatsOn() const { return FileType(assets::CHEATS_SWITCH) != 0; }

void TMainGame::_controlKEYBOARD() {
  if (KeyHit('W') && cheatsOn()) WIN();
  if (KeyHit(key::SPACE) && cheatsOn()) match3->shuffleTiles();
  if (KeyHit(key::F1) && cheatsOn()) state = "RESTART";
  if (KeyHit(key::F2) && cheatsOn() && level->over)
    match3->useVanish(int(level->over->r), int(level->over->c), 5);
  if (KeyHit('P') && cheatsOn()) particlesEnabled = particlesEnabled ? 0 : 1;
}

// ---- Queries --------------------------------------------------------------------------------

bool TMainGame::clockRunsLow() const {
  return timerOn == 1 && mode() == 0 && level && level->czas > 0 &&
         level->czas <= kLowTimeSeconds && !SameText(state, "WIN") && !SameText(state, "WIN-INFO");
}

TRGB TMainGame::clockColour() const {
  if (!clockRunsLow()) return TRGB{};
  // Red at each second's tick, easing toward a paler red until the next one.
  const float sinceTick = 1.0f - float(std::clamp(time - MilliSecs(), 0, kTickMs)) / kTickMs;
  const int pale = int(60.0f + 110.0f * sinceTick);
  return TRGB{255, pale, pale - 10};
}

std::string TMainGame::getTimeString() const { return formatClock(level ? level->czas : 0); }

int TMainGame::isBonus(int bonusId) const { return match3 && match3->isBonus(bonusId) ? 1 : 0; }

void TMainGame::setMatch(int row1, int col1, int row2, int col2, HintDirection direction) {
  if (tileMatch && level) tileMatch->setMatch(*level, row1, col1, row2, col2, direction);
}

int TMainGame::mode() const { return services_.profile().mode(); }

int TMainGame::levelNumber() const { return services_.profile().nrLeveluQuest(); }

void TMainGame::playMusic(const std::string& name) { services_.sounds().playMyMusic(name); }

// ---- Drawing --------------------------------------------------------------------------------

void TMainGame::draw() {
  _drawBack();
  _drawGame();
  _drawTileMatch();
  _drawGUI();
  drawParticles(&globalParticles);
  drawParticles(pointsParticles.get());
  drawParticles(chainParticles.get());
  drawParticles(textParticles.get());
  drawFlyTexts();
  _drawSpec();
  services_.tutorial().draw();
  _drawFade();
  _drawMouse();
}

void TMainGame::_drawBack() {
  SetColor(255, 255, 255);
  SetAlpha(1);
  SetBlend(ALPHABLEND);
  SetRotation(0);
  SetScale(1, 1);
}

void TMainGame::_drawGame() {
  match3->draw();
  SetScale(1, 1);
  const std::shared_ptr<TTile> selected = match3->clicked();
  if (!selected) return;
  SetColor(255, 255, 255);
  SetAlpha(selected->alpha);
  SetBlend(ALPHABLEND);
  SetRotation(0);
  DrawImage(clickImg, selected->x, selected->y, int(sFrame));
}

void TMainGame::_drawTileMatch() {
  if (tileMatch) tileMatch->draw();
}

void TMainGame::_drawGUI() {
  if (showHide == 1) {
    speedy = std::fabs(y / kBarGone) + 2.5f;
    y = std::min(y + speedy * delta, 0.0f);
  } else {
    speedy = 2.0f;
    y = std::max(y - speedy * delta, kBarGone);
  }
  SetColor(255, 255, 255);
  SetAlpha(1);
  SetBlend(ALPHABLEND);
  SetRotation(0);
  SetScale(1, 1);
  if (top) DrawImage(top, 0, y, 0);
  if (Gui) {
    if (auto menu = Gui->getItem("menu"); menu && menu->dim) {
      menu->dim->y = 28.0f + y;
      menu->countDims();
    }
  }
  _drawGui();
  drawCounters();
}

void TMainGame::drawCounters() {
  SetScale(0.8f, 0.8f);
  SetAlpha(1.0f - std::fabs(y / kBarGone));
  SetColor(255, 255, 255);
  const int textY = int(5.0f + y);
  TFlyText::drawMyText(std::to_string(punktyZebrane), 287, textY, font.get(), 1);
  TFlyText::drawMyText(std::to_string(gwiazdkiZebrane), 464, textY, font.get(), 1);
  TFlyText::drawMyText(std::to_string(levelNumber()), 624, textY, font.get(), 1);
  if (mode() == 0) {
    const TRGB colour = clockColour();
    SetColor(colour.r, colour.g, colour.b);
    TFlyText::drawMyText(getTimeString(), 111, textY, font.get(), 1);
    SetColor(255, 255, 255);
  }
  SetScale(1, 1);
}

void TMainGame::_drawSpec() { levelComplited->draw(); }
