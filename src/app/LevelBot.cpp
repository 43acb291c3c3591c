#include "app/LevelBot.h"

#include <cstdlib>
#include <string>

#include "core/Globals.h"
#include "match3/IMainGameBoard.h"
#include "match3/TLevel.h"
#include "match3/TMainGame.h"
#include "platform/Log.h"
#include "platform/platform.h"
#include "platform/strings.h"

namespace {
// A drag: press on the tile, pull 12 pixels toward the neighbour once the press counts as
// held (100 ms), finish over the neighbour and let go.
constexpr int kPullAfterMs = 150;
constexpr int kPullPixels = 12;
constexpr int kArriveAfterMs = 200;
constexpr int kReleaseAfterMs = 250;
// After the end, the win screen comes up 2 s later; the lose screen at once.
constexpr int kLeaveAfterMs = 2600;
constexpr int kClickEveryMs = 500;
// How long the board must stand still before the bot trusts it.
constexpr int kSettleMs = 250;
// The lose screen's MAIN MENU button; any click closes the win screen.
constexpr int kLeaveX = 400;
constexpr int kLeaveY = 395;
}  // namespace

bool levelBotWanted() {
  const char* value = std::getenv("GLIMMERFIR_BOT");
  return value && std::string(value) == "1";
}

void LevelBot::frame() {
  if (closed_) return;
  const int now = platform::MilliSecs();
  checkEnd(now);
  if (endedAt_)
    leave(now, *endedAt_);
  else
    play(now);
  runDueSteps(now);
}

void LevelBot::checkEnd(int now) {
  if (endedAt_ || !game_.level) return;
  const bool won = platform::SameText(game_.state, "WIN");
  const bool lost = platform::SameText(game_.state, "LOSE");
  if (!won && !lost) return;
  endedAt_ = now;
  // A drag cut short by the end must not leave the button down.
  plan_.clear();
  if (platform::MouseDown(1)) plan_.push_back({now, Act::Release});
  platform::Logf("LEVEL BOT : %s SECONDS LEFT : %d OF : %d MOVES : %d", won ? "WON" : "LOST",
                 game_.level->czas, game_.level->maxCzas, moves_);
}

void LevelBot::leave(int now, int endedAt) {
  if (!platform::SameText(currentState, "MAIN-GAME")) {
    plan_.clear();
    plan_.push_back({now, Act::Close});
    return;
  }
  if (now < endedAt + kLeaveAfterMs || !plan_.empty()) return;
  planClick(kLeaveX, kLeaveY, now);
  plan_.push_back({now + kClickEveryMs, Act::Move, kLeaveX, kLeaveY});
}

void LevelBot::play(int now) {
  if (!plan_.empty() || now < nextThinkAt_) return;
  // The board has settled when it has stood still for a moment: nothing falls, grows or
  // bursts, and no new tile is on its way.
  if (!platform::SameText(game_.state, "NORMAL") || !boardStill()) {
    stillSince_.reset();
    return;
  }
  if (!stillSince_) stillSince_ = now;
  if (now - stillSince_.value_or(now) < kSettleMs) return;
  const TLevel& level = *game_.level;
  // A tile left selected would turn the next press into a swap with it: let it go first.
  if (const auto selected = game_.match3->clicked()) {
    planClick(int(selected->constX), int(selected->constY), now);
    nextThinkAt_ = now + kThinkMs;
    return;
  }
  const auto move = BotMoves::best(BotBoard::read(level));
  if (!move) return;  // the board shuffles itself
  planDrag(*move, now);
  ++moves_;
  nextThinkAt_ = now + kThinkMs;
}

bool LevelBot::boardStill() const {
  const TLevel* level = game_.level.get();
  if (!level || level->hold || level->shuffle || level->drawing || level->win) return false;
  if (!level->flyingTiles.empty()) return false;
  // A cell may stay empty while chains above it hold their tiles: play goes on around it.
  for (int row = 0; row < level->rows; ++row)
    for (int col = 0; col < level->cols; ++col) {
      const auto tile = level->tileAt(row, col);
      if (!tile || !tile->available || !tile->td) continue;
      if (!tile->atRest() || tile->s != tile->ds) return false;
    }
  return true;
}

void LevelBot::planDrag(const BotMove& move, int now) {
  const auto from = game_.level->tileAt(move.row1, move.col1);
  const auto to = game_.level->tileAt(move.row2, move.col2);
  const int x1 = int(from->constX), y1 = int(from->constY);
  const int x2 = int(to->constX), y2 = int(to->constY);
  const int pullX = x1 + (x2 > x1 ? kPullPixels : x2 < x1 ? -kPullPixels : 0);
  const int pullY = y1 + (y2 > y1 ? kPullPixels : y2 < y1 ? -kPullPixels : 0);
  plan_.push_back({now, Act::Move, x1, y1});
  plan_.push_back({now, Act::Press});
  plan_.push_back({now + kPullAfterMs, Act::Move, pullX, pullY});
  plan_.push_back({now + kArriveAfterMs, Act::Move, x2, y2});
  plan_.push_back({now + kReleaseAfterMs, Act::Release});
}

void LevelBot::planClick(int x, int y, int now) {
  plan_.push_back({now, Act::Move, x, y});
  plan_.push_back({now, Act::Press});
  plan_.push_back({now + kClickEveryMs / 5, Act::Release});
}

void LevelBot::runDueSteps(int now) {
  while (!plan_.empty() && plan_.front().at <= now) {
    const Step step = plan_.front();
    plan_.pop_front();
    switch (step.act) {
      case Act::Move:
        platform::InjectMouseMove(step.x, step.y);
        break;
      case Act::Press:
        platform::InjectMouseButton(1, true);
        break;
      case Act::Release:
        platform::InjectMouseButton(1, false);
        break;
      case Act::Close:
        platform::InjectCloseRequest();
        closed_ = true;
        plan_.clear();
        return;
    }
  }
}
