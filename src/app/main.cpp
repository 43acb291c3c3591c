#include "app/App.h"
#include "app/Startup.h"
#include "core/Globals.h"
#include "platform/platform.h"

int main() {
  App::create();
  platform::AppTitle("The Glimmerfir");
  gameFolderName = "Glimmerfir";
  return runGame();
}
