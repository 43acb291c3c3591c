#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "effects/EffectList.h"
#include "match3/NamedState.h"

class TLevel;
class TTile;
class TTileData;
class TFlyingTile;

struct FlightStateNames {
  enum Id : uint8_t { Flying, End };
  static constexpr std::array<std::string_view, 2> kNames = {"", "END"};
};
// A flight is on its way (empty) or has arrived ("END").
using FlightState = NamedState<FlightStateNames>;

// The live flights of one board. Flights may end or start while the list is walked.
using TFlyingList = EffectList<TFlyingTile>;

// A tile kind gliding from one cell to another; on arrival the kind is written into the
// destination. A swap pair holds two member flights (fly1, fly2) and nothing else; only the
// pair is in the board's flying list, its members are not.
class TFlyingTile {
 public:
  std::shared_ptr<TFlyingTile> fly1;
  std::shared_ptr<TFlyingTile> fly2;
  TLevel* level = nullptr;
  std::shared_ptr<TTile> tile;          // source cell
  std::shared_ptr<TTileData> tileData;  // the kind carried
  std::shared_ptr<TTile> dTile;         // destination cell
  float speed = 0.2f;
  float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  float x = 0, y = 0;
  float mx = 0, my = 0;
  float per = 0;
  int check = 0;  // 1: swap member, waits for its pair on arrival
  int mType = 0;  // 0: the path is computed from the two cells
  int ok = 0;
  FlightState state;
  int reverse = 0;  // 1: an undo pair, never resolved
  TFlyingList* list = nullptr;

  bool isPair() const { return fly1 != nullptr || fly2 != nullptr; }

  void countStart();
  void countPosition();
  void update();
  void _update();
  void draw();
  void endFly();
  void destroy();
  void reverseTwo();
  void erase(const std::vector<std::shared_ptr<TTile>>& tiles);
  int isBonus(const std::shared_ptr<TTile>& cell);
  int getX() const;
  int getY() const;

 private:
  void _resolveSwap(int b1, int b2);
  void _releaseSources();
  // The first cell of a pair that is set, for the praise picture's position.
  const TTile* _anchor() const;
};

// A single flight from one cell to another of the same board (gravity: check 0).
std::shared_ptr<TFlyingTile> createFlyingTile(const std::shared_ptr<TTile>& from,
                                              const std::shared_ptr<TTile>& to, int mType,
                                              int check);
// A swap pair exchanging the kinds of two neighbouring cells.
std::shared_ptr<TFlyingTile> createSwap(const std::shared_ptr<TTile>& a,
                                        const std::shared_ptr<TTile>& b);
