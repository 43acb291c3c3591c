// Writing finished tracks into the asset folder.
#pragma once

#include <string>

#include "audio/Levels.h"
#include "audio/Synth.h"
#include "core/Registry.h"

namespace assetgen::audio {

// Trims, fades and levels a one-shot effect, then writes it as Ogg Vorbis.
void saveEffect(Output& out, const std::string& relative, Track track);
// Writes a finished loop as Ogg Vorbis; the manifest note gives length and levels.
void saveMusic(Output& out, const std::string& relative, const Track& track);

// When GLIMMERFIR_AUDIO_WAV_DIR is set, every sound is also written there as a 16-bit WAV
// (for listening and for measuring the levels with other tools).
void maybeSaveWav(const std::string& relative, const Track& track);

}  // namespace assetgen::audio
