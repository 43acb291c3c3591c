#include "effects/TSopel.h"

#include "datafile/FileNumbers.h"
#include "datafile/TRCMFile.h"

std::array<std::shared_ptr<TSopel>, kSopelCount> sople;

void TSopel::draw(float x, float y) const {
  platform::DrawImage(img, x + static_cast<float>(ax), y + static_cast<float>(ay), 0);
}

void loadSople(const std::string& path) {
  TRCMFile file;
  file.Load(path);
  for (int i = 0; i < kSopelCount; ++i) {
    const std::string entry = "sople::sopel" + std::to_string(i);
    auto sopel = std::make_shared<TSopel>();
    const std::string picture = file.getString(entry + "::img", 0);
    if (!picture.empty()) sopel->img = platform::LoadImage(picture, platform::ImageFlags::Default);
    sopel->ax = readInt(file, entry + "::pos", 0);
    sopel->ay = readInt(file, entry + "::pos", 1);
    sople[static_cast<size_t>(i)] = sopel;
  }
}
