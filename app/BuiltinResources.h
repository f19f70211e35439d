#pragma once
// Pictures and pointers built into the executable: the window's starting
// images (the same bytes as the asset files they are named after), the
// splash picture, the application icon and the built-in pointers. The bytes
// are generated at build time by the asset generator.

#include <span>
#include <string_view>

namespace vellumo {

// The bytes of a built-in resource by file name: the file name of a starting
// picture ("GLAVNA-4.JPG"), or a built-in-only name of core/AssetFiles.txt
// ("SPLASH.JPG"); empty when there is none of that name.
std::span<const unsigned char> builtinResource(std::string_view name);

}  // namespace vellumo
