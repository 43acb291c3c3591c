#include <gtest/gtest.h>

#include <set>
#include <string>

#include "gui/GuiFixture.h"
#include "gui/TButton.h"
#include "gui/TRGMAnimation.h"

namespace {

using guitest::GuiFixture;

class AnimTest : public GuiFixture {
 protected:
  std::shared_ptr<TButton> animButton(const std::string& schema, int cells) {
    guitest::writeSheet(dir / "anim.png", 30, 30, cells);
    gui =
        loadText("BUTTON a { TYP = ANIM_BUTTON GFX = anim.png POSITION = \"100 100\" SCHEMAT = \"" +
                 schema + "\" }");
    return gui->getItemAs<TButton>("a");
  }
  std::string current(const TButton& b) { return b._animData.animName[b.aktAnim]; }
  std::shared_ptr<TGui> gui;
};

TEST_F(AnimTest, SchemaNamesAnimationsTheirFramesAndTimes) {
  auto b = animButton("[NORMAL(100)] 1 2 3 [OVER] 4 5 [ACTIVE (40)] 6 [UNACTIVE] 6 5", 6);
  ASSERT_TRUE(b);
  const TAnimData& d = b->_animData;
  EXPECT_EQ(d.anims, 4);
  EXPECT_EQ(b->frames, 6);
  EXPECT_EQ(platform::ImageFrames(b->_image), 6);
  EXPECT_EQ(d.maxFrames[b->_animNormal], 3);
  EXPECT_EQ(d.frameN[b->_animOver][1], 5);
  EXPECT_EQ(d.frameDelta[b->_animNormal], 100);
  EXPECT_EQ(d.frameDelta[b->_animOver], 500);
  EXPECT_EQ(d.frameDelta[b->_animActive], 40);
  EXPECT_EQ(b->_activeFlag + b->_overFlag + b->_unactiveFlag, 3);
  EXPECT_EQ(current(*b), "NORMAL");
  EXPECT_EQ(b->dim->w, 30);
}

TEST_F(AnimTest, MoreThanTenNamesAreReportedAndMapToTheFirst) {
  std::string schema = "[NORMAL] 1";
  for (int i = 1; i <= 10; ++i) schema += " [A" + std::to_string(i) + "] " + std::to_string(i);
  testing::internal::CaptureStdout();
  auto b = animButton(schema, 10);
  const std::string out = testing::internal::GetCapturedStdout();
  ASSERT_TRUE(b);
  EXPECT_NE(out.find(" >> BLAD! << : Nie mozna dodac wiecej niz 10 animacji!"), std::string::npos)
      << out;
  EXPECT_EQ(b->_animData.anims, 10);
  EXPECT_EQ(b->_animData.animName[9], "A9");
  // The eleventh name's frame went to animation 0.
  EXPECT_EQ(b->_animData.maxFrames[0], 2);
  EXPECT_EQ(b->_animData.frameN[0][1], 10);
  EXPECT_EQ(b->_animData.getAnimByName("A9"), 9);
}

TEST_F(AnimTest, SchemaErrorsAreShown) {
  testing::internal::CaptureStdout();
  animButton("[OVER] 1 2", 2);
  std::string out = testing::internal::GetCapturedStdout();
  EXPECT_NE(out.find("Blad! Nie okreslono znacznika animacji [NORMAL] w schemacie:[OVER] 1 2"),
            std::string::npos)
      << out;
  testing::internal::CaptureStdout();
  guitest::writeSheet(dir / "anim.png", 30, 30, 2);
  gui = loadText("BUTTON a { TYP = ANIM_BUTTON GFX = anim.png }");
  out = testing::internal::GetCapturedStdout();
  EXPECT_NE(out.find(" >> BLAD! << : Nieprawidlowy schemat :"), std::string::npos) << out;
  testing::internal::CaptureStdout();
  TAnimData data;
  EXPECT_EQ(data.getAnimByName("JUMP"), 0);
  out = testing::internal::GetCapturedStdout();
  EXPECT_NE(out.find("Podanej nazwy animacji nie ma na liscie animacji obiektu! Nazwa :JUMP"),
            std::string::npos);
}

TEST_F(AnimTest, StatesFollowThePointerClicksAndActivity) {
  auto b = animButton("[NORMAL(50)] 1 2 [OVER(50)] 3 [ACTIVE(50)] 4 5 [UNACTIVE(50)] 6", 6);
  ASSERT_TRUE(b);
  moveTo(500, 500);
  std::set<int> shown;
  for (int i = 0; i < 8; ++i) {
    frame(*gui);
    shown.insert(b->aktFrame);
  }
  EXPECT_EQ(current(*b), "NORMAL");
  EXPECT_EQ(shown, (std::set<int>{0, 1}));  // 50 ms a frame, round and round
  moveTo(100, 100);
  frame(*gui);
  EXPECT_EQ(current(*b), "OVER");
  press();
  frame(*gui);
  EXPECT_EQ(current(*b), "ACTIVE");
  release();
  frames(*gui, 2);
  EXPECT_EQ(current(*b), "ACTIVE");  // plays through before going back
  frames(*gui, 6);
  EXPECT_EQ(current(*b), "OVER");
  moveTo(500, 500);
  frame(*gui);
  EXPECT_EQ(current(*b), "NORMAL");
  b->setState(1, 0);
  frame(*gui);
  EXPECT_EQ(current(*b), "UNACTIVE");
  frames(*gui, 10);
  EXPECT_EQ(current(*b), "UNACTIVE");
  b->setState(1, 1);
  frames(*gui, 6);
  EXPECT_EQ(current(*b), "NORMAL");
}

TEST_F(AnimTest, FreeAnimationsCountDistinctCellsAndLoopOrHold) {
  guitest::writeSheet(dir / "strip.png", 20, 10, 3);
  gui = loadText(
      "ANIM spin { GFX = strip.png POSITION = \"10 20\" "
      "SCHEMAT = \"[NORMAL 100 LOOP] 1 2 3 2 [ONCE 50] 3 1\" }");
  auto a = gui->getItemAs<TRGMAnimation>("spin");
  ASSERT_TRUE(a);
  EXPECT_EQ(a->allFrames, 3);
  EXPECT_EQ(platform::ImageFrames(a->gfx), 3);
  EXPECT_EQ(a->dim->x1, 10);
  EXPECT_EQ(a->dim->x2, 30);
  ASSERT_TRUE(a->aktAnim);
  EXPECT_EQ(a->aktAnim->id, "NORMAL");
  EXPECT_EQ(a->aktAnim->interwal, 100);
  EXPECT_EQ(a->aktAnim->loop, 1);
  // 100 ms a frame at 60 frames per second: a step about every sixth frame.
  int wraps = 0, last = a->_frame;
  for (int i = 0; i < 40; ++i) {
    frame(*gui);
    if (a->_frame < last) ++wraps;
    last = a->_frame;
    EXPECT_LE(a->_frame, 4);
  }
  EXPECT_EQ(wraps, 1);
  a->playAnim("once");
  for (int i = 0; i < 30; ++i) frame(*gui);
  EXPECT_EQ(a->_frame, 2);  // a one-shot stays on its last frame
  EXPECT_EQ(a->_wykonano, 1);
}

TEST_F(AnimTest, FreeAnimationSchemaErrorsAreShown) {
  struct Case {
    const char* schema;
    const char* message;
  };
  const Case cases[] = {
      {"NORMAL 1 2", "Nieprawidlowa definicja schematu : NORMAL 1 2"},
      {"[IDLE] 1 2", "Schemat :[IDLE] 1 2 - nie uwzglednil animacji NORMAL!"},
  };
  for (const auto& c : cases) {
    testing::internal::CaptureStdout();
    TRGMAnimation a;
    a.interpretujSchemat(c.schema);
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(out.find(std::string(" >> BLAD! << : ") + c.message), std::string::npos) << out;
  }
  testing::internal::CaptureStdout();
  TRGMAnimation a;
  a.interpretujSchemat("[NORMAL] 1");
  a.playAnim("JUMP");
  const std::string out = testing::internal::GetCapturedStdout();
  EXPECT_NE(out.find("Animacja ktora chcesz wyswietlic, nie istnieje!"), std::string::npos);
  EXPECT_EQ(a.aktAnim->id, "NORMAL");
}

}  // namespace
