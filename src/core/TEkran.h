#pragma once
#include <algorithm>
#include <memory>
#include <string>

#include "core/FrameContext.h"

class TGui;

// Base class of every screen: result state, exit flag, GUI opacity and the black overlay.
class TEkran {
 public:
  std::string id = "Screen Object";
  std::string wynik;
  int _exit = 0;
  float alpha = 1.0f;
  float dAlpha = 1.0f;
  float fade = 0.0f;
  float dFade = 0.0f;
  float fadeSpeed = 0.05f;
  std::shared_ptr<TGui> Gui;
  TEkran* ekran = nullptr;
  int _startTime = 0;

  explicit TEkran(FrameContext& frame) : frame_(frame) {}
  virtual ~TEkran() = default;
  TEkran(const TEkran&) = delete;
  TEkran& operator=(const TEkran&) = delete;

  virtual void setup() {}
  virtual void _drawGui();
  virtual void _drawFade();
  virtual void _drawMouse();
  virtual void draw() {}
  virtual void _updateFade();
  virtual void _updateAlpha();
  virtual void _updateGui();
  virtual void update() {}
  virtual void STANDARD_DATA();

  // The usual end of a screen: both the overlay and its target have reached black.
  bool fadedOut() const { return fade >= 1.0f && dFade >= 1.0f; }

  // The frame steps of the program this screen runs in.
  FrameContext& frame() const { return frame_; }
  void updateDeltaTime() { frame_.updateDeltaTime(); }
  void updateCommon() { frame_.updateCommon(); }
  [[noreturn]] void quitGame() { frame_.quitGame(); }

 private:
  FrameContext& frame_;
};
