#pragma once
#include <memory>
#include <string>
#include <vector>

#include "gui/TDim.h"
#include "match3/BoardFrame.h"
#include "match3/BoardFrameLayout.h"
#include "match3/IBoardListener.h"
#include "match3/IBoardSounds.h"
#include "match3/TBackGround.h"
#include "match3/TBoardGeometry.h"
#include "match3/TFlyingTile.h"
#include "match3/TLevelData.h"
#include "match3/TTile.h"
#include "match3/TTileCatalog.h"

// One board: a grid of cells indexed [row][column], rows growing downward, with the kinds that
// may appear, the creator cells, the background, the music and the clock. The level owns its
// cells; catalogue entries belong to the catalogue.
class TMouse;

class TLevel : public TLevelData {
 public:
  static constexpr int kMaxGrid = 52;
  using Grid = std::vector<std::vector<std::shared_ptr<TTile>>>;

  explicit TLevel(std::shared_ptr<const TTileCatalog> catalog, TBoardGeometry geometry = {});
  TLevel(const TLevel&) = delete;  // cells point back at their level
  TLevel& operator=(const TLevel&) = delete;
  ~TLevel() override;

  // The level's own number and type; TLevelData::id and TLevelData::typ stay empty.
  int id = 0;
  std::string typ;
  std::string musicID;
  int hold = 0;
  std::shared_ptr<TBackGround> backGround;
  int backGroundId = 0;
  int matchType = 0;
  std::vector<std::shared_ptr<TTile>> collect;
  Grid gameField;
  int rows = 0;
  int cols = 0;
  int size = 2;
  float levelW = 0.0f;
  float levelH = 0.0f;
  float levelX = 0.0f;
  float levelY = 0.0f;
  std::vector<std::shared_ptr<TTileData>> availableTiles;
  std::vector<std::shared_ptr<TTileData>> availableBonuses;
  std::vector<std::shared_ptr<TTile>> tileCreators;
  std::shared_ptr<TTile> over;
  std::shared_ptr<TTile> clicked;
  int czas = 0;
  int maxCzas = 0;
  int starsCollected = 0;
  int scoreCollected = 0;
  float mX = 0.0f;
  float mY = 0.0f;
  int win = 0;
  int drawing = 0;
  int endOfLevel = 0;
  int noMatch = 0;
  int shuffle = 0;
  int blinkTime = 0;
  std::shared_ptr<TTile> startTile;
  float bFrame = 0.0f;
  int _blink = 0;
  int rozjasnTime = 0;
  platform::Image back;
  std::string imgURL;
  int WWW = 0;
  int screenW = 0;
  int HHH = 0;
  int screenH = 0;

  // Writes the level file; the board only for a "MATCH-3" level. False when the file could
  // not be written (the old file, if any, is then left as it was).
  bool save(const std::string& path);

  // The geometry step: cell size, scale, board size and every cell's position.
  void countMaths(float mX, float mY);
  void setTilesSize();
  void _countSizes();
  void _countScale();
  void _countLevelDIMS();
  void _countTilesPosition();
  // Places one cell and returns its rectangle (left, top, width, height in whole pixels).
  std::shared_ptr<TDim> _countSingleTilePosition(TTile& tile);

  // The background picture is loaded when the level is shown; a level whose background
  // was not found has none, and both calls then do nothing.
  void loadBackGround();
  void drawBackGround() const;

  // The cell at (row, col); null outside the board.
  std::shared_ptr<TTile> tileAt(int row, int col) const;
  bool isAvailable(int row, int col) const;
  // The playing area as the frame rule reads it; valid while the level lives.
  TCellMask cellMask() const;

  // ---- Play ----------------------------------------------------------------------------
  using TileList = std::vector<std::shared_ptr<TTile>>;

  // Where the board reports and what it plays through; until connected it reports nowhere
  // and plays nothing. Both must outlive the level or be replaced first.
  void connect(IBoardListener& listener, IBoardSounds& sounds);
  // The mouse sampler the tiles read for their hover; none (an idle pointer) until set.
  void setPointer(const TMouse& mouse) { pointer_ = &mouse; }
  IBoardListener& events() const { return *listener_; }
  IBoardSounds& sfx() const { return *sounds_; }
  const TMouse& pointer() const { return *pointer_; }

  // The live flights of this board, updated each frame and drawn after the tiles.
  TFlyingList flyingTiles;

  // One board frame; drawing of background, plates, frame, sparkles, tiles and flights.
  void update();
  void draw();

  void _updateTiles();
  void _updateTilesOver();
  void _updateFlyingTiles();
  void _updateTilesWin();
  void _updateTilesMatches();
  void _updateShuffle();
  void _updateBlink();
  void _startBlink();
  void _updateRozjasnienie();
  void _resetRozjasnienie();
  void _lightUpAll();
  void _lightDownAll();

  // Gravity: a straight fall and a diagonal slide out of (row, col); 1 when a tile started.
  int _updateTilePosition1(int row, int col);
  int _updateTilePosition2(int row, int col);
  // Nothing can fall straight into (row, col) from above.
  int czyMoznaSieWpierdolicBokiem(int row, int col) const;
  // The tile at (row, col) can still fall.
  int czyMoznaSieSpierdolicNizej(int row, int col) const;
  // (row, col) and everything above it is an open, empty shaft.
  int czyMoznaSieWpierdolicBokiem1(int row, int col) const;

  // Matching.
  int _checkTileMatch(const TTile* cell, int id) const;
  TileList _checkVerticalMatch(const std::shared_ptr<TTile>& tile) const;
  TileList _checkHorizontalMatch(const std::shared_ptr<TTile>& tile) const;
  TileList checkSimpleMatch(const std::shared_ptr<TTile>& tile) const;
  TileList checkMatch(const std::shared_ptr<TTile>& tile);
  void eraseTiles(const TileList& tiles);
  int checkTileChain(int row, int col) const;

  std::shared_ptr<TTileData> getRandomTile();
  std::shared_ptr<TFlyingTile> moveTile(const std::shared_ptr<TTile>& from,
                                        const std::shared_ptr<TTile>& to, int check);

  // Bonuses.
  void createRandomBonus();
  void createBonus(int id);
  void useBomb(int row, int col, int power);
  void bombTile(int row, int col, int delay);
  void useCrossVertical(int row, int col, int power);
  void useCrossHorizontal(int row, int col, int power);
  void crossTile(int row, int col, int delay, int type);
  void useVanish(int row, int col, int power);

  // Shuffle when no move is left.
  void _shuffleTiles();
  std::shared_ptr<TTile> wylosujTiles(TileList& tiles);
  void _matchAll();

  // Opening, closing and hiding of the whole board.
  void _startDrawing();
  void _startDrawingBack();
  void hideMe();

  // Queries of the main game and the tutorial.
  int isBonus(int id) const;
  std::shared_ptr<TTile> getTileWithBonus(int id) const;
  std::shared_ptr<TTile> findTileByTileData(const std::shared_ptr<TTileData>& kind) const;

  // Completes every flight (leaving a level): progress to the end, two updates each.
  void finishFlights();

  // The row and column of a cell of this board.
  static int rowOf(const TTile& tile);
  static int colOf(const TTile& tile);

  const TTileCatalog& catalog() const { return *catalog_; }
  const std::shared_ptr<const TTileCatalog>& catalogPtr() const { return catalog_; }
  const TBoardGeometry& geometry() const { return geometry_; }

 private:
  // A swap of cell (row, col) with its right (across) or lower neighbour that makes a line.
  struct PossibleMove {
    int row, col;
    bool across;
  };
  // The possible moves of the board as it stands; searched again only when a cell's kind,
  // chain or availability changed since the last search.
  const std::vector<PossibleMove>& _possibleMoves();
  bool _boardChangedSinceSearch();
  // The board still animates: no hint and no shuffle yet.
  bool _anyTileBusy() const;

  void _drawPlates();
  void _drawFramePieces(int row, int col, FramePass pass) const;
  void _drawIcicle(int row, int col) const;
  // f(cell, row, col) for every cell of the board, in row order.
  template <class F>
  void _forEachCell(F&& f) const {
    for (int row = 0; row < rows; ++row)
      for (int col = 0; col < cols; ++col)
        if (const auto& cell = gameField[row][col]) f(cell, row, col);
  }

  // What the move search reads of a cell, as its last run saw it.
  struct SearchedCell {
    const TTileData* kind = nullptr;
    int chain = -1;
    int available = -1;
    bool operator==(const SearchedCell&) const = default;
  };
  std::vector<SearchedCell> searchedBoard_;
  std::vector<PossibleMove> possibleMoves_;
  BoardFrameLayout frameLayout_;

  std::shared_ptr<const TTileCatalog> catalog_;
  TBoardGeometry geometry_;
  IBoardListener* listener_;
  IBoardSounds* sounds_;
  const TMouse* pointer_;
};

// Builds a level from a level file. A missing file gives an empty 0 x 0 level.
std::shared_ptr<TLevel> loadLevel(const std::string& path,
                                  std::shared_ptr<const TTileCatalog> catalog,
                                  const TBoardGeometry& geometry = {});

// An empty bordered board for the editor: at least 8 inner rows, 8 or more inner columns.
std::shared_ptr<TLevel> newLevel(int rows, int cols, float mX, float mY,
                                 std::shared_ptr<const TTileCatalog> catalog,
                                 const TBoardGeometry& geometry = {});

// The message shown when a level names a background the catalogue lacks.
std::string missingBackgroundMessage(float id);
