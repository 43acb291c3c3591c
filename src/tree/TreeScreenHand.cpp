// The tree screen's hand: holding a product or a decoration, where it may go, putting it on the
// tree and paying for it, moving decorations, and the bin.
#include <algorithm>
#include <cmath>
#include <string>

#include "effects/ParticleConstructors.h"
#include "gui/ScreenContext.h"
#include "gui/TMouse.h"
#include "platform/Log.h"
#include "tree/DecorationFactory.h"
#include "tree/ITreeProfile.h"
#include "tree/ITreeSounds.h"
#include "tree/TBombkaData.h"
#include "tree/TDekorData.h"
#include "tree/TOzdobkaData.h"
#include "tree/TTreeScreen.h"
#include "tree/TTreeStage.h"
#include "tree/TreeScreenContext.h"

namespace {

constexpr int kGroundTop = 490, kGroundBottom = 580;
constexpr int kStarReach = 25;
constexpr float kChainReach = 100;
constexpr int kSparkleRadius = 15;

bool isPresent(const TElementData& data) { return data.typ == "DEKOR"; }
bool isChain(const TElementData* data) { return dynamic_cast<const TLancuchData*>(data); }

}  // namespace

bool TTreeScreen::onLayers(int x, int y) const {
  const TTreeLayers& layers = services_.treeStage().layers();
  for (int n = 0; n < TTreeLayers::kLayers; ++n)
    if (layers.covers(n, x, y)) return true;
  return false;
}

bool TTreeScreen::getChoinkaOVer(int x, int y) const {
  if (!picked) return false;
  if (isPresent(*picked)) return y >= kGroundTop && y <= kGroundBottom;
  if (picked->isStar())
    return std::abs(czubekX - x) < kStarReach && std::abs(czubekY - y) < kStarReach;
  if (isChain(picked.get()) && chainStep == 0 &&
      std::hypot(float(x) - xp, float(y) - yp) > kChainReach)
    return false;
  return onLayers(x, y);
}

bool TTreeScreen::getChoinkaOVer2(int x, int y) const {
  if (!pickedOb || !pickedOb->data) return false;
  const TElementData& data = *pickedOb->data;
  if (isPresent(data)) return y >= kGroundTop && y <= kGroundBottom;
  if (data.isStar())
    return std::abs(czubekX - x) < kStarReach && std::abs(czubekY - y) < kStarReach;
  return onLayers(x, y);
}

void TTreeScreen::_updatePicked() {
  if (picked)
    _updatePickedProduct();
  else if (pickedOb)
    _updatePickedObject();
}

void TTreeScreen::_updatePickedProduct() {
  dHidePer = 0;
  dKoszPer = 1.0f;
  if (dKoszAlpha == 1.0f) return;
  const TMouse& mouse = screen_.mouse();
  if (!mouse.leftPressed || !getChoinkaOVer(mouse.x, mouse.y)) return;
  const TElementDataPtr product = picked;
  BUY(product);
  putProduct(product, mouse.x, mouse.y);
  services_.treeSounds().playPut();
  EVENT_TREE_PUT = 1;
}

void TTreeScreen::putProduct(const TElementDataPtr& data, int x, int y) {
  if (data->typ == "BOMBKA") putBombka(data, x, y);
  if (data->typ == "OZDOBA") putOzdobka(data, x, y);
  if (data->typ == "LAMPKA") putLampka(data, x, y);
  if (data->typ == "DEKOR") putDekor(data, x, y);
  if (data->typ == "LANCUCH") putLancuch(data, x, y);
}

void TTreeScreen::BUY(const TElementDataPtr& product) {
  platform::Log("PRZESUWAM LANCUCH : " + std::to_string(przesuwamLancuch));
  platform::Log(std::string(58, '-'));
  // A new chain is paid on its second click; one taken off the tree is paid already.
  if (isChain(product.get()) && (chainStep == 1 || przesuwamLancuch)) return;
  services_.treeProfile().addStars(-product->cena);
}

void TTreeScreen::addToTree(const TElementChoinkiPtr& decoration) {
  services_.treeProfile().decorations().push_back(decoration);
}

void TTreeScreen::dropHeld() {
  picked = nullptr;
  dHidePer = 1.0f;
  platform::FlushMouse();
  clearMouseHit();
}

void TTreeScreen::putBombka(const TElementDataPtr& data, int x, int y) {
  addToTree(createBombka(std::dynamic_pointer_cast<TBombkaData>(data), float(x), float(y)));
  generateCreationParticles(x + data->getXAd(), y + data->getYAd(), kSparkleRadius);
  dropHeld();
}

void TTreeScreen::putOzdobka(const TElementDataPtr& data, int x, int y) {
  auto ornament = std::dynamic_pointer_cast<TOzdobkaData>(data);
  if (data->isStar()) {
    // One star crowns the tree: the one there goes, and its price comes back.
    auto& all = services_.treeProfile().decorations();
    for (auto it = all.begin(); it != all.end();) {
      const bool star = dynamic_cast<TOzdobka*>(it->get()) && (*it)->data && (*it)->data->isStar();
      if (!star) {
        ++it;
        continue;
      }
      services_.treeProfile().addStars((*it)->data->cena);
      it = all.erase(it);
    }
    x = czubekX;
    y = czubekY;
  }
  addToTree(createOzdobka(ornament, float(x), float(y)));
  generateCreationParticles(x + data->getXAd(), y + data->getYAd(), kSparkleRadius);
  dropHeld();
}

void TTreeScreen::putLampka(const TElementDataPtr& data, int x, int y) {
  addToTree(createLampka(std::dynamic_pointer_cast<TLampkaData>(data), float(x), float(y)));
  generateCreationParticles(x, y, kSparkleRadius);
  dropHeld();
}

void TTreeScreen::putDekor(const TElementDataPtr& data, int x, int y) {
  addToTree(createDekor(std::dynamic_pointer_cast<TDekorData>(data), float(x), float(y)));
  dropHeld();
}

void TTreeScreen::putLancuch(const TElementDataPtr& data, int x, int y) {
  generateCreationParticles(x, y, kSparkleRadius);
  if (chainStep == 1) {
    xp = float(x);
    yp = float(y);
    chainStep = 0;
  } else {
    addToTree(createLancuch(std::dynamic_pointer_cast<TLancuchData>(data), float(int(xp)),
                            float(int(yp)), float(x), float(y)));
    picked = nullptr;
    dHidePer = 1.0f;
    xp = yp = 0;
    przesuwamLancuch = 0;
  }
  platform::FlushMouse();
  clearMouseHit();
}

void TTreeScreen::generateCreationParticles(int x, int y, int radius) {
  const int count = platform::Rand(10, 25);
  for (int i = 1; i <= count; ++i) {
    const float angle = float(platform::Rand(1, 360));
    const float distance = float(platform::Rand(1, radius));
    TRGB colour;
    colour.r = platform::Rand(0, 255);
    colour.g = platform::Rand(0, 255);
    colour.b = platform::Rand(0, 255);
    addSpark(platform::Rand(2, 4), int(platform::Cos(angle) * distance + float(x)),
             int(platform::Sin(angle) * distance + float(y)), i, colour, platform::LIGHTBLEND,
             nullptr);
  }
}

// ---- Moving what is on the tree --------------------------------------------------------------

void TTreeScreen::pickObjectFromTree(const TElementChoinkiPtr& element) {
  pickedOb = element;
  platform::FlushMouse();
  clearMouseHit();
  przesuwamLancuch = 0;
  if (!dynamic_cast<TLancuch*>(element.get())) return;
  // A chain comes off the tree at once and is hung again with two clicks, free of charge.
  auto& all = services_.treeProfile().decorations();
  all.erase(std::remove(all.begin(), all.end(), element), all.end());
  przesuwamLancuch = 1;
  pickProduct(element->data);
  pickedOb = nullptr;
}

void TTreeScreen::_updatePickedObject() {
  dHidePer = 0;
  dKoszPer = 1.0f;
  if (dKoszAlpha == 1.0f) return;
  const TMouse& mouse = screen_.mouse();
  pickedOb->x = float(mouse.x);
  pickedOb->y = float(mouse.y);
  if (!mouse.leftPressed || !getChoinkaOVer2(mouse.x, mouse.y)) return;
  if (pickedOb->data && pickedOb->data->isStar()) {
    pickedOb->x = float(czubekX);
    pickedOb->y = float(czubekY);
  }
  pickedOb = nullptr;
  clearMouseHit();
  platform::FlushMouse();
  dHidePer = 1.0f;
  services_.treeSounds().playPut();
}

void TTreeScreen::wyrzuc() {
  platform::FlushMouse();
  clearMouseHit();
  ITreeProfile& profile = services_.treeProfile();
  if (pickedOb) {
    auto& all = profile.decorations();
    all.erase(std::remove(all.begin(), all.end(), pickedOb), all.end());
    if (pickedOb->data) profile.addStars(pickedOb->data->cena);
    pickedOb = nullptr;
  } else if (picked) {
    // Only a chain taken off the tree was paid for; a product from the shop was not yet.
    if (isChain(picked.get()) && przesuwamLancuch) profile.addStars(picked->cena);
    picked = nullptr;
    chainStep = 0;
    xp = yp = 0;
    przesuwamLancuch = 0;
  }
  services_.treeSounds().playPut();
  dHidePer = 1.0f;
}

// ---- Drawing the hand ------------------------------------------------------------------------

void TTreeScreen::_drawPicked() {
  if (!picked) return;
  const TMouse& mouse = screen_.mouse();
  TTreeStage& stage = services_.treeStage();
  platform::SetAlpha(1);
  platform::SetColor(255, 255, 255);
  platform::SetBlend(platform::ALPHABLEND);
  if (dKoszAlpha >= 1.0f) stage.actS = 0.5f;
  if (isChain(picked.get()))
    _drawLancuch();
  else
    picked->drawWithHandle(mouse.x, mouse.y, nullptr, 0);
  stage.actS = 1.0f;
  if (!getChoinkaOVer(mouse.x, mouse.y) && !koszOver()) {
    _drawSign(*picked, dKoszAlpha >= 1.0f ? 0.5f : 1.0f);
  } else if (picked->isStar()) {
    // Where the star would go.
    const float oldX = platform::ImageXHandle(picked->gfx),
                oldY = platform::ImageYHandle(picked->gfx);
    platform::SetImageHandle(picked->gfx, float(picked->hx), float(picked->hy));
    platform::SetAlpha(0.5f);
    platform::SetScale(picked->scale, picked->scale);
    platform::DrawImage(picked->gfx, float(czubekX), float(czubekY));
    platform::SetImageHandle(picked->gfx, oldX, oldY);
    platform::SetAlpha(1);
    platform::SetScale(1, 1);
  }
}

void TTreeScreen::_drawLancuch() {
  const TMouse& mouse = screen_.mouse();
  auto& chain = static_cast<TLancuchData&>(*picked);
  if (chainStep == 1) {
    const float s = chain.scale * services_.treeStage().actS;
    platform::SetScale(s, s);
    platform::DrawImage(chain.gfx, float(mouse.x), float(mouse.y));
  } else {
    chain.drawMe(xp, yp, float(mouse.x), float(mouse.y));
  }
  platform::SetScale(1, 1);
}
