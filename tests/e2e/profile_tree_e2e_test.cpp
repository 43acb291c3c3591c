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
  // The first start in the main menu, then the tutorial's first tree visit (the first bauble
  // of the shop, 8 stars of the 10 a quest starts with, hung on the tree), PLAY, the win key,
  // Escape on the level's summary (which pays stars back), and quit on the next tree screen.
  const std::string first = run.run("", e2e::kFirstStartPlay + 960,
                                    e2e::firstStartToLevel("250 keydown 87\n252 keyup 87\n"
                                                           "540 key 27\n"));
  EXPECT_EQ(run.exitCode(), 0) << first;
  expectInOrder(first,
                {"WHERE : NEW-QUEST", "WHERE : TREE-SCREEN", "WHERE : MAIN-GAME",
                 "LEVEL END : WIN-INFO", "WHERE : GET-NEXT-QUEST-LEVEL", "WHERE : TREE-SCREEN"});

  const std::string folder = run.path("xdg") + "/Glimmerfir/Profiles/";
  TRCMFile list(folder + "profiles.dat");
  EXPECT_EQ(list.getString("Profiles::ActProfile"), "65-78-78-");
  TRCMFile saved(folder + "65-78-78-/profile.dat");
  EXPECT_EQ(saved.getString("Profile::name"), "Ann");
  // The bauble took 8 of the quest's first 10 stars; the won level paid some back.
  const float stars = saved.getFloat("Profile::stars");
  EXPECT_GT(stars, 2.0f);
  EXPECT_LT(stars, 10.0f);
  EXPECT_EQ(saved.getFloat("Profile::nrLeveluQuest"), 2.0f);
  EXPECT_EQ(saved.getFloat("Profile::choinka::i"), 1.0f);
  EXPECT_EQ(saved.getString("Profile::choinka::elm1", 1), "BOMBKA");
  EXPECT_EQ(saved.getString("Profile::choinka::elm1", 2), "458.000000 330.000000");

  // The next start: PLAY in the main menu resumes the quest on the tree screen without the
  // mode question, and PLAY there plays level 2.
  // The hint of the second visit is read first: while it shows, PLAY waits.
  const std::string second = run.run(
      "", 560,
      "110 move 157 232\n111 press 1\n113 release 1\n" + e2e::treeHintOk(290) + e2e::treePlay(350));
  EXPECT_EQ(run.exitCode(), 0) << second;
  expectInOrder(second, {"WHERE : MAIN-MENU", "WHERE : RESUME-QUEST", "WHERE : TREE-SCREEN",
                         "WHERE : MAIN-GAME"});
  EXPECT_EQ(second.find("WHERE : NEW-QUEST"), std::string::npos) << second;
  EXPECT_EQ(second.find("PICKED MODE"), std::string::npos) << second;
  TRCMFile again(folder + "65-78-78-/profile.dat");
  EXPECT_EQ(again.getFloat("Profile::stars"), stars);
  EXPECT_EQ(again.getFloat("Profile::nrLeveluQuest"), 2.0f);
  EXPECT_EQ(again.getString("Profile::choinka::elm1", 1), "BOMBKA");
}

}  // namespace
