// One product of the shop: its picture and how it hangs, is layered, drawn and hit-tested on
// the tree. Products are shared: every decoration made from one refers to the same object.
#pragma once

#include <memory>
#include <string>

#include "gui/TRGB.h"
#include "platform/platform.h"
#include "tree/TTreeStage.h"

class TElementData {
 public:
  explicit TElementData(TTreeStage& stage) : stage_(stage) {}
  virtual ~TElementData() = default;
  TElementData(const TElementData&) = delete;
  TElementData& operator=(const TElementData&) = delete;

  std::string typ;
  int id = 0;
  std::string tytul;
  std::string opis;
  int cena = 0;
  float scale = 0;
  int hx = 0, hy = 0;  // the hanging point, in picture pixels from the top-left corner
  platform::Image gfx;

  // The shop's icon: the picture at (x, y) with the current graphics state.
  virtual void draw(int x, int y);
  // The tree layer the hanging point (x, y) lies on.
  virtual int obliczWarstwe(int x, int y);
  // Queues the product into the draw-ordering buffer with its hanging point at (x, y); the
  // layer it went into. A null colour is white.
  virtual int drawWithHandle(int x, int y, const TRGB* colour, float rotation);
  // Writes the picture, placed as drawWithHandle places it, into collision layer 1.
  virtual void collideWithHandle(int x, int y);
  virtual void update(int /*x*/, int /*y*/) {}
  // Offset from the hanging point to the picture's centre.
  virtual int getXAd();
  virtual int getYAd();
  virtual int getCenterX();
  virtual int getCenterY();

  // The ornament that crowns the tree.
  bool isStar() const;
  TTreeStage& stage() const { return stage_; }

 protected:
  // Queues the picture at (x, y) with the given layer and scale.
  void queue(int layer, int x, int y, const TRGB* colour, float rotation, float s);
  // Writes the picture at (x, y) with its hanging point as handle at scale s.
  void collideAt(int x, int y, float s);

 private:
  TTreeStage& stage_;
};

using TElementDataPtr = std::shared_ptr<TElementData>;
