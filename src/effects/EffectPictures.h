// The load flags of the effects' pictures; their names are in the asset table. The
// particle table itself is assets::PARTICLE_PICTURES with assets::PARTICLE_FLAGS.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "datafile/AssetNames.h"
#include "platform/platform.h"

struct EffectPicture {
  int slot;  // index in the particle picture table (or in the effect's own array)
  std::string_view path;
  platform::ImageFlags flags;
};

namespace effect_pictures {

constexpr platform::ImageFlags kFilteredMipmapped =
    platform::ImageFlags::Filtered | platform::ImageFlags::Mipmapped;
constexpr platform::ImageFlags kDefault = platform::ImageFlags::Default;

constexpr std::array<EffectPicture, 3> kSnow = {{
    {0, assets::SNOW[0], kFilteredMipmapped},
    {1, assets::SNOW[1], kFilteredMipmapped},
    {2, assets::SNOW[2], kFilteredMipmapped},
}};

constexpr std::array<EffectPicture, 2> kGlow = {{
    {0, assets::GLOW_1, kFilteredMipmapped},
    {1, assets::GLOW_2, kFilteredMipmapped},
}};

constexpr EffectPicture kSanta = {0, assets::SANTA, kDefault};

}  // namespace effect_pictures

// Loads one picture with a centred handle (null when it is missing).
inline platform::Image loadCentredPicture(const EffectPicture& picture) {
  platform::Image img = platform::LoadImage(std::string(picture.path), picture.flags);
  if (img) platform::MidHandleImage(img);
  return img;
}
