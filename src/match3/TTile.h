#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string_view>

#include "match3/NamedState.h"

class TLevel;
class TTileData;
class TTileBack;
class TFlyingTile;

struct TileStateNames {
  enum Id : uint8_t {
    None,
    Destroy,
    Draw,
    DrawBack,
    DrawBackEnd,
    Change,
    Change2,
    CrossFire,
    Vanish,
    Bombing,
    Rising
  };
  static constexpr std::array<std::string_view, 11> kNames = {
      "",        "DESTROY",    "DRAW",   "DRAW-BACK", "DRAW-BACK-END", "CHANGE",
      "CHANGE2", "CROSS-FIRE", "VANISH", "BOMBING",   "RISING"};
};
// What a cell is busy with; empty when it is at rest.
using TileState = NamedState<TileStateNames>;

// One cell of a board: its plate, its chain and the kind that sits in it. The board owns its
// cells; a cell's parent pointer never outlives the board.
class TTile {
 public:
  explicit TTile(TLevel* parent = nullptr);

  TLevel* _parent = nullptr;
  std::shared_ptr<TTileData> td;
  std::shared_ptr<TTileBack> tileBack;
  int bonus = 0;
  int available = 0;
  int hide = 0;
  float backAlpha = 1.0f;
  float dBackAlpha = 0.0f;
  int size = 0;
  std::shared_ptr<TFlyingTile> _flyingTile;
  int _zajete = 0;
  int _lancuch = 0;
  float r = 0.0f;
  float c = 0.0f;
  float x = 0.0f;
  float y = 0.0f;
  float constX = 0.0f;
  float constY = 0.0f;
  float alpha = 1.0f;
  float constS = 0.0f;
  float dAlpha = 0.0f;
  float s = 1.0f;
  float ds = 1.0f;
  float backS = 0.0f;
  float dBackS = 0.0f;
  TileState state;
  float x1 = 0.0f;
  float y1 = 0.0f;
  float w = 0.0f;
  float h = 0.0f;
  float x2 = 0.0f;
  float y2 = 0.0f;
  int _isClicked = 0;
  int _isOver = 0;
  float rozA = 0.0f;
  float drozA = 0.0f;
  int _rozjasnienie = 0;
  float ax = 0.0f;
  float ay = 0.0f;
  int matches = 0;
  std::shared_ptr<TTileBack> _lastTileBack;
  float move = 0.0f;
  float dmove = 1.0f;
  float backR = 0.0f;
  int rotateMe = 0;
  float kierunek = 0.0f;
  int drawingTime = 0;
  float overR = 0.0f;
  float overA = 0.0f;
  std::shared_ptr<TTileData> changingTo;
  float changingP = 0.0f;
  int usesBonus = 0;
  float frame = 0.0f;
  int time = 0;
  int destroyType = 0;
  int isMoving = 0;
  int _blink = 0;
  int blinkTime = 0;
  float blinkFrame = 0.0f;
  int _rozjasnTime = 0;
  float vy = 0.0f;
  int _byloRozpoczecie = 0;

  // Tileset and kind ids as the level file stores them: 0 when the cell has none.
  int tileBackId() const;
  int tileId() const;

  // ---- Behaviour -----------------------------------------------------------------------
  struct Point {
    float x = 0;
    float y = 0;
  };

  // Start the destruction after delay ms: points or a star, plate hit or chain shards.
  void destroy(int delay);
  void setDestroyType(int n);
  void startDrawing1(int delay);
  void startDrawing2(int delay);
  void startDrawingBack(int delay);
  // Morph into another kind: "CHANGE" (a new bonus), "CHANGE2" (shuffle).
  void changeMeTo(const std::shared_ptr<TTileData>& kind);
  void changeMeTo2(const std::shared_ptr<TTileData>& kind);
  int canBeMoved() const;
  void moveMe();
  void clickMe();
  void vanishMe();
  void bombMe();
  void crossMe();
  void matchMe(int delay);
  void matchMeDown();
  void chainMeDown();
  void useBomb();
  void useCrossFire();
  void useCrossFireVertical();
  void useCrossFireHorizontal();
  void useVanish();
  int _usingBonus() const;
  int finished() const;
  int onFly() const;
  float getTileWidth() const;
  float getTileHeight() const;
  std::array<Point, 9> get3on3dimsTab() const;
  std::array<Point, 9> get3on3golddimsTab() const;
  bool isState(TileState other) const { return state == other; }
  // True for an ordinary kind (id below 100) and for a bonus kind (id above 100).
  bool holdsTile() const;
  bool holdsBonus() const;
  // Holds a kind that is neither moving nor busy in a state: the only tiles a swap may take.
  bool atRest() const;

  // Per-frame updates, run by the board.
  int _updateOver();
  void _updateScale();
  void _updateClicked();
  void _updateRozjasnienie();
  void _updateState();
  void _updateExist();

  // Drawing: the tile layer, the plate and the sparkle.
  void draw() const;
  void _drawBack() const;
  void _drawBlink() const;

 private:
  // True while the top plate layer has been paid for and the hit has not yet settled.
  bool _plateLayerHit() const;
  // The end of a destruction: a chain level or a plate layer goes.
  void _settleLayer();
  void _updateFrames();
  void _updatePoswiata();
  void _updateDestroy();
  void _updateBurning();
  void _updateChange(float step, float end, int chance);
  void _updateRising();
  void _updateDraw();
  void _updateDrawBack();
  void _fireBonus();
  void _fireLines(bool vertical, bool horizontal);
  void _destroySparks() const;
  void _burnSparks(int chance) const;
  void _startDrawingCommon(int delay);
  void _drawKind(float rotation) const;
  int _row() const;
  int _col() const;
};
