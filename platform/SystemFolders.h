#pragma once
// The folders the system names for the running program and for the user's
// own data, as UTF-8 paths.

#include <string>

namespace vellumo {

// The folder holding the running executable, as the system reports it.
std::string executableFolder();

// The user's own data folder ($XDG_DATA_HOME, else $HOME/.local/share; on
// Windows %LOCALAPPDATA%), or empty when the environment names none.
std::string userDataFolder();

// Whether the user may write into the folder.
bool folderWritable(const std::string& folder);

}  // namespace vellumo
