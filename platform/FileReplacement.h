#pragma once
// Replacing a file's contents all at once: the new bytes go to a fresh file
// beside it, which is flushed to disk and then put in the old one's place in
// one step. A crash or power cut leaves either the old file or the new one,
// never a torn one.

#include <string>
#include <vector>

namespace vellumo {

// Throws LoadError when the folder is missing or cannot be written, leaving
// any old file as it was and no temporary file behind.
void replaceFileContents(const std::string& path, const std::vector<unsigned char>& bytes);

}  // namespace vellumo
