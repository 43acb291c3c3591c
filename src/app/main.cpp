#include "app/App.h"
#include "app/AssetFolder.h"
#include "app/Startup.h"
#include "core/Globals.h"
#include "datafile/AssetNames.h"
#include "platform/WindowIcon.h"
#include "platform/platform.h"

int main() {
  // Every asset path is relative to the asset folder, and the singletons load pictures.
  if (!AssetFolder::enter()) return 1;
  App::create();
  platform::AppTitle("The Glimmerfir");
  platform::AppIcon(assets::WINDOW_ICON);
  gameFolderName = "Glimmerfir";
  return runGame();
}
