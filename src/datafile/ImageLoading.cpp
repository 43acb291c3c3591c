#include "datafile/ImageLoading.h"

platform::Image loadImageOrWarn(const std::string& path, platform::ImageFlags flags) {
  platform::Image image = platform::LoadImage(path, flags);
  if (!image) {
    platform::Notify("Couldn't load image file: " + path + " - program will probably crash!");
  }
  return image;
}

platform::Image loadCentredImageOrWarn(const std::string& path) {
  platform::Image image = loadImageOrWarn(path);
  if (image) platform::MidHandleImage(image);
  return image;
}
