#pragma once
#include <string>

// The named frame sequences of an animated button: at most 10 animations of 100 frames.
class TAnimData {
 public:
  static constexpr int MAX_ANIMS = 10;
  static constexpr int MAX_FRAMES = 100;

  int frameN[MAX_ANIMS][MAX_FRAMES] = {};  // frame numbers, from 1
  int frames[MAX_ANIMS] = {};
  int maxFrames[MAX_ANIMS] = {};  // frames per animation
  int anims = 0;
  std::string animName[MAX_ANIMS];  // upper case
  int animFrames = 0;               // highest frame number
  int animTime = 0;                 // MilliSecs of the next frame
  int frameDelta[MAX_ANIMS] = {500, 500, 500, 500, 500, 500, 500, 500, 500, 500};

  // Index of the name; 0 after an error when there is none.
  int getAnimByName(const std::string& name) const;
  // Index of the name, added in the first free slot; 0 after an error when all are taken.
  int dodajNazwe(const std::string& name);
  void addFrame(int anim, int frameNumber);
  int liczbaKlatek();
  // Index of the name, or -1.
  int find(const std::string& name) const;
};
