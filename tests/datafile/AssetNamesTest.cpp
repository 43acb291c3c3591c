// The table of files the code names: each entry must be a path the asset check and the game
// can both use, with a kind that fits its file.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "datafile/AssetNames.h"
#include "platform/strings.h"

namespace {

using assets::AssetKind;

bool endsWithOneOf(const std::string& path, std::initializer_list<const char*> extensions) {
  for (const char* e : extensions) {
    std::string ext = e;
    if (path.size() > ext.size() &&
        platform::SameText(path.substr(path.size() - ext.size()), ext))
      return true;
  }
  return false;
}

TEST(AssetNames, EveryEntryIsAUniqueRelativePathOfAFittingKind) {
  std::set<std::string> seen;
  for (const auto& spec : assets::codeAssets()) {
    SCOPED_TRACE(spec.path);
    EXPECT_TRUE(seen.insert(platform::Upper(spec.path)).second) << "listed twice";
    EXPECT_FALSE(spec.path.empty());
    EXPECT_NE(spec.path[0], '/');
    EXPECT_EQ(spec.path.find('\\'), std::string::npos);
    EXPECT_EQ(spec.path.find(' '), std::string::npos);
    EXPECT_EQ(spec.path.find("//"), std::string::npos);
    switch (spec.kind) {
      case AssetKind::Image:
        EXPECT_TRUE(endsWithOneOf(spec.path, {".png", ".jpg", ".jpeg"}));
        EXPECT_EQ(spec.frames, 0);
        break;
      case AssetKind::Sheet:
        EXPECT_TRUE(endsWithOneOf(spec.path, {".png"}));
        EXPECT_GT(spec.cellWidth, 0);
        EXPECT_GT(spec.cellHeight, 0);
        EXPECT_GT(spec.frames, 0);
        break;
      case AssetKind::Font:
        EXPECT_TRUE(endsWithOneOf(spec.path, {".fnt", ".ttf"}));
        break;
      case AssetKind::Sound:
      case AssetKind::Music:
        EXPECT_TRUE(endsWithOneOf(spec.path, {".ogg", ".wav"}));
        break;
      case AssetKind::Data:
        EXPECT_TRUE(endsWithOneOf(spec.path, {".dat", ".txt", ".gui", ".lvl"}));
        break;
    }
  }
}

TEST(AssetNames, ParticleTableMatchesItsSlots) {
  struct Slot {
    int index;
    const char* path;  // null: empty slot
    int flags;
  };
  for (const Slot& s : {Slot{0, "gfx/particles/eng_go.png", 6},
                        Slot{1, "gfx/particles/eng_ready.png", 6},
                        Slot{10, "gfx/particles/eng_times_up.png", 6},
                        Slot{11, "gfx/particles/plus_10.png", 2},
                        Slot{14, "gfx/particles/plus_3.png", 2}, Slot{15, nullptr, 0},
                        Slot{17, nullptr, 0}, Slot{18, "gfx/particles/dym.png", 6},
                        Slot{21, "gfx/particles/oczko.png", 6},
                        Slot{22, "gfx/particles/plate_purple_1.png", 6},
                        Slot{30, "gfx/particles/plate_purple_9.png", 6},
                        Slot{31, "gfx/particles/plate_gold_1.png", 6},
                        Slot{39, "gfx/particles/plate_gold_9.png", 6}, Slot{40, nullptr, 0},
                        Slot{49, nullptr, 0}}) {
    SCOPED_TRACE(s.index);
    if (s.path)
      EXPECT_STREQ(assets::PARTICLE_PICTURES[s.index], s.path);
    else
      EXPECT_EQ(assets::PARTICLE_PICTURES[s.index], nullptr);
    EXPECT_EQ(assets::PARTICLE_FLAGS[s.index], s.flags);
  }
  // Every used slot is loaded with flags, every empty one with none.
  for (int i = 0; i < assets::PARTICLE_SLOTS; ++i)
    EXPECT_EQ(assets::PARTICLE_PICTURES[i] != nullptr, assets::PARTICLE_FLAGS[i] != 0) << i;
}

}  // namespace
