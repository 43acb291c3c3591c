#include "screens/TMainMenu.h"

#include <cstdio>

#include "core/Globals.h"
#include "datafile/AssetNames.h"
#include "datafile/ImageLoading.h"
#include "datafile/TTxtFile.h"
#include "effects/ParticleConstructors.h"
#include "effects/TSnow.h"
#include "gui/ScreenContext.h"
#include "gui/TButton.h"
#include "gui/TGui.h"
#include "platform/platform.h"
#include "platform/strings.h"
#include "player/TGlobalSnd.h"
#include "player/TOptions.h"
#include "player/TProfileManager.h"
#include "screens/TCredits.h"
#include "screens/TPickMode.h"
#include "tree/TTreeScreen.h"

namespace {
// Where the menu's pieces rest once it has slid in; k = 1 − eased progress.
constexpr float kButtonsX = 157, kButtonsFrom = 300;
constexpr float kManagerY = 575, kBarY = 558, kRiseFrom = 100;
constexpr float kStripX = 48, kStripAlpha = 0.65f;
}  // namespace

TMainMenu::TMainMenu(const MainMenuServices& services)
    : TEkran(services.screen), services_(services) {
  id = "MainMenu";
}

void TMainMenu::setup() {
  const TTxtFile texts = loadTxtFile(assets::TEXT_MAIN_MENU);
  for (size_t i = 0; i < txtHello.size(); ++i) txtHello[i] = getTxt(texts, int(i) + 1);
  logo = loadCentredImageOrWarn(assets::MAIN_MENU_TITLE);
  Gui = loadGui(assets::GUI_MAIN_MENU, services_.screen);
}

void TMainMenu::resetCreditsTime() { creditsTime = platform::MilliSecs() + kIdleMs; }

// ---- Opening ---------------------------------------------------------------------------------

std::string TMainMenu::greeting() const {
  const auto& profile = services_.profiles.profile;
  return profile ? txtHello[0] + profile->name + txtHello[1] : txtHello[2];
}

void TMainMenu::_prepareProfileManagerButton() {
  auto button = Gui->getItemAs<TButton>("manager");
  if (!button) return;
  button->_txt = greeting();
  button->countDims();
}

void TMainMenu::_prepareSelf() {
  _exit = 0;
  dFade = 0;
  fade = 1;
  for (int i = 0; i < 51; ++i) updateDeltaTime();
  starParticles.clear();
  x2 = kTitleX;
  y2 = kTitleY;
  resetCreditsTime();
}

void TMainMenu::_prepareAnims() {
  services_.tree.setNightTree();
  lPer = 0;
  per = 0;
}

void TMainMenu::prepare() {
  if (!Gui) setup();
  wynik = "END";
  _prepareProfileManagerButton();
  _prepareSelf();
  _prepareAnims();
  services_.sounds.playMyMusic("main menu");
}

// ---- Frame loop ------------------------------------------------------------------------------

std::string TMainMenu::mainLoop() {
  prepare();
  while (!_exit) {
    platform::Cls();
    update();
    draw();
    platform::Flip(-1);
    if (!services_.profiles.profile && shownFully()) {
      services_.profiles.createNewProfile(this, behind());
      _prepareProfileManagerButton();
      resetCreditsTime();
    } else {
      _controlGUI();
      _controlKEYBOARD();
    }
    if (leaving()) resetCreditsTime();
    if (fade == 1.0f && dFade == 1.0f) _exit = 1;
  }
  return wynik;
}

void TMainMenu::update() {
  updateCommon();
  _updateGui();
  _updateGuiAlpha();
  _updateAlpha();
  updateParticles();
  _updateFade();
  _updateAnims();
  _updateBack();
  _updateCreditsTime();
}

void TMainMenu::draw() {
  _drawBack();
  drawParticles(&starParticles);
  _drawLogo();
  _drawGui();
  drawParticles();
  _drawFade();
  _drawMouse();
}

void TMainMenu::_drawBack() {
  platform::SetColor(255, 255, 255);
  platform::SetAlpha(1);
  platform::SetBlend(platform::ALPHABLEND);
  platform::SetRotation(0);
  platform::SetScale(1, 1);
  services_.tree.drawFromOther();
  drawSnow();
}

void TMainMenu::_drawLogo() { platform::DrawImage(logo, x2, y2); }

void TMainMenu::_updateFromOtherScreen() {
  updateParticles();
  _updateAnims();
}

void TMainMenu::_updateBack() { services_.tree.updateFromOther(); }

void TMainMenu::_updateCreditsTime() {
  if (platform::MilliSecs() <= creditsTime) return;
  services_.credits.mainLoop(*this);
  resetCreditsTime();
}

// ---- Opening animation -----------------------------------------------------------------------

void TMainMenu::_updateAnims() {
  per = std::min(per + 0.01f * delta, 1.0f);
  lPer = platform::Sin(90.0f + 90.0f * (1.0f - per));
  TRGB colour;
  colour.r = platform::Rand(150, 255);
  colour.g = platform::Rand(150, 255);
  colour.b = 0;
  if (platform::MilliSecs() > partTime) {
    partTime = platform::MilliSecs() + 30;
    const int halfW = platform::ImageWidth(logo) / 2;
    const int left = int(x2 - float(halfW)), right = int(x2 + float(halfW));
    for (int i = 0; i < 6; ++i) {
      const int y = int(y2 + float(platform::ImageHeight(logo) / 2 + platform::Rand(-20, -10)));
      addSparkMoving(2, platform::Rand(left, right), y, 0, 0, platform::Rnd(0.5f, 1.0f), colour,
                     platform::LIGHTBLEND, &starParticles);
    }
  }
  updateParticles(&starParticles);
}

void TMainMenu::_updateGuiAlpha() {
  if (!Gui) return;
  const bool player = services_.profiles.profile != nullptr;
  const float k = 1.0f - lPer;
  for (const auto& object : Gui->_listaObiektow) {
    const bool animation = object->_class == GUI_ANIMATION;
    if (player) {
      object->setState(1, 1);
    } else if (!animation) {
      object->setState(1, 0);
    }
    object->_alpha = object->_dAlpha = lPer;
    placeGuiObject(*object, k);
  }
  if (auto strip = Gui->getItem("tlo")) strip->_alpha = strip->_dAlpha = kStripAlpha * lPer;
}

void TMainMenu::placeGuiObject(TGuiObject& object, float k) const {
  if (!object.dim) return;
  const std::string name = platform::Upper(object._id);
  const bool animation = object._class == GUI_ANIMATION;
  if (name == "MANAGER") {
    object.dim->y = kManagerY + kRiseFrom * k;
    object.countDims();
  } else if (animation && name == "PASEK") {
    object.dim->y = kBarY + kRiseFrom * k;
  } else if (animation && name == "TLO") {
    object.dim->x = kStripX - kButtonsFrom * k;
  } else if (!animation) {
    object.dim->x = kButtonsX - kButtonsFrom * k;
    object.countDims();
  }
}

// ---- Input -----------------------------------------------------------------------------------

std::function<void()> TMainMenu::behind() {
  return [this] {
    updateSnow();
    _updateAnims();
  };
}

void TMainMenu::_controlGUI() {
  // Once a choice is made the menu only fades: a second click cannot change it.
  if (leaving() || !Gui) return;
  if (Gui->clickedItem("PLAYQUEST")) {
    goQuest();
    resetCreditsTime();
  } else if (Gui->clickedItem("SETTINGS")) {
    goSettings();
    resetCreditsTime();
  } else if (Gui->clickedItem("CREDITS")) {
    goCredits();
    resetCreditsTime();
  } else if (Gui->clickedItem("EXIT")) {
    goExit();
  } else if (Gui->clickedItem("manager")) {
    goProfileManager();
    resetCreditsTime();
  }
}

void TMainMenu::_controlKEYBOARD() {
  if (platform::KeyHit(platform::key::ESCAPE) && !leaving()) goExit();
}

void TMainMenu::goProfileManager() {
  services_.profiles.mainLoop(this, [this] {
    updateSnow();
    _updateFromOtherScreen();
  });
  _prepareProfileManagerButton();
}

void TMainMenu::goQuest() {
  auto& profile = services_.profiles.profile;
  if (!profile) return;
  if (profile->canResumeQuest()) {
    wynik = "RESUME-QUEST";
  } else {
    wynik = "NEW-QUEST";
    const int mode = services_.pickMode.mainLoop(this);
    std::printf("PICKED MODE : %d\n", mode);
    std::fflush(stdout);
    profile->mode = mode;
  }
  goOut();
}

void TMainMenu::goSettings() { services_.options.mainLoop(this, behind()); }

void TMainMenu::goCredits() { services_.credits.mainLoop(*this); }

void TMainMenu::goExit() {
  goOut();
  services_.profiles.saveAll();
  wynik = "END";
}

void TMainMenu::goOut() {
  dFade = 1;
  fade = 0;
}
