#pragma once
#include <memory>
#include <string>
#include <vector>

#include "gui/GuiDeclaration.h"
#include "gui/TGuiObject.h"
#include "platform/platform.h"

// One named frame sequence of a TRGMAnimation.
struct TRGMAnim {
  std::string id;
  int frame[100] = {};  // frame numbers, from 1
  int maxFrames = 0;
  int interwal = 0;  // ms per frame
  int loop = 0;
};

// A free-standing sprite animation drawn from a horizontal strip, its top-left corner at its
// POSITION. Position 0 of a sequence shows nothing; 1..maxFrames show the listed frames.
class TRGMAnimation : public TGuiObject {
 public:
  platform::Image gfx;
  int allFrames = 0;  // distinct frame numbers: the cells of the strip
  std::vector<std::shared_ptr<TRGMAnim>> animsList;
  std::shared_ptr<TRGMAnim> aktAnim;
  int _frame = 0;
  int _maxFrames = 0;
  int _animTime = 0;
  int _wykonano = 0;

  TRGMAnimation() { _class = GUI_ANIMATION; }

  // The ANIM builder: POSITION, GFX, SCHEMAT, VISIBLE, ACTIVE.
  static std::shared_ptr<TRGMAnimation> createFromList(const std::string& name,
                                                       const GuiEntries& entries);
  // False, after an error, when the schema does not begin with "[".
  bool interpretujSchemat(const std::string& schema);
  void loadGFX(const std::string& path);
  void draw(float x, float y) override;
  void playAnim(const std::shared_ptr<TRGMAnim>& anim);
  void playAnim(const std::string& name);
  std::shared_ptr<TRGMAnim> findAnim(const std::string& name) const;

 protected:
  void updateMe(const TMouse& mouse, int x, int y) override;
};
