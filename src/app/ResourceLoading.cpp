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
#include "player/TProfileManager.h"
#include "screens/TDeleteProfile.h"
#include "screens/TEnterText.h"
#include "screens/TInGameMenu.h"
#include "screens/TLoseScreen.h"
#include "screens/TWinScreen.h"
#include "tree/TTreeScreen.h"

namespace {

void loadBoardCatalogues(TTileCatalog& catalog) {
  catalog.loadSizes();
  catalog.loadTiles();
  catalog.loadTileBacks();
  catalog.loadBackgrounds();
  catalog.loadRamki();
}

}  // namespace

void loadSharedResources() {
  App& app = App::get();
  TGlobalSnd& sounds = app.globalSnd();
  // Step 1: the default window theme, the main game, the tree screen with its shop, the board
  // catalogues, the delete confirmation, the texts.
  TTheme::loadDefault(assets::WINDOW_THEME, "temat1", app.themes());
  app.mainGame().setup();
  app.treeScreen().setup();
  loadBoardCatalogues(*app.tileCatalog());
  sounds.loadMusicPart(1);
  app.deleteProfile().setup();
  Teksty::setup();
  // Step 2: the name entry, the lose and win screens, the in-game menu, the sleigh.
  sounds.loadMusicPart(2);
  app.enterText().setup();
  app.loseScreen().setup();
  app.winScreen().setup();
  app.inGameMenu().setup();
  TSanta::setup();
  // Step 3: the level sets, the profile manager.
  app.levelManager().setup();
  app.profiles().setup();
  sounds.loadMusicPart(3);
  // Step 4: the sound effects, particle pictures, bonus kinds and snow.
  sounds.setup();
  TParticle::setup();
  app.tileCatalog()->loadBonusy();
  loadSnowImages();
  sounds.loadMusicPart(4);
  // Step 5: the profiles, the hover glow and the icicles.
  app.profiles().loadProfiles();
  Poswiata::setup();
  sounds.loadMusicPart(5);
  loadSople();
  // Steps 6 and 7: the last musics.
  sounds.loadMusicPart(6);
  sounds.loadMusicPart(7);
}
