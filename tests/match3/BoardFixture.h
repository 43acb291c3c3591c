#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "gui/TMouse.h"
#include "match3/IBoardListener.h"
#include "match3/IBoardSounds.h"
#include "match3/TLevel.h"
#include "match3/TTileCatalog.h"
#include "support/TempDir.h"

// Everything the board reports, in order.
class RecordingListener : public IBoardListener {
 public:
  struct Hint {
    int row1, col1, row2, col2;
    std::string kier;
  };
  int points = 0;
  int stars = 0;
  int matchEvents = 0;
  int specEvents = 0;
  int chainEvents = 0;
  int resets = 0;
  int fullResets = 0;
  bool hintShown = false;
  std::vector<Hint> hints;

  void addPoints(int n) override { points += n; }
  void addStar() override { ++stars; }
  void eventMatch() override { ++matchEvents; }
  void eventSpecTileMatch() override { ++specEvents; }
  void eventChainMatch() override { ++chainEvents; }
  void setMatch(int r1, int c1, int r2, int c2, HintDirection kier) override {
    hints.push_back({r1, c1, r2, c2, std::string(kier.name())});
  }
  void resetTileMatch() override { ++resets; }
  void resetFullTileMatch() override { ++fullResets; }
  TParticleList* pointsParticles() override { return nullptr; }
  bool tutorialHintShown() const override { return hintShown; }
};

// Every sound the board asked for, as a name ("bonus", "chain", "plates", "bomb",
// "crossFire2" for the named ones).
class RecordingSounds : public IBoardSounds {
 public:
  std::vector<std::string> played;

  void playMySound(const std::string& name) override { played.push_back(name); }
  void playBonus() override { played.push_back("bonus"); }
  void playChain() override { played.push_back("chain"); }
  void playPlates() override { played.push_back("plates"); }
  void bomb() override { played.push_back("bomb"); }
  void crossFire(int moc) override { played.push_back("crossFire" + std::to_string(moc)); }

  int count(const std::string& name) const;
  // Sounds whose name begins with prefix.
  int countPrefix(const std::string& prefix) const;
};

// Hand-made boards in a temporary folder with a small catalogue:
// kinds 1..5 (1: 5 points, 2: 10, 3: 1, 4: 3, 5: 0), bonus kinds 101 bomb (power 1),
// 102 cross (2), 103 vertical (2), 104 horizontal (2), 107 vanish (3), 120 no effect;
// tilesets 0 no cell, 1 plain, 2 plate needing 1 match, 3 plate needing 2.
class BoardFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Board rows: '#' no cell, '.' empty cell, '1'..'5' a kind, 'b' bomb, 'x' cross,
  // 'v' vertical, 'h' horizontal, 'w' vanish, 'n' the no-effect bonus.
  // plates: the same shape, '0'..'3' tileset ids of available cells ('1' when empty).
  // chains: '0'..'2' chain levels ('0' when empty).
  // A hidden plate on cell (0, 0) keeps the board from being won unless wonnable is set.
  std::shared_ptr<TLevel> makeBoard(const std::vector<std::string>& cells,
                                    const std::vector<std::string>& plates = {},
                                    const std::vector<std::string>& chains = {},
                                    bool winnable = false);
  // The kinds on the board in the same notation ('.' empty, '#' no cell, '?' other kinds).
  std::vector<std::string> kinds() const;
  std::shared_ptr<TTile> cell(int row, int col) const { return level->tileAt(row, col); }

  // One frame: the clock moves on, the mouse is sampled, the board (or the controller) runs.
  void frame();
  void frames(int n);
  // Frames until the board is quiet (nothing flying, nothing in a state), at most limit.
  int settle(int limit = 600);
  bool quiet() const;

  std::shared_ptr<TTileCatalog> catalog;
  std::shared_ptr<TLevel> level;
  RecordingListener listener;
  RecordingSounds sounds;
  // The sampler the boards' tiles and controllers read; lives as long as the fixture.
  std::unique_ptr<TMouse> mouse = std::make_unique<TMouse>();
  // When set, frame() runs the controller instead of the bare board.
  std::function<void()> runFrame;

 private:
  testsupport::TempDir tempDir_;  // removed with the fixture
  std::string dir_;
  std::string oldDir_;
};
