#include <cmath>
#include <functional>
#include <memory>
#include <utility>

#include "effects/EffectsFixture.h"
#include "effects/ParticleConstructors.h"
#include "effects/Poswiata.h"
#include "platform/strings.h"

namespace {

class ParticlesTest : public EffectsTest {
 protected:
  // One game frame: update the list, then show the frame (the clock moves on).
  void frame(TParticleList* l) {
    updateParticles(l);
    platform::Flip();
  }
  // Frames until the particle leaves its list (limit + 1 if it never does).
  int framesToLive(const std::shared_ptr<TParticle>& p, TParticleList* l, int limit = 1000) {
    for (int f = 1; f <= limit; ++f) {
      frame(l);
      if (p->list == nullptr) return f;
    }
    return limit + 1;
  }
  TParticleList list;
};

TEST_F(ParticlesTest, LifetimesInFrames) {
  struct Case {
    const char* name;
    std::function<std::shared_ptr<TParticle>(TParticleList*)> make;
    int frames;  // the update in which the particle leaves its list
  };
  std::vector<Case> cases = {
      // Alpha 1 falls by 0.03 a frame: 0.01 is left after 33 frames, 0 after 34.
      {"spark", [](TParticleList* l) { return addSpark(3, 100, 100, 0, {}, 4, l); }, 34},
      // Progress 0.015 a frame passes 1 in frame 67, long before the 800 ms hold ends.
      {"flying star", [](TParticleList* l) { return addStarParticle(100, 300, l, 0); }, 67},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto p = c.make(&list);
    ASSERT_TRUE(list.contains(p.get()));
    EXPECT_EQ(framesToLive(p, &list), c.frames);
    EXPECT_FALSE(list.contains(p.get()));
  }
}

TEST_F(ParticlesTest, FlyingStarEndsAtTheTopBarStillVisible) {
  auto star = addStarParticle(100, 300, &list, 0);
  for (int f = 0; f < 66; ++f) frame(&list);
  ASSERT_TRUE(list.contains(star.get()));
  EXPECT_NEAR(star->x, 400, 10);
  EXPECT_NEAR(star->y, 10, 2);
  EXPECT_GT(star->a, 0.9f);  // the hold has not ended
  EXPECT_FLOAT_EQ(star->r, 2 * 66);
}

TEST_F(ParticlesTest, PointsNumberFadesInHoldsAndFadesOut) {
  auto p = addPointsParticle(11, 200, 200, &list, 0);
  // 0.07 a frame reaches 1 in the 15th frame, which starts the 300 ms hold.
  for (int f = 0; f < 14; ++f) frame(&list);
  EXPECT_LT(p->a, 1.0f);
  EXPECT_EQ(p->da, 1.0f);
  frame(&list);
  EXPECT_EQ(p->da, 0.0f);
  float held = p->a;
  int holdFrames = 0;
  while (platform::MilliSecs() <= p->opoznienie) {
    frame(&list);
    ++holdFrames;
    EXPECT_EQ(p->a, held);
  }
  EXPECT_NEAR(holdFrames, 300 * 60 / 1000, 1);
  int fadeFrames = framesToLive(p, &list);
  EXPECT_EQ(fadeFrames, static_cast<int>(std::ceil(held / 0.07f)));
  EXPECT_NEAR(p->y, 200 - 0.2f * static_cast<float>(15 + holdFrames + fadeFrames), 0.01f);
}

TEST_F(ParticlesTest, ChainShardFallsFasterEveryFrame) {
  auto shard = addChainShard(300, 300, 0);
  float ay0 = shard->ay;
  EXPECT_LE(ay0, -1.0f);
  EXPECT_GT(ay0, -2.0f);
  EXPECT_GE(std::fabs(shard->ax), 0.5f);
  for (int f = 0; f < 10; ++f) frame(nullptr);
  EXPECT_NEAR(shard->ay - ay0, 1.0f, 1e-5f);
  EXPECT_FLOAT_EQ(shard->r, 80);
  EXPECT_NEAR(shard->a, 1 - 10 * 0.008f, 1e-5f);
}

TEST_F(ParticlesTest, DelayedParticleWaitsUnlessItFliesACurve) {
  auto spark = addSpark(2, 50, 60, 500, {}, 4, &list);
  auto star = addStarParticle(100, 300, &list, 500);
  float sparkA = spark->a, sparkX = spark->x, sparkY = spark->y;
  while (platform::MilliSecs() < spark->startTime) {
    frame(&list);
    EXPECT_EQ(std::make_tuple(spark->a, spark->x, spark->y),
              std::make_tuple(sparkA, sparkX, sparkY));
  }
  EXPECT_GT(star->per, 0.4f);  // the star kept travelling
  frame(&list);
  EXPECT_LT(spark->a, sparkA);
}

TEST_F(ParticlesTest, DisabledParticlesAreNotListedUpdatedOrDrawn) {
  particleImages[2] = whiteDot();
  auto listed = addSpark(2, 100, 100, 0, {}, 3, &list);
  particlesEnabled = 0;
  auto unlisted = addSpark(2, 200, 100, 0, {}, 3, &list);
  EXPECT_EQ(unlisted->list, nullptr);
  EXPECT_EQ(list.size(), 1u);
  float a = listed->a;
  for (int f = 0; f < 5; ++f) frame(&list);
  EXPECT_EQ(listed->a, a);
  clearScreen();
  drawParticles(&list);
  EXPECT_FALSE(lit(100, 100));
  particlesEnabled = 1;
  drawParticles(&list);
  EXPECT_TRUE(lit(100, 100));
  frame(&list);
  EXPECT_LT(listed->a, a);
}

TEST_F(ParticlesTest, DelayedParticleIsNotDrawnAndDrawingRestoresState) {
  particleImages[2] = whiteDot();
  addSpark(2, 100, 100, 0, {}, 3, &list);
  addSpark(2, 300, 100, 1000, {}, 3, &list);
  clearScreen();
  drawParticles(&list);
  EXPECT_TRUE(lit(100, 100));
  EXPECT_FALSE(lit(300, 100));
  float sx, sy;
  platform::GetScale(sx, sy);
  int r, g, b;
  platform::GetColor(r, g, b);
  EXPECT_EQ(std::make_tuple(sx, sy, platform::GetRotation(), platform::GetAlpha(),
                            platform::GetBlend(), r, g, b),
            std::make_tuple(1.0f, 1.0f, 0.0f, 1.0f, platform::ALPHABLEND, 255, 255, 255));
  Poswiata::draw(400, 400, 90, 1);
  EXPECT_EQ(platform::GetBlend(), platform::ALPHABLEND);
  EXPECT_EQ(platform::GetRotation(), 0.0f);
}

// Visits counted per particle; some remove themselves or another particle while walked.
struct Probe : TParticle {
  int visits = 0;
  bool dies = false;
  std::shared_ptr<TParticle> victim;
  std::shared_ptr<TParticle> child;
  void update() override {
    ++visits;
    if (victim) victim->destroy();
    if (child) list->add(std::exchange(child, nullptr));
    if (dies) destroy();
  }
};

TEST_F(ParticlesTest, WalkVisitsEveryRemainingParticleOnce) {
  std::vector<std::shared_ptr<Probe>> probes;
  for (int i = 0; i < 8; ++i) {
    probes.push_back(std::make_shared<Probe>());
    list.add(probes.back());
  }
  probes[0]->dies = probes[3]->dies = probes[7]->dies = true;
  probes[1]->victim = probes[2];  // removed before its turn: never visited
  auto late = std::make_shared<Probe>();
  probes[4]->child = late;  // added during the walk: visited in the same walk
  updateParticles(&list);
  std::vector<int> visits;
  visits.reserve(probes.size());
  for (const auto& p : probes) visits.push_back(p->visits);
  EXPECT_EQ(visits, (std::vector<int>{1, 1, 0, 1, 1, 1, 1, 1}));
  EXPECT_EQ(late->visits, 1);
  EXPECT_EQ(list.size(), 5u);  // 1, 4, 5, 6 and the late one
  updateParticles(&list);
  for (int i : {1, 4, 5, 6}) EXPECT_EQ(probes[i]->visits, 2) << i;
  EXPECT_EQ(probes[0]->visits, 1);
}

TEST_F(ParticlesTest, TextPictureWobblesThenFadesOut) {
  auto text = addTextParticle(1, 400, 300, 0, 0.5f);
  float widest = 0;
  int frames = 0;
  while (platform::SameText(text->state, "START") && frames < 500) {
    frame(nullptr);
    ++frames;
    widest = std::max(widest, std::fabs(text->sx - 1));
    // Until the picture is a fifth visible it does not wobble.
    if (text->a <= 0.2f) {
      EXPECT_EQ(text->per, 0.0f);
    }
  }
  // Alpha passes 0.2 in frame 7, the first of 100 frames of wobble at 0.01.
  EXPECT_NEAR(frames, 6 + 100, 1);
  EXPECT_GT(widest, 0.1f);
  EXPECT_FLOAT_EQ(text->sx, 1);  // the wobble has died away
  EXPECT_FLOAT_EQ(text->sy, 1);
  EXPECT_EQ(text->a, 1.0f);
  float y = text->y, s = text->s;
  int fade = framesToLive(text, nullptr);
  // 1 / 0.03 frames of fading, then removed in the frame after alpha reaches 0.
  EXPECT_NEAR(fade, 35, 1);
  EXPECT_NEAR(text->y, y - 0.1f * static_cast<float>(fade), 1e-3f);
  EXPECT_GT(text->s, s);
}

TEST_F(ParticlesTest, ShardsAndTextPicturesGoToTheMainGameLists) {
  auto chain = std::make_shared<TParticleList>();
  auto texts = std::make_shared<TParticleList>();
  setChainParticles(chain);
  setTextParticles(texts);
  auto shard = addPlateShard(22, 10, 10, 0);
  auto go = addTextParticleQuick(0, 400, 340, 1000);
  EXPECT_TRUE(chain->contains(shard.get()));
  EXPECT_TRUE(texts->contains(go.get()));
  EXPECT_EQ(go->perSpeed, 0.05f);
  EXPECT_EQ(go->sc, 0.4f);
  chain.reset();
  texts.reset();  // their owner is gone: back to the global list
  EXPECT_TRUE(globalParticles.contains(addChainShard(0, 0, 0).get()));
  EXPECT_TRUE(globalParticles.contains(addTextParticleLasting(9, 0, 0, 0).get()));
  EXPECT_EQ(shard->list, nullptr);
}

TEST_F(ParticlesTest, FlyingStarLeavesSparklesInTheGlobalList) {
  addStarParticle(100, 300, &list, 0);
  for (int f = 0; f < 20; ++f) frame(&list);
  ASSERT_FALSE(globalParticles.empty());
  int yellow = 0;
  globalParticles.forEach([&](TParticle& p) {
    EXPECT_EQ(p.n, 2);
    EXPECT_EQ(p.b, platform::LIGHTBLEND);
    yellow += p.rgb.b == 0 && p.rgb.r >= 170 && p.rgb.r <= 230;
  });
  EXPECT_EQ(static_cast<size_t>(yellow), globalParticles.size());
}

}  // namespace
