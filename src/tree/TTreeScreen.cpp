#include "tree/TTreeScreen.h"

#include "core/Ease.h"
#include "core/Globals.h"
#include "datafile/AssetNames.h"
#include "datafile/ImageLoading.h"
#include "effects/ParticleConstructors.h"
#include "effects/TSanta.h"
#include "effects/TSnow.h"
#include "gui/ScreenContext.h"
#include "gui/TBMFont.h"
#include "gui/TGui.h"
#include "gui/TMouse.h"
#include "tree/ITreeProfile.h"
#include "tree/ITreeSounds.h"
#include "tree/TShopCatalogue.h"
#include "tree/TTreeStage.h"
#include "tree/TreeDrawing.h"
#include "tree/TreeScreenContext.h"

namespace {

constexpr int kChimneyX = 256, kChimneyY = 204;
constexpr int kSmokeEveryMs = 50;
constexpr float kSunX = 370, kSunY = 70;

platform::Image midHandled(const char* path) {
  platform::Image image = platform::LoadImage(path);
  platform::MidHandleImage(image);
  return image;
}

}  // namespace

TTreeScreen::TTreeScreen(ScreenContext& screen, TreeScreenContext& services)
    : TEkran(screen), screen_(screen), services_(services) {}

TTreeScreen::~TTreeScreen() = default;

// ---- Set-up and the frame loop ---------------------------------------------------------------

void TTreeScreen::setup() {
  czubekX = 458;
  czubekY = 100;
  dkoszX = 750;
  dKoszy = 560;
  loadPictures();
  font = TBMFont::Create(assets::FONT_DIR, assets::FONT_WHITESMALL);
  Gui = loadGui(assets::GUI_TREE_SCREEN, screen_);
  TTreeStage& stage = services_.treeStage();
  stage.loadPixel();
  TShopCatalogue& shop = services_.shop();
  shop.load(assets::DATA_CATEGORIES);
  pickedCat = shop.kategorie.empty() ? nullptr : shop.kategorie.front();
  santa = std::make_unique<TSanta>();
  setNightTree();
}

void TTreeScreen::loadPictures() {
  gfxDay = platform::LoadImage(assets::TREE_BACK_DAY);
  gfxNight = platform::LoadImage(assets::TREE_BACK_NIGHT);
  if (!gfxNight) platform::Notify("Nie ma grafiki nocy");
  if (!gfxDay) platform::Notify("Nie ma grafiki dnia");
  choinkaDay = TTreeLayers::loadImages(assets::TREE_LAYERS_DAY);
  choinkaNight = TTreeLayers::loadImages(assets::TREE_LAYERS_NIGHT);
  for (size_t i = 0; i < sun.size(); ++i) sun[i] = midHandled(assets::TREE_SUN[i]);
  panelL = platform::LoadImage(assets::SHOP_PANEL_MAIN);
  panelK = platform::LoadImage(assets::SHOP_PANEL_RIGHT);
  panelOko = platform::LoadImage(assets::SHOP_PANEL_EYE);
  panelP = platform::LoadImage(assets::SHOP_PLAY_BACK);
  kosz = midHandled(assets::TREE_BIN);
  sign[0] = midHandled(assets::SIGN_BLOCKED);
  sign[1] = midHandled(assets::SIGN_BLOCKED_PRESENT);
  for (size_t k = 0; k < inactiveImg.size(); ++k) {
    inactiveImg[k] = loadImageOrWarn(assets::SHOP_TABS_INACTIVE[k]);
    activeImg[k] = loadImageOrWarn(assets::SHOP_TABS_ACTIVE[k]);
  }
  pole = midHandled(assets::SHOP_ITEM_SLOT);
}

void TTreeScreen::setDayTree() {
  services_.treeStage().layers().setImages(choinkaDay);
  gfx = gfxDay;
}

void TTreeScreen::setNightTree() {
  services_.treeStage().layers().setImages(choinkaNight);
  gfx = gfxNight;
}

void TTreeScreen::prepare() {
  _exit = 0;
  dFade = 0;
  fade = 1.0f;
  productsActive = 1;
  _per = 0;
  _dper = 1.0f;
  hidePer = dHidePer = 1.0f;
  if (santa) santa->reset();
  _startTime = platform::MilliSecs();
  koszAlpha = 0;
  dKoszAlpha = 0.5f;
  koszPer = 0;
  dKoszPer = 1.0f;
  sunA = {0, 1, 0};
  sunDa = {1, 0, 1};
  if (Gui)
    if (auto play = Gui->getItem("PLAY")) play->setState(1, 1);
  const int level = services_.treeProfile().levelNumber();
  if (level > 0 && level % 4 == 0)
    setDayTree();
  else
    setNightTree();
  if (dontPlayMusicAfterTitleScreen)
    dontPlayMusicAfterTitleScreen = 0;
  else
    services_.treeSounds().playMyMusic("main menu");
}

std::string TTreeScreen::mainLoop() {
  if (!Gui) setup();
  prepare();
  do {
    platform::Cls();
    update();
    draw();
    platform::Flip(-1);
    _controlGUI();
    _controlKEYBOARD();
    _controlMOUSE();
  } while (!(dFade >= 1.0f && fade >= 1.0f));
  return wynik;
}

void TTreeScreen::update() {
  updateCommon();
  _updatePer();
  _updateKategorie();
  _updateProdukty();
  _updateChoinka(1);
  _updateEnviroment();
  _updatePicked();
  _updateKosz();
  _updateGui();
  updateParticles(&globalParticles);
  _updateFade();
  _updateSmoke();
  services_.treeTutorial().update();
}

void TTreeScreen::draw() {
  _drawBack();
  _drawSun();
  _drawSanta();
  drawSnowFar();
  drawParticles(&smokeList);
  _drawOzdoby();
  _drawChoinka();
  drawSnowNear();
  _drawPanels();
  _drawKategorie();
  _drawProdukty();
  _drawGui();
  drawParticles(&globalParticles);
  _drawPicked();
  _drawFade();
  services_.treeTutorial().draw();
  _drawMouse();
}

void TTreeScreen::drawFromOther() {
  _drawBack();
  _drawSun();
  _drawSanta();
  drawSnowFar();
  drawParticles(&smokeList);
  drawSnowNear();
  _drawOzdoby();
  _drawChoinka();
}

void TTreeScreen::updateFromOther() {
  _updateChoinka(0);
  _updateEnviroment();
  _updateSmoke();
}

// ---- Scenery ---------------------------------------------------------------------------------

void TTreeScreen::_drawBack() {
  platform::SetBlend(platform::ALPHABLEND);
  platform::SetColor(255, 255, 255);
  platform::SetAlpha(1);
  platform::SetScale(1, 1);
  platform::SetRotation(0);
  platform::DrawImage(gfx, 0, 0);
}

void TTreeScreen::_drawSun() {
  if (!gfx || gfx != gfxDay) return;
  platform::SetBlend(platform::ALPHABLEND);
  platform::SetScale(1, 1);
  for (int i : {2, 1}) {
    platform::SetRotation(rot[size_t(i)]);
    platform::SetAlpha(sunA[size_t(i)]);
    platform::DrawImage(sun[size_t(i)], kSunX, kSunY);
  }
  platform::SetRotation(0);
  platform::SetAlpha(0.7f + 0.3f * sunA[0]);
  platform::DrawImage(sun[0], kSunX, kSunY);
  platform::SetAlpha(1);
}

void TTreeScreen::_drawSanta() {
  if (santa && gfx == gfxNight) santa->draw();
}

void TTreeScreen::_updateEnviroment() {
  updateSnow();
  _updateSmoke();
  if (platform::Rand(1, 2) == 1)
    addSnowFlake(float(platform::Rand(0, 800)), -30, float(platform::Rand(25, 100)),
                 float(platform::Rand(450, 550)));
  for (size_t i = 0; i < sunA.size(); ++i) {
    sunA[i] = easeToward(sunA[i], sunDa[i], 0.02f * delta);
    if (sunA[i] == sunDa[i]) sunDa[i] = sunDa[i] > 0.5f ? 0.0f : 1.0f;
    rot[i] += 0.2f * delta;
    if (rot[i] > 360) rot[i] = 360 - rot[i];
  }
  if (santa) santa->update();
}

void TTreeScreen::_updateSmoke() {
  if (platform::MilliSecs() > smokeTime) {
    addSmokeParticle(kChimneyX + platform::Rand(-6, 6), kChimneyY + platform::Rand(-6, 6),
                     &smokeList);
    smokeTime = platform::MilliSecs() + kSmokeEveryMs;
  }
  updateParticles(&smokeList);
}

// ---- The tree --------------------------------------------------------------------------------

void TTreeScreen::_drawOzdoby() {
  ITreeProfile& profile = services_.treeProfile();
  if (!profile.hasPlayer()) return;
  queueDecorations(profile.decorations(), pickedOb.get());
  if (!pickedOb || !pickedOb->data) return;
  TTreeStage& stage = services_.treeStage();
  if (dKoszAlpha >= 1.0f) stage.actS = 0.5f;
  const TMouse& mouse = screen_.mouse();
  pickedOb->data->drawWithHandle(mouse.x, mouse.y, nullptr, 0);
  stage.actS = 1.0f;
}

void TTreeScreen::_drawChoinka() {
  ITreeProfile& profile = services_.treeProfile();
  static const std::vector<TElementChoinkiPtr> kNone;
  drawTreeAndDecorations(services_.treeStage(), profile.hasPlayer() ? profile.decorations() : kNone,
                         pickedOb.get());
  const TMouse& mouse = screen_.mouse();
  if (pickedOb && pickedOb->data && !getChoinkaOVer2(mouse.x, mouse.y))
    _drawSign(*pickedOb->data, dKoszAlpha >= 1.0f ? 0.5f : 1.0f);
}

void TTreeScreen::_drawSign(TElementData& data, float scale) {
  const TMouse& mouse = screen_.mouse();
  const bool present = data.typ == "DEKOR";
  platform::SetBlend(platform::ALPHABLEND);
  platform::SetAlpha(1);
  platform::SetScale(scale, scale);
  platform::DrawImage(sign[present ? 1 : 0], float(mouse.x + data.getXAd()),
                      float(mouse.y + data.getYAd()));
  platform::SetScale(1, 1);
}

void TTreeScreen::_updateChoinka(int active) {
  ITreeProfile& profile = services_.treeProfile();
  if (!profile.hasPlayer()) return;
  overOb = nullptr;
  // A copy: a decoration's update never changes the list, but a pick below may.
  const std::vector<TElementChoinkiPtr> all = profile.decorations();
  for (const auto& decoration : all)
    if (decoration->update() == 1) overOb = decoration;
  if (picked || pickedOb) overOb = nullptr;
  if (active && overOb && screen_.mouse().leftPressed) {
    pickObjectFromTree(overOb);
    platform::FlushMouse();
    clearMouseHit();
  }
}

void TTreeScreen::clearMouseHit() { screen_.mouse().clear(); }
