// The pictures loaded from files, each decoded once per path and flags and shared by every
// image made from it. Sheets cut from a picture are kept with it, one per cell layout, so
// the users of one animation strip share its frames and textures too. A file that failed to
// load is remembered as well: asking for it again logs the same line without reading the
// disk. Owned by the back end, declared after the renderer so that the cached textures are
// freed while their renderer still lives; textures of a renderer closed earlier are never
// used again (see TextureCache).
#pragma once

#include <compare>
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "platform/ImageData.h"

namespace platform {

class ImageCache {
 public:
  struct Layout {
    int cellWidth = 0;
    int cellHeight = 0;
    int firstCell = 0;
    int cellCount = 0;
    auto operator<=>(const Layout&) const = default;
  };

  // One file under one set of flags.
  class Entry {
   public:
    // The whole picture as one frame; null when the file is missing or does not decode.
    const std::shared_ptr<PictureData>& whole() const { return whole_; }
    // The cells of `layout`, read left to right and top to bottom; null when the picture
    // failed or the cells do not fit in it.
    std::shared_ptr<PictureData> cells(const Layout& layout);

   private:
    friend class ImageCache;
    std::shared_ptr<PictureData> whole_;
    std::string error_;  // why the load failed
    std::map<Layout, std::shared_ptr<PictureData>> sheets_;
  };

  // The entry of a file (case-insensitive path, relative to the working directory), decoding
  // it on first use. Logs a line whenever the file is asked for and is not there.
  Entry& load(const std::string& path, ImageFlags flags);
  // Forgets every picture; images already made keep theirs.
  void clear();
  // How many files were read (and decoded when they could be) since the start or the last
  // clear.
  int decodeCount() const { return decodes_; }

 private:
  std::map<std::pair<std::string, ImageFlags>, Entry> entries_;
  int decodes_ = 0;
};

}  // namespace platform
