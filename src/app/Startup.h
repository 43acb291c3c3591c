#pragma once

// The start sequence before the screen flow: random seed, data folders, settings, window,
// intro and resource loading.
void startGame();
// Program entry after the singletons exist: start sequence, screen flow, quit.
int runGame();
