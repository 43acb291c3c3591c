// A player that plays the level on screen through the mouse, as a person would: it waits for
// the board to settle, thinks no more often than every 1.5 s, and drags a tile onto its
// neighbour by pressing, pulling and releasing the left button. Its input goes through the
// platform's input like a person's, so a run recorded with GLIMMERFIR_RECORD replays to the
// same end. When the level is won or lost it prints its result, presses through the screen
// that follows and closes the game.
#pragma once

#include <deque>
#include <optional>

#include "app/BotMoves.h"

class TMainGame;

class LevelBot {
 public:
  static constexpr int kThinkMs = 1500;

  explicit LevelBot(TMainGame& game) : game_(game) {}
  // Once per frame, after the window's events were taken in and before the mouse is sampled.
  void frame();

  int moves() const { return moves_; }

 private:
  enum class Act { Move, Press, Release, Close };
  struct Step {
    int at = 0;  // MilliSecs when due
    Act act = Act::Move;
    int x = 0, y = 0;
  };

  void play(int now);
  bool boardStill() const;
  void planDrag(const BotMove& move, int now);
  void planClick(int x, int y, int now);
  void checkEnd(int now);
  void leave(int now, int endedAt);
  void runDueSteps(int now);

  TMainGame& game_;
  std::deque<Step> plan_;
  int moves_ = 0;
  int nextThinkAt_ = 0;
  std::optional<int> endedAt_;
  std::optional<int> stillSince_;
  bool closed_ = false;
};

// With GLIMMERFIR_BOT=1 a level bot plays the level the run opened on (GLIMMERFIR_LEVEL).
bool levelBotWanted();
