// Writing finished tracks into the asset folder.
#pragma once

#include <string>

#include "audio/Synth.h"
#include "core/Registry.h"

namespace assetgen::audio {

// Effects peak at this level; music is normalised by loudness instead.
constexpr double kEffectPeakDb = -6.0;
constexpr double kMusicLufs = -14.0;
constexpr double kMusicCeilingDb = -1.5;
constexpr float kVorbisQuality = 0.35f;

// Trims, fades and levels a one-shot effect, then writes it as Ogg Vorbis.
void saveEffect(Output& out, const std::string& relative, Track track);
// Writes a finished loop as Ogg Vorbis; the manifest note gives length and levels.
void saveMusic(Output& out, const std::string& relative, const Track& track);

// When GLIMMERFIR_AUDIO_WAV_DIR is set, every sound is also written there as a 16-bit WAV
// (for listening and for measuring the levels with other tools).
void maybeSaveWav(const std::string& relative, const Track& track);

}  // namespace assetgen::audio
