#pragma once
// Helpers for the generator's text sources: whole-file reading and splitting
// a line into words, with "double quoted" words kept whole.

#include <string>
#include <vector>

namespace assetgen {

std::string readTextFile(const std::string& path);

// Lines with comments (from a '#' that begins a word to the end) removed; an indented line
// continues the entry above it. Each entry keeps the number of its first line.
struct SourceLine {
  int number;
  std::string text;
};
std::vector<SourceLine> readEntries(const std::string& path);

std::vector<std::string> splitWords(const std::string& line);

}  // namespace assetgen
