#pragma once
#include <array>
#include <cstdint>
#include <string_view>

#include "effects/TParticle.h"
#include "match3/NamedState.h"

struct HintDirectionNames {
  enum Id : uint8_t { None, Right, Down };
  static constexpr std::array<std::string_view, 3> kNames = {"", "PRAWO", "DOL"};
};
// Where the second cell of a move hint lies: right of the first ("PRAWO") or below ("DOL").
using HintDirection = NamedState<HintDirectionNames>;

// What a board reports to the screen that plays it (the main game): its counters, the event
// flags of the current frame, the move hint and whether a tutorial hint covers the board.
// The board never owns its listener; a board without one plays on and reports nowhere.
class IBoardListener {
 public:
  virtual ~IBoardListener() = default;

  // punktyZebrane += points: a destroyed tile off a plate (or chained).
  virtual void addPoints(int points) = 0;
  // gwiazdkiZebrane += 1: one layer of a plate was hit.
  virtual void addStar() = 0;

  // Flags of the current frame, cleared by the screen before it runs the board.
  virtual void eventMatch() = 0;          // EVENT_MATCH = 1
  virtual void eventSpecTileMatch() = 0;  // EVENT_SPEC_TILE_MATCH = 1
  virtual void eventChainMatch() = 0;     // EVENT_CHAIN_MATCH = 1

  // The possible-move search asks for a hint on two cells.
  // The screen forwards it to its TTileMatch (TTileMatch::setMatch does the whole rule).
  virtual void setMatch(int row1, int col1, int row2, int col2, HintDirection kier) = 0;
  virtual void resetTileMatch() = 0;      // tileMatch.reset()
  virtual void resetFullTileMatch() = 0;  // tileMatch.resetFull(): a settled tile was checked

  // The list destroyed tiles' points and stars fly in; null means the global list.
  virtual TParticleList* pointsParticles() = 0;

  // True while the tutorial's active hint is on screen (its alpha is not 0): the board then
  // takes no mouse input.
  virtual bool tutorialHintShown() const = 0;
};

// The listener of a board that has none: reports nowhere.
class TNullBoardListener : public IBoardListener {
 public:
  void addPoints(int) override {}
  void addStar() override {}
  void eventMatch() override {}
  void eventSpecTileMatch() override {}
  void eventChainMatch() override {}
  void setMatch(int, int, int, int, HintDirection) override {}
  void resetTileMatch() override {}
  void resetFullTileMatch() override {}
  TParticleList* pointsParticles() override { return nullptr; }
  bool tutorialHintShown() const override { return false; }
};
