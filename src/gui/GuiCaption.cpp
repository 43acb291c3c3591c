#include "gui/GuiCaption.h"

#include "datafile/TTxtFile.h"

std::string guiCaption(const std::string& value) { return resolveCaption(value); }
