#include "core/JpegWriter.h"

#include <jpeglib.h>

#include <csetjmp>
#include <cstdio>
#include <memory>
#include <vector>

namespace assetgen {

namespace {
struct FileCloser {
  void operator()(FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<FILE, FileCloser>;

struct ErrorJump {
  jpeg_error_mgr mgr;
  std::jmp_buf jump;
};

void onError(j_common_ptr info) {
  auto* err = reinterpret_cast<ErrorJump*>(info->err);
  std::longjmp(err->jump, 1);
}
}  // namespace

bool JpegWriter::write(const std::string& path, const Image& image, int quality) {
  FilePtr file(std::fopen(path.c_str(), "wb"));
  if (!file) return false;
  jpeg_compress_struct cinfo{};
  ErrorJump err{};
  cinfo.err = jpeg_std_error(&err.mgr);
  err.mgr.error_exit = onError;
  std::vector<uint8_t> row(static_cast<size_t>(image.width) * 3);
  if (setjmp(err.jump)) {
    jpeg_destroy_compress(&cinfo);
    return false;
  }
  jpeg_create_compress(&cinfo);
  jpeg_stdio_dest(&cinfo, file.get());
  cinfo.image_width = static_cast<JDIMENSION>(image.width);
  cinfo.image_height = static_cast<JDIMENSION>(image.height);
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, quality, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    const uint8_t* src = image.pixel(0, static_cast<int>(cinfo.next_scanline));
    for (int x = 0; x < image.width; ++x)
      for (int c = 0; c < 3; ++c) row[x * 3 + c] = src[x * 4 + c];
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&cinfo, rows, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  return true;
}

bool JpegWriter::read(const std::string& path, Image& image) {
  FilePtr file(std::fopen(path.c_str(), "rb"));
  if (!file) return false;
  jpeg_decompress_struct cinfo{};
  ErrorJump err{};
  cinfo.err = jpeg_std_error(&err.mgr);
  err.mgr.error_exit = onError;
  Image out;
  std::vector<uint8_t> row;
  if (setjmp(err.jump)) {
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  jpeg_create_decompress(&cinfo);
  jpeg_stdio_src(&cinfo, file.get());
  jpeg_read_header(&cinfo, TRUE);
  cinfo.out_color_space = JCS_RGB;
  jpeg_start_decompress(&cinfo);
  out = Image(static_cast<int>(cinfo.output_width), static_cast<int>(cinfo.output_height));
  row.resize(static_cast<size_t>(out.width) * 3);
  while (cinfo.output_scanline < cinfo.output_height) {
    uint8_t* dst = out.pixel(0, static_cast<int>(cinfo.output_scanline));
    JSAMPROW rows[1] = {row.data()};
    jpeg_read_scanlines(&cinfo, rows, 1);
    for (int x = 0; x < out.width; ++x) {
      for (int c = 0; c < 3; ++c) dst[x * 4 + c] = row[x * 3 + c];
      dst[x * 4 + 3] = 255;
    }
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  image = std::move(out);
  return true;
}

}  // namespace assetgen
