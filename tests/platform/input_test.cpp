// Keyboard, mouse and the input script.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/InputScript.h"
#include "platform/platform.h"
#include "support/TempDir.h"

namespace {

using namespace platform;
using Kind = ScriptEvent::Kind;

class InputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitHeadless();
    ASSERT_TRUE(Graphics(800, 600, 0, 60, 0));
  }
};

TEST_F(InputTest, KeyHitCountsPressesNotRepeats) {
  InjectKey(key::SPACE, true);
  for (int i = 0; i < 5; ++i) InjectKey(key::SPACE, true, true);
  EXPECT_EQ(KeyDown(key::SPACE), 1);
  EXPECT_EQ(KeyHit(key::SPACE), 1);
  EXPECT_EQ(KeyHit(key::SPACE), 0) << "the call resets the count";
  InjectKey(key::SPACE, false);
  InjectKey(key::SPACE, true);
  InjectKey(key::SPACE, false);
  InjectKey(key::SPACE, true);
  EXPECT_EQ(KeyHit(key::SPACE), 2);
  FlushKeys();
  EXPECT_EQ(KeyDown(key::SPACE), 0);
  EXPECT_EQ(KeyHit(key::SPACE), 0);
}

TEST_F(InputTest, EitherSideDrivesTheGenericModifier) {
  InjectKey(key::LSHIFT, true);
  InjectKey(key::RSHIFT, true);
  InjectKey(key::LSHIFT, false);
  EXPECT_EQ(KeyDown(key::SHIFT), 1) << "right still held";
  EXPECT_EQ(KeyHit(key::SHIFT), 1) << "one press of shift as a whole";
  InjectKey(key::RSHIFT, false);
  EXPECT_EQ(KeyDown(key::SHIFT), 0);
  InjectKey(key::RALT, true);
  EXPECT_EQ(KeyDown(key::ALT), 1);
  EXPECT_EQ(KeyDown(key::LALT), 0);
}

TEST_F(InputTest, TypedCharactersQueueIncludingRepeatedEditingKeys) {
  InjectChar('a');
  InjectKey(key::BACKSPACE, true);
  InjectKey(key::BACKSPACE, true, true);
  InjectKey(key::ENTER, true);
  InjectKey('A', true);  // a letter key types nothing by itself: text arrives as characters
  InjectChar(0x142);
  const std::vector<int> expected{'a', 8, 8, 13, 0x142, 0};
  for (int c : expected) EXPECT_EQ(GetChar(), c);
  InjectChar('x');
  FlushKeys();
  EXPECT_EQ(GetChar(), 0);
}

TEST_F(InputTest, MouseIsClampedToTheScreenAndCountsPresses) {
  InjectMouseMove(-20, 900);
  EXPECT_EQ(MouseX(), 0);
  EXPECT_EQ(MouseY(), 599);
  InjectMouseMove(1000, 10);
  EXPECT_EQ(MouseX(), 799);
  InjectMouseButton(1, true);
  InjectMouseButton(1, false);
  InjectMouseButton(1, true);
  InjectMouseButton(2, true);
  EXPECT_EQ(MouseHit(1), 2);
  EXPECT_EQ(MouseHit(1), 0);
  EXPECT_EQ(MouseDown(1), 1);
  EXPECT_EQ(MouseDown(3), 0);
  FlushMouse();
  EXPECT_EQ(MouseDown(2), 0);
  EXPECT_EQ(MouseHit(2), 0);
}

TEST_F(InputTest, CloseRequestIsReportedOnce) {
  EXPECT_FALSE(AppTerminate());
  InjectCloseRequest();
  EXPECT_TRUE(AppTerminate());
  EXPECT_FALSE(AppTerminate());
}

TEST(InputScriptTest, ParsesEveryVerbAndReportsBadLines) {
  const std::string text =
      "# a comment line\n"
      "0 move 10 20\n"
      "3 press 1   # trailing comment\n"
      "3 release 1\n"
      "2 key 27\r\n"
      "4 keydown 164\n"
      "4 keyup 164\n"
      "5 char 65\n"
      "5 char \"z# \xC5\x82\"\n"
      "6 close\n"
      "\n"
      "x move 1 2\n"
      "7 jump\n"
      "7 move 1\n"
      "7 key 1 2\n"
      "-1 close\n"
      "7 char \"\"\n";
  std::vector<std::string> errors;
  const InputScript script = InputScript::parse(text, errors);
  const std::vector<ScriptEvent> expected = {
      {0, Kind::Move, 10, 20, {}},    {2, Kind::Key, 27, 0, {}},
      {3, Kind::Press, 1, 0, {}},     {3, Kind::Release, 1, 0, {}},
      {4, Kind::KeyDown, 164, 0, {}}, {4, Kind::KeyUp, 164, 0, {}},
      {5, Kind::Char, 0, 0, {65}},    {5, Kind::Char, 0, 0, {'z', '#', ' ', 0x142}},
      {6, Kind::Close, 0, 0, {}},
  };
  EXPECT_EQ(script.events(), expected);
  ASSERT_EQ(errors.size(), 6u);
  EXPECT_EQ(errors.front().rfind("line 12:", 0), 0u) << errors.front();
}

TEST_F(InputTest, ScriptEventsArriveAtThePollAfterTheirFrame) {
  testsupport::TempDir dir;
  testsupport::WriteFile(
      dir / "input.txt",
      "0 move 5 6\n2 keydown 164\n2 key 115\n3 press 1\n4 char \"hi\"\n5 close\n");
  setenv("GLIMMERFIR_INPUT", (dir / "input.txt").c_str(), 1);
  InitHeadless();
  unsetenv("GLIMMERFIR_INPUT");
  PollSystem();
  EXPECT_EQ(MouseX(), 5);
  Flip(0);
  PollSystem();
  EXPECT_EQ(KeyDown(key::LALT), 0) << "frame 2 events wait for the second flip";
  Flip(0);
  PollSystem();
  EXPECT_EQ(KeyDown(key::LALT), 1);
  EXPECT_EQ(KeyHit(key::F4), 1);
  EXPECT_EQ(KeyDown(key::F4), 0) << "key is a press and a release";
  Flip(0);
  PollSystem();
  PollSystem();
  EXPECT_EQ(MouseHit(1), 1) << "applied once however often the system is polled";
  Flip(0);
  PollSystem();
  EXPECT_EQ(GetChar(), 'h');
  EXPECT_EQ(GetChar(), 'i');
  EXPECT_FALSE(AppTerminate());
  Flip(0);
  PollSystem();
  EXPECT_TRUE(AppTerminate());
}

TEST_F(InputTest, FrameLimitEndsTheRunThroughAppTerminate) {
  setenv("GLIMMERFIR_FRAMES", "3", 1);
  InitHeadless();
  unsetenv("GLIMMERFIR_FRAMES");
  int frames = 0;
  while (!AppTerminate() && frames < 100) {
    Flip(-1);
    ++frames;
  }
  EXPECT_EQ(frames, 3);
  EXPECT_TRUE(AppTerminate()) << "stays true so every loop on the way out ends too";
}

}  // namespace

namespace {

TEST_F(InputTest, ARecordedSessionReplaysAsTheSameScript) {
  testsupport::TempDir dir;
  const std::string path = dir / "session.txt";
  setenv("GLIMMERFIR_RECORD", path.c_str(), 1);
  InitHeadless();
  unsetenv("GLIMMERFIR_RECORD");
  InjectMouseMove(3, 4);
  InjectMouseMove(30, 40);  // moves within a frame collapse
  Flip(0);
  InjectMouseButton(1, true);
  InjectKey(key::LALT, true);
  InjectKey(key::LALT, true, true);  // repeats are not recorded
  InjectChar(0x105);
  Flip(0);
  Flip(0);
  InjectMouseButton(1, false);
  InjectCloseRequest();
  InitHeadless();  // ends the recording

  std::vector<std::string> errors;
  const InputScript script = InputScript::parse(testsupport::ReadFile(path), errors);
  EXPECT_TRUE(errors.empty());
  const std::vector<ScriptEvent> expected = {
      {0, Kind::Move, 30, 40, {}},    {1, Kind::Press, 1, 0, {}},   {1, Kind::KeyDown, 164, 0, {}},
      {1, Kind::Char, 0, 0, {0x105}}, {3, Kind::Release, 1, 0, {}}, {3, Kind::Close, 0, 0, {}},
  };
  EXPECT_EQ(script.events(), expected);
}

}  // namespace
