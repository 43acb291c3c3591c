#include "fonts/FontFile.h"

#include "platform/files.h"

namespace assetgen {

std::unique_ptr<TBMFont> readFontFile(const std::string& path) {
  auto bytes = platform::LoadBytes(path);
  if (!bytes) return nullptr;
  auto font = std::make_unique<TBMFont>();
  if (!font->ParseBytes(bytes->data(), bytes->size())) return nullptr;
  return font;
}

}  // namespace assetgen
