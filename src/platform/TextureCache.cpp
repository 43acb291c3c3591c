#include "platform/TextureCache.h"

#include <SDL.h>

#include <utility>
#include <vector>

#include "platform/ImageData.h"
#include "platform/Renderer.h"

namespace platform {

namespace {

SDL_Texture* upload(SDL_Renderer* renderer, SDL_Texture* texture, const PixmapData& pixels,
                    bool masked, bool filtered) {
  if (!texture) {
    texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC,
                                pixels.width, pixels.height);
    if (!texture) return nullptr;
    SDL_SetTextureScaleMode(texture, filtered ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
  }
  const int pitch = pixels.width * 4;
  if (!masked) {
    SDL_UpdateTexture(texture, nullptr, pixels.pixels.data(), pitch);
    return texture;
  }
  std::vector<uint32_t> cut(pixels.pixels);
  for (uint32_t& p : cut) p = (p >> 24) >= 128 ? (p | 0xFF000000u) : 0u;
  SDL_UpdateTexture(texture, nullptr, cut.data(), pitch);
  return texture;
}

}  // namespace

TextureCache::TextureCache(TextureCache&& other) noexcept
    : plain_(std::exchange(other.plain_, nullptr)),
      masked_(std::exchange(other.masked_, nullptr)),
      generation_(std::exchange(other.generation_, 0)),
      plainStale_(other.plainStale_),
      maskedStale_(other.maskedStale_) {}

TextureCache& TextureCache::operator=(TextureCache&& other) noexcept {
  if (this != &other) {
    release();
    plain_ = std::exchange(other.plain_, nullptr);
    masked_ = std::exchange(other.masked_, nullptr);
    generation_ = std::exchange(other.generation_, 0);
    plainStale_ = other.plainStale_;
    maskedStale_ = other.maskedStale_;
  }
  return *this;
}

TextureCache::~TextureCache() { release(); }

void TextureCache::release() {
  // Textures of a renderer that is gone were freed with it.
  if (generation_ != 0 && generation_ == Renderer::liveGeneration()) {
    if (plain_) SDL_DestroyTexture(plain_);
    if (masked_) SDL_DestroyTexture(masked_);
  }
  plain_ = masked_ = nullptr;
  generation_ = 0;
  plainStale_ = maskedStale_ = true;
}

SDL_Texture* TextureCache::current(unsigned generation, bool masked) const {
  if (generation != generation_) return nullptr;
  return (masked ? maskedStale_ : plainStale_) ? nullptr : (masked ? masked_ : plain_);
}

void TextureCache::invalidate() { plainStale_ = maskedStale_ = true; }

SDL_Texture* TextureCache::get(SDL_Renderer* renderer, unsigned generation,
                               const PixmapData& pixels, bool masked, bool filtered) {
  if (pixels.width <= 0 || pixels.height <= 0) return nullptr;
  if (generation != generation_) {
    release();
    generation_ = generation;
  }
  SDL_Texture*& texture = masked ? masked_ : plain_;
  bool& stale = masked ? maskedStale_ : plainStale_;
  if (stale || !texture) {
    texture = upload(renderer, texture, pixels, masked, filtered);
    stale = texture == nullptr;
  }
  return texture;
}

}  // namespace platform
