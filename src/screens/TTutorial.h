// The tutorial: the hints read from its data file, the one on screen, and the panel, arrow,
// button and font they share. The program owns one; the main game and the tree screen run it
// through their hooks.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "match3/IMainGameTutorial.h"
#include "platform/platform.h"
#include "screens/ITutorialWorld.h"
#include "screens/TTutorialHint.h"
#include "tree/ITreeTutorial.h"

class IGuiSounds;
class TBMFont;
class TButton;
class TMouse;
class TRCMFile;

class TTutorial {
 public:
  TTutorial(ITutorialWorld& world, const TMouse& mouse, IGuiSounds& sounds);
  ~TTutorial();
  TTutorial(const TTutorial&) = delete;
  TTutorial& operator=(const TTutorial&) = delete;

  std::vector<std::shared_ptr<TTutorialHint>> tutorialHints;
  TTutorialHint* activeHint = nullptr;
  platform::Image panel;  // handle at its top-left corner
  platform::Image arrow;  // centred
  std::shared_ptr<TButton> okButton;
  std::shared_ptr<TBMFont> font;

  // The pictures, the button, the font and the hints of the tutorial file.
  void loadTutorial();
  // The hints of an open data file, appended in file order.
  void loadHints(TRCMFile& file);
  void updateTutorialHints(TutorialScreen screen);
  void drawTutorialHint() const;
  // Every hint can be shown again (a new quest).
  void resetTutorialHints();
  TTutorialHint* getHintById(int id) const;

  // A hint is on screen (its panel not fully faded): the board takes no mouse input.
  bool hintShown() const;
  // The tree screen's buttons work once the first hint is done (where it is due), while no
  // hint but the one about the play button can be seen.
  bool treeGuiAllowed() const;
  // The hint on screen starts to go (the tree screen is left).
  void closeHint();
  // A hint was dismissed: it is marked done for this player.
  void markDone(TTutorialHint& hint);

  int panelWidth() const;
  int panelHeight() const;
  ITutorialWorld& world() const { return world_; }
  const TMouse& mouse() const { return mouse_; }
  // The click every button of the game makes.
  IGuiSounds& sounds() const { return sounds_; }

  IMainGameTutorial& mainGameHooks() { return mainGameHooks_; }
  ITreeTutorial& treeHooks() { return treeHooks_; }

 private:
  class MainGameHooks : public IMainGameTutorial {
   public:
    explicit MainGameHooks(TTutorial& owner) : owner_(owner) {}
    void update() override { owner_.updateTutorialHints(TutorialScreen::MainGame); }
    void draw() override { owner_.drawTutorialHint(); }
    bool hintShown() const override { return owner_.hintShown(); }

   private:
    TTutorial& owner_;
  };
  class TreeHooks : public ITreeTutorial {
   public:
    explicit TreeHooks(TTutorial& owner) : owner_(owner) {}
    void update() override { owner_.updateTutorialHints(TutorialScreen::Tree); }
    void draw() override { owner_.drawTutorialHint(); }
    bool guiAllowed() const override { return owner_.treeGuiAllowed(); }
    void closeHint() override { owner_.closeHint(); }

   private:
    TTutorial& owner_;
  };

  void readFlags();
  std::shared_ptr<TTutorialHint> readHint(TRCMFile& file, int i);

  ITutorialWorld& world_;
  const TMouse& mouse_;
  IGuiSounds& sounds_;
  MainGameHooks mainGameHooks_{*this};
  TreeHooks treeHooks_{*this};
};
