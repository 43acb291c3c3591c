// A player's first start and the next one, through the real binary: the name is typed, a
// bauble is bought on the tree screen and hung on the tree, a level is won, the game quits;
// the next start resumes the quest with the tree, the stars and the level kept.
#include <gtest/gtest.h>

#include <string>

#include "datafile/TRCMFile.h"
#include "e2e/GameRun.h"

namespace {

size_t findAfter(const std::string& out, const std::string& line, size_t from) {
  const size_t at = out.find(line, from);
  EXPECT_NE(at, std::string::npos) << "missing \"" << line << "\" in:\n" << out;
  return at == std::string::npos ? from : at;
}

void expectInOrder(const std::string& out, std::initializer_list<const char*> lines) {
  size_t at = 0;
  for (const char* line : lines) at = findAfter(out, line, at);
}

TEST(ProfileEndToEnd, TheTreeAndTheQuestSurviveAQuit) {
  e2e::GameRun run;
  run.allowCheats();
  // Title card, the name, then on the tree screen: the first bauble of the shop (8 stars of
  // the 10 a quest starts with) onto the tree, PLAY, the win key, Escape on the level's
  // summary (which pays 1 star for the time left: one per 40 s, and the first level's clock is
  // 45 s, won in its first seconds), and quit on the next tree screen.
  const std::string first = run.run("", 1200,
                                    "30 key 13\n80 char \"Ann\"\n100 key 13\n"
                                    "200 move 50 125\n201 press 1\n203 release 1\n"
                                    "210 move 458 330\n212 press 1\n214 release 1\n"
                                    "240 move 730 550\n241 press 1\n243 release 1\n"
                                    "500 keydown 87\n502 keyup 87\n760 key 27\n");
  EXPECT_EQ(run.exitCode(), 0) << first;
  expectInOrder(first,
                {"WHERE : NEW-QUEST", "WHERE : TREE-SCREEN", "WHERE : MAIN-GAME",
                 "LEVEL END : WIN-INFO", "WHERE : GET-NEXT-QUEST-LEVEL", "WHERE : TREE-SCREEN"});

  const std::string folder = run.path("xdg") + "/Glimmerfir/Profiles/";
  TRCMFile list(folder + "profiles.dat");
  EXPECT_EQ(list.getString("Profiles::ActProfile"), "65-78-78-");
  TRCMFile saved(folder + "65-78-78-/profile.dat");
  EXPECT_EQ(saved.getString("Profile::name"), "Ann");
  EXPECT_EQ(saved.getFloat("Profile::stars"), 3.0f);
  EXPECT_EQ(saved.getFloat("Profile::nrLeveluQuest"), 2.0f);
  EXPECT_EQ(saved.getFloat("Profile::choinka::i"), 1.0f);
  EXPECT_EQ(saved.getString("Profile::choinka::elm1", 1), "BOMBKA");
  EXPECT_EQ(saved.getString("Profile::choinka::elm1", 2), "458.000000 330.000000");

  // The next start: Enter resumes the quest on the tree screen, and PLAY plays level 2.
  const std::string second =
      run.run("", 400, "30 key 13\n200 move 730 550\n201 press 1\n203 release 1\n");
  EXPECT_EQ(run.exitCode(), 0) << second;
  expectInOrder(second, {"WHERE : MAIN-MENU", "WHERE : RESUME-QUEST", "WHERE : TREE-SCREEN",
                         "WHERE : MAIN-GAME"});
  EXPECT_EQ(second.find("WHERE : NEW-QUEST"), std::string::npos) << second;
  TRCMFile again(folder + "65-78-78-/profile.dat");
  EXPECT_EQ(again.getFloat("Profile::stars"), 3.0f);
  EXPECT_EQ(again.getFloat("Profile::nrLeveluQuest"), 2.0f);
  EXPECT_EQ(again.getString("Profile::choinka::elm1", 1), "BOMBKA");
}

}  // namespace
