// The game's music: traditional carols and winter tunes, each a seamless loop of two or
// three rounds of the tune. Each is its own generator so they spread over the threads.
#include <string>

#include "audio/Arranger.h"
#include "audio/AudioOut.h"
#include "core/Registry.h"

namespace {

using namespace assetgen::audio;

void render(assetgen::Output& out, const std::string& file, const Song& song) {
  std::string error;
  Track track = arrange(song, error);
  if (!error.empty()) {
    out.fail(file + ": " + error);
    return;
  }
  saveMusic(out, file, track);
}

// Main menu and tree screen.
void makeMainMenu(assetgen::Output& out) {
  Song s{"O Christmas Tree",
         84,
         3,
         1.0,
         0,
         "D4:1 | G4:0.75 G4:0.25 G4:1.5 A4:0.5 | B4:0.75 B4:0.25 B4:1.5 B4:0.5 | A4:1 B4 C5 |"
         " F#4:1 A4 G4:0.5 D4:0.5 |"
         " G4:0.75 G4:0.25 G4:1.5 A4:0.5 | B4:0.75 B4:0.25 B4:1.5 B4:0.5 | A4:1 B4 C5 |"
         " F#4:1 A4 G4:0.5 D5:0.5 |"
         " D5:0.5 B4 E5:1.5 D5:0.5 | D5:0.5 C5 C5:1.5 C5:0.5 | C5:0.5 A4 D5:1.5 C5:0.5 |"
         " C5:0.5 B4 B4:1 D4:1 |"
         " G4:0.75 G4:0.25 G4:1.5 A4:0.5 | B4:0.75 B4:0.25 B4:1.5 B4:0.5 | A4:1 B4 C5 |"
         " F#4:1 A4 G4:3",
         "G:3 G:3 Am:3 D7:2 G:1 | G:3 G:3 Am:3 D7:2 G:1 | G:3 C:3 D7:3 G:3 |"
         " G:3 G:3 Am:3 D7:2 G:1 | G:3",
         {{&timbre::celesta(), 1, false, false}, {&timbre::handbell(), 1, true, false}}};
  render(out, "sfx/music/mainmenu.ogg", s);
}
ASSETGEN_REGISTER("music main menu", makeMainMenu);

// A won level.
void makeSummary(assetgen::Output& out) {
  Song s{"We Wish You a Merry Christmas",
         108,
         3,
         1.0,
         0,
         "D4:1 | G4:1 G4:0.5 A4 G4 F#4 | E4:1 C4 E4 | A4:1 A4:0.5 B4 A4 G4 | F#4:1 D4 D4 |"
         " B4:1 B4:0.5 C5 B4 A4 | G4:1 E4 D4:0.5 D4 | E4:1 A4 F#4 | G4:2 D4:1 |"
         " G4:1 G4 G4 | F#4:2 F#4:1 | G4:1 F#4 E4 | D4:2 A4:1 |"
         " B4:1 A4:0.5 A4 G4 G4 | D5:1 D4 D4:0.5 D4 | E4:1 A4 F#4 | G4:2",
         "G:3 C:3 A7:3 D:3 | B7:3 Em:3 C:1 D7:2 G:3 | G:3 D:3 Em:3 D:3 | G:3 D7:3 C:1 D7:2 G:3",
         {{&timbre::glockenspiel(), 1, false, false}, {&timbre::celesta(), 1, true, true}}};
  render(out, "sfx/music/summary.ogg", s);
}
ASSETGEN_REGISTER("music level-summary", makeSummary);

void makeLevel1(assetgen::Output& out) {
  Song s{"Jingle Bells",
         140,
         4,
         0.0,
         0,
         // Verse.
         "G4:1 E5 D5 C5 | G4:3 G4:0.5 G4 | G4:1 E5 D5 C5 | A4:4 | A4:1 F5 E5 D5 | B4:4 |"
         " G5:1 G5 F5 D5 | E5:4 | G4:1 E5 D5 C5 | G4:4 | G4:1 E5 D5 C5 | A4:3 A4:1 |"
         " A4:1 F5 E5 D5 | G5:1 G5 G5 G5 | A5:1 G5 F5 D5 | C5:2 R:1 G4:1 |"
         // Chorus.
         " E5:1 E5 E5:2 | E5:1 E5 E5:2 | E5:1 G5 C5:1.5 D5:0.5 | E5:4 |"
         " F5:1 F5 F5:1.5 F5:0.5 | F5:1 E5 E5 E5:0.5 E5 | E5:1 D5 D5 E5 | D5:2 G5:2 |"
         " E5:1 E5 E5:2 | E5:1 E5 E5:2 | E5:1 G5 C5:1.5 D5:0.5 | E5:4 |"
         " F5:1 F5 F5:1.5 F5:0.5 | F5:1 E5 E5 E5:0.5 E5 | G5:1 G5 F5 D5 | C5:4",
         "C:4 C:4 C:4 F:4 | F:4 G:4 G7:4 C:4 | C:4 C:4 C:4 F:4 | F:4 G7:4 G7:4 C:4 |"
         " C:4 C:4 C:4 C:4 | F:4 C:4 D7:4 G7:4 | C:4 C:4 C:4 C:4 | F:4 C:4 G7:4 C:4",
         {{&timbre::celesta(), 1, false, false}, {&timbre::glockenspiel(), 1, true, true}}};
  render(out, "sfx/music/level1.ogg", s);
}
ASSETGEN_REGISTER("music level1", makeLevel1);

void makeLevel2(assetgen::Output& out) {
  Song s{"Deck the Halls",
         116,
         4,
         0.0,
         0,
         "G4:1.5 F4:0.5 E4:1 D4 | C4:1 D4 E4 C4 | D4:0.5 E4 F4 D4 E4:1.5 D4:0.5 | C4:1 B3 C4:2 |"
         " G4:1.5 F4:0.5 E4:1 D4 | C4:1 D4 E4 C4 | D4:0.5 E4 F4 D4 E4:1.5 D4:0.5 | C4:1 B3 C4:2 |"
         " D4:1.5 E4:0.5 F4:1 D4 | E4:1.5 F4:0.5 G4:1 D4 | E4:0.5 F#4 G4:1 A4:0.5 B4 C5:1 |"
         " B4:1 A4 G4:2 | G4:1.5 F4:0.5 E4:1 D4 | C4:1 D4 E4 C4 |"
         " A4:0.5 A4 A4 A4 G4:1.5 F4:0.5 | E4:1 D4 C4:2",
         "C:4 C:4 G7:2 C:2 G7:2 C:2 | C:4 C:4 G7:2 C:2 G7:2 C:2 | G:4 C:2 G:2 D7:4 G:4 |"
         " C:4 C:4 F:2 C:2 G7:2 C:2",
         {{&timbre::celesta(), 1, false, false},
          {&timbre::glockenspiel(), 1, true, false},
          {&timbre::handbell(), 1, true, true}}};
  render(out, "sfx/music/level2.ogg", s);
}
ASSETGEN_REGISTER("music level2", makeLevel2);

void makeLevel3(assetgen::Output& out) {
  Song s{"God Rest You Merry, Gentlemen",
         112,
         4,
         1.0,
         0,
         "E4:1 | E4:1 B4 B4 A4 | G4 F#4 E4 D4 | E4 F#4 G4 A4 | B4:3 E4:1 |"
         " E4:1 B4 B4 A4 | G4 F#4 E4 D4 | E4 F#4 G4 A4 | B4:3 B4:1 |"
         " C5:1 A4 B4 C5 | D5 E5 B4 A4 | G4 E4 F#4 G4 | A4:3 G4:0.5 A4:0.5 |"
         " B4:2 C5:1 B4:1 | B4:1 A4 G4 F#4 | E4:2 G4:1 F#4:0.5 E4:0.5 | A4:2 G4:1 A4:1 |"
         " B4:1 C5 D5 E5 | B4:1 A4 G4 F#4 | E4:3",
         "Em:4 C:2 D:2 Em:2 D:2 B7:3 Em:1 | Em:4 C:2 D:2 Em:2 D:2 B7:4 |"
         " Am:4 G:2 D:2 Em:4 D:4 | G:4 Em:2 B7:2 Em:4 Am:2 D:2 | G:4 Am:2 B7:2 Em:4",
         {{&timbre::handbell(), 1, false, false}, {&timbre::celesta(), 1, true, false}}};
  render(out, "sfx/music/level3.ogg", s);
}
ASSETGEN_REGISTER("music level3", makeLevel3);

void makeLevel4(assetgen::Output& out) {
  Song s{"Good King Wenceslas",
         100,
         4,
         0.0,
         0,
         "G4:1 G4 G4 A4 | G4:1 G4 D4:2 | E4:1 D4 E4 F#4 | G4:2 G4:2 |"
         " G4:1 G4 G4 A4 | G4:1 G4 D4:2 | E4:1 D4 E4 F#4 | G4:2 G4:2 |"
         " D5:1 C5 B4 A4 | B4:1 A4 G4:2 | E4:1 D4 E4 F#4 | G4:2 G4:2 |"
         " D4:1 D4 E4 F#4 | G4:1 G4 A4:2 | D5:1 C5 B4 A4 | G4:2 C5:2 | G4:4 | R:4",
         "G:4 G:2 D:2 C:2 D:2 G:4 | G:4 G:2 D:2 C:2 D:2 G:4 | G:2 D:2 G:4 C:2 D:2 G:4 |"
         " D:4 G:2 D:2 G:2 D:2 Em:2 C:2 | G:4 G:4",
         {{&timbre::glockenspiel(), 1, false, false}, {&timbre::celesta(), 1, true, true}}};
  render(out, "sfx/music/level4.ogg", s);
}
ASSETGEN_REGISTER("music level4", makeLevel4);

void makeLevel5(assetgen::Output& out) {
  Song s{"Ding Dong Merrily on High",
         120,
         4,
         0.0,
         0,
         "G4:1 G4 A4:0.5 G4 F#4 E4 | D4:3 D4:1 | E4:1 G4 G4 F#4 | G4:2 G4:2 |"
         " G4:1 G4 A4:0.5 G4 F#4 E4 | D4:3 D4:1 | E4:1 G4 G4 F#4 | G4:2 G4:2 |"
         " D5:1.5 C5:0.5 B4 C5 D5 B4 | C5:1.5 B4:0.5 A4 B4 C5 A4 |"
         " B4:1.5 A4:0.5 G4 A4 B4 G4 | A4:1.5 G4:0.5 F#4 G4 A4 F#4 |"
         " G4:1.5 F#4:0.5 E4 F#4 G4 E4 | F#4:1.5 E4:0.5 D4:1 D4:1 | E4:1 G4 G4 F#4 | G4:2 G4:2",
         "G:4 D:4 C:2 D:2 G:4 | G:4 D:4 C:2 D:2 G:4 | G:4 Am:4 G:4 D:4 | Em:4 D:4 C:2 D:2 G:4",
         {{&timbre::glockenspiel(), 1, false, false},
          {&timbre::celesta(), 1, true, false},
          {&timbre::handbell(), 1, true, true}}};
  render(out, "sfx/music/level5.ogg", s);
}
ASSETGEN_REGISTER("music level5", makeLevel5);

}  // namespace
