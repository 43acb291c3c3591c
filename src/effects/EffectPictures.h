// Every picture the effects load, with its load flags, in one place.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "platform/platform.h"

struct EffectPicture {
  int slot;  // index in the particle picture table (or in the effect's own array)
  std::string_view path;
  int flags;
};

namespace effect_pictures {

constexpr int kFiltered = 2, kFilteredMipmapped = 6, kDefault = -1;

// Slots 15-17 and 40-49 of the particle table stay empty.
constexpr std::array<EffectPicture, 37> kParticles = {{
    {0, "gfx/particles/eng_go.png", kFilteredMipmapped},
    {1, "gfx/particles/eng_ready.png", kFilteredMipmapped},
    {2, "gfx/particles/star.png", kFilteredMipmapped},
    {3, "gfx/particles/star2.png", kFilteredMipmapped},
    {4, "gfx/particles/ball.png", kFilteredMipmapped},
    {5, "gfx/particles/eng_excellent.png", kFilteredMipmapped},
    {6, "gfx/particles/eng_terrific.png", kFilteredMipmapped},
    {7, "gfx/particles/eng_spectacular.png", kFilteredMipmapped},
    {8, "gfx/particles/eng_great.png", kFilteredMipmapped},
    {9, "gfx/particles/eng_noMatch.png", kFilteredMipmapped},
    {10, "gfx/particles/eng_times_up.png", kFilteredMipmapped},
    {11, "gfx/particles/plus_10.png", kFiltered},
    {12, "gfx/particles/plus_5.png", kFiltered},
    {13, "gfx/particles/plus_1.png", kFiltered},
    {14, "gfx/particles/plus_3.png", kFiltered},
    {18, "gfx/particles/dym.png", kFilteredMipmapped},
    {19, "gfx/particles/star_cash.png", kFilteredMipmapped},
    {20, "gfx/particles/usun.png", kFilteredMipmapped},
    {21, "gfx/particles/oczko.png", kFilteredMipmapped},
    {22, "gfx/particles/plate_purple_1.png", kFilteredMipmapped},
    {23, "gfx/particles/plate_purple_2.png", kFilteredMipmapped},
    {24, "gfx/particles/plate_purple_3.png", kFilteredMipmapped},
    {25, "gfx/particles/plate_purple_4.png", kFilteredMipmapped},
    {26, "gfx/particles/plate_purple_5.png", kFilteredMipmapped},
    {27, "gfx/particles/plate_purple_6.png", kFilteredMipmapped},
    {28, "gfx/particles/plate_purple_7.png", kFilteredMipmapped},
    {29, "gfx/particles/plate_purple_8.png", kFilteredMipmapped},
    {30, "gfx/particles/plate_purple_9.png", kFilteredMipmapped},
    {31, "gfx/particles/plate_gold_1.png", kFilteredMipmapped},
    {32, "gfx/particles/plate_gold_2.png", kFilteredMipmapped},
    {33, "gfx/particles/plate_gold_3.png", kFilteredMipmapped},
    {34, "gfx/particles/plate_gold_4.png", kFilteredMipmapped},
    {35, "gfx/particles/plate_gold_5.png", kFilteredMipmapped},
    {36, "gfx/particles/plate_gold_6.png", kFilteredMipmapped},
    {37, "gfx/particles/plate_gold_7.png", kFilteredMipmapped},
    {38, "gfx/particles/plate_gold_8.png", kFilteredMipmapped},
    {39, "gfx/particles/plate_gold_9.png", kFilteredMipmapped},
}};

constexpr std::array<EffectPicture, 3> kSnow = {{
    {0, "gfx/particles/snow0.png", kFilteredMipmapped},
    {1, "gfx/particles/snow1.png", kFilteredMipmapped},
    {2, "gfx/particles/snow2.png", kFilteredMipmapped},
}};

constexpr std::array<EffectPicture, 2> kGlow = {{
    {0, "gfx/effects/volum04.png", kFilteredMipmapped},
    {1, "gfx/effects/volum05.png", kFilteredMipmapped},
}};

constexpr EffectPicture kSanta = {0, "gfx/effects/santa.png", kDefault};

}  // namespace effect_pictures

// Loads one picture with a centred handle (null when it is missing).
inline platform::Image loadCentredPicture(const EffectPicture& picture) {
  platform::Image img = platform::LoadImage(std::string(picture.path), picture.flags);
  if (img) platform::MidHandleImage(img);
  return img;
}
