#include "app/ResourceLoading.h"

#include "app/App.h"
#include "datafile/AssetNames.h"
#include "datafile/Teksty.h"
#include "effects/Poswiata.h"
#include "effects/TParticle.h"
#include "effects/TSanta.h"
#include "effects/TSnow.h"
#include "effects/TSopel.h"
#include "gui/TTheme.h"
#include "match3/TLevelManager.h"
#include "match3/TMainGame.h"
#include "match3/TTileCatalog.h"
#include "player/TGlobalSnd.h"
#include "tree/TShopCatalogue.h"
#include "tree/TTreeStage.h"

namespace {

void loadBoardCatalogues(TTileCatalog& catalog) {
  catalog.loadSizes();
  catalog.loadTiles();
  catalog.loadTileBacks();
  catalog.loadBackgrounds();
  catalog.loadRamki();
}

// The tree by night and the shop with every product.
void loadTreeShop(TTreeStage& stage, TShopCatalogue& shop) {
  stage.loadPixel();
  stage.layers().setImages(TTreeLayers::loadImages(assets::TREE_LAYERS_NIGHT));
  shop.load(assets::DATA_CATEGORIES);
}

}  // namespace

void loadSharedResources() {
  App& app = App::get();
  TGlobalSnd& sounds = app.globalSnd();
  // Step 1: the default window theme, the main game, the tree and its shop, the board
  // catalogues, the texts.
  TTheme::loadDefault(assets::WINDOW_THEME, "temat1", app.themes());
  app.mainGame().setup();
  loadTreeShop(app.treeStage(), app.shop());
  loadBoardCatalogues(*app.tileCatalog());
  sounds.loadMusicPart(1);
  Teksty::setup();
  // Step 2: the sleigh.
  sounds.loadMusicPart(2);
  TSanta::setup();
  // Step 3: the level sets.
  app.levelManager().setup();
  sounds.loadMusicPart(3);
  // Step 4: the sound effects, particle pictures, bonus kinds and snow.
  sounds.setup();
  TParticle::setup();
  app.tileCatalog()->loadBonusy();
  loadSnowImages();
  sounds.loadMusicPart(4);
  // Step 5: the hover glow and the icicles.
  Poswiata::setup();
  sounds.loadMusicPart(5);
  loadSople();
  // Steps 6 and 7: the last musics.
  sounds.loadMusicPart(6);
  sounds.loadMusicPart(7);
}
