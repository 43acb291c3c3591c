#include "core/Globals.h"

float delta = 1.0f;
std::string currentState;
std::string gameType = "QUEST";
std::string gameFolderName = "Glimmerfir";
std::string dataFolder;
std::string profilesFolder;
std::string profilesFile;
