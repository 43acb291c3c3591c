// What the tree screen reads and changes of the current player: the decorations on their
// tree, their stars, the quest level they are on, and the save.
#pragma once

#include <vector>

#include "tree/TElementChoinki.h"

class ITreeProfile {
 public:
  virtual ~ITreeProfile() = default;
  // False while no player exists (then the tree is empty and nothing can be bought).
  virtual bool hasPlayer() const = 0;
  virtual std::vector<TElementChoinkiPtr>& decorations() = 0;
  virtual int stars() const = 0;
  virtual void addStars(int amount) = 0;
  virtual int levelNumber() const = 0;
  virtual void saveProfile() = 0;
};
