#include "gui/TAnimData.h"

#include <algorithm>

#include "gui/GuiUtil.h"
#include "platform/strings.h"

int TAnimData::find(const std::string& name) const {
  for (int i = 0; i < anims; ++i) {
    if (platform::SameText(animName[i], name)) return i;
  }
  return -1;
}

int TAnimData::getAnimByName(const std::string& name) const {
  const int index = find(name);
  if (index >= 0) return index;
  guiError("Podanej nazwy animacji nie ma na liscie animacji obiektu! Nazwa :" + name);
  return 0;
}

int TAnimData::dodajNazwe(const std::string& name) {
  const int index = find(name);
  if (index >= 0) return index;
  if (anims >= MAX_ANIMS) {
    guiError("Nie mozna dodac wiecej niz 10 animacji!");
    return 0;
  }
  animName[anims] = platform::Upper(name);
  return anims++;
}

void TAnimData::addFrame(int anim, int frameNumber) {
  if (frames[anim] >= MAX_FRAMES) return;
  frameN[anim][frames[anim]++] = frameNumber;
  maxFrames[anim] = frames[anim];
}

int TAnimData::liczbaKlatek() {
  animFrames = 0;
  for (int a = 0; a < anims; ++a) {
    for (int f = 0; f < frames[a]; ++f) animFrames = std::max(animFrames, frameN[a][f]);
  }
  return animFrames;
}
