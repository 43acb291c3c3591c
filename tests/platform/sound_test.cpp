// Sound loading and the headless mixer, which runs on the virtual clock.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/SoundLoader.h"
#include "platform/VorbisStream.h"
#include "platform/platform.h"
#include "support/TempDir.h"

namespace {

using namespace platform;

void put(std::string& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(char((value >> (8 * i)) & 0xFF));
}

// A 16-bit PCM WAV file holding a quiet square wave.
std::string wavFile(int rate, int channels, int frames) {
  std::string data;
  for (int i = 0; i < frames * channels; ++i)
    put(data, uint16_t((i / channels / 50) % 2 ? 8000 : -8000), 2);
  std::string out = "RIFF";
  put(out, uint32_t(36 + data.size()), 4);
  out += "WAVEfmt ";
  put(out, 16, 4);
  put(out, 1, 2);
  put(out, uint32_t(channels), 2);
  put(out, uint32_t(rate), 4);
  put(out, uint32_t(rate * channels * 2), 4);
  put(out, uint32_t(channels * 2), 2);
  put(out, 16, 2);
  out += "data";
  put(out, uint32_t(data.size()), 4);
  return out + data;
}

class SoundTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitHeadless();
    testsupport::WriteFile(dir / "half.wav", wavFile(44100, 2, 22050));
    testsupport::WriteFile(dir / "half-mono-22k.wav", wavFile(22050, 1, 11025));
  }
  // Flips until the channel stops; the number of flips it played for.
  static int flipsUntilSilent(const Channel& channel, int limit = 200) {
    int flips = 0;
    while (ChannelPlaying(channel) && flips < limit) {
      Flip(-1);
      ++flips;
    }
    return flips;
  }
  // The WAV file `name` of the folder encoded as Ogg Vorbis beside it.
  std::string encodeOgg(const std::string& name) {
    std::string ogg = dir / (name + ".ogg");
    const std::string command = "sox -q '" + (dir / name) + "' '" + ogg + "'";
    EXPECT_EQ(std::system(command.c_str()), 0) << "sox encodes " << name;
    return ogg;
  }
  testsupport::TempDir dir;
};

std::vector<int16_t> readStream(VorbisStream& stream, size_t frames, bool loop, size_t chunk) {
  std::vector<int16_t> out(frames * 2);
  size_t done = 0;
  while (done < frames) {
    const size_t got = stream.read(out.data() + done * 2, std::min(chunk, frames - done), loop);
    done += got;
    if (got == 0) break;
  }
  out.resize(done * 2);
  return out;
}

TEST_F(SoundTest, AHalfSecondSoundStopsAfterThirtyFramesWhateverItsFormat) {
  for (const char* name : {"half.wav", "half-mono-22k.wav"}) {
    Sound sound = LoadSound(dir / name);
    ASSERT_TRUE(sound) << name;
    Channel channel = PlaySound(sound);
    EXPECT_EQ(flipsUntilSilent(channel), 30) << name << ": 30 x 735 samples = 22050";
  }
}

TEST_F(SoundTest, DelayAdvancesTheMixToo) {
  Channel channel = PlaySound(LoadSound(dir / "half.wav"));
  Delay(499);
  EXPECT_TRUE(ChannelPlaying(channel));
  Delay(1);
  EXPECT_FALSE(ChannelPlaying(channel));
}

TEST_F(SoundTest, LoopingSoundsPlayOnUntilStopped) {
  Sound music = LoadSound(dir / "half.wav", SOUND_LOOP);
  Channel channel = PlaySound(music);
  EXPECT_EQ(flipsUntilSilent(channel, 150), 150);
  SetChannelVolume(channel, 0.3f);
  EXPECT_TRUE(ChannelPlaying(channel));
  StopChannel(channel);
  EXPECT_FALSE(ChannelPlaying(channel));
  Channel again = PlaySound(music);
  EXPECT_TRUE(ChannelPlaying(again)) << "a new channel of the same sound";
}

TEST_F(SoundTest, MissingOrBrokenSoundsAreNullAndPlayingThemDoesNothing) {
  testsupport::WriteFile(dir / "noise.ogg", "OggS and then nothing sensible");
  testsupport::WriteFile(dir / "short.wav", wavFile(44100, 2, 100).substr(0, 30));
  for (const char* name : {"missing.ogg", "noise.ogg", "short.wav"}) {
    Sound sound = LoadSound(dir / name);
    EXPECT_FALSE(sound) << name;
    Channel channel = PlaySound(sound);
    EXPECT_FALSE(channel);
    EXPECT_FALSE(ChannelPlaying(channel));
    StopChannel(channel);
    SetChannelVolume(channel, 1);
  }
}

TEST_F(SoundTest, OggVorbisDecodesToItsLength) {
  const std::string command = "sox -q '" + (dir / "half.wav") + "' '" + (dir / "half.ogg") + "'";
  ASSERT_EQ(std::system(command.c_str()), 0) << "sox encodes the test sound";
  Sound sound = LoadSound(dir / "half.ogg");
  ASSERT_TRUE(sound);
  EXPECT_EQ(flipsUntilSilent(PlaySound(sound)), 30);
}

// A stream gives what decoding the whole file gives, in reads of any size; a looping one
// goes on with the file's first sample right after its last, so the seam is the file's own.
TEST_F(SoundTest, StreamedVorbisMatchesTheWholeDecodeAcrossLoopSeams) {
  for (const char* name : {"half.wav", "half-mono-22k.wav"}) {
    const auto bytes = std::make_shared<const std::vector<uint8_t>>([&] {
      const std::string file = testsupport::ReadFile(encodeOgg(name));
      return std::vector<uint8_t>(file.begin(), file.end());
    }());
    std::string error;
    const auto whole = SoundLoader::decode(*bytes, error);
    ASSERT_TRUE(whole) << name << ": " << error;
    const size_t length = whole->size() / 2;
    ASSERT_EQ(length, 22050u) << name;
    std::vector<int16_t> looped;
    for (int pass = 0; pass < 3; ++pass) looped.insert(looped.end(), whole->begin(), whole->end());
    looped.resize(length * 5);  // two and a half passes

    for (const size_t chunk : {size_t(1), size_t(735), size_t(4099)}) {
      auto once = VorbisStream::open(bytes, error);
      ASSERT_TRUE(once) << name << ": " << error;
      EXPECT_EQ(readStream(*once, length * 2, false, chunk), *whole) << name << " chunk " << chunk;
      int16_t after[2];
      EXPECT_EQ(once->read(after, 1, false), 0u) << name << ": ended streams stay ended";

      auto looping = VorbisStream::open(bytes, error);
      ASSERT_TRUE(looping);
      const std::vector<int16_t> played = readStream(*looping, length * 5 / 2, true, chunk);
      ASSERT_EQ(played.size(), looped.size()) << name;
      for (size_t i = 0; i < played.size(); ++i) {
        // A resampled file's last output frame before a seam lies between its last input
        // frame and the first one of the next pass; the whole decode holds the last.
        const bool seam = (i / 2 + 1) % length == 0;
        if (seam && std::string(name) != "half.wav") {
          const int16_t next = looped[(i + 2) % looped.size()];
          EXPECT_GE(played[i], std::min(looped[i], next)) << name << " sample " << i;
          EXPECT_LE(played[i], std::max(looped[i], next)) << name << " sample " << i;
        } else {
          ASSERT_EQ(played[i], looped[i]) << name << " chunk " << chunk << " sample " << i;
        }
      }
    }
  }
}

TEST_F(SoundTest, StreamedMusicKeepsOnlyItsFileAndPlaysLikeADecodedSound) {
  const std::string ogg = encodeOgg("half.wav");
  Sound streamed = LoadSound(ogg, SOUND_STREAM);
  ASSERT_TRUE(streamed);
  EXPECT_TRUE(streamed->samples.empty()) << "no samples decoded at load";
  EXPECT_EQ(flipsUntilSilent(PlaySound(streamed)), 30);

  Sound music = LoadSound(ogg, SOUND_STREAM | SOUND_LOOP);
  Channel first = PlaySound(music);
  Channel second = PlaySound(music);  // each channel decodes on its own
  EXPECT_EQ(flipsUntilSilent(first, 150), 150);
  StopChannel(first);
  EXPECT_FALSE(ChannelPlaying(first));
  EXPECT_TRUE(ChannelPlaying(second));

  testsupport::WriteFile(dir / "noise.ogg", "OggS and then nothing sensible");
  EXPECT_FALSE(LoadSound(dir / "noise.ogg", SOUND_STREAM | SOUND_LOOP));
  EXPECT_TRUE(LoadSound(dir / "half.wav", SOUND_STREAM)) << "only Vorbis streams; WAV decodes";
}

TEST(SoundLoaderTest, ResamplesLinearlyToStereoAtTheMixerRate) {
  const std::vector<int16_t> mono{0, 1000, 2000};
  const std::vector<int16_t> out = SoundLoader::toMixerFormat(mono, 1, 22050);
  const std::vector<int16_t> expected{0,    0,    500,  500,  1000, 1000,
                                      1500, 1500, 2000, 2000, 2000, 2000};
  EXPECT_EQ(out, expected);
  const std::vector<int16_t> stereo{1, -1, 2, -2};
  EXPECT_EQ(SoundLoader::toMixerFormat(stereo, 2, 44100), stereo);
}

TEST_F(SoundTest, TheMixIsWrittenToAWavFileAgainstTheVirtualClock) {
  const std::string wav = dir / "mix.wav";
  setenv("GLIMMERFIR_WAV", wav.c_str(), 1);
  InitHeadless();
  unsetenv("GLIMMERFIR_WAV");
  Channel channel = PlaySound(LoadSound(dir / "half.wav"));
  SetChannelVolume(channel, 0.5f);
  for (int i = 0; i < 60; ++i) Flip(-1);
  EndGraphics();
  const std::string bytes = testsupport::ReadFile(wav);
  ASSERT_EQ(bytes.size(), 44u + 44100u * 4u) << "one second of 16-bit stereo";
  auto sample = [&](size_t frame) {
    return int16_t(uint8_t(bytes[44 + frame * 4]) | (uint8_t(bytes[45 + frame * 4]) << 8));
  };
  EXPECT_EQ(sample(0), -4000) << "half volume";
  EXPECT_EQ(sample(60), 4000);
  EXPECT_EQ(sample(30000), 0) << "silent after the sound ended";
  InitHeadless();  // stop recording into the temporary folder
}

}  // namespace
