#include "platform/FileReplacement.h"

#include <windows.h>

#include <algorithm>
#include <random>

#include "platform/LoadError.h"
#include "platform/windows/WidePath.h"

namespace vellumo {

namespace {

// A new file of a name nobody uses, beside the target so the final move
// stays within one volume and is a rename.
HANDLE createTemporaryBeside(const std::string& path, std::string& temporary) {
  std::random_device random;
  for (int attempt = 0; attempt < 16; ++attempt) {
    temporary = path + ".tmp" + std::to_string(random() % 1000000);
    const HANDLE file = CreateFileW(wideFromUtf8(temporary).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return file;
  }
  return INVALID_HANDLE_VALUE;
}

bool writeAll(HANDLE file, const std::vector<unsigned char>& bytes) {
  std::size_t written = 0;
  while (written < bytes.size()) {
    const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - written, 1u << 30));
    DWORD put = 0;
    if (!WriteFile(file, bytes.data() + written, wanted, &put, nullptr)) return false;
    if (put == 0) {
      SetLastError(ERROR_WRITE_FAULT);
      return false;
    }
    written += put;
  }
  return true;
}

}  // namespace

void replaceFileContents(const std::string& path, const std::vector<unsigned char>& bytes) {
  std::string temporary;
  const HANDLE file = createTemporaryBeside(path, temporary);
  if (file == INVALID_HANDLE_VALUE) throw LoadError(path + ": " + systemErrorText(GetLastError()));

  // FlushFileBuffers puts the new bytes on the disk before the move; the move
  // replaces the old file in one step and, written through, is on the disk
  // itself when it returns.
  DWORD error = 0;
  if (!writeAll(file, bytes) || !FlushFileBuffers(file)) error = GetLastError();
  if (!CloseHandle(file) && error == 0) error = GetLastError();
  if (error == 0 && !MoveFileExW(wideFromUtf8(temporary).c_str(), wideFromUtf8(path).c_str(),
                                 MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    error = GetLastError();
  }
  if (error != 0) {
    DeleteFileW(wideFromUtf8(temporary).c_str());
    throw LoadError(path + ": " + systemErrorText(error));
  }
}

}  // namespace vellumo
