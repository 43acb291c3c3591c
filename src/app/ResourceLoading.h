#pragma once
#include <array>

#include "screens/TLoadingScreen.h"

class App;

// What each of the loading screen's seven steps loads: themes, catalogues, every screen's
// set-up, level sets, sounds and music, particle, snow, glow, sleigh and icicle pictures.
std::array<TLoadingScreen::Step, TLoadingScreen::kSteps> loadingSteps(App& app);
