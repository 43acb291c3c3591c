#pragma once
#include <memory>
#include <string>
#include <vector>

#include "gui/GuiDeclaration.h"
#include "gui/TGuiObject.h"

class GuiContext;
class TRGMFont;
class TTheme;

// A screen's GUI, read from a .gui file: its controls in declaration order (the update and
// draw order), its fonts and themes, and what was clicked and pointed at in the last update.
class TGui {
 public:
  std::vector<std::shared_ptr<TRGMFont>> _fonts;
  std::vector<std::shared_ptr<TTheme>> _themes;
  std::vector<std::shared_ptr<TGuiObject>> _listaObiektow;
  std::string _clicked;
  std::string _over;
  std::shared_ptr<TTheme> _theme;
  std::string _url;
  std::string _myPath;
  std::string remPath;

  explicit TGui(GuiContext& context) : context_(context) {}
  // The mouse, click sound and shared themes this GUI runs with.
  GuiContext& context() const { return context_; }

  // Replaces the controls with those of the file; fonts and themes declared before stay.
  // Relative paths inside the file are relative to the file's folder.
  void Load(const std::string& path);
  void reload();
  void clear();
  void addItem(const std::shared_ptr<TGuiObject>& control);
  // First control with this id (case-insensitive), or null.
  std::shared_ptr<TGuiObject> getItem(const std::string& id) const;
  template <class T>
  std::shared_ptr<T> getItemAs(const std::string& id) const {
    return std::dynamic_pointer_cast<T>(getItem(id));
  }
  int clickedItem(const std::string& id) const;
  void setGuiAlpha(float a);
  // Once per frame: every control's update, then the click sound, then Left Ctrl + L.
  void update();
  void draw();

  // The declarations of a .gui text, in order.
  static std::vector<GuiDeclaration> stworzListyTokenow(const std::string& text);

 private:
  void dodajObiekt(const GuiDeclaration& declaration);
  void dodajObiektZlozony(const GuiDeclaration& declaration);

  GuiContext& context_;
};

// A new GUI loaded from the file; empty, after an error, when the file does not exist.
std::shared_ptr<TGui> loadGui(const std::string& path, GuiContext& context);
