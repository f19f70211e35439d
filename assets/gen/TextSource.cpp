#include "TextSource.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace assetgen {

std::string readTextFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

std::vector<SourceLine> readEntries(const std::string& path) {
  std::istringstream in(readTextFile(path));
  std::vector<SourceLine> entries;
  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
      if (line[i] == '"') quoted = !quoted;
      // A comment starts at a '#' that begins a word ("#FF0000" after '=' is a value).
      if (line[i] == '#' && !quoted && (i == 0 || line[i - 1] == ' ' || line[i - 1] == '\t')) {
        line.resize(i);
        break;
      }
    }
    if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
    const bool continues = line[0] == ' ' || line[0] == '\t';
    if (continues && !entries.empty()) {
      entries.back().text += " " + line;
    } else {
      entries.push_back({number, line});
    }
  }
  return entries;
}

std::vector<std::string> splitWords(const std::string& line) {
  std::vector<std::string> words;
  std::string word;
  bool quoted = false, inWord = false;
  for (char c : line) {
    if (c == '"') {
      quoted = !quoted;
      inWord = true;
      continue;
    }
    if (!quoted && (c == ' ' || c == '\t' || c == '\r')) {
      if (inWord) words.push_back(word);
      word.clear();
      inWord = false;
      continue;
    }
    word += c;
    inWord = true;
  }
  if (inWord) words.push_back(word);
  return words;
}

}  // namespace assetgen
