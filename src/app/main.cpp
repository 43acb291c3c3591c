#include "app/App.h"
#include "app/Globals.h"
#include "app/Startup.h"
#include "platform/platform.h"

int main() {
  App::create();
  platform::AppTitle("The Glimmerfir");
  gameFolderName = "Glimmerfir";
  return runGame();
}
