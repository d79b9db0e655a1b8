// Where the game's files are: its data folder (stage/, sound/, pictures/) found from where the
// program itself lies, and the font of the stage messages.
#pragma once

#include <string>

namespace slidestone {

// The folder holding the game's data, given the folder of the running program. Installed, the
// program is in bin/ (or games/) and its data in ../share/slidestone; in the build folder the
// data lies beside the program. The installed place wins when both exist. When neither holds
// the data, the program's own folder is given back, so the first missing file is named.
std::string FindDataFolder(const std::string& programFolder);

// The folder of the running program ("." when the system does not say).
std::string ProgramFolder();

// The font of the stage messages: the system's copy when it has one, else a copy in the data
// folder's fonts/ (for a system without the font package). When neither exists the system's
// path is given back and the strips are drawn without letters.
std::string TextFontFile(const std::string& data, const std::string& systemFont);

// Where the system's font package puts the font, as the build was told.
const char* SystemTextFont();

}  // namespace slidestone
