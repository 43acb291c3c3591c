#include "platform/SpriteBatch.h"

#include <algorithm>

#include "platform/ImageData.h"

namespace platform {

namespace {

// A light span looks this far back for a group of the same texture, so a span of many
// different pictures costs no more than a few comparisons a draw.
constexpr size_t kLightGroupsSearched = 32;

// The software renderer turns a quad back into a source rectangle as (int)(u * size); the quad
// is exact only when that gives the rectangle's own edges again.
bool uvRoundTrips(int start, int length, int size) {
  const float u0 = float(start) / float(size);
  const float u1 = float(start + length) / float(size);
  const int back = int(u0 * float(size));
  return back == start && int(u1 * float(size) - float(back)) == length;
}

// Rectangles far larger than any screen stay single draws, so every conversion is defined.
bool reasonable(const SDL_FRect& r) {
  constexpr float kLimit = 1e7f;
  return r.w > -kLimit && r.w < kLimit && r.h > -kLimit && r.h < kLimit && r.x > -kLimit &&
         r.x < kLimit && r.y > -kLimit && r.y < kLimit;
}

}  // namespace

void SpriteBatch::configure(bool batching, bool wholePixels) {
  batching_ = batching;
  wholePixels_ = wholePixels;
}

void SpriteBatch::clear() {
  // The groups keep their storage, so a frame of drawing allocates nothing once warm.
  for (size_t k = 0; k < used_; ++k) groups_[k].draws.clear();
  used_ = 0;
  lightSpan_ = false;
}

bool SpriteBatch::sameTexture(const DrawCommand& a, const DrawCommand& b) {
  return a.image.get() == b.image.get() && a.frame == b.frame && a.blend == b.blend;
}

bool SpriteBatch::fits(const DrawCommand& command) const {
  if (!batching_ || command.kind != DrawCommand::Kind::Texture || !command.image ||
      command.angle != 0 || command.flip != SDL_FLIP_NONE || !reasonable(command.dst))
    return false;
  const PictureData& picture = *command.image->picture;
  const SDL_Rect& src = command.src;
  if (src.x < 0 || src.y < 0 || src.w <= 0 || src.h <= 0 || src.x + src.w > picture.width ||
      src.y + src.h > picture.height)
    return false;
  if (!wholePixels_) return true;
  return int(command.dst.w) > 0 && int(command.dst.h) > 0 &&
         uvRoundTrips(src.x, src.w, picture.width) && uvRoundTrips(src.y, src.h, picture.height);
}

size_t SpriteBatch::lightGroupFor(const DrawCommand& command) const {
  const size_t searched = std::min(used_, kLightGroupsSearched);
  for (size_t k = 0; k < searched; ++k) {
    const size_t index = used_ - 1 - k;
    const DrawCommand& first = groups_[index].draws.front();
    if (sameTexture(first, command) && fits(first)) return index;
  }
  return used_;
}

bool SpriteBatch::accepts(const DrawCommand& command) const {
  if (command.kind != DrawCommand::Kind::Texture) return false;
  if (used_ == 0) return true;
  if (lightSpan_) return command.blend == LIGHTBLEND;
  const DrawCommand& first = groups_.front().draws.front();
  return sameTexture(first, command) && fits(first) && fits(command);
}

bool SpriteBatch::add(const DrawCommand& command) {
  size_t index = used_;
  if (used_ == 0) {
    lightSpan_ = command.blend == LIGHTBLEND;
  } else if (!lightSpan_) {
    index = 0;
  } else if (fits(command)) {
    index = lightGroupFor(command);
  }
  const bool shared = index < used_;
  if (!shared) {
    if (used_ == groups_.size()) groups_.emplace_back();
    groups_[used_++].draws.push_back(command);
  } else if (keepDraws_) {
    groups_[index].draws.push_back(command);
  }
  return shared;
}

void SpriteBatch::buildQuads(const Group& group, int texW, int texH,
                             std::vector<SDL_Vertex>& vertices, std::vector<int>& indices) const {
  vertices.clear();
  indices.clear();
  for (const DrawCommand& d : group.draws) {
    float x0 = d.dst.x, y0 = d.dst.y, x1 = d.dst.x + d.dst.w, y1 = d.dst.y + d.dst.h;
    if (wholePixels_) {
      // What the software renderer would make of the rectangle, so the result is the same.
      x0 = float(int(d.dst.x));
      y0 = float(int(d.dst.y));
      x1 = x0 + float(int(d.dst.w));
      y1 = y0 + float(int(d.dst.h));
    }
    const float u0 = float(d.src.x) / float(texW), u1 = float(d.src.x + d.src.w) / float(texW);
    const float v0 = float(d.src.y) / float(texH), v1 = float(d.src.y + d.src.h) / float(texH);
    const SDL_Color c{d.color.r, d.color.g, d.color.b, d.effectiveAlpha()};
    const int base = int(vertices.size());
    vertices.push_back(SDL_Vertex{SDL_FPoint{x0, y0}, c, SDL_FPoint{u0, v0}});
    vertices.push_back(SDL_Vertex{SDL_FPoint{x1, y0}, c, SDL_FPoint{u1, v0}});
    vertices.push_back(SDL_Vertex{SDL_FPoint{x1, y1}, c, SDL_FPoint{u1, v1}});
    vertices.push_back(SDL_Vertex{SDL_FPoint{x0, y1}, c, SDL_FPoint{u0, v1}});
    for (const int corner : {0, 1, 2, 0, 2, 3}) indices.push_back(base + corner);
  }
}

}  // namespace platform
