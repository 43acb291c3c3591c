// How a picture is loaded and drawn: a typed bitmask, so a flags argument cannot be mixed up
// with a frame, a size or a blend mode.
#pragma once

namespace platform {

enum class ImageFlags : unsigned {
  None = 0,
  // In a picture without an alpha channel pure black becomes transparent (MASKEDIMAGE).
  Masked = 1,
  // Smooth scaling (FILTEREDIMAGE).
  Filtered = 2,
  // Mipmaps (MIPMAPPEDIMAGE); the 2D renderer has none, so this scales smoothly as well.
  Mipmapped = 4,
  // What a load without flags (or with the old -1) gives.
  Default = Masked | Filtered,
};

constexpr ImageFlags operator|(ImageFlags a, ImageFlags b) {
  return ImageFlags(unsigned(a) | unsigned(b));
}

constexpr ImageFlags operator&(ImageFlags a, ImageFlags b) {
  return ImageFlags(unsigned(a) & unsigned(b));
}

// True when any of `bits` is set in `flags`.
constexpr bool HasAnyFlag(ImageFlags flags, ImageFlags bits) {
  return (flags & bits) != ImageFlags::None;
}

}  // namespace platform
