#pragma once

// Loads every shared resource in the order of the loading screen's seven steps: themes,
// catalogues, level sets, sounds and music, particle, snow, glow, sleigh and icicle pictures.
void loadSharedResources();
