#pragma once
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "core/TEkran.h"
#include "platform/platform.h"
#include "screens/TCreditsTxt.h"

class ScreenContext;
class TBMFont;
class TMainMenu;

// The credits: a picture fades in over the main menu, which keeps its opening animation and
// its snow going behind it, and the lines of "data/credits.dat" slide in one by one. A left
// click fades it all out again.
class TCredits : public TEkran {
 public:
  platform::Image img;
  std::vector<TCreditsTxt> creditsList;
  std::array<std::shared_ptr<TBMFont>, 2> creditsFonts;

  // The lines' places in the file are offsets from this point of the screen.
  static constexpr float kOriginX = 50, kOriginY = 50;

  explicit TCredits(ScreenContext& screen);

  void setup() override;
  // Reads the lines of a credits file (none when it or its count is missing).
  void loadLines(const std::string& path);
  virtual void prepare();
  // Runs over `menu` until the player has clicked the credits away; returns 0.
  virtual int mainLoop(TMainMenu& menu);

  void update() override;
  void draw() override;

  // The overlay has faded out after a click.
  bool closed() const { return alpha == 0.0f && dAlpha == 0.0f; }

 private:
  TBMFont* fontOf(const TCreditsTxt& line) const;
  ScreenContext& screen_;
  TMainMenu* menu_ = nullptr;
};
