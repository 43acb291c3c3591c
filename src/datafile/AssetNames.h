// Every file of the asset folder that the game's code names, in one place. Game code loads
// through these constants, and the build's asset check walks `codeAssets()`, so a picture
// cannot be renamed or resized on one side only. Paths are relative to the asset folder
// (the working directory) and use "/".
#pragma once

#include <string>
#include <vector>

#include "platform/ImageFlags.h"

namespace assets {

enum class AssetKind {
  Image,  // one picture; width and height checked when given
  Sheet,  // frames of cellWidth x cellHeight, read row by row
  Font,   // a bitmap font (.fnt, with its pages) or a TrueType font (.ttf)
  Sound,
  Music,
  Data,  // data files, text tables and screen layouts
};

struct AssetSpec {
  std::string path;
  AssetKind kind = AssetKind::Image;
  int cellWidth = 0;  // Image: the picture's width; Sheet: one frame's; 0 = any
  int cellHeight = 0;
  int frames = 0;  // Sheet: the frame count; 0 = any
};

// The whole table, built once.
const std::vector<AssetSpec>& codeAssets();

// ---- Shared pictures ------------------------------------------------------------------------
inline constexpr const char* PIXEL = "gfx/pixel.png";
inline constexpr const char* SIGN_BLOCKED = "gfx/sign1.png";
inline constexpr const char* SIGN_BLOCKED_PRESENT = "gfx/sign2.png";

// ---- Particles (the particle picture table; empty slots are null) --------------------------
inline constexpr int PARTICLE_SLOTS = 50;
inline constexpr const char* PARTICLE_GO = "gfx/particles/eng_go.png";
inline constexpr const char* PARTICLE_READY = "gfx/particles/eng_ready.png";
inline constexpr const char* PARTICLE_STAR = "gfx/particles/star.png";
inline constexpr const char* PARTICLE_STAR2 = "gfx/particles/star2.png";
inline constexpr const char* PARTICLE_BALL = "gfx/particles/ball.png";
inline constexpr const char* PARTICLE_EXCELLENT = "gfx/particles/eng_excellent.png";
inline constexpr const char* PARTICLE_TERRIFIC = "gfx/particles/eng_terrific.png";
inline constexpr const char* PARTICLE_SPECTACULAR = "gfx/particles/eng_spectacular.png";
inline constexpr const char* PARTICLE_GREAT = "gfx/particles/eng_great.png";
inline constexpr const char* PARTICLE_NO_MATCH = "gfx/particles/eng_noMatch.png";
inline constexpr const char* PARTICLE_TIMES_UP = "gfx/particles/eng_times_up.png";
inline constexpr const char* PARTICLE_PLUS_10 = "gfx/particles/plus_10.png";
inline constexpr const char* PARTICLE_PLUS_5 = "gfx/particles/plus_5.png";
inline constexpr const char* PARTICLE_PLUS_1 = "gfx/particles/plus_1.png";
inline constexpr const char* PARTICLE_PLUS_3 = "gfx/particles/plus_3.png";
inline constexpr const char* PARTICLE_SMOKE = "gfx/particles/dym.png";
inline constexpr const char* PARTICLE_STAR_CASH = "gfx/particles/star_cash.png";
inline constexpr const char* PARTICLE_VANISH = "gfx/particles/usun.png";
inline constexpr const char* PARTICLE_CHAIN_LINK = "gfx/particles/oczko.png";
// Slots 22-30 and 31-39 are the plate shards "gfx/particles/plate_purple_<n>.png" and
// "gfx/particles/plate_gold_<n>.png", n = 1-9; slots 15-17 and 40-49 are empty.
extern const char* const PARTICLE_PICTURES[PARTICLE_SLOTS];
// Flags each slot is loaded with (filtered and mipmapped, or filtered only for the bonus
// numbers; None for an empty slot).
extern const platform::ImageFlags PARTICLE_FLAGS[PARTICLE_SLOTS];

inline constexpr const char* LEVEL_COMPLETED = "gfx/particles/eng_level_complited.png";
inline constexpr const char* SNOW[3] = {"gfx/particles/snow0.png", "gfx/particles/snow1.png",
                                        "gfx/particles/snow2.png"};

// ---- Effects --------------------------------------------------------------------------------
inline constexpr const char* GLOW_1 = "gfx/effects/volum04.png";
inline constexpr const char* GLOW_2 = "gfx/effects/volum05.png";
inline constexpr const char* HINT_ARROW = "gfx/effects/match2.png";
inline constexpr const char* SANTA = "gfx/effects/santa.png";

// ---- Fonts: bitmap fonts are opened by folder and file name --------------------------------
inline constexpr const char* FONT_DIR = "gfx/fonts/";
inline constexpr const char* FONT_WHITESMALL = "whitesmall_22.fnt";
inline constexpr const char* FONT_FONTEX = "fontex.fnt";
inline constexpr const char* FONT_FONTEX2 = "fontex2.fnt";
inline constexpr const char* FONT_TUTORIAL = "tutorial.fnt";
inline constexpr const char* TTF_ENTER_TEXT = "gfx/gui/enterText/bluehigh.ttf";
inline constexpr const char* TTF_POPUP = "gfx/fonts/bluehigh.ttf";
// The title card writes with the popup's face.
inline constexpr const char* TTF_TITLE = TTF_POPUP;

// ---- Main game ------------------------------------------------------------------------------
inline constexpr const char* GUI_MAIN_GAME = "gfx/gui/mainGame/game.gui";
inline constexpr const char* TOP_BAR = "gfx/gui/mainGame/top.png";
inline constexpr int TOP_BAR_WIDTH = 800, TOP_BAR_HEIGHT = 51;
inline constexpr const char* SELECT_MARKER = "gfx/gui/mainGame/select.png";
inline constexpr int SELECT_CELL = 42, SELECT_FRAMES = 25;

// ---- Tree screen ----------------------------------------------------------------------------
inline constexpr const char* GUI_TREE_SCREEN = "gfx/gui/treeScreen/treeScreen.gui";
inline constexpr const char* TREE_BACK_DAY = "gfx/gui/treeScreen/back-day.jpg";
inline constexpr const char* TREE_BACK_NIGHT = "gfx/gui/treeScreen/back.jpeg";
inline constexpr const char* TREE_LAYERS_NIGHT[5] = {
    "gfx/gui/treeScreen/choinka1.png", "gfx/gui/treeScreen/choinka2.png",
    "gfx/gui/treeScreen/choinka3.png", "gfx/gui/treeScreen/choinka4.png",
    "gfx/gui/treeScreen/choinka5.png"};
inline constexpr const char* TREE_LAYERS_DAY[5] = {
    "gfx/gui/treeScreen/choinka1_d.png", "gfx/gui/treeScreen/choinka2_d.png",
    "gfx/gui/treeScreen/choinka3_d.png", "gfx/gui/treeScreen/choinka4_d.png",
    "gfx/gui/treeScreen/choinka5_d.png"};
inline constexpr const char* TREE_SUN[3] = {
    "gfx/gui/treeScreen/sun0.png", "gfx/gui/treeScreen/sun1.png", "gfx/gui/treeScreen/sun2.png"};
inline constexpr const char* SHOP_PANEL_MAIN = "gfx/gui/treeScreen/shop-interface-main-part.png";
inline constexpr const char* SHOP_PANEL_RIGHT = "gfx/gui/treeScreen/shop-interface-right-part.png";
inline constexpr const char* SHOP_PANEL_EYE = "gfx/gui/treeScreen/shop-interface-eye-part.png";
inline constexpr const char* SHOP_PLAY_BACK = "gfx/gui/treeScreen/play-button-bez-play.png";
// Spelled this way by the game; found case-insensitively in "gfx/gui/treeScreen/".
inline constexpr const char* TREE_BIN = "gfx/gui/treescreen/kosz.png";
inline constexpr const char* SHOP_ITEM_SLOT = "gfx/gui/treeScreen/item.png";
// Tabs by position: bulbs, star, lights, chains, presents.
inline constexpr const char* SHOP_TABS_INACTIVE[5] = {
    "gfx/gui/treeScreen/tabs-inactive-bulbs.png", "gfx/gui/treeScreen/tabs-inactive-star.png",
    "gfx/gui/treeScreen/tabs-inactive-lights.png", "gfx/gui/treeScreen/tabs-inactive-chains.png",
    "gfx/gui/treeScreen/tabs-inactive-prezent.png"};
inline constexpr const char* SHOP_TABS_ACTIVE[5] = {
    "gfx/gui/treeScreen/tab-bulbs.png", "gfx/gui/treeScreen/tab-star.png",
    "gfx/gui/treeScreen/tab-lights.png", "gfx/gui/treeScreen/tab-chains.png",
    "gfx/gui/treeScreen/tab-prezent.png"};

// ---- Menus, dialogs and other screens -------------------------------------------------------
inline constexpr const char* GUI_MAIN_MENU = "gfx/gui/mainMenu/MainMenu.gui";
inline constexpr const char* MAIN_MENU_TITLE = "gfx/gui/mainMenu/title.png";
inline constexpr const char* GUI_OPTIONS = "gfx/gui/options/options.gui";
inline constexpr const char* OPTIONS_BULB_OFF = "gfx/gui/options/bulb_off.png";
inline constexpr const char* OPTIONS_BULB_ON = "gfx/gui/options/bulb_on.png";
inline constexpr const char* GUI_PROFILE_MANAGER = "gfx/gui/profileManager/profileManager.gui";
inline constexpr const char* GUI_ENTER_TEXT = "gfx/gui/enterText/enterText.gui";
inline constexpr const char* GUI_PICK_MODE = "gfx/gui/pickMode/pickmode.gui";
inline constexpr const char* GUI_DELETE_PROFILE = "gfx/gui/deleteProfile/deleteProfile.gui";
inline constexpr const char* GUI_IN_GAME_MENU = "gfx/gui/inGameMenu/inGameMenu.gui";
inline constexpr const char* GUI_LOSE_SCREEN = "gfx/gui/loseScreen/loseScreen.gui";
inline constexpr const char* WIN_PANEL = "gfx/gui/winScreen/panel.png";
inline constexpr const char* WIN_TEXTURE = "gfx/gui/winScreen/tex1.png";
inline constexpr const char* LOADING_BACK = "gfx/gui/loading/back.jpg";
inline constexpr const char* LOADING_TEXT = "gfx/gui/loading/loading.png";
inline constexpr const char* LOADING_DOT_OFF = "gfx/gui/loading/false.png";
inline constexpr const char* LOADING_DOT_ON = "gfx/gui/loading/true.png";
inline constexpr const char* TUTORIAL_PANEL = "gfx/gui/tutorial/panel.png";
inline constexpr const char* TUTORIAL_ARROW = "gfx/gui/tutorial/arrow.png";
inline constexpr const char* TUTORIAL_OK = "gfx/gui/tutorial/ok.png";
inline constexpr const char* CREDITS_BACK = "gfx/gui/credits/back.jpg";
// The intro: the village at night, the title lettering, a soft glow for lights and snow, and
// the bell that rings as the title appears.
inline constexpr const char* INTRO_VILLAGE = "gfx/intro/village.jpg";
inline constexpr const char* INTRO_TITLE = "gfx/intro/title.png";
inline constexpr const char* INTRO_GLOW = "gfx/intro/glow.png";
inline constexpr const char* INTRO_BELL = "sfx/intro_bell.ogg";
inline constexpr const char* WINDOW_THEME = "gfx/gui/window/temat1.txt";
inline constexpr int SCREEN_WIDTH = 800, SCREEN_HEIGHT = 600;

// ---- The game's emblem (a fir tree under a star) for the window and the desktop ----------
// Square pictures "gfx/icon/glimmerfir_<size>.png" at these sizes, and one scalable drawing.
inline constexpr int ICON_SIZES[] = {48, 64, 128, 256};
inline constexpr const char* ICON_PREFIX = "gfx/icon/glimmerfir_";
inline constexpr const char* ICON_SVG = "gfx/icon/glimmerfir.svg";
inline constexpr const char* WINDOW_ICON = "gfx/icon/glimmerfir_64.png";
// A file every asset folder holds: how the game recognises one at start-up.
inline constexpr const char* ASSET_FOLDER_MARKER = PIXEL;

// ---- Data files and text tables -------------------------------------------------------------
inline constexpr const char* DATA_TILES = "data/tiles.dat";
inline constexpr const char* DATA_BONUSES = "data/bonusy.dat";
inline constexpr const char* DATA_TILE_BACKS = "data/tileBacks.dat";
inline constexpr const char* DATA_BACKGROUNDS = "data/backgrounds.dat";
inline constexpr const char* DATA_FRAME = "data/ramka.dat";
inline constexpr const char* DATA_SIZES = "data/sizes.txt";
inline constexpr const char* DATA_QUEST_SETS = "data/zestawy-quest.dat";
inline constexpr const char* DATA_CATEGORIES = "data/kategorie.dat";
inline constexpr const char* DATA_PRODUCTS[5] = {
    "data/elementy_bombki.dat", "data/elementy_lampki.dat", "data/elementy_dekoracje.dat",
    "data/elementy_lancuchy.dat", "data/elementy_ozdobki.dat"};
inline constexpr const char* DATA_SOUNDS = "data/globalSnd.dat";
inline constexpr const char* DATA_TUTORIAL = "data/tutorial.dat";
inline constexpr const char* DATA_ICICLES = "data/sople.dat";
inline constexpr const char* DATA_CREDITS = "data/credits.dat";
inline constexpr const char* TEXT_MAIN_MENU = "txt/mainMenu.txt";
inline constexpr const char* TEXT_SUMMARY = "txt/summary.txt";
inline constexpr const char* TEXT_POPUP = "txt/popup.txt";

// ---- Names the code looks for but the game never needs (so not in codeAssets()) -----------
// Its presence in the asset folder switches the developer keys on.
inline constexpr const char* CHEATS_SWITCH = "cheats.txt";
// A data file of this name is printed whole when it is read: a debugging aid.
inline constexpr const char* DEBUG_DUMP_DATA = "data/charakters.dat";

}  // namespace assets
