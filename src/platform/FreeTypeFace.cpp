#include "platform/FreeTypeFace.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include "platform/Log.h"
#include "platform/files.h"

namespace platform {

struct FreeTypeFace::Library {
  FT_Library handle = nullptr;
  Library() {
    if (FT_Init_FreeType(&handle) != 0) handle = nullptr;
  }
  ~Library() {
    if (handle) FT_Done_FreeType(handle);
  }
  // Shared by every face; freed with the last of them.
  static std::shared_ptr<Library> get() {
    static std::weak_ptr<Library> shared;
    auto library = shared.lock();
    if (!library) {
      library = std::make_shared<Library>();
      shared = library;
    }
    return library;
  }
};

std::shared_ptr<FreeTypeFace> FreeTypeFace::open(const std::string& path, int pixelSize) {
  auto bytes = LoadBytes(path);
  if (!bytes || bytes->empty()) {
    platform::Logf("Cannot load font %s: file not found", path.c_str());
    return nullptr;
  }
  auto face = std::make_shared<FreeTypeFace>();
  face->library_ = Library::get();
  face->bytes_ = std::move(*bytes);
  FT_Face handle = nullptr;
  if (!face->library_->handle ||
      FT_New_Memory_Face(face->library_->handle, face->bytes_.data(), FT_Long(face->bytes_.size()),
                         0, &handle) != 0) {
    platform::Logf("Cannot load font %s: not a font file", path.c_str());
    return nullptr;
  }
  face->face_ = handle;
  if (FT_Set_Pixel_Sizes(handle, 0, FT_UInt(pixelSize)) != 0) {
    platform::Logf("Cannot load font %s at size %d", path.c_str(), pixelSize);
    return nullptr;
  }
  face->ascent_ = int((handle->size->metrics.ascender + 63) >> 6);
  face->descent_ = int((-handle->size->metrics.descender + 63) >> 6);
  return face;
}

FreeTypeFace::~FreeTypeFace() {
  if (face_) FT_Done_Face(static_cast<FT_Face>(face_));
}

bool FreeTypeFace::render(int codepoint, bool smooth, Bitmap& out) const {
  auto face = static_cast<FT_Face>(face_);
  const FT_Int32 flags = FT_LOAD_RENDER | (smooth ? FT_LOAD_TARGET_NORMAL : FT_LOAD_TARGET_MONO);
  if (FT_Load_Char(face, FT_ULong(codepoint), flags) != 0) return false;
  const FT_GlyphSlot slot = face->glyph;
  const FT_Bitmap& bitmap = slot->bitmap;
  out.width = int(bitmap.width);
  out.height = int(bitmap.rows);
  out.left = slot->bitmap_left;
  out.top = slot->bitmap_top;
  out.advance = int((slot->advance.x + 32) >> 6);
  out.coverage.assign(size_t(out.width) * size_t(out.height), 0);
  for (int y = 0; y < out.height; ++y) {
    const unsigned char* row = bitmap.buffer + ptrdiff_t(y) * bitmap.pitch;
    for (int x = 0; x < out.width; ++x) {
      const bool mono = bitmap.pixel_mode == FT_PIXEL_MODE_MONO;
      const uint8_t value = mono ? ((row[x >> 3] >> (7 - (x & 7))) & 1) * 255 : row[x];
      out.coverage[size_t(y) * size_t(out.width) + size_t(x)] = value;
    }
  }
  return true;
}

int FreeTypeFace::kerning(int left, int right) const {
  auto face = static_cast<FT_Face>(face_);
  if (!FT_HAS_KERNING(face)) return 0;
  FT_Vector delta{};
  if (FT_Get_Kerning(face, FT_Get_Char_Index(face, FT_ULong(left)),
                     FT_Get_Char_Index(face, FT_ULong(right)), FT_KERNING_DEFAULT, &delta) != 0)
    return 0;
  return int(delta.x >> 6);
}

}  // namespace platform
