#include "core/PngWriter.h"

#include <png.h>

#include <cstdio>
#include <memory>

namespace assetgen {

namespace {
struct FileCloser {
  void operator()(FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<FILE, FileCloser>;
}  // namespace

bool PngWriter::write(const std::string& path, const Image& image) {
  FilePtr file(std::fopen(path.c_str(), "wb"));
  if (!file) return false;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    return false;
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_init_io(png, file.get());
  png_set_compression_level(png, 6);
  png_set_IHDR(png, info, image.width, image.height, 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  for (int y = 0; y < image.height; ++y)
    png_write_row(png, const_cast<png_bytep>(image.pixel(0, y)));
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

bool PngWriter::read(const std::string& path, Image& image) {
  png_image img{};
  img.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&img, path.c_str())) return false;
  img.format = PNG_FORMAT_RGBA;
  Image out(static_cast<int>(img.width), static_cast<int>(img.height));
  if (!png_image_finish_read(&img, nullptr, out.rgba.data(), 0, nullptr)) {
    png_image_free(&img);
    return false;
  }
  image = std::move(out);
  return true;
}

}  // namespace assetgen
