// The table of files the code names: each entry must be a path the asset check and the game
// can both use, with a kind that fits its file.
#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>

#include "datafile/AssetNames.h"
#include "platform/strings.h"

namespace {

using assets::AssetKind;

bool endsWithOneOf(const std::string& path, std::initializer_list<const char*> extensions) {
  for (const char* e : extensions) {
    std::string ext = e;
    if (path.size() > ext.size() && platform::SameText(path.substr(path.size() - ext.size()), ext))
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
        EXPECT_TRUE(endsWithOneOf(spec.path, {".dat", ".txt", ".gui", ".lvl", ".svg"}));
        break;
    }
  }
}

TEST(AssetNames, ParticleTableMatchesItsSlots) {
  using platform::ImageFlags;
  constexpr ImageFlags kBoth = ImageFlags::Filtered | ImageFlags::Mipmapped;
  struct Slot {
    int index;
    const char* path;  // null: empty slot
    ImageFlags flags;
  };
  for (const Slot& s :
       {Slot{0, "gfx/particles/eng_go.png", kBoth}, Slot{1, "gfx/particles/eng_ready.png", kBoth},
        Slot{10, "gfx/particles/eng_times_up.png", kBoth},
        Slot{11, "gfx/particles/plus_10.png", ImageFlags::Filtered},
        Slot{14, "gfx/particles/plus_3.png", ImageFlags::Filtered},
        Slot{15, nullptr, ImageFlags::None}, Slot{17, nullptr, ImageFlags::None},
        Slot{18, "gfx/particles/dym.png", kBoth}, Slot{21, "gfx/particles/oczko.png", kBoth},
        Slot{22, "gfx/particles/plate_purple_1.png", kBoth},
        Slot{30, "gfx/particles/plate_purple_9.png", kBoth},
        Slot{31, "gfx/particles/plate_gold_1.png", kBoth},
        Slot{39, "gfx/particles/plate_gold_9.png", kBoth}, Slot{40, nullptr, ImageFlags::None},
        Slot{49, nullptr, ImageFlags::None}}) {
    SCOPED_TRACE(s.index);
    if (s.path)
      EXPECT_STREQ(assets::PARTICLE_PICTURES[s.index], s.path);
    else
      EXPECT_EQ(assets::PARTICLE_PICTURES[s.index], nullptr);
    EXPECT_EQ(assets::PARTICLE_FLAGS[s.index], s.flags);
  }
  // Every used slot is loaded with flags, every empty one with none.
  for (int i = 0; i < assets::PARTICLE_SLOTS; ++i)
    EXPECT_EQ(assets::PARTICLE_PICTURES[i] != nullptr,
              assets::PARTICLE_FLAGS[i] != ImageFlags::None)
        << i;
}

// The names the code loads directly must be in the table the asset check walks, with the
// kind the loader needs; the optional and debugging names must not be, or the check would
// fail on a folder that rightly lacks them.
TEST(AssetNames, TheCheckSeesEveryNameTheCodeLoads) {
  auto kindOf = [](const std::string& path) -> std::optional<AssetKind> {
    for (const auto& spec : assets::codeAssets())
      if (platform::SameText(spec.path, path)) return spec.kind;
    return std::nullopt;
  };
  const struct {
    const char* path;
    AssetKind kind;
  } listed[] = {
      {assets::PIXEL, AssetKind::Image},
      {assets::HINT_ARROW, AssetKind::Image},
      {assets::OPTIONS_BULB_OFF, AssetKind::Image},
      {assets::OPTIONS_BULB_ON, AssetKind::Image},
      {assets::GUI_OPTIONS, AssetKind::Data},
      {assets::TEXT_POPUP, AssetKind::Data},
      {assets::TTF_TITLE, AssetKind::Font},
      {assets::DATA_ICICLES, AssetKind::Data},
      {assets::DATA_SOUNDS, AssetKind::Data},
      {assets::DATA_QUEST_SETS, AssetKind::Data},
      {assets::DATA_SIZES, AssetKind::Data},
      {assets::LEVEL_COMPLETED, AssetKind::Image},
  };
  for (const auto& n : listed) {
    SCOPED_TRACE(n.path);
    EXPECT_EQ(kindOf(n.path), n.kind);
  }
  for (const char* unlisted : {assets::CHEATS_SWITCH, assets::DEBUG_DUMP_DATA})
    EXPECT_EQ(kindOf(unlisted), std::nullopt) << unlisted;
}

}  // namespace
