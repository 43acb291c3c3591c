#pragma once
#include <memory>
#include <string>

#include "core/TEkran.h"
#include "effects/TParticle.h"
#include "gui/TRGB.h"
#include "match3/IBoardListener.h"
#include "match3/IBoardSounds.h"
#include "match3/IMainGameBoard.h"
#include "match3/MainGameContext.h"
#include "match3/TLevelComplited.h"
#include "match3/TTileMatch.h"
#include "platform/platform.h"

class ScreenContext;
class TBMFont;
class TLevel;

// The screen where a level is played: the opening with its ready and go pictures, the level
// clock, the counters in the top bar, the win banner and the loss, the in-game menu and the
// developer keys. It drives the board and hands the screen flow the state that follows.
class TMainGame : public TEkran {
 public:
  platform::Image top;
  float y = 0.0f;
  float speedy = 0.0f;
  std::shared_ptr<TLevelComplited> levelComplited;
  std::shared_ptr<TBMFont> font;
  platform::Image clickImg;
  float sFrame = 0.0f;
  float maxFrame = 0.0f;
  std::string state;
  std::shared_ptr<TLevel> level;
  std::shared_ptr<IMainGameBoard> match3;
  int punktyZebrane = 0;
  int gwiazdkiZebrane = 0;
  int timerOn = 0;
  int EVENT_MATCH = 0;
  int EVENT_SPEC_TILE_MATCH = 0;
  int EVENT_CHAIN_MATCH = 0;
  int toExit = 0;
  int pomCzas = 0;
  int showHide = 0;
  std::shared_ptr<TParticleList> pointsParticles = std::make_shared<TParticleList>();
  std::shared_ptr<TParticleList> chainParticles = std::make_shared<TParticleList>();
  std::shared_ptr<TParticleList> textParticles = std::make_shared<TParticleList>();
  int time = 0;
  std::shared_ptr<TTileMatch> tileMatch;

  // screen: the frame, mouse and GUI services; services: the profile, the screens over the
  // game, the tutorial and the sounds. Both outlive the screen.
  TMainGame(ScreenContext& screen, MainGameContext& services);
  ~TMainGame() override;

  void setup() override;
  virtual void _drawGUI();
  void draw() override;
  virtual void _updateGUI();
  void update() override;
  virtual void _setupGUI();
  virtual void _setupMatch3();
  virtual void _drawBack();
  virtual void _drawGame();
  virtual void _drawSpec();
  virtual void _drawTileMatch();
  virtual void _STATE_Begin();
  virtual void _STATE_Win();
  virtual void _STATE_WinInfo();
  virtual void _STATE_Lose();
  virtual void _STATE_Main_menu();
  virtual void _STATE_Main_menu_restart();
  virtual void _STATE_Restart();
  virtual void _updateState();
  virtual void _updateFromOtherScreen();
  virtual void _updateGame();
  virtual void _updateSpec();
  virtual void _updateCzas();
  virtual void _updateEnviroment();
  virtual void _updateSelect();
  virtual void _updateTileMatch();
  virtual void _prepareSelf();
  virtual void _prepareTop();
  virtual void prepare();
  virtual std::string mainLoop();
  virtual void finish();
  virtual void _controlGUI();
  virtual void _controlKEYBOARD();
  virtual std::string getTimeString() const;
  // The last seconds of a timed level: the clock's digits pulse red and it ticks each second.
  bool clockRunsLow() const;
  TRGB clockColour() const;
  virtual void goMENU();
  virtual int isBonus(int id) const;
  virtual void setMatch(int row1, int col1, int row2, int col2, HintDirection direction);
  virtual void setStartData();
  virtual void setLevel(const std::shared_ptr<TLevel>& newLevel);
  virtual void setState(const std::string& s);
  virtual void WIN();
  virtual void LOSE();

  // The board to use instead of the one _setupMatch3 makes; set before setLevel.
  void setBoard(std::shared_ptr<IMainGameBoard> board) { match3 = std::move(board); }
  // Where the board reports its points, stars, events and hint requests: this screen.
  IBoardListener& boardListener() { return *boardEvents_; }

  // What the profile says: 0 timed, anything else relaxed; the number shown in the bar.
  int mode() const;
  int levelNumber() const;

  // The line printed when a level ends, with the state and both counters.
  std::string summaryLine() const;

 private:
  class BoardEvents;
  ScreenContext& screen_;
  MainGameContext& services_;
  std::unique_ptr<IBoardListener> boardEvents_;
  bool cheatsOn() const;
  bool levelBeingLeft() const;
  void playMusic(const std::string& name);
  void drawCounters();
};

// "mm:ss" for a number of seconds; the minutes are not limited to two digits.
std::string formatClock(int seconds);
