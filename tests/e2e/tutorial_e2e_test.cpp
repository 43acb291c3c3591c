// A newcomer's first tree visit and first level through the real binary, as the tutorial leads
// them: every hint is photographed as it shows (copied to the build's preview folder for a
// look), each one must really be on the screen, and the player's profile keeps them as read.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "datafile/TRCMFile.h"
#include "e2e/GameRun.h"
#include "platform/platform.h"

namespace {

// Where the tree screen's hints stand, and the board's.
constexpr e2e::Region kTreePanel{505, 60, 280, 120};
constexpr e2e::Region kBoardPanel{260, 466, 280, 120};

struct Shot {
  const char* name;
  int frame;  // of the process's run, as GameRun counts
  e2e::Region panel;
};

TEST(TutorialEndToEnd, EveryHintOfTheFirstVisitAndTheFirstLevelShowsAndIsKept) {
  e2e::GameRun run;
  const int tree = e2e::kFirstStartTree, play = e2e::kFirstStartPlay;
  // Before any hint: the tree screen just opened, the level's board just come in.
  const Shot before[] = {{"tree-none.png", tree + 30, kTreePanel},
                         {"level-none.png", play + 250, kBoardPanel}};
  const Shot hints[] = {
      {"hint1-welcome.png", tree + 65, kTreePanel},  {"hint2-pick.png", tree + 105, kTreePanel},
      {"hint3-hang.png", tree + 145, kTreePanel},    {"hint4-move.png", tree + 225, kTreePanel},
      {"hint5-play.png", tree + 285, kTreePanel},    {"hint6-swap.png", play + 305, kBoardPanel},
      {"hint7-plates.png", play + 475, kBoardPanel}, {"hint8-clock.png", play + 605, kBoardPanel}};
  for (const Shot& s : before) run.shot(s.frame, s.name);
  for (const Shot& s : hints) run.shot(s.frame, s.name);
  // On the level: the swap hint read, the swap it shows made by a drag, then the next two
  // hints read.
  const std::string level =
      "310 move 400 561\n311 press 1\n313 release 1\n"
      "340 move 359 299\n341 press 1\n344 move 380 299\n346 move 401 299\n350 release 1\n"
      "480 move 400 561\n481 press 1\n483 release 1\n"
      "610 move 400 561\n611 press 1\n613 release 1\n";
  const std::string out = run.run("", play + 700, e2e::firstStartToLevel(level));
  EXPECT_EQ(run.exitCode(), 0) << out;

  const auto treeBefore = platform::LoadPixmap(run.path(before[0].name));
  const auto levelBefore = platform::LoadPixmap(run.path(before[1].name));
  ASSERT_TRUE(treeBefore && levelBefore);
  std::filesystem::create_directories(GLIMMERFIR_PREVIEW_DIR);
  for (const Shot& s : hints) {
    const auto shot = platform::LoadPixmap(run.path(s.name));
    ASSERT_TRUE(shot) << s.name;
    std::filesystem::copy_file(run.path(s.name), std::string(GLIMMERFIR_PREVIEW_DIR) + "/" + s.name,
                               std::filesystem::copy_options::overwrite_existing);
    const auto& reference = s.panel.y == kTreePanel.y ? treeBefore : levelBefore;
    // The panel covers most of its place (the snow and the tree's lights move a little).
    EXPECT_GT(e2e::changedPixels(reference, shot, s.panel), s.panel.w * s.panel.h / 2) << s.name;
  }

  TRCMFile profile(run.path("xdg") + "/Glimmerfir/Profiles/65-78-78-/profile.dat");
  for (int id = 1; id <= 8; ++id)
    EXPECT_EQ(profile.getFloat("Profile::hint" + std::to_string(id)), 1.0f) << "hint " << id;
  EXPECT_EQ(profile.getFloat("Profile::hint9"), 0.0f) << "shown only after a match on a plate";
}

}  // namespace
