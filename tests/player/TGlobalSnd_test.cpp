#include "player/TGlobalSnd.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>

#include "player/SoundFixture.h"

namespace {

using platform::ChannelPlaying;

class GlobalSndTest : public ::testing::Test, public soundtest::CatalogueTest {};

TEST_F(GlobalSndTest, AnEffectSoundsAtMostSixTimesAtOnceUntilItsInstancesEnd) {
  TSoundDataPtr pop = snd.getSoundData("pop");
  ASSERT_TRUE(pop && pop->snd);
  for (int i = 0; i < 7; ++i) snd.playMySound("pop");
  EXPECT_EQ(pop->playingCount(), 6) << "the seventh is dropped";

  frame(29);  // half a second is 30 frames
  snd.playMySound(pop);
  EXPECT_EQ(pop->playingCount(), 6) << "all six still sound";

  frame(1);
  EXPECT_EQ(pop->playingCount(), 0);
  snd.update();  // the next frame's update
  for (const platform::Channel& slot : pop->chn) EXPECT_FALSE(slot) << "update frees ended slots";
  snd.playMySound(pop);
  EXPECT_EQ(pop->playingCount(), 1);
}

TEST_F(GlobalSndTest, SoundStepZeroSilencesEveryEffect) {
  options.soundVol = 0;
  options.checkSoundStuff();
  snd.playMySound("pop");
  snd.click();
  EXPECT_EQ(snd.getSoundData("pop")->playingCount() + snd.getSoundData("click")->playingCount(), 0);
  options.soundVol = 1;
  options.checkSoundStuff();
  snd.click();
  EXPECT_EQ(snd.getSoundData("click")->playingCount(), 1);
}

TEST_F(GlobalSndTest, EffectsAndMusicSoundAtTheirStepsOfTheOptions) {
  testsupport::TempDir out;
  const std::string wavPath = out / "mix.wav";
  setenv("GLIMMERFIR_WAV", wavPath.c_str(), 1);
  platform::InitHeadless();
  options.soundVol = 10;
  options.checkSoundStuff();
  snd.playMySound("pop");  // frames 0-29
  frame(40);
  options.soundVol = 5;
  options.checkSoundStuff();
  snd.playMySound("pop");  // frames 40-69
  frame(40);
  options.musicVol = 4;
  options.checkSoundStuff();
  snd.playMyMusic("tune a");  // full after 20 frames
  frame(60);
  platform::EndGraphics();
  unsetenv("GLIMMERFIR_WAV");
  platform::InitHeadless();

  const soundtest::Wav wav = soundtest::readWav(wavPath);
  ASSERT_GE(wav.samples.size(), size_t(140 * 735 * 2));
  auto peakOf = [&](int fromFrame, int toFrame) {
    int p = 0;
    for (size_t i = size_t(fromFrame) * 735 * 2; i < size_t(toFrame) * 735 * 2; ++i)
      p = std::max(p, std::abs(int(wav.samples[i])));
    return p;
  };
  EXPECT_NEAR(peakOf(0, 30), 8000, 80) << "step 10: as recorded";
  EXPECT_NEAR(peakOf(40, 70), 4000, 80) << "step 5: half";
  EXPECT_LT(peakOf(80, 85), 1800) << "the music fades in";
  EXPECT_NEAR(peakOf(110, 140), 3200, 80) << "music step 4";
}

TEST_F(GlobalSndTest, NamesMatchWithoutRegardToCase) {
  const TSoundDataPtr click = snd.getSoundData("click");
  ASSERT_TRUE(click);
  for (const char* name : {"Click", "CLICK", "cLiCk"})
    EXPECT_EQ(snd.getSoundData(name), click) << name;
  EXPECT_EQ(snd.getMusicData("TUNE A"), snd.musics[0]);
  EXPECT_EQ(snd.getMusicData("tune b"), snd.musics[1]);
  EXPECT_FALSE(snd.getSoundData("clock"));
  EXPECT_FALSE(snd.getMusicData("tune"));
  snd.playMySound("nothing by this name");
  snd.playMyMusic("nor this");
  EXPECT_FALSE(snd.newMusicCHN);
}

TEST_F(GlobalSndTest, AMusicAskedForWhileNoneIsPlayingFadesInFromSilence) {
  snd.playMyMusic("tune a");
  ASSERT_TRUE(ChannelPlaying(snd.newMusicCHN));
  EXPECT_EQ(snd.newMusicData, snd.musics[0]);
  EXPECT_EQ(snd.newPer, 0.0f);
  frame(10);
  EXPECT_NEAR(snd.newPer, 0.5f, 1e-4);
  frame(10);
  EXPECT_EQ(snd.newPer, 1.0f);
  frame(100);
  EXPECT_TRUE(ChannelPlaying(snd.newMusicCHN)) << "music loops";
}

TEST_F(GlobalSndTest, AMusicChangeCrossFadesOverTwentyFrames) {
  snd.playMyMusic("tune a");
  frame(30);
  const platform::Channel first = snd.newMusicCHN;
  snd.playMyMusic("Tune B");
  EXPECT_EQ(snd.oldMusicCHN, first);
  EXPECT_EQ(snd.oldMusicData, snd.musics[0]);
  EXPECT_EQ(snd.newMusicData, snd.musics[1]);
  frame(19);
  EXPECT_TRUE(ChannelPlaying(first)) << "still fading out";
  EXPECT_NEAR(snd.oldPer + snd.newPer, 1.0f, 1e-4);
  frame(1);
  EXPECT_FALSE(ChannelPlaying(first));
  EXPECT_FALSE(snd.oldMusicCHN);
  EXPECT_EQ(snd.newPer, 1.0f);
  EXPECT_TRUE(ChannelPlaying(snd.newMusicCHN));
}

TEST_F(GlobalSndTest, ChangingAgainMidFadeLeavesAtMostTwoMusicsPlaying) {
  snd.playMyMusic("tune a");
  frame(30);
  const platform::Channel first = snd.newMusicCHN;
  snd.playMyMusic("tune b");
  frame(5);
  const platform::Channel second = snd.newMusicCHN;
  snd.playMyMusic("tune a");
  EXPECT_FALSE(ChannelPlaying(first)) << "the one already fading out is stopped";
  EXPECT_EQ(snd.oldMusicCHN, second);
  frame(20);
  EXPECT_FALSE(ChannelPlaying(second));
  EXPECT_TRUE(ChannelPlaying(snd.newMusicCHN));
}

TEST_F(GlobalSndTest, MusicStepZeroStopsTheMusicAndRaisingItRestartsTheLastOneFadingIn) {
  snd.playMyMusic("tune b");
  frame(40);
  const platform::Channel playing = snd.newMusicCHN;
  options.musicVol = 0;
  options.checkSoundStuff();
  EXPECT_FALSE(ChannelPlaying(playing));
  EXPECT_FALSE(snd.newMusicCHN);
  EXPECT_EQ(snd.musicVol, 0.0f);
  frame(5);

  options.musicVol = 3;
  options.checkSoundStuff();
  EXPECT_TRUE(ChannelPlaying(snd.newMusicCHN));
  EXPECT_EQ(snd.newMusicData, snd.musics[1]);
  EXPECT_EQ(snd.newPer, 0.0f) << "fades in again";
  EXPECT_FLOAT_EQ(snd.musicVol, 0.3f);
}

TEST_F(GlobalSndTest, StopMusicStopsBothChannels) {
  snd.playMyMusic("tune a");
  frame(30);
  snd.playMyMusic("tune b");
  const platform::Channel a = snd.oldMusicCHN, b = snd.newMusicCHN;
  snd.stopMusic();
  EXPECT_FALSE(ChannelPlaying(a));
  EXPECT_FALSE(ChannelPlaying(b));
  EXPECT_EQ(snd.mustPlayNewMusic(), 1);
}

TEST_F(GlobalSndTest, NoMusicKeepsMusicUnloadedAndSilent) {
  TGlobalSnd quiet(screen);
  quiet.catalogueFile = snd.catalogueFile;
  quiet.noMusic = 1;
  quiet.loadMusicPart(1);
  quiet._setupMusic();
  EXPECT_TRUE(quiet.musics.empty());
  quiet.musics = snd.musics;
  quiet.playMyMusic("tune a");
  EXPECT_FALSE(quiet.newMusicCHN);
}

TEST_F(GlobalSndTest, SetupMusicLoadsEveryMusicOfTheFileAtOnce) {
  snd._setupMusic();
  ASSERT_EQ(snd.musics.size(), 2u);
  EXPECT_EQ(snd.musics[0]->id, "tune a");
  EXPECT_EQ(snd.musics[1]->id, "Tune B");
  EXPECT_TRUE(snd.musics[1]->snd);
}

TEST_F(GlobalSndTest, AMissingCatalogueOrSoundFileGivesEmptyEntriesAndSilence) {
  TGlobalSnd empty(screen);
  empty.catalogueFile = dir / "missing.dat";
  empty.setup();
  empty.loadMusicPart(1);
  EXPECT_TRUE(empty.sounds.empty());
  ASSERT_EQ(empty.musics.size(), 1u)
      << "the music slot is taken, as the loading screen counts on it";
  EXPECT_FALSE(empty.musics[0]->snd);
  empty.playMyMusic(empty.musics[0]);
  EXPECT_FALSE(platform::ChannelPlaying(empty.newMusicCHN));
}

}  // namespace
