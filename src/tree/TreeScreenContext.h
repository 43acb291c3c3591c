// The services the tree screen is built with. The program creates the screen before some of
// them exist, so it asks for them only while it runs.
#pragma once

#include "tree/ITreeTutorial.h"

class ITreeProfile;
class ITreeSounds;
class TSanta;
class TShopCatalogue;
class TTreeStage;

class TreeScreenContext {
 public:
  virtual ~TreeScreenContext() = default;
  virtual TTreeStage& treeStage() = 0;
  virtual TShopCatalogue& shop() = 0;
  virtual ITreeProfile& treeProfile() = 0;
  virtual ITreeSounds& treeSounds() = 0;
  // The tutorial's hooks; without a tutorial every button works.
  virtual ITreeTutorial& treeTutorial() { return noTutorial_; }

 private:
  TNoTreeTutorial noTutorial_;
};
