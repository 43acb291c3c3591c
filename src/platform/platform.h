// The platform services: the only way the game reaches the window, the screen, the sound
// device, keyboard and mouse, the clock and random numbers. Two back ends share this API: a
// real SDL window, and a headless one (offscreen, virtual clock, scripted input) chosen by the
// environment variable GLIMMERFIR_HEADLESS. File services are in files.h.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/ImageFlags.h"

namespace platform {

// ---- Constants ------------------------------------------------------------------------------

// Blend modes.
constexpr int MASKBLEND = 1;   // no blending; pixels with alpha < 0.5 are not drawn
constexpr int SOLIDBLEND = 2;  // no blending
constexpr int ALPHABLEND = 3;  // src * a + dst * (1 - a)
constexpr int LIGHTBLEND = 4;  // src * a + dst
constexpr int SHADEBLEND = 5;  // dst * src

// Sound flags.
constexpr int SOUND_LOOP = 1;
constexpr int SOUND_STREAM = 2;  // Ogg Vorbis decoded as it plays (music), not at load

// Pixmap formats (only 32-bit ARGB is used by the game).
constexpr int PF_RGBA8888 = 4;

// Key codes are Windows virtual-key codes.
namespace key {
constexpr int BACKSPACE = 8, TAB = 9, ENTER = 13, SHIFT = 16, CONTROL = 17, ALT = 18, PAUSE = 19,
              CAPSLOCK = 20, ESCAPE = 27, SPACE = 32, PAGEUP = 33, PAGEDOWN = 34, END = 35,
              HOME = 36, LEFT = 37, UP = 38, RIGHT = 39, DOWN = 40, INSERT = 45, DELETE_ = 46,
              NUM0 = 96, F1 = 112, F2 = 113, F3 = 114, F4 = 115, F5 = 116, F6 = 117, F7 = 118,
              F8 = 119, F9 = 120, F10 = 121, F11 = 122, F12 = 123, LSHIFT = 160, RSHIFT = 161,
              LCONTROL = 162, RCONTROL = 163, LALT = 164, RALT = 165;
}  // namespace key

// ---- Handles --------------------------------------------------------------------------------

struct ImageData;   // one user's handle on shared frames (CPU pixels, GPU textures)
struct PixmapData;  // 32-bit ARGB pixels
struct ImageFontData;
struct SoundData;
struct ChannelData;

using Image = std::shared_ptr<ImageData>;
using Pixmap = std::shared_ptr<PixmapData>;
using ImageFont = std::shared_ptr<ImageFontData>;
using Sound = std::shared_ptr<SoundData>;
using Channel = std::shared_ptr<ChannelData>;

// ---- Window and frame -----------------------------------------------------------------------

void AppTitle(const std::string& title);
// Opens (or reopens in the other mode) the 800 x 600 screen. depth 32 = desktop full screen
// with the picture scaled and letterboxed, 0 = window. Loaded images and fonts survive a
// reopen. Returns false only when no screen at all could be made.
bool Graphics(int width, int height, int depth = 0, int hertz = 60, int flags = 0);
void EndGraphics();
bool GraphicsOpen();
int GraphicsWidth();
int GraphicsHeight();
void Cls();
void SetClsColor(int r, int g, int b);
// Shows the frame. -1: vsync in full screen, else sleep to the next 1000/60 ms tick.
// This is the one frame boundary: the headless back end advances its clock, runs its input
// script and takes its screenshots here.
void Flip(int sync = -1);
void PollSystem();
// True once after the user asked to close the window (and, headless, at the frame limit).
bool AppTerminate();
// True once after the window lost the keyboard focus or was minimised.
bool WindowFocusLost();
void Notify(const std::string& text);
void ShowMouse();
void HideMouse();

// ---- Graphics state and drawing -------------------------------------------------------------

void SetColor(int r, int g, int b);
void GetColor(int& r, int& g, int& b);
void SetAlpha(float alpha);
float GetAlpha();
void SetBlend(int mode);
int GetBlend();
void SetRotation(float degrees);
float GetRotation();
void SetScale(float sx, float sy);
void GetScale(float& sx, float& sy);
void SetTransform(float degrees, float sx, float sy);

void DrawImage(const Image& image, float x, float y, int frame = 0);
void DrawImageRect(const Image& image, float x, float y, float width, float height, int frame = 0);
void DrawSubImageRect(const Image& image, float x, float y, float width, float height, float sx,
                      float sy, float sw, float sh, float hx = 0, float hy = 0, int frame = 0);
void DrawRect(float x, float y, float width, float height);
void DrawLine(float x1, float y1, float x2, float y2);

// TrueType fonts rendered to images. style 4 = smoothed glyphs. A null font selects the
// built-in default, which needs no file.
ImageFont LoadImageFont(const std::string& path, int size, int style = 4);
void SetImageFont(const ImageFont& font);
ImageFont GetImageFont();
// Text is UTF-8.
void DrawText(const std::string& text, float x, float y);
int TextWidth(const std::string& text);
int TextHeight(const std::string& text);

// ---- Images ---------------------------------------------------------------------------------

// PNG, JPEG (and BMP). Null and a log line when the file is missing or does not decode.
// Loading needs no open window. A file is decoded once per set of flags: every later load of
// it, and every sheet cut from it, shares those pixels and their textures. Each call still
// gives its own image, with its own handle; writing to a locked frame gives that image
// private pixels first, so other users never see the change.
Image LoadImage(const std::string& path, ImageFlags flags = ImageFlags::Default);
Image LoadAnimImage(const std::string& path, int cellWidth, int cellHeight, int firstCell,
                    int cellCount, ImageFlags flags = ImageFlags::Default);
Image CreateImage(int width, int height, int frames = 1, ImageFlags flags = ImageFlags::Default);
Image CopyImage(const Image& image);
int ImageWidth(const Image& image);
int ImageHeight(const Image& image);
int ImageFrames(const Image& image);
void SetImageHandle(const Image& image, float hx, float hy);
void MidHandleImage(const Image& image);
float ImageXHandle(const Image& image);
float ImageYHandle(const Image& image);

// The pixels of one frame, shared with the image: write, then UnlockImage to upload. A frame
// shared with other images is copied for this one first.
Pixmap LockImage(const Image& image, int frame = 0);
void UnlockImage(const Image& image, int frame = 0);

Pixmap CreatePixmap(int width, int height, int format = PF_RGBA8888);
Pixmap LoadPixmap(const std::string& path);
Pixmap CopyPixmap(const Pixmap& pixmap);
int PixmapWidth(const Pixmap& pixmap);
int PixmapHeight(const Pixmap& pixmap);
uint32_t ReadPixel(const Pixmap& pixmap, int x, int y);  // ARGB; 0 outside
void WritePixel(const Pixmap& pixmap, int x, int y, uint32_t argb);
void ClearPixels(const Pixmap& pixmap, uint32_t argb);
uint32_t* PixmapPixels(const Pixmap& pixmap);  // row-major ARGB, width * height
Image LoadImageFromPixmap(const Pixmap& pixmap, ImageFlags flags = ImageFlags::Default);
// Copies a rectangle of the back buffer (renders the frame so far first when headless).
Pixmap GrabPixmap(int x, int y, int width, int height);
bool SavePixmapPNG(const Pixmap& pixmap, const std::string& path);

// Pixel-accurate overlap tests in 32 collision layers.
void ResetCollisions(uint32_t mask = 0);
std::vector<int> CollideImage(const Image& image, float x, float y, int frame, uint32_t collideMask,
                              uint32_t writeMask, int id);
// Whether the image, drawn with its handle at (x, y) at scale 1 without rotation, covers the
// screen pixel (px, py) as the collision layers count it (alpha of at least 128). The same
// answer as writing the image into a layer and testing a one-pixel image at (px, py), without
// touching the layers: for pictures too large to write into a layer on every test.
bool ImageCoversPixel(const Image& image, float x, float y, int px, int py, int frame = 0);

// ---- Input ----------------------------------------------------------------------------------

int KeyHit(int key);
int KeyDown(int key);
int GetChar();  // next typed character (Unicode code point), 0 when none
void FlushKeys();
int MouseX();              // in the 800 x 600 space, clamped to 0-799
int MouseY();              // clamped to 0-599
int MouseHit(int button);  // 1 left, 2 right, 3 middle
int MouseDown(int button);
void FlushMouse();

// ---- Sound ----------------------------------------------------------------------------------

// Ogg Vorbis and WAV. Null and a log line on failure.
Sound LoadSound(const std::string& path, int flags = 0);
Channel PlaySound(const Sound& sound);  // null when the sound is null
bool ChannelPlaying(const Channel& channel);
void SetChannelVolume(const Channel& channel, float volume);
void StopChannel(const Channel& channel);

// ---- Time and numbers -----------------------------------------------------------------------

int MilliSecs();
void Delay(int millis);
void SeedRnd(int seed);
int Rand(int low, int high);               // both bounds included; reversed bounds swapped
float Rnd(float low = 0, float high = 1);  // low <= x < high
float Sin(float degrees);
float Cos(float degrees);
float ATan2(float y, float x);  // degrees

// ---- Headless control (tests, the designer's scripts) --------------------------------------

bool IsHeadless();
// Starts the headless back end in-process, as GLIMMERFIR_HEADLESS does, and resets its clock,
// frame counter, input, random seed and graphics state, and forgets the cached pictures.
void InitHeadless();
int FrameCount();  // frames shown by Flip since start
// Headless: draw calls are rasterised only on frames that need pixels (a screenshot, a grab).
// Tests that read the screen switch this on.
void SetAlwaysRender(bool on);
bool SaveScreenshot(const std::string& path);
uint32_t ScreenPixel(int x, int y);  // ARGB of the current back buffer

// What the last frame shown by Flip sent to the screen (benchmarks and tests): the renderer's
// draw calls (clears excluded; pictures sharing a call count once) and the area in logical
// pixels of what blends with what is there.
struct DrawStats {
  int calls = 0;
  double blendedArea = 0;
};
DrawStats LastFrameDrawStats();
// Pictures drawn in a row from one texture share a call (on by default; the pixels are the
// same). Off, every picture has a call of its own: the reference for tests and benchmarks.
void SetDrawBatching(bool on);

// Input injection: what the input script does, callable from tests.
void InjectMouseMove(int x, int y);
void InjectMouseButton(int button, bool down);
void InjectKey(int key, bool down, bool repeat = false);
void InjectChar(int codepoint);
void InjectCloseRequest();
void InjectFocusLost();

}  // namespace platform
