#include "datafile/AssetNames.h"

#include <string>

namespace assets {

const char* const PARTICLE_PICTURES[PARTICLE_SLOTS] = {
    PARTICLE_GO,
    PARTICLE_READY,
    PARTICLE_STAR,
    PARTICLE_STAR2,
    PARTICLE_BALL,
    PARTICLE_EXCELLENT,
    PARTICLE_TERRIFIC,
    PARTICLE_SPECTACULAR,
    PARTICLE_GREAT,
    PARTICLE_NO_MATCH,
    PARTICLE_TIMES_UP,
    PARTICLE_PLUS_10,
    PARTICLE_PLUS_5,
    PARTICLE_PLUS_1,
    PARTICLE_PLUS_3,
    nullptr,
    nullptr,
    nullptr,
    PARTICLE_SMOKE,
    PARTICLE_STAR_CASH,
    PARTICLE_VANISH,
    PARTICLE_CHAIN_LINK,
    "gfx/particles/plate_purple_1.png",
    "gfx/particles/plate_purple_2.png",
    "gfx/particles/plate_purple_3.png",
    "gfx/particles/plate_purple_4.png",
    "gfx/particles/plate_purple_5.png",
    "gfx/particles/plate_purple_6.png",
    "gfx/particles/plate_purple_7.png",
    "gfx/particles/plate_purple_8.png",
    "gfx/particles/plate_purple_9.png",
    "gfx/particles/plate_gold_1.png",
    "gfx/particles/plate_gold_2.png",
    "gfx/particles/plate_gold_3.png",
    "gfx/particles/plate_gold_4.png",
    "gfx/particles/plate_gold_5.png",
    "gfx/particles/plate_gold_6.png",
    "gfx/particles/plate_gold_7.png",
    "gfx/particles/plate_gold_8.png",
    "gfx/particles/plate_gold_9.png",
    // 40-49 stay empty.
};

namespace {
constexpr platform::ImageFlags F = platform::ImageFlags::Filtered;
constexpr platform::ImageFlags FM =
    platform::ImageFlags::Filtered | platform::ImageFlags::Mipmapped;
constexpr platform::ImageFlags NO = platform::ImageFlags::None;
}  // namespace

const platform::ImageFlags PARTICLE_FLAGS[PARTICLE_SLOTS] = {
    FM, FM, FM, FM, FM, FM, FM, FM, FM, FM,  // 0-9
    FM, F,  F,  F,  F,  NO, NO, NO, FM, FM,  // 10-19
    FM, FM, FM, FM, FM, FM, FM, FM, FM, FM,  // 20-29
    FM, FM, FM, FM, FM, FM, FM, FM, FM, FM,  // 30-39; 40-49 stay empty
};

const std::vector<AssetSpec>& codeAssets() {
  static const std::vector<AssetSpec> table = [] {
    using K = AssetKind;
    std::vector<AssetSpec> t;
    auto image = [&](const std::string& path, int w = 0, int h = 0) {
      t.push_back({path, K::Image, w, h, 0});
    };
    auto data = [&](const std::string& path) { t.push_back({path, K::Data, 0, 0, 0}); };

    image(PIXEL, 1, 1);
    image(SIGN_BLOCKED);
    image(SIGN_BLOCKED_PRESENT);
    for (const char* p : PARTICLE_PICTURES)
      if (p) image(p);
    image(LEVEL_COMPLETED);
    for (const char* p : SNOW) image(p);
    for (const char* p : {GLOW_1, GLOW_2, HINT_ARROW, SANTA}) image(p);

    for (const char* f : {FONT_WHITESMALL, FONT_FONTEX, FONT_FONTEX2, FONT_TUTORIAL})
      t.push_back({std::string(FONT_DIR) + f, K::Font, 0, 0, 0});
    t.push_back({TTF_ENTER_TEXT, K::Font, 0, 0, 0});
    t.push_back({TTF_POPUP, K::Font, 0, 0, 0});

    data(GUI_MAIN_GAME);
    image(TOP_BAR, TOP_BAR_WIDTH, TOP_BAR_HEIGHT);
    t.push_back({SELECT_MARKER, K::Sheet, SELECT_CELL, SELECT_CELL, SELECT_FRAMES});

    data(GUI_TREE_SCREEN);
    image(TREE_BACK_DAY, SCREEN_WIDTH, SCREEN_HEIGHT);
    image(TREE_BACK_NIGHT, SCREEN_WIDTH, SCREEN_HEIGHT);
    for (const char* p : TREE_LAYERS_NIGHT) image(p);
    for (const char* p : TREE_LAYERS_DAY) image(p);
    for (const char* p : TREE_SUN) image(p);
    for (const char* p : {SHOP_PANEL_MAIN, SHOP_PANEL_RIGHT, SHOP_PANEL_EYE, SHOP_PLAY_BACK,
                          TREE_BIN, SHOP_ITEM_SLOT})
      image(p);
    for (const char* p : SHOP_TABS_INACTIVE) image(p);
    for (const char* p : SHOP_TABS_ACTIVE) image(p);

    for (const char* p :
         {GUI_MAIN_MENU, GUI_OPTIONS, GUI_PROFILE_MANAGER, GUI_ENTER_TEXT, GUI_PICK_MODE,
          GUI_DELETE_PROFILE, GUI_IN_GAME_MENU, GUI_LOSE_SCREEN, WINDOW_THEME})
      data(p);
    for (const char* p :
         {MAIN_MENU_TITLE, OPTIONS_BULB_OFF, OPTIONS_BULB_ON, WIN_PANEL, WIN_TEXTURE, LOADING_TEXT,
          LOADING_DOT_OFF, LOADING_DOT_ON, TUTORIAL_PANEL, TUTORIAL_ARROW, TUTORIAL_OK})
      image(p);
    image(LOADING_BACK, SCREEN_WIDTH, SCREEN_HEIGHT);
    image(CREDITS_BACK, SCREEN_WIDTH, SCREEN_HEIGHT);
    image(INTRO_VILLAGE, SCREEN_WIDTH, SCREEN_HEIGHT);
    image(INTRO_TITLE);
    image(INTRO_GLOW);
    t.push_back({INTRO_BELL, K::Sound, 0, 0, 0});

    for (const char* p : {DATA_TILES, DATA_BONUSES, DATA_TILE_BACKS, DATA_BACKGROUNDS, DATA_FRAME,
                          DATA_SIZES, DATA_QUEST_SETS, DATA_CATEGORIES, DATA_SOUNDS, DATA_TUTORIAL,
                          DATA_ICICLES, DATA_CREDITS, TEXT_MAIN_MENU, TEXT_SUMMARY, TEXT_POPUP})
      data(p);
    for (const char* p : DATA_PRODUCTS) data(p);
    for (int size : ICON_SIZES) image(ICON_PREFIX + std::to_string(size) + ".png", size, size);
    data(ICON_SVG);
    return t;
  }();
  return table;
}

}  // namespace assets
