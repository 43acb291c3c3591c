// The levels every sound of the game is made to.
#pragma once

namespace assetgen::audio {

// Effects peak at this level; music is normalised by loudness instead.
constexpr double kEffectPeakDb = -6.0;
constexpr double kMusicLufs = -14.0;
constexpr double kMusicCeilingDb = -1.5;
constexpr float kVorbisQuality = 0.35f;

}  // namespace assetgen::audio
