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
#include "player/TOptions.h"
#include "player/TProfileManager.h"
#include "screens/TCredits.h"
#include "screens/TDeleteProfile.h"
#include "screens/TEnterText.h"
#include "screens/TInGameMenu.h"
#include "screens/TLoseScreen.h"
#include "screens/TMainMenu.h"
#include "screens/TPickMode.h"
#include "screens/TTutorial.h"
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

// The window theme, the main game, the tree screen with its shop, the board catalogues, the
// mode question, the delete confirmation, the texts.
void part1(App& app) {
  TTheme::loadDefault(assets::WINDOW_THEME, "temat1", app.themes());
  app.mainGame().setup();
  app.treeScreen().setup();
  loadBoardCatalogues(*app.tileCatalog());
  app.pickMode().setup();
  app.hints().loadTutorial();
  app.globalSnd().loadMusicPart(1);
  app.deleteProfile().setup();
  Teksty::setup();
}

// The main menu, the lose and win screens, the in-game menu, the name entry, the sleigh.
void part2(App& app) {
  app.mainMenu().setup();
  app.loseScreen().setup();
  app.winScreen().setup();
  app.inGameMenu().setup();
  app.globalSnd().loadMusicPart(2);
  app.enterText().setup();
  TSanta::setup();
}

// The level sets and the profile manager.
void part3(App& app) {
  app.levelManager().setup();
  app.profiles().setup();
  app.globalSnd().loadMusicPart(3);
}

// The sound effects, the options, the particle pictures, the bonus kinds and the snow.
void part4(App& app) {
  app.globalSnd().setup();
  app.options().setup();
  TParticle::setup();
  app.tileCatalog()->loadBonusy();
  loadSnowImages();
  app.globalSnd().loadMusicPart(4);
}

// The profiles, the hover glow, the credits and the icicles. (The particle pictures, read
// again here once, are already loaded.)
void part5(App& app) {
  app.profiles().loadProfiles();
  Poswiata::setup();
  app.globalSnd().loadMusicPart(5);
  app.credits().setup();
  loadSople();
}

}  // namespace

std::array<TLoadingScreen::Step, TLoadingScreen::kSteps> loadingSteps(App& app) {
  return {[&app] { part1(app); },
          [&app] { part2(app); },
          [&app] { part3(app); },
          [&app] { part4(app); },
          [&app] { part5(app); },
          [&app] { app.globalSnd().loadMusicPart(6); },
          [&app] { app.globalSnd().loadMusicPart(7); }};
}
