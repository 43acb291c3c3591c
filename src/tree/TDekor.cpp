#include "tree/TDekor.h"

void TDekor::drawM(float dx, float dy) {
  platform::SetRotation(0);
  if (data) data->drawWithHandle(int(x + dx), int(y + dy), nullptr, 0);
}
