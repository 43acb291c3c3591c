#pragma once

// The per-frame steps every screen shares.

// Timer update, `delta` refresh and window events.
void updateDeltaTime();
// The first call of every screen's update: timing, mouse, music, and the quit test.
void updateCommon();
// Saves profiles and settings and ends the program; callable from any frame.
[[noreturn]] void quitGame();
// Left Alt + F4 or a close request for the window.
bool quitRequested();
