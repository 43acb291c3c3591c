#pragma once
#include <string>
// Frame globals shared by every screen.
extern float delta;  // frame time scale: 1.0 = one frame at 60 fps
extern std::string currentState;
extern std::string gameType;
extern std::string gameFolderName;
extern std::string dataFolder;
extern std::string profilesFolder;
extern std::string profilesFile;
