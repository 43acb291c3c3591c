#include "gui/TRGMAnimation.h"

#include <algorithm>
#include <cctype>
#include <set>

#include "gui/GuiUtil.h"
#include "platform/strings.h"

using namespace platform;

namespace {
bool isNumber(const std::string& token) {
  return !token.empty() &&
         std::all_of(token.begin(), token.end(), [](unsigned char c) { return std::isdigit(c); });
}

std::vector<std::string> words(const std::string& text) {
  std::vector<std::string> result;
  std::string current;
  for (char c : text + " ") {
    if (static_cast<unsigned char>(c) < 33) {
      if (!current.empty()) result.push_back(current);
      current.clear();
    } else {
      current += c;
    }
  }
  return result;
}
}  // namespace

std::shared_ptr<TRGMAnimation> TRGMAnimation::createFromList(const std::string& name,
                                                             const GuiEntries& entries) {
  auto anim = std::make_shared<TRGMAnimation>();
  anim->_id = name;
  std::vector<float> pos = guiNumbers(guiEntry(entries, "POSITION"));
  pos.resize(2, 0.0f);
  anim->dim = createDim(float(int(pos[0])), float(int(pos[1])));
  for (const auto& e : entries) {
    const std::string key = Upper(e._typ);
    if (key == "VISIBLE") anim->_v = guiTrue(e._value) ? 1 : 0;
    if (key == "ACTIVE") anim->_a = guiTrue(e._value) ? 1 : 0;
  }
  anim->interpretujSchemat(guiEntry(entries, "SCHEMAT"));
  anim->loadGFX(guiEntry(entries, "GFX"));
  return anim;
}

bool TRGMAnimation::interpretujSchemat(const std::string& schema) {
  animsList.clear();
  const std::string text = Trim(schema);
  if (text.empty() || text[0] != '[') {
    guiError("Nieprawidlowa definicja schematu : " + schema);
    return false;
  }
  std::set<int> distinct;
  size_t pos = 0;
  while ((pos = text.find('[', pos)) != std::string::npos) {
    const size_t close = text.find(']', pos);
    if (close == std::string::npos) break;
    auto anim = std::make_shared<TRGMAnim>();
    for (const std::string& token : words(text.substr(pos + 1, close - pos - 1))) {
      if (SameText(token, "LOOP")) {
        anim->loop = 1;
      } else if (isNumber(token)) {
        anim->interwal = std::atoi(token.c_str());
      } else {
        anim->id = Upper(token);
      }
    }
    const size_t next = text.find('[', close);
    for (const std::string& token : words(text.substr(close + 1, next - close - 1))) {
      if (!isNumber(token) || anim->maxFrames >= 100) continue;
      anim->frame[anim->maxFrames++] = std::atoi(token.c_str());
      distinct.insert(anim->frame[anim->maxFrames - 1]);
    }
    animsList.push_back(anim);
    pos = close;
  }
  allFrames = int(distinct.size());
  if (!findAnim("NORMAL")) {
    guiError("Schemat :" + schema + " - nie uwzglednil animacji NORMAL!");
  } else {
    playAnim("NORMAL");
  }
  return true;
}

void TRGMAnimation::loadGFX(const std::string& path) {
  gfx = nullptr;
  const Image strip = LoadImage(path);
  if (!strip) return;
  const int cells = std::max(allFrames, 1);
  gfx = LoadAnimImage(path, ImageWidth(strip) / cells, ImageHeight(strip), 0, cells);
  if (gfx && dim) {
    dim->w = float(ImageWidth(gfx));
    dim->h = float(ImageHeight(gfx));
    dim->update();
  }
}

std::shared_ptr<TRGMAnim> TRGMAnimation::findAnim(const std::string& name) const {
  for (const auto& anim : animsList) {
    if (SameText(anim->id, name)) return anim;
  }
  return nullptr;
}

void TRGMAnimation::playAnim(const std::string& name) {
  auto anim = findAnim(name);
  if (!anim) {
    guiError("Animacja ktora chcesz wyswietlic, nie istnieje!");
    return;
  }
  playAnim(anim);
}

void TRGMAnimation::playAnim(const std::shared_ptr<TRGMAnim>& anim) {
  if (!anim) return;
  aktAnim = anim;
  _frame = 0;
  _maxFrames = anim->maxFrames;
  _animTime = MilliSecs() + anim->interwal;
  _wykonano = 0;
}

void TRGMAnimation::updateMe(const TMouse&, int, int) {
  if (!aktAnim) return;
  const int now = MilliSecs();
  if (now <= _animTime) return;
  _animTime = now + aktAnim->interwal;
  if (_frame + 1 > _maxFrames) {
    _wykonano = 1;
    if (aktAnim->loop) _frame = 0;
  } else {
    ++_frame;
    _wykonano = 0;
  }
}

void TRGMAnimation::draw(float x, float y) {
  if (!aktAnim || !dim || _frame == 0) return;
  SetScale(_scale, _scale);
  SetAlpha(_alpha);
  const int number = aktAnim->frame[std::min(_frame, 100) - 1];
  DrawImage(gfx, x + dim->x, y + dim->y, std::max(number - 1, 0));
}
