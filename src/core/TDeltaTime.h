#pragma once
#include <memory>
#include <vector>

// The frame timer. `delta` = ElapsedTime / dDelta is deliberately not clamped: a long frame
// yields a large step, which is why screens warm it up before their first frame.
class TDeltaTime {
 public:
  int OldTime = 0;
  int ElapsedTime = 0;
  float dFps = 0;
  float dDelta = 0;
  int CurrFps = 0;
  int FPSCounter = 0;
  int CurrTime = 0;
  int CheckTime = 0;

  TDeltaTime();
  ~TDeltaTime();
  TDeltaTime(const TDeltaTime&) = delete;
  TDeltaTime& operator=(const TDeltaTime&) = delete;

  static std::unique_ptr<TDeltaTime> Create(float fps);
  void SetFPS(float fps);
  void Update();
  float CurrDelta() const;
  int FPS() const;
  void Destroy();

  static const std::vector<TDeltaTime*>& all();

 private:
  bool listed_ = false;
};
