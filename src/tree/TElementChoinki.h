// A decoration on the tree: its product, where it hangs, and the swing a touch of the pointer
// starts. The tree screen updates and draws every decoration every frame.
#pragma once

#include <memory>
#include <string>

#include "tree/TElementData.h"

class TElementChoinki {
 public:
  TElementChoinki(TElementDataPtr product, float px, float py)
      : data(std::move(product)), x(px), y(py) {}
  virtual ~TElementChoinki() = default;

  TElementDataPtr data;
  float x = 0, y = 0;  // the hanging point on the screen
  float move = 0.5f;   // the swing, 0 ... 1; 0.5 is at rest
  float dMove = 0;     // what the swing is heading for
  float speed = 0;
  float per = 0;  // what is left of the swing; 0 when still

  // The position as the saved tree writes it: "x y" in the "%#.9g" form.
  virtual std::string getPosString() const;
  virtual void draw() {}
  virtual void drawM(float /*dx*/, float /*dy*/) {}
  virtual int _updateOver();
  virtual void _updateMove();
  // Runs the animation; 1 when the pointer is on the decoration this frame.
  virtual int update();
  virtual void switchDMove();
  virtual void moveMe();

  // The drawn rotation of a swinging decoration, about its hanging point.
  float rotation() const { return -15.0f + 30.0f * move; }

 protected:
  // Queues the product at the hanging point moved by (dx, dy), turned by the swing.
  void drawSwung(float dx, float dy);
};

using TElementChoinkiPtr = std::shared_ptr<TElementChoinki>;
