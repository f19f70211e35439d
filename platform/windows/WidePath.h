#pragma once
// Paths are UTF-8 throughout the program; Windows takes them, and any other
// text, as UTF-16. These convert at the edge, so an install folder with
// letters outside ASCII works.

#include <string>

namespace vellumo {

std::wstring wideFromUtf8(const std::string& text);
std::string utf8FromWide(const std::wstring& text);

// The system's message for an error code from GetLastError(), in UTF-8.
std::string systemErrorText(unsigned long code);

}  // namespace vellumo
