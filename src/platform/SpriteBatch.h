// Draws that share one renderer call. Pictures drawn one after another from the same texture,
// unturned and unmirrored, go out as one piece of geometry instead of a call each. Light
// (additive) pictures in a row may also be drawn in any order, as adding is the same whatever
// the order, so such a row is gathered by texture: a burst of sparks from three pictures takes
// three calls, not one per spark.
//
// On the software renderer at scale 1 (the headless screen, a window at its own size) the
// geometry is drawn as the very rectangles a single call would draw, so no pixel changes; at
// any other scale the software renderer draws each picture alone.
#pragma once

#include <SDL.h>

#include <cstddef>
#include <span>
#include <vector>

#include "platform/DrawCommand.h"

namespace platform {

class SpriteBatch {
 public:
  // `keepDraws`: hold every draw (to draw them); else only enough to tell the calls apart
  // (to count them).
  explicit SpriteBatch(bool keepDraws) : keepDraws_(keepDraws) {}

  // `batching`: calls may be shared at all. `wholePixels`: the renderer draws rectangles at
  // whole pixels (software at scale 1).
  void configure(bool batching, bool wholePixels);

  // Whether `command` belongs with what is held; if not, what is held must be drawn first.
  bool accepts(const DrawCommand& command) const;
  // Holds `command`; returns true when it shares a call already held.
  bool add(const DrawCommand& command);
  bool empty() const { return used_ == 0; }
  void clear();

  // The held draws as calls, in the order they must be made.
  struct Group {
    std::vector<DrawCommand> draws;
  };
  std::span<const Group> groups() const { return {groups_.data(), used_}; }

  // The geometry of a group of more than one draw of a texture of texW x texH pixels.
  void buildQuads(const Group& group, int texW, int texH, std::vector<SDL_Vertex>& vertices,
                  std::vector<int>& indices) const;

 private:
  // Whether `command` can be a quad of a shared call.
  bool fits(const DrawCommand& command) const;
  static bool sameTexture(const DrawCommand& a, const DrawCommand& b);
  // The group a light draw joins in the held span; size() for a new one.
  size_t lightGroupFor(const DrawCommand& command) const;

  std::vector<Group> groups_;  // the first used_ are held; the rest keep their storage
  size_t used_ = 0;
  bool keepDraws_ = true;
  bool lightSpan_ = false;
  bool batching_ = true;
  bool wholePixels_ = true;
};

}  // namespace platform
