#include "platform/ImageLoader.h"

#include <SDL.h>
#include <png.h>

#include <algorithm>
#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
// libjpeg needs FILE and size_t declared first.
#include <jpeglib.h>

#include "platform/Log.h"
#include "platform/files.h"

namespace platform {

namespace {

bool plausibleSize(long long width, long long height) {
  return width > 0 && height > 0 && width <= ImageLoader::kMaxSide &&
         height <= ImageLoader::kMaxSide && width * height <= 64LL * 1024 * 1024;
}

struct JpegError {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void jpegFail(j_common_ptr info) {
  auto* error = reinterpret_cast<JpegError*>(info->err);
  info->err->format_message(info, error->message);
  std::longjmp(error->jump, 1);
}

void jpegQuiet(j_common_ptr, int) {}

}  // namespace

std::optional<ImageLoader::Picture> ImageLoader::decode(const std::vector<uint8_t>& bytes,
                                                        std::string& error) {
  static const uint8_t kPng[] = {0x89, 'P', 'N', 'G'};
  if (bytes.size() >= 8 && std::memcmp(bytes.data(), kPng, 4) == 0) return decodePNG(bytes, error);
  if (bytes.size() >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF)
    return decodeJPEG(bytes, error);
  if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') return decodeBMP(bytes, error);
  error = "unknown picture format";
  return std::nullopt;
}

std::optional<ImageLoader::Picture> ImageLoader::load(const std::string& path) {
  std::string error;
  auto picture = read(path, error);
  if (!picture) logFailure(path, error);
  return picture;
}

std::optional<ImageLoader::Picture> ImageLoader::read(const std::string& path, std::string& error) {
  auto bytes = LoadBytes(path);
  if (!bytes) {
    error = "file not found";
    return std::nullopt;
  }
  return decode(*bytes, error);
}

void ImageLoader::logFailure(const std::string& path, const std::string& error) {
  Logf("Cannot load picture %s: %s", path.c_str(), error.c_str());
}

std::optional<ImageLoader::Picture> ImageLoader::decodePNG(const std::vector<uint8_t>& bytes,
                                                           std::string& error) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) {
    error = image.message;
    return std::nullopt;
  }
  if (!plausibleSize(image.width, image.height)) {
    png_image_free(&image);
    error = "implausible size";
    return std::nullopt;
  }
  Picture picture;
  picture.hasAlpha = (image.format & PNG_FORMAT_FLAG_ALPHA) != 0;
  // BGRA bytes are ARGB words on a little-endian machine.
  image.format = PNG_FORMAT_BGRA;
  picture.pixels = std::make_shared<PixmapData>(int(image.width), int(image.height));
  if (!png_image_finish_read(&image, nullptr, picture.pixels->pixels.data(), 0, nullptr)) {
    error = image.message;
    png_image_free(&image);
    return std::nullopt;
  }
  return picture;
}

namespace {

// Everything that outlives a libjpeg error jump lives with the caller, so the jump skips no
// destructor and reads no local changed after setjmp.
struct JpegTarget {
  PixmapData pixmap;
  std::vector<uint8_t> row;
  std::string error;
};

bool runJpeg(const std::vector<uint8_t>& bytes, JpegTarget& target) {
  jpeg_decompress_struct info;
  JpegError jerr;
  info.err = jpeg_std_error(&jerr.base);
  jerr.base.error_exit = jpegFail;
  jerr.base.emit_message = jpegQuiet;
  if (setjmp(jerr.jump)) {
    target.error = jerr.message;
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  if (!plausibleSize(info.output_width, info.output_height) || info.output_components != 3) {
    target.error = "implausible size";
    jpeg_destroy_decompress(&info);
    return false;
  }
  target.pixmap = PixmapData(int(info.output_width), int(info.output_height));
  target.row.resize(size_t(info.output_width) * 3);
  while (info.output_scanline < info.output_height) {
    uint8_t* rowPointer = target.row.data();
    const size_t y = info.output_scanline;
    jpeg_read_scanlines(&info, &rowPointer, 1);
    uint32_t* out = target.pixmap.pixels.data() + y * info.output_width;
    const uint8_t* in = target.row.data();
    for (size_t x = 0; x < info.output_width; ++x)
      out[x] = 0xFF000000u | (uint32_t(in[x * 3]) << 16) | (uint32_t(in[x * 3 + 1]) << 8) |
               uint32_t(in[x * 3 + 2]);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

}  // namespace

std::optional<ImageLoader::Picture> ImageLoader::decodeJPEG(const std::vector<uint8_t>& bytes,
                                                            std::string& error) {
  JpegTarget target;
  if (!runJpeg(bytes, target)) {
    error = target.error;
    return std::nullopt;
  }
  return Picture{std::make_shared<PixmapData>(std::move(target.pixmap)), false};
}

std::optional<ImageLoader::Picture> ImageLoader::decodeBMP(const std::vector<uint8_t>& bytes,
                                                           std::string& error) {
  SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), int(bytes.size()));
  SDL_Surface* loaded = rw ? SDL_LoadBMP_RW(rw, 1) : nullptr;
  if (!loaded) {
    error = SDL_GetError();
    return std::nullopt;
  }
  SDL_Surface* argb = SDL_ConvertSurfaceFormat(loaded, SDL_PIXELFORMAT_ARGB8888, 0);
  const bool hasAlpha = loaded->format->Amask != 0;
  SDL_FreeSurface(loaded);
  if (!argb || !plausibleSize(argb->w, argb->h)) {
    error = argb ? "implausible size" : SDL_GetError();
    if (argb) SDL_FreeSurface(argb);
    return std::nullopt;
  }
  auto pixels = std::make_shared<PixmapData>(argb->w, argb->h);
  for (int y = 0; y < argb->h; ++y)
    std::memcpy(pixels->pixels.data() + size_t(y) * size_t(argb->w),
                static_cast<const uint8_t*>(argb->pixels) + size_t(y) * size_t(argb->pitch),
                size_t(argb->w) * 4);
  SDL_FreeSurface(argb);
  if (!hasAlpha)
    for (uint32_t& p : pixels->pixels) p |= 0xFF000000u;
  return Picture{pixels, hasAlpha};
}

namespace {

// Screenshots are written while a run goes on: a quick zlib level and one cheap filter cost a
// little size and save most of the encoding time. Rows are BGRA or BGR bytes.
constexpr int kPngZlibLevel = 2;

struct PngWriteTarget {
  std::FILE* file = nullptr;
  std::vector<png_bytep> rows;
  bool opaque = false;
  int width = 0;
  int height = 0;
};

void pngQuiet(png_structp, png_const_charp) {}

void pngFail(png_structp png, png_const_charp) { png_longjmp(png, 1); }

// Everything that outlives an error jump lives with the caller (see runJpeg).
bool runPngWrite(PngWriteTarget& target) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, pngFail, pngQuiet);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    return false;
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_init_io(png, target.file);
  png_set_compression_level(png, kPngZlibLevel);
  png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB);
  png_set_IHDR(png, info, png_uint_32(target.width), png_uint_32(target.height), 8,
               target.opaque ? PNG_COLOR_TYPE_RGB : PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_BASE, PNG_FILTER_TYPE_BASE);
  png_write_info(png, info);
  png_set_bgr(png);
  png_write_image(png, target.rows.data());
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

}  // namespace

bool ImageLoader::savePNG(const PixmapData& pixmap, const std::string& path) {
  if (pixmap.width <= 0 || pixmap.height <= 0) return false;
  PngWriteTarget target;
  target.width = pixmap.width;
  target.height = pixmap.height;
  // A fully opaque picture is written without an alpha channel.
  target.opaque = std::all_of(pixmap.pixels.begin(), pixmap.pixels.end(),
                              [](uint32_t p) { return (p >> 24) == 0xFF; });
  // ARGB words are BGRA bytes on a little-endian machine; opaque rows drop the alpha byte.
  std::vector<uint8_t> bgr;
  const auto* argb = reinterpret_cast<const uint8_t*>(pixmap.pixels.data());
  const size_t argbRow = size_t(pixmap.width) * 4;
  if (target.opaque) {
    bgr.resize(pixmap.pixels.size() * 3);
    for (size_t i = 0; i < pixmap.pixels.size(); ++i) std::memcpy(&bgr[i * 3], argb + i * 4, 3);
  }
  for (int y = 0; y < pixmap.height; ++y)
    target.rows.push_back(target.opaque ? bgr.data() + size_t(y) * size_t(pixmap.width) * 3
                                        : const_cast<uint8_t*>(argb) + size_t(y) * argbRow);
  target.file = std::fopen(path.c_str(), "wb");
  if (!target.file) {
    Logf("Cannot save picture %s: %s", path.c_str(), std::strerror(errno));
    return false;
  }
  const bool written = runPngWrite(target);
  const bool closed = std::fclose(target.file) == 0;
  if (!written || !closed) {
    Logf("Cannot save picture %s: %s", path.c_str(), written ? "write failed" : "encoding failed");
    std::remove(path.c_str());
    return false;
  }
  return true;
}

void ImageLoader::applyMask(PixmapData& pixmap) {
  const int w = pixmap.width, h = pixmap.height;
  std::vector<uint32_t> source(pixmap.pixels);
  auto black = [](uint32_t p) { return (p & 0x00FFFFFFu) == 0; };
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      uint32_t& out = pixmap.pixels[size_t(y) * size_t(w) + size_t(x)];
      if (!black(source[size_t(y) * size_t(w) + size_t(x)])) {
        out |= 0xFF000000u;
        continue;
      }
      // Transparent, but with the neighbours' colour so that filtering shows no dark rim.
      unsigned r = 0, g = 0, b = 0, n = 0;
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
          const int nx = x + dx, ny = y + dy;
          if (nx < 0 || ny < 0 || nx >= w || ny >= h) continue;
          const uint32_t p = source[size_t(ny) * size_t(w) + size_t(nx)];
          if (black(p)) continue;
          r += (p >> 16) & 0xFF;
          g += (p >> 8) & 0xFF;
          b += p & 0xFF;
          ++n;
        }
      out = n ? (((r / n) << 16) | ((g / n) << 8) | (b / n)) : 0u;
    }
  }
}

}  // namespace platform
