#include "platform/FileBytes.h"

#include <windows.h>

#include <algorithm>

#include "platform/LoadError.h"
#include "platform/windows/WidePath.h"

namespace vellumo {

namespace {

LoadError failure(const std::string& path, const char* what) { return LoadError(path + ": " + what); }

LoadError systemFailure(const std::string& path) { return LoadError(path + ": " + systemErrorText(GetLastError())); }

class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  ~FileHandle() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

// Opened for reading as a file is while others may still write, rename or
// delete it (as the save does); a folder cannot be opened this way.
HANDLE openForReading(const std::string& path) {
  const HANDLE file =
      CreateFileW(wideFromUtf8(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw systemFailure(path);
  return file;
}

// Only files on a disk count: a pipe, a console or a device is no picture.
BY_HANDLE_FILE_INFORMATION regularFileInformation(const FileHandle& file, const std::string& path) {
  if (GetFileType(file.get()) != FILE_TYPE_DISK) throw failure(path, "not a regular file");
  BY_HANDLE_FILE_INFORMATION info{};
  if (!GetFileInformationByHandle(file.get(), &info)) throw systemFailure(path);
  if (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) {
    throw failure(path, "not a regular file");
  }
  return info;
}

std::int64_t joined(DWORD high, DWORD low) { return (static_cast<std::int64_t>(high) << 32) | low; }

// FILETIME counts 100-nanosecond steps.
std::int64_t nanoseconds(const LARGE_INTEGER& time) { return time.QuadPart * 100; }

}  // namespace

std::int64_t fileSizeOf(const std::string& path) {
  const FileHandle file(openForReading(path));
  const BY_HANDLE_FILE_INFORMATION info = regularFileInformation(file, path);
  return joined(info.nFileSizeHigh, info.nFileSizeLow);
}

FileStamp fileStampOf(const std::string& path) {
  const FileHandle file(openForReading(path));
  const BY_HANDLE_FILE_INFORMATION info = regularFileInformation(file, path);
  FILE_BASIC_INFO times{};
  if (!GetFileInformationByHandleEx(file.get(), FileBasicInfo, &times, sizeof times)) throw systemFailure(path);
  return {joined(info.nFileSizeHigh, info.nFileSizeLow), nanoseconds(times.LastWriteTime),
          nanoseconds(times.ChangeTime), info.dwVolumeSerialNumber,
          static_cast<std::uint64_t>(joined(info.nFileIndexHigh, info.nFileIndexLow))};
}

std::vector<unsigned char> readFileBytes(const std::string& path, std::int64_t maxBytes) {
  const FileHandle file(openForReading(path));
  const BY_HANDLE_FILE_INFORMATION info = regularFileInformation(file, path);
  const std::int64_t size = joined(info.nFileSizeHigh, info.nFileSizeLow);
  if (size == 0) throw failure(path, "empty file");
  if (size > maxBytes) throw failure(path, "file too large");

  std::vector<unsigned char> bytes(static_cast<std::size_t>(size));
  std::size_t filled = 0;
  while (filled < bytes.size()) {
    const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - filled, 1u << 30));
    DWORD got = 0;
    if (!ReadFile(file.get(), bytes.data() + filled, wanted, &got, nullptr)) throw systemFailure(path);
    if (got == 0) break;  // the file shrank while being read
    filled += got;
  }
  bytes.resize(filled);
  if (bytes.empty()) throw failure(path, "empty file");
  return bytes;
}

}  // namespace vellumo
