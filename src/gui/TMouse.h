#pragma once
#include <memory>
#include <string>
#include <vector>

#include "gui/TCursor.h"
#include "gui/TDim.h"
#include "platform/platform.h"

// The one per-frame mouse sampler: every control and screen reads the pointer from here, so
// a button press is seen the same way by all of them within a frame.
class TMouse {
 public:
  std::vector<std::shared_ptr<TCursor>> listaKursorow;
  int x = 0, y = 0;
  int px = 0, py = 0;
  int vx = 0, vy = 0;
  int leftPressed = 0, rightPressed = 0;
  int leftHolded = 0;  // held more than 100 ms without a release
  int rightHolded = 0;
  int middleHit = 0, middleHold = 0;
  int leftDown = 0;  // MouseDown(1) as sampled this frame
  int _v = 1;
  std::shared_ptr<TCursor> cur;
  platform::Image point;
  int _leftHolded = 0;
  int _leftHoldedTime = 0;

  TMouse() = default;
  TMouse(const TMouse&) = delete;
  TMouse& operator=(const TMouse&) = delete;

  void update();
  void draw();
  void show() { _v = 1; }
  void hide() { _v = 0; }
  int inRect(float rx, float ry, float rw, float rh) const;
  int inDim(const TDim& dim) const;
  void loadCursor(const std::string& id, const platform::Image& image, int hx, int hy);
  void loadCursor(const std::string& id, const std::string& path, int hx, int hy, int frames,
                  int frameTime);
  void setCursor(const std::string& id);
  // Drops pending clicks.
  void clear();

 private:
  void addCursor(const std::string& id, const platform::Image& image, int hx, int hy, int frames,
                 int frameTime);
};
