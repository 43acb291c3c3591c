// The bonuses: creation after a large match, and the reach of bombs, fire lines and vanish.
#include <cmath>
#include <cstdlib>

#include "match3/TLevel.h"
#include "platform/platform.h"

void TLevel::createRandomBonus() {
  sfx().playBonus();
  if (availableBonuses.empty()) return;
  const int n = platform::Rand(1, static_cast<int>(availableBonuses.size()));
  if (const auto& kind = availableBonuses[n - 1]) createBonus(kind->id);
}

void TLevel::createBonus(int bonusId) {
  const auto kind = catalog().getBonus(bonusId);
  if (!kind) return;
  TileList candidates;
  _forEachCell([&](const std::shared_ptr<TTile>& cell, int, int) {
    if (cell->holdsTile() && cell->_lancuch == 0 && !cell->_flyingTile && cell->state.empty())
      candidates.push_back(cell);
  });
  // A board with no idle ordinary tile has nothing to turn into a bonus.
  if (candidates.empty()) return;
  const int n = platform::Rand(1, static_cast<int>(candidates.size()));
  candidates[n - 1]->changeMeTo(kind);
}

void TLevel::useBomb(int row, int col, int power) {
  for (int i = row - power; i <= row + power; ++i) {
    for (int j = col - power; j <= col + power; ++j) {
      const double distance =
          std::sqrt(static_cast<double>((row - i) * (row - i) + (col - j) * (col - j)));
      bombTile(i, j, static_cast<int>(distance * 200.0));
    }
  }
}

void TLevel::bombTile(int row, int col, int delay) {
  const auto cell = tileAt(row, col);
  if (!cell || !cell->available) return;
  cell->destroy(delay);
  cell->destroyType = 4;
}

void TLevel::useCrossVertical(int row, int col, int power) {
  for (int i = row - power; i <= row + power; ++i) crossTile(i, col, std::abs(i - row) * 40, 1);
}

void TLevel::useCrossHorizontal(int row, int col, int power) {
  for (int j = col - power; j <= col + power; ++j) crossTile(row, j, std::abs(col - j) * 40, 2);
}

void TLevel::crossTile(int row, int col, int delay, int type) {
  const auto cell = tileAt(row, col);
  if (!cell || !cell->available) return;
  cell->destroyType = type;
  cell->destroy(delay);
}

void TLevel::useVanish(int, int, int power) {
  TileList candidates;
  _forEachCell([&](const std::shared_ptr<TTile>& cell, int, int) {
    if (cell->td && cell->_lancuch == 0) candidates.push_back(cell);
  });
  // At least one pick; none at all when nothing qualifies (the picking would never end).
  const int picks = power < 1 ? 1 : power;
  if (candidates.empty()) return;
  for (int k = 0; k < picks; ++k) {
    const int n = platform::Rand(1, static_cast<int>(candidates.size()));
    candidates[n - 1]->vanishMe();
  }
}
