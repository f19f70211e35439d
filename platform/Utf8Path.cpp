#include "platform/Utf8Path.h"

namespace vellumo {

std::filesystem::path utf8Path(std::string_view path) {
  return std::u8string_view(reinterpret_cast<const char8_t*>(path.data()), path.size());
}

std::string utf8String(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace vellumo
