#pragma once
#include <memory>
#include <string>
#include <vector>

#include "core/TEkran.h"
#include "datafile/AssetNames.h"
#include "gui/GuiSounds.h"
#include "match3/IMainGameSounds.h"
#include "platform/platform.h"
#include "player/TMusicData.h"
#include "player/TSoundData.h"
#include "tree/ITreeSounds.h"

// The one sound and music catalogue: every effect and music is played by name through it.
// Effects overlap up to six instances each; music plays on one channel and changes with a
// cross-fade of 20 frames. Volumes are the options' steps 0-10, used as step / 10.
class TGlobalSnd : public TEkran, public IGuiSounds, public IMainGameSounds, public ITreeSounds {
 public:
  std::vector<TMusicDataPtr> musics;
  std::vector<TSoundDataPtr> sounds;
  platform::Channel newMusicCHN;  // the music playing or fading in
  platform::Channel oldMusicCHN;  // the music fading out
  TMusicDataPtr oldMusicData;
  TMusicDataPtr newMusicData;
  float newPer = 0.0f;
  float oldPer = 0.0f;
  float musicVol = 0.0f;
  int noMusic = 0;

  // Where the catalogue is read from, relative to the asset folder.
  std::string catalogueFile = assets::DATA_SOUNDS;

  explicit TGlobalSnd(FrameContext& frame);

  // The options' volume steps 0-10, read at every play; both are full (10) until set.
  void setVolumeSteps(int music, int sound);

  // Loading.
  void setup() override;
  virtual void loadMusicPart(int n);
  virtual void _setupMusic();
  virtual void _setupSounds();

  // The named effects; where a range exists a random number is appended to the name.
  virtual void click();
  virtual void playPlates();
  void playPut() override;
  void overSound() override;
  virtual void playBonus();
  virtual void playChain();
  void playBegin() override;
  void playClockTick() override;
  virtual void bomb();
  virtual void crossFire(int i);

  virtual void playMySound(const std::string& name);
  virtual void playMySound(const TSoundDataPtr& sound);
  void playMyMusic(const std::string& name) override;
  virtual void playMyMusic(const TMusicDataPtr& music);
  virtual void stopMusic();
  virtual void setSoundVol(float v);
  virtual void setMusicVol(float v);
  virtual TMusicDataPtr getMusicData(const std::string& name) const;
  virtual TSoundDataPtr getSoundData(const std::string& name) const;
  virtual int mustPlayNewMusic();

  // The GUI's button press.
  void playClick() override { click(); }

  // Once per frame: the cross-fade and the effects' free slots.
  void update() override;

 private:
  int soundStep() const { return soundStep_; }
  int musicStep() const { return musicStep_; }
  TMusicDataPtr readMusic(class TRCMFile& file, int n) const;

  int musicStep_ = 10;
  int soundStep_ = 10;
};
