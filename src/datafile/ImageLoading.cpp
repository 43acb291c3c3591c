#include "datafile/ImageLoading.h"

platform::Image loadImageOrWarn(const std::string& path, platform::ImageFlags flags) {
  platform::Image image = platform::LoadImage(path, flags);
  if (!image) {
    platform::Notify("Couldn't load image file: " + path + " - program will probably crash!");
  }
  return image;
}
