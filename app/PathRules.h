#pragma once
// How the program finds its files: two prefixes taken from the folder that
// holds the executable, joined to relative paths that begin with a separator
// by plain concatenation (a doubled separator reads as one).

#include <string>
#include <string_view>

namespace vellumo {

struct AppPaths {
  std::string AppDir;     // the folder, with a separator appended unless it ends in one
  std::string AssetRoot;  // the folder exactly as reported
};

// `folder` has no trailing separator, except a root folder, which ends in one.
// File names are case-sensitive here, so AssetRoot keeps the folder's letters
// as reported and the asset names carry their exact upper-case spelling.
AppPaths derivePaths(std::string_view folder, char separator = '/');

}  // namespace vellumo
