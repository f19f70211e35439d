#include "platform/SystemFolders.h"

#include <io.h>
#include <windows.h>

#include <cstdlib>
#include <filesystem>

#include "platform/Utf8Path.h"

namespace vellumo {

// Both asked in UTF-16, so a folder of any name is reported whole.
std::string executableFolder() {
  std::wstring name(32768, L'\0');
  name.resize(GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size())));
  return utf8String(std::filesystem::path(name).parent_path());
}

std::string userDataFolder() {
  const wchar_t* local = _wgetenv(L"LOCALAPPDATA");
  return local != nullptr && local[0] != L'\0' ? utf8String(std::filesystem::path(local)) : std::string();
}

bool folderWritable(const std::string& folder) { return _waccess(utf8Path(folder).c_str(), 2) == 0; }

}  // namespace vellumo
