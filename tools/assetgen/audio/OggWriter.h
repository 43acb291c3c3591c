// Ogg Vorbis encoding of a synthesised track (variable bit rate).
#pragma once

#include <cstdint>
#include <vector>

#include "audio/Synth.h"

namespace assetgen::audio {

// quality -0.1 … 1.0 (0.35 is plenty for the game's sounds). Empty on failure.
std::vector<uint8_t> encodeOgg(const Track& track, float quality, uint32_t serial);

}  // namespace assetgen::audio
