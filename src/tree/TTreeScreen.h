// Between two quest levels: the tree in its snowy landscape, by night (by day before every
// fourth level), with the shop. The player buys decorations with stars, hangs, moves and bins
// them, and presses play. The main menu shows the scenery and the tree behind itself.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "core/TEkran.h"
#include "effects/TParticle.h"
#include "platform/platform.h"
#include "tree/TElementChoinki.h"
#include "tree/TKategoria.h"
#include "tree/TTreeLayers.h"

class ScreenContext;
class TBMFont;
class TSanta;
class TreeScreenContext;

class TTreeScreen : public TEkran {
 public:
  TTreeScreen(ScreenContext& screen, TreeScreenContext& services);
  ~TTreeScreen() override;

  int dontPlayMusicAfterTitleScreen = 1;
  platform::Image gfx, gfxDay, gfxNight;
  std::array<platform::Image, 5> choinkaDay{}, choinkaNight{};
  std::array<platform::Image, 3> sun{};
  std::array<float, 3> rot{}, sunA{}, sunDa{};
  platform::Image panelL, panelK, panelOko, panelP;
  platform::Image kosz;
  std::array<platform::Image, 2> sign{};
  std::array<platform::Image, 5> inactiveImg{}, activeImg{};
  platform::Image pole;
  float per = 0;
  float _dper = 0, _per = 0;
  float hidePer = 1, dHidePer = 1;
  float koszX = 950, koszy = 560, dkoszX = 750, dKoszy = 560, koszPer = 0, dKoszPer = 0;
  TKategoriaPtr overCat, pickedCat;
  TElementDataPtr over, picked;
  TElementChoinkiPtr overOb, pickedOb;
  int productsActive = 1;
  std::shared_ptr<TBMFont> font;
  int EVENT_TREE_PUT = 0, EVENT_PLAYER_PICKED = 0;
  TParticleList smokeList;
  int smokeTime = 0;
  std::unique_ptr<TSanta> santa;
  int startowy = 0;
  int chainStep = 0;
  float xp = 0, yp = 0;
  int czubekX = 458, czubekY = 100;
  int przesuwamLancuch = 0;
  float koszAlpha = 0, dKoszAlpha = 0.5f;

  void setup() override;
  void prepare();
  std::string mainLoop();
  void update() override;
  void draw() override;
  void _updateGui() override;
  // The scenery and the tree without the shop, for a screen that shows them behind itself.
  void drawFromOther();
  void updateFromOther();
  void setDayTree();
  void setNightTree();

  // Actions.
  void goEye();
  void goNext();
  void goPrev();
  void goExit();
  void wyrzuc();
  void pickObjectFromTree(const TElementChoinkiPtr& element);
  void pickCategory(const TKategoriaPtr& tab);
  void pickProduct(const TElementDataPtr& product);
  void putBombka(const TElementDataPtr& data, int x, int y);
  void putOzdobka(const TElementDataPtr& data, int x, int y);
  void putLampka(const TElementDataPtr& data, int x, int y);
  void putDekor(const TElementDataPtr& data, int x, int y);
  void putLancuch(const TElementDataPtr& data, int x, int y);
  void BUY(const TElementDataPtr& product);
  void generateCreationParticles(int x, int y, int radius);

  // Tests.
  bool canBeNext() const;
  bool canBePrev() const;
  bool canBeBought(const TElementData& product) const;
  std::vector<TElementDataPtr> getVisibleProductsList() const;
  bool getChoinkaOVer(int x, int y) const;
  bool getChoinkaOVer2(int x, int y) const;
  bool koszOver() const;
  // The panel's offset: minus its width while hidden, 0 while shown.
  int panelOffset() const;

  // Frame parts, in the orders the screen runs them.
  void _updatePer();
  void _updateKategorie();
  void _updateProdukty();
  void _updatePicked();
  void _updateSmoke();
  void _updateEnviroment();
  void _updateChoinka(int active);
  void _updateKosz();
  void _controlMOUSE();
  void _controlGUI();
  void _controlKEYBOARD();

 private:
  void _drawBack();
  void _drawSun();
  void _drawSanta();
  void _drawChoinka();
  void _drawOzdoby();
  void _drawPanels();
  void _drawKategorie();
  void _drawProdukty();
  void _drawSingleProduct(const TElementData& product, int x, int y, bool affordable);
  void _drawLancuch();
  void _drawPicked();
  void _drawSign(TElementData& data, float scale);
  void _updatePickedProduct();
  void _updatePickedObject();
  void putProduct(const TElementDataPtr& data, int x, int y);
  void addToTree(const TElementChoinkiPtr& decoration);
  void dropHeld();
  bool onLayers(int x, int y) const;
  void loadPictures();
  void clearMouseHit();
  static float setProperScale(const platform::Image& image, float w, float h);

  ScreenContext& screen_;
  TreeScreenContext& services_;
  TElementDataPtr previousOver_;
};
