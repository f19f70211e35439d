#pragma once
// Where the saved picture lives. Beside the program while its MY_PICTURE
// folder can be written there, as in the build tree. An installed copy
// cannot write beside itself, so it keeps the picture in the user's own data
// folder, $XDG_DATA_HOME/vellumo (by default ~/.local/share/vellumo; on
// Windows %LOCALAPPDATA%\vellumo), made when first needed.

#include <string>

namespace vellumo {

// The folder to which the saved picture's relative path is joined: `appDir`
// itself (ending in its separator), or the user's data folder for the program.
// Never throws: when that folder cannot be made, its path is returned all the
// same and the save that follows fails like any other failed save.
std::string savedPictureRoot(const std::string& appDir);

}  // namespace vellumo
