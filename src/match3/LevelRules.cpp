// The board's rules: frame order, gravity, settled-tile tests, matching, erasing, the
// possible-move search, shuffle, winning, sparkle and plate light-up.

#include "core/Globals.h"
#include "effects/ParticleConstructors.h"
#include "match3/TLevel.h"
#include "platform/platform.h"

namespace {

// A cell an arriving tile may enter.
bool freeFor(const TTile* cell) { return cell && cell->available && !cell->td && !cell->_zajete; }

// A cell whose tile may leave it.
bool mayLeave(const TTile& cell) {
  return cell.td && cell._zajete && cell.canBeMoved() && cell._lancuch == 0 && !cell._flyingTile;
}

}  // namespace

TLevel::~TLevel() {
  // Cells and flights point at each other; break the rings so both are freed.
  flyingTiles.forEach([](TFlyingTile& flight) {
    flight.tile = flight.dTile = nullptr;
    flight.fly1 = flight.fly2 = nullptr;
  });
  flyingTiles.clear();
  for (auto& line : gameField)
    for (auto& cell : line)
      if (cell) cell->_flyingTile = nullptr;
}

int TLevel::rowOf(const TTile& tile) { return static_cast<int>(tile.r); }

int TLevel::colOf(const TTile& tile) { return static_cast<int>(tile.c); }

// ---- Frame order ---------------------------------------------------------------------------

void TLevel::update() {
  if (hold) return;
  if (shuffle) {
    _updateFlyingTiles();
    _updateShuffle();
    _updateTiles();
    _updateBlink();
    return;
  }
  _updateBlink();
  _updateTiles();
  _updateTilesWin();
  _updateTilesMatches();
  _updateRozjasnienie();
  if (win)
    flyingTiles.clear();
  else
    _updateFlyingTiles();
}

void TLevel::_updateFlyingTiles() {
  flyingTiles.forEach([](TFlyingTile& flight) { flight.update(); });
}

void TLevel::_updateTilesOver() {
  over = nullptr;
  if (events().tutorialHintShown() || hold) return;
  for (int row = rows - 1; row >= 0; --row)
    for (int col = 0; col < cols; ++col)
      if (auto cell = tileAt(row, col); cell && cell->_updateOver()) over = cell;
}

void TLevel::_updateTiles() {
  drawing = 0;
  _updateTilesOver();
  for (int row = rows - 1; row >= 0; --row) {
    for (int col = 0; col < cols; ++col) {
      auto cell = tileAt(row, col);
      if (!cell) continue;
      cell->_updateRozjasnienie();
      cell->_updateScale();
      cell->_updateClicked();
      cell->_updateState();
      if (cell->isState(TileState::Draw) || cell->isState(TileState::DrawBack) ||
          cell->isState(TileState::DrawBackEnd))
        drawing = 1;
      if (!cell->_flyingTile && cell->td) cell->_zajete = 1;
    }
  }
  if (events().tutorialHintShown()) {
    over = nullptr;
    clicked = nullptr;
    return;
  }
  if (drawing || win) return;
  for (int row = rows - 1; row >= 0; --row) {
    for (int col = 0; col < cols; ++col) {
      if (auto cell = tileAt(row, col)) cell->_updateExist();
      _updateTilePosition1(row, col);
      _updateTilePosition2(row, col);
    }
  }
}

// ---- Gravity -------------------------------------------------------------------------------

int TLevel::_updateTilePosition1(int row, int col) {
  auto cell = tileAt(row, col);
  auto below = tileAt(row + 1, col);
  if (!cell || !below || !freeFor(below.get()) || !mayLeave(*cell)) return 0;
  moveTile(cell, below, 0);
  below->_zajete = 1;
  cell->_zajete = 0;
  return 1;
}

int TLevel::_updateTilePosition2(int row, int col) {
  auto cell = tileAt(row, col);
  if (!cell || row + 1 >= rows || !mayLeave(*cell)) return 0;
  for (const int side : {col + 1, col - 1}) {
    auto target = tileAt(row + 1, side);
    if (!target || !czyMoznaSieWpierdolicBokiem(row + 1, side) || !freeFor(target.get())) continue;
    moveTile(cell, target, 0);
    target->_zajete = 1;
    cell->_zajete = 0;
    return 1;
  }
  return 0;
}

int TLevel::czyMoznaSieWpierdolicBokiem(int row, int col) const {
  for (int i = row; i >= 0; --i) {
    const auto cell = tileAt(i, col);
    if (!cell) return 1;
    const bool chained = cell->_lancuch > 0;
    if (!chained && (cell->td || cell->_flyingTile || cell->_zajete)) return 0;
    if (i != row && (!cell->available || chained)) return 1;
  }
  return 1;
}

int TLevel::czyMoznaSieSpierdolicNizej(int row, int col) const {
  for (int i = row; i < rows; ++i) {
    const auto cell = tileAt(i, col);
    if (!cell || !cell->available || cell->_lancuch > 0) return 0;
    if (!cell->td && !cell->_flyingTile && !cell->_zajete) return 1;
  }
  return 0;
}

int TLevel::czyMoznaSieWpierdolicBokiem1(int row, int col) const {
  if (!tileAt(row, col)) return 0;
  for (int i = row; i >= 0; --i) {
    const auto cell = tileAt(i, col);
    if (!cell || !cell->available || cell->td || cell->_flyingTile || cell->_zajete) return 0;
  }
  return 1;
}

// ---- Matching ------------------------------------------------------------------------------

int TLevel::_checkTileMatch(const TTile* cell, int tileId) const {
  return (cell && cell->available && cell->td && cell->td->id == tileId) ? 1 : 0;
}

namespace {

// The run through tile along one axis, nearest cells first, both ways alternately.
TLevel::TileList runThrough(const TLevel& level, const std::shared_ptr<TTile>& tile, int dr,
                            int dc) {
  TLevel::TileList run{tile};
  if (!tile || !tile->td) return {};
  const int id = tile->td->id;
  const int row = TLevel::rowOf(*tile);
  const int col = TLevel::colOf(*tile);
  bool forward = true;
  bool backward = true;
  for (int d = 1; forward || backward; ++d) {
    if (forward) {
      auto cell = level.tileAt(row + dr * d, col + dc * d);
      forward = level._checkTileMatch(cell.get(), id) != 0;
      if (forward) run.push_back(cell);
    }
    if (backward) {
      auto cell = level.tileAt(row - dr * d, col - dc * d);
      backward = level._checkTileMatch(cell.get(), id) != 0;
      if (backward) run.push_back(cell);
    }
  }
  if (run.size() < 3) run.clear();
  return run;
}

TLevel::TileList bothRuns(const TLevel& level, const std::shared_ptr<TTile>& tile) {
  TLevel::TileList found = level._checkVerticalMatch(tile);
  const TLevel::TileList across = level._checkHorizontalMatch(tile);
  found.insert(found.end(), across.begin(), across.end());
  if (found.size() <= 2) found.clear();
  return found;
}

}  // namespace

TLevel::TileList TLevel::_checkVerticalMatch(const std::shared_ptr<TTile>& tile) const {
  return runThrough(*this, tile, 1, 0);
}

TLevel::TileList TLevel::_checkHorizontalMatch(const std::shared_ptr<TTile>& tile) const {
  return runThrough(*this, tile, 0, 1);
}

TLevel::TileList TLevel::checkSimpleMatch(const std::shared_ptr<TTile>& tile) const {
  if (!tile || !tile->td || tile->td->id > 100 || tile->_lancuch) return {};
  return bothRuns(*this, tile);
}

TLevel::TileList TLevel::checkMatch(const std::shared_ptr<TTile>& tile) {
  if (!tile || !tile->td) return {};
  const int row = rowOf(*tile);
  const int col = colOf(*tile);
  if (czyMoznaSieSpierdolicNizej(row, col) || czyMoznaSieWpierdolicBokiem1(row + 1, col + 1) ||
      czyMoznaSieWpierdolicBokiem1(row + 1, col - 1) || tile->td->id >= 101)
    return {};
  TileList found = _checkVerticalMatch(tile);
  const TileList across = _checkHorizontalMatch(tile);
  found.insert(found.end(), across.begin(), across.end());
  events().resetFullTileMatch();
  if (found.size() <= 2) found.clear();
  return found;
}

int TLevel::checkTileChain(int row, int col) const {
  const auto cell = tileAt(row, col);
  return (cell && cell->_lancuch > 0) ? 1 : 0;
}

void TLevel::eraseTiles(const TileList& tiles) {
  const size_t n = tiles.size();
  if (n == 4)
    sfx().playMySound("particle4");
  else if (n == 5)
    sfx().playMySound("particle5");
  else if (n > 0)
    sfx().playMySound("particle" + std::to_string(platform::Rand(1, 3)));
  for (const auto& tile : tiles) {
    if (!tile) continue;
    if (tile->tileBackId() > 1) events().eventSpecTileMatch();
    if (tile->_lancuch) events().eventChainMatch();
    tile->setDestroyType(0);
    tile->destroy(0);
  }
  events().eventMatch();
}

std::shared_ptr<TTileData> TLevel::getRandomTile() {
  if (availableTiles.empty()) return nullptr;
  const int n = platform::Rand(1, static_cast<int>(availableTiles.size()));
  return availableTiles[n - 1];
}

std::shared_ptr<TFlyingTile> TLevel::moveTile(const std::shared_ptr<TTile>& from,
                                              const std::shared_ptr<TTile>& to, int check) {
  if (!from || !to) return nullptr;
  from->moveMe();
  to->moveMe();
  return createFlyingTile(from, to, 0, check);
}

// ---- Possible moves and shuffle ------------------------------------------------------------

void TLevel::_updateTilesMatches() {
  if (win || drawing || !flyingTiles.empty() || _anyTileBusy()) return;
  noMatch = 0;
  const std::vector<PossibleMove>& moves = _possibleMoves();
  if (moves.empty()) {
    _shuffleTiles();
    events().resetTileMatch();
    return;
  }
  // A pick every frame, as the hint may take a new one whenever it is free.
  const PossibleMove& p = moves[platform::Rand(1, static_cast<int>(moves.size())) - 1];
  if (p.across)
    events().setMatch(p.row, p.col, p.row, p.col + 1, HintDirection::Right);
  else
    events().setMatch(p.row, p.col, p.row + 1, p.col, HintDirection::Down);
}

// A tile being destroyed, burning or morphing counts too: a shuffle now would turn it into
// another kind and undo the match it belongs to.
bool TLevel::_anyTileBusy() const {
  bool busy = false;
  _forEachCell([&](const std::shared_ptr<TTile>& cell, int, int) {
    busy = busy || cell->s != cell->ds || !cell->state.empty();
  });
  return busy;
}

bool TLevel::_boardChangedSinceSearch() {
  bool changed = searchedBoard_.size() != size_t(rows) * size_t(cols);
  searchedBoard_.resize(size_t(rows) * size_t(cols));
  for (int row = 0; row < rows; ++row)
    for (int col = 0; col < cols; ++col) {
      const auto& cell = gameField[row][col];
      const SearchedCell seen =
          cell ? SearchedCell{cell->td.get(), cell->_lancuch, cell->available} : SearchedCell{};
      auto& kept = searchedBoard_[size_t(row) * size_t(cols) + size_t(col)];
      changed = changed || kept != seen;
      kept = seen;
    }
  return changed;
}

const std::vector<TLevel::PossibleMove>& TLevel::_possibleMoves() {
  if (!_boardChangedSinceSearch()) return possibleMoves_;
  possibleMoves_.clear();
  auto tryPair = [&](const std::shared_ptr<TTile>& cell, int row, int col, bool across) {
    auto other = across ? tileAt(row, col + 1) : tileAt(row + 1, col);
    if (!other || other->_lancuch > 0 || !cell->td || !other->td) return;
    std::swap(cell->td, other->td);
    if (!checkSimpleMatch(cell).empty()) possibleMoves_.push_back({row, col, across});
    std::swap(cell->td, other->td);
  };
  _forEachCell([&](const std::shared_ptr<TTile>& cell, int row, int col) {
    tryPair(cell, row, col, true);
    tryPair(cell, row, col, false);
  });
  return possibleMoves_;
}

std::shared_ptr<TTile> TLevel::wylosujTiles(TileList& tiles) {
  if (tiles.empty()) return nullptr;
  const int n = platform::Rand(1, static_cast<int>(tiles.size()));
  auto picked = tiles[n - 1];
  tiles.erase(tiles.begin() + (n - 1));
  return picked;
}

void TLevel::_shuffleTiles() {
  TileList first;
  _forEachCell([&](const std::shared_ptr<TTile>& cell, int, int) {
    if (cell->td) first.push_back(cell);
  });
  TileList second = first;
  for (const auto& s : first) {
    auto p = wylosujTiles(second);
    if (!p || p == s || s->isState(TileState::Change2) || p->isState(TileState::Change2)) continue;
    const auto kindOfS = s->td;
    s->changeMeTo2(p->td);
    p->changeMeTo2(kindOfS);
  }
  shuffle = 1;
  addTextParticleLasting(9, 400, 300, 0);
}

void TLevel::_updateShuffle() {
  bool morphing = false;
  _forEachCell([&](const std::shared_ptr<TTile>& cell, int, int) {
    morphing = morphing || cell->isState(TileState::Change2);
  });
  if (morphing) return;
  _matchAll();
  shuffle = 0;
}

void TLevel::_matchAll() {
  _forEachCell([&](const std::shared_ptr<TTile>& cell, int, int) {
    if (cell->td) eraseTiles(checkMatch(cell));
  });
  events().resetTileMatch();
}

// ---- Winning, sparkle, light-up ------------------------------------------------------------

void TLevel::_updateTilesWin() {
  bool done = true;
  _forEachCell([&](const std::shared_ptr<TTile>& cell, int, int) {
    done = done && cell->finished() && cell->tileBackId() <= 1;
  });
  win = done ? 1 : 0;
}

void TLevel::_updateBlink() {
  _forEachCell([](const std::shared_ptr<TTile>& cell, int, int) {
    cell->_blink = 0;
    cell->blinkFrame = 0;
  });
  if (startTile && _blink) {
    bFrame = std::min(bFrame + 0.2f * delta, 6.0f);
    startTile->blinkFrame = bFrame;
    startTile->_blink = 1;
    if (bFrame >= 6.0f) {
      bFrame = 0;
      startTile = nullptr;
      _blink = 0;
    }
  }
  const int now = platform::MilliSecs();
  if (now <= blinkTime) return;
  if (startTile && _blink)
    blinkTime = now + platform::Rand(2000, 3000);
  else
    _startBlink();
}

void TLevel::_startBlink() {
  _blink = 1;
  const int row = platform::Rand(1, rows - 2);
  const int col = platform::Rand(1, cols - 2);
  startTile = tileAt(row, col);
  if (!startTile) _blink = 0;
  bFrame = 0;
  blinkTime = platform::MilliSecs() + platform::Rand(2000, 3000);
}

void TLevel::_updateRozjasnienie() {
  if (platform::MilliSecs() > rozjasnTime) _resetRozjasnienie();
}

void TLevel::_resetRozjasnienie() {
  _forEachCell([](const std::shared_ptr<TTile>& cell, int, int) {
    if (cell->tileBackId() <= 1) return;
    cell->_rozjasnienie = 1;
    cell->drozA = 0.5f;
    cell->rozA = 0;
  });
  rozjasnTime = platform::MilliSecs() + 6000;
}

void TLevel::_lightUpAll() {
  const int until = platform::MilliSecs() + 1500000;
  _forEachCell([&](const std::shared_ptr<TTile>& cell, int, int) {
    if (cell->tileBackId() <= 1) return;
    cell->_rozjasnienie = 1;
    cell->drozA = 0.7f;
    cell->rozA = 0;
    cell->_rozjasnTime = until;
  });
  rozjasnTime = until;
}

void TLevel::_lightDownAll() {
  _forEachCell([](const std::shared_ptr<TTile>& cell, int, int) {
    if (cell->tileBackId() <= 1) return;
    cell->drozA = 0;
    cell->_rozjasnTime = 0;
  });
  _resetRozjasnienie();
}

// ---- Opening and closing -------------------------------------------------------------------

void TLevel::_startDrawing() {
  const int pattern = platform::Rand(1, 5);
  const int variant = platform::Rand(0, 1);
  _forEachCell([&](const std::shared_ptr<TTile>& cell, int row, int col) {
    int delay = 0;
    switch (pattern) {
      case 1:
        delay = (row + 1) * 50;
        break;
      case 2:
        delay = (row + 1) * (col + 1) * 7;
        break;
      case 3:
        delay = (rows - row - 2) * 50;
        break;
      case 4:
        delay = (col + 1) * 50;
        break;
      default:
        delay = (cols - row - 2) * 50;
        break;
    }
    if (variant == 1)
      cell->startDrawing1(delay);
    else
      cell->startDrawing2(delay);
  });
}

void TLevel::_startDrawingBack() {
  flyingTiles.forEach([](TFlyingTile& flight) { flight.endFly(); });
  flyingTiles.clear();
  const int m = platform::Rand(2, 3);
  _forEachCell([&](const std::shared_ptr<TTile>& cell, int row, int col) {
    cell->startDrawingBack(m == 2 ? row * 50 : col * 50);
  });
}

void TLevel::hideMe() {
  _forEachCell([](const std::shared_ptr<TTile>& cell, int, int) { cell->hide = 1; });
}

void TLevel::finishFlights() {
  flyingTiles.forEach([](TFlyingTile& flight) {
    flight.per = 1.0f;
    if (flight.fly1) flight.fly1->per = 1.0f;
    if (flight.fly2) flight.fly2->per = 1.0f;
    flight.update();
  });
  flyingTiles.forEach([](TFlyingTile& flight) { flight.update(); });
}

// ---- Queries -------------------------------------------------------------------------------

std::shared_ptr<TTile> TLevel::getTileWithBonus(int bonusId) const {
  std::shared_ptr<TTile> found;
  _forEachCell([&](const std::shared_ptr<TTile>& cell, int, int) {
    if (!found && cell->td && cell->td->id == bonusId) found = cell;
  });
  return found;
}

int TLevel::isBonus(int bonusId) const { return getTileWithBonus(bonusId) ? 1 : 0; }

std::shared_ptr<TTile> TLevel::findTileByTileData(const std::shared_ptr<TTileData>& kind) const {
  std::shared_ptr<TTile> found;
  if (!kind) return found;
  _forEachCell([&](const std::shared_ptr<TTile>& cell, int, int) {
    if (!found && cell->td == kind) found = cell;
  });
  return found;
}
