// A quest level from the asset folder played with the mouse through the controller.
#include <gtest/gtest.h>

#include "BoardFixture.h"
#include "effects/TParticle.h"
#include "effects/TSopel.h"
#include "match3/TLevelManager.h"
#include "match3/TMatch3Game.h"
#include "platform/files.h"
#include "platform/platform.h"

namespace {

class QuestPlayTest : public BoardFixture {
 protected:
  void SetUp() override {
    BoardFixture::SetUp();
    ASSERT_TRUE(platform::ChangeDir(GLIMMERFIR_ASSET_DIR));
    platform::Graphics(800, 600, 0, 60, 0);
    catalog = std::make_shared<TTileCatalog>();
    manager = std::make_unique<TLevelManager>(catalog);
    ::testing::internal::CaptureStdout();
    catalog->loadAll();
    TParticle::setup();
    loadSople();
    manager->setup();
    level = manager->QUEST_loadLevel(1, 1);
    ::testing::internal::GetCapturedStdout();
    ASSERT_NE(level, nullptr);
    level->connect(listener, sounds);
    level->loadBackGround();
    game.setLevel(level);
    runFrame = [this] {
      game.update();
      updateParticles();
      platform::Cls();
      game.draw();
      drawParticles();
    };
  }

  // Presses on a cell, holds, and drags 20 pixels the given way.
  void drag(const TTile& from, int dx, int dy) {
    const int x = static_cast<int>(from.x), y = static_cast<int>(from.y);
    platform::InjectMouseMove(x, y);
    frame();
    platform::InjectMouseButton(1, true);
    frames(8);
    platform::InjectMouseMove(x + dx, y + dy);
    frame();
    platform::InjectMouseButton(1, false);
  }

  std::unique_ptr<TLevelManager> manager;
  TMatch3Game game{*mouse};
};

TEST_F(QuestPlayTest, HintedMovesMadeByDraggingScore) {
  level->_startDrawing();
  frames(3);
  EXPECT_EQ(level->drawing, 1);
  int n = 0;
  while (level->drawing && n++ < 600) frame();
  ASSERT_EQ(level->drawing, 0);
  // The opened board is on screen: a playing cell is no longer the clear colour.
  platform::SetAlwaysRender(true);
  frame();
  const auto centre = level->tileAt(level->rows / 2, level->cols / 2);
  EXPECT_NE(
      platform::ScreenPixel(static_cast<int>(centre->x), static_cast<int>(centre->y)) & 0xFFFFFFu,
      0u);
  platform::SetAlwaysRender(false);

  for (int move = 0; move < 4 && !level->win; ++move) {
    SCOPED_TRACE(move);
    listener.hints.clear();
    for (int i = 0; i < 900 && listener.hints.empty(); ++i) frame();
    ASSERT_FALSE(listener.hints.empty()) << "no move offered";
    const auto hint = listener.hints.back();
    const int matchesBefore = listener.matchEvents;
    const int scoreBefore = listener.points + listener.stars;
    const auto from = level->tileAt(hint.row1, hint.col1);
    drag(*from, hint.kier == "PRAWO" ? 20 : 0, hint.kier == "DOL" ? 20 : 0);
    frames(12);
    EXPECT_GT(listener.matchEvents, matchesBefore);
    EXPECT_GT(listener.points + listener.stars, scoreBefore);
    settle(900);
  }
}

TEST_F(QuestPlayTest, FirstQuestLevelIsPlayedToAWinByTheHintedMoves) {
  runFrame = [this] { game.update(); };
  level->_startDrawing();
  for (int n = 0; n < 600 && (level->drawing || n < 3); ++n) frame();
  int moves = 0;
  while (!level->win && moves < 150) {
    listener.hints.clear();
    for (int i = 0; i < 900 && listener.hints.empty() && !level->win; ++i) frame();
    if (level->win) break;
    ASSERT_FALSE(listener.hints.empty()) << "stuck after " << moves << " moves";
    const auto hint = listener.hints.back();
    drag(*level->tileAt(hint.row1, hint.col1), hint.kier == "PRAWO" ? 20 : 0,
         hint.kier == "DOL" ? 20 : 0);
    ++moves;
  }
  EXPECT_EQ(level->win, 1) << moves << " moves";
  EXPECT_GT(listener.stars, 0);
}

}  // namespace
