// The GPU copy of one image frame: a plain texture and, for mask blending, a copy with alpha
// thresholded at one half. Both are made lazily and remade when the renderer changed.
#pragma once

#include <cstdint>

struct SDL_Texture;
struct SDL_Renderer;

namespace platform {

struct PixmapData;

class TextureCache {
 public:
  TextureCache() = default;
  TextureCache(const TextureCache&) = delete;
  TextureCache& operator=(const TextureCache&) = delete;
  TextureCache(TextureCache&& other) noexcept;
  TextureCache& operator=(TextureCache&& other) noexcept;
  ~TextureCache();

  // The texture for the live renderer when it is made and up to date; null when it must be
  // made from the pixels (get).
  SDL_Texture* current(unsigned generation, bool masked) const;
  // The texture for the live renderer, uploading the pixels when needed.
  SDL_Texture* get(SDL_Renderer* renderer, unsigned generation, const PixmapData& pixels,
                   bool masked, bool filtered);
  // The pixels changed: upload again at the next draw.
  void invalidate();

 private:
  void release();

  SDL_Texture* plain_ = nullptr;
  SDL_Texture* masked_ = nullptr;
  unsigned generation_ = 0;
  bool plainStale_ = true;
  bool maskedStale_ = true;
};

}  // namespace platform
