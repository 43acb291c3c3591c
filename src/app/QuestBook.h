#pragma once

// The quest bookkeeping of the screen flow, done by the profiles and the main game.
class QuestBook {
 public:
  virtual ~QuestBook() = default;
  virtual void restartCurrentLevel() = 0;  // one level back, then prepare it again
  virtual void resume() = 0;
  virtual void startNew() = 0;
  virtual void prepareNextLevel() = 0;
};
