// The tree screen's shop: the sliding panel and bin, the tabs, the product list with its
// pages, the buttons, and the keys.
#include <algorithm>
#include <string>

#include "core/Ease.h"
#include "core/Globals.h"
#include "datafile/AssetNames.h"
#include "effects/TFlyText.h"
#include "gui/ScreenContext.h"
#include "gui/TBMFont.h"
#include "gui/TGui.h"
#include "gui/TGuiObject.h"
#include "gui/TMouse.h"
#include "platform/files.h"
#include "platform/strings.h"
#include "tree/ITreeProfile.h"
#include "tree/ITreeSounds.h"
#include "tree/TLancuchData.h"
#include "tree/TShopCatalogue.h"
#include "tree/TTreeScreen.h"
#include "tree/TTreeStage.h"
#include "tree/TreeScreenContext.h"

namespace {

constexpr int kShownProducts = 6;
constexpr int kSlotX = 52, kSlotY = 125, kSlotHitX = 50, kSlotHitY = 127;
constexpr int kCheatKey = 67;  // C

// Sin(90 + 90 p): 1 when p is 0, 0 when p is 1.
float slide(float p) { return platform::Sin(90.0f + 90.0f * p); }

}  // namespace

int TTreeScreen::panelOffset() const {
  return int(slide(per) * -float(platform::ImageWidth(panelL)));
}

void TTreeScreen::_updatePer() {
  if (per == 1.0f) EVENT_TREE_PUT = EVENT_PLAYER_PICKED = 0;
  if (fade == 0) _per = easeToward(_per, _dper, 0.02f * delta);
  hidePer = easeToward(hidePer, dHidePer, 0.05f * delta);
  per = _per * hidePer;
  if (_per == 0 && _dper == 0) dFade = 1.0f;
}

void TTreeScreen::_updateKosz() {
  koszPer = easeToward(koszPer, dKoszPer, 0.05f * delta);
  koszX = dkoszX + slide(koszPer) * 200.0f;
  koszy = dKoszy;
  dKoszAlpha = koszOver() ? 1.0f : 0.5f;
  koszAlpha = easeToward(koszAlpha, dKoszAlpha, 0.01f * delta);
  if (dKoszAlpha == 1.0f && screen_.mouse().leftPressed && (picked || pickedOb)) {
    wyrzuc();
    platform::FlushKeys();
    clearMouseHit();
  }
}

bool TTreeScreen::koszOver() const {
  if (!kosz) return false;
  platform::ResetCollisions(0);
  platform::SetScale(1, 1);
  platform::CollideImage(kosz, float(int(koszX)), float(int(koszy)), 0, 0, 1, 0);
  return services_.treeStage().pointerOnWritten();
}

void TTreeScreen::_drawPanels() {
  platform::SetBlend(platform::ALPHABLEND);
  platform::SetColor(255, 255, 255);
  platform::SetScale(1, 1);
  platform::SetRotation(0);
  platform::SetAlpha(koszAlpha);
  platform::DrawImage(kosz, koszX, koszy);
  platform::SetAlpha(per);
  const float px = float(panelOffset());
  platform::DrawImage(panelL, px, 0);
  platform::DrawImage(panelK, px + float(platform::ImageWidth(panelL)), 0);
  platform::DrawImage(panelOko, px, float(platform::ImageHeight(panelL)));
  platform::DrawImage(panelP, 800.0f - slide(1.0f - per) * float(platform::ImageWidth(panelP)),
                      600.0f - float(platform::ImageHeight(panelP)));
  const int stars = services_.treeProfile().stars();
  const float scale = stars < 1000 ? 1.0f : stars < 10000 ? 0.7f : 0.5f;
  const int y = stars < 1000 ? 0 : stars < 10000 ? 5 : 10;
  platform::SetScale(scale, scale);
  TFlyText::drawMyText(std::to_string(stars), int(px) + 86, y, font.get(), 1);
  platform::SetScale(1, 1);
}

// ---- Tabs ------------------------------------------------------------------------------------

void TTreeScreen::_updateKategorie() {
  const TMouse& mouse = screen_.mouse();
  const float w = float(platform::ImageWidth(inactiveImg[0]));
  const float h = float(platform::ImageHeight(inactiveImg[0]));
  overCat = nullptr;
  for (const auto& tab : services_.shop().kategorie)
    if (mouse.inRect(float(int(tab->dim->x)), float(int(tab->dim->y)), w, h)) overCat = tab;
  if (overCat && mouse.leftPressed) pickCategory(overCat);
}

void TTreeScreen::pickCategory(const TKategoriaPtr& tab) {
  pickedCat = tab;
  startowy = 0;
  platform::FlushMouse();
  clearMouseHit();
}

void TTreeScreen::_drawKategorie() {
  const auto& tabs = services_.shop().kategorie;
  const float offset = slide(per) * -float(platform::ImageWidth(panelL));
  platform::SetScale(1, 1);
  platform::SetColor(255, 255, 255);
  size_t chosen = inactiveImg.size();
  for (size_t k = 0; k < tabs.size() && k < inactiveImg.size(); ++k) {
    if (tabs[k] == pickedCat) {
      chosen = k;
      continue;
    }
    const float x = float(int(tabs[k]->dim->x + offset));
    const float y = float(int(tabs[k]->dim->y));
    platform::SetBlend(platform::ALPHABLEND);
    platform::SetAlpha(per);
    platform::DrawImage(inactiveImg[k], x, y);
    if (tabs[k] != overCat) continue;
    platform::SetBlend(platform::LIGHTBLEND);
    platform::SetAlpha(0.3f * per);
    platform::DrawImage(inactiveImg[k], x, y);
  }
  platform::SetBlend(platform::ALPHABLEND);
  platform::SetAlpha(per);
  if (chosen < tabs.size())
    platform::DrawImage(activeImg[chosen], float(int(tabs[chosen]->cdim->x + offset)),
                        tabs[chosen]->cdim->y);
}

// ---- Products --------------------------------------------------------------------------------

std::vector<TElementDataPtr> TTreeScreen::getVisibleProductsList() const {
  if (!pickedCat) return {};
  const auto& all = pickedCat->produkty;
  const size_t first = std::min(all.size(), size_t(std::max(0, startowy)));
  const size_t last = std::min(all.size(), first + kShownProducts);
  return {all.begin() + std::ptrdiff_t(first), all.begin() + std::ptrdiff_t(last)};
}

bool TTreeScreen::canBeNext() const {
  if (!pickedCat) return false;
  const int count = int(pickedCat->produkty.size());
  return count > 4 && startowy + kShownProducts < count;
}

bool TTreeScreen::canBePrev() const {
  return pickedCat && pickedCat->produkty.size() > 4 && startowy != 0;
}

bool TTreeScreen::canBeBought(const TElementData& product) const {
  return services_.treeProfile().stars() >= product.cena;
}

void TTreeScreen::goNext() { startowy += 1; }
void TTreeScreen::goPrev() { startowy -= 1; }

float TTreeScreen::setProperScale(const platform::Image& image, float w, float h) {
  const float iw = float(platform::ImageWidth(image)), ih = float(platform::ImageHeight(image));
  if (iw > w || ih > h) {
    const float s = std::min(w / iw, h / ih);
    platform::SetScale(s, s);
    return s;
  }
  platform::SetScale(1, 1);
  return 1;
}

void TTreeScreen::_drawProdukty() {
  const auto shown = getVisibleProductsList();
  const int x = int(slide(per) * -float(platform::ImageWidth(panelL)) + float(kSlotX));
  for (size_t i = 0; i < shown.size(); ++i) {
    const int y = kSlotY + int(i) * platform::ImageHeight(pole);
    _drawSingleProduct(*shown[i], x, y, canBeBought(*shown[i]));
  }
  platform::SetScale(1, 1);
  platform::SetBlend(platform::ALPHABLEND);
  platform::SetAlpha(1);
}

void TTreeScreen::_drawSingleProduct(const TElementData& product, int x, int y, bool affordable) {
  TElementData& p = const_cast<TElementData&>(product);
  const float shown = affordable ? per : 0.5f * per;
  platform::SetBlend(platform::ALPHABLEND);
  platform::SetAlpha(shown);
  platform::SetColor(255, 255, 255);
  setProperScale(p.gfx, float(platform::ImageWidth(pole)), float(platform::ImageHeight(pole)));
  if (auto* chain = dynamic_cast<TLancuchData*>(&p)) {
    // A chain's picture is one link: the shop shows a short garland of it.
    float sx = 1, sy = 1;
    platform::GetScale(sx, sy);
    chain->drawMe(float(x - 30), float(y - 12), float(x + 30), float(y - 12));
    platform::SetScale(sx, sy);
  } else {
    p.draw(x, y);
  }
  if (affordable && over.get() == &product) {
    platform::SetBlend(platform::LIGHTBLEND);
    platform::SetAlpha(0.2f * per);
    p.draw(x, y);
  }
  platform::SetBlend(platform::ALPHABLEND);
  platform::SetAlpha(shown);
  platform::SetScale(1, 1);
  TFlyText::drawMyText(std::to_string(product.cena), x, y, font.get(), 1);
}

void TTreeScreen::_updateProdukty() {
  over = nullptr;
  if (productsActive && pickedCat && !picked && !pickedOb) {
    const TMouse& mouse = screen_.mouse();
    const float w = float(platform::ImageWidth(pole)), h = float(platform::ImageHeight(pole));
    const auto shown = getVisibleProductsList();
    for (size_t i = 0; i < shown.size(); ++i) {
      if (!canBeBought(*shown[i])) continue;
      const float cy = float(kSlotHitY + int(i) * platform::ImageHeight(pole));
      if (mouse.inRect(float(kSlotHitX) - w / 2, cy - h / 2, w, h)) over = shown[i];
    }
    if (over && mouse.leftPressed) {
      pickProduct(over);
      przesuwamLancuch = 0;
    }
  }
  if (over && over != previousOver_) services_.treeSounds().overSound();
  previousOver_ = over;
}

void TTreeScreen::pickProduct(const TElementDataPtr& product) {
  picked = product;
  chainStep = dynamic_cast<TLancuchData*>(product.get()) ? 1 : 0;
  platform::FlushMouse();
  clearMouseHit();
  EVENT_PLAYER_PICKED = 1;
}

// ---- Buttons and keys ------------------------------------------------------------------------

void TTreeScreen::_updateGui() {
  if (Gui) {
    const float width = float(platform::ImageWidth(panelL));
    for (const auto& item : Gui->_listaObiektow) {
      if (!item->dim) continue;
      float x = 50.0f + slide(per) * -width;
      if (platform::SameText(item->_id, "PLAY")) x = 730.0f + slide(per) * width;
      if (platform::SameText(item->_id, "eye")) x = 45.0f + slide(per) * -width;
      item->setPosition(x, item->dim->y);
    }
    if (auto next = Gui->getItem("next")) next->setState(canBeNext(), canBeNext());
    if (auto prev = Gui->getItem("prev")) prev->setState(canBePrev(), canBePrev());
  }
  TEkran::_updateGui();
}

void TTreeScreen::_controlGUI() {
  if (!Gui || !services_.treeTutorial().guiAllowed()) return;
  if (Gui->clickedItem("PLAY")) goExit();
  if (Gui->clickedItem("next")) goNext();
  if (Gui->clickedItem("prev")) goPrev();
  if (Gui->clickedItem("eye")) goEye();
}

void TTreeScreen::_controlKEYBOARD() {
  if (platform::FileType(assets::CHEATS_SWITCH) == 1 && platform::KeyHit(kCheatKey))
    services_.treeProfile().addStars(platform::Rand(1, 125));
}

void TTreeScreen::_controlMOUSE() {
  const TMouse& mouse = screen_.mouse();
  if (mouse.rightPressed && picked) {
    picked = nullptr;  // nothing was charged for it yet
    chainStep = 0;
    xp = yp = 0;
    dHidePer = 1.0f;
    return;
  }
  const bool buttonClicked = Gui && (Gui->clickedItem("PLAY") || Gui->clickedItem("next") ||
                                     Gui->clickedItem("prev") || Gui->clickedItem("eye"));
  if (mouse.leftPressed && !picked && !pickedOb && !buttonClicked && dHidePer == 0) dHidePer = 1.0f;
}

void TTreeScreen::goEye() {
  dHidePer = 0;
  dKoszPer = 0;
}

void TTreeScreen::goExit() {
  _dper = 0;
  dKoszPer = 0;
  wynik = "MAIN-GAME";
  services_.treeTutorial().closeHint();
  services_.treeProfile().saveProfile();
}
