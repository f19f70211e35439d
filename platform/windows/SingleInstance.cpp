#include "platform/SingleInstance.h"

#include <windows.h>

#include <utility>

#include "platform/windows/WidePath.h"

namespace vellumo {

std::string SingleInstanceLock::defaultPath() { return "Local\\Vellumo.SingleInstance"; }

std::optional<SingleInstanceLock> SingleInstanceLock::acquire(const std::string& path) {
  // Not inherited: a browser started from here must not keep the next start
  // from running.
  HANDLE mutex = CreateMutexW(nullptr, FALSE, wideFromUtf8(path).c_str());
  if (mutex == nullptr) return SingleInstanceLock(nullptr);  // no lock to be had: run anyway
  if (GetLastError() == ERROR_ALREADY_EXISTS) {
    CloseHandle(mutex);
    return std::nullopt;
  }
  return SingleInstanceLock(mutex);
}

SingleInstanceLock::SingleInstanceLock(SingleInstanceLock&& other) noexcept
    : mutex_(std::exchange(other.mutex_, nullptr)) {}

SingleInstanceLock& SingleInstanceLock::operator=(SingleInstanceLock&& other) noexcept {
  if (this != &other) {
    if (mutex_ != nullptr) CloseHandle(mutex_);
    mutex_ = std::exchange(other.mutex_, nullptr);
  }
  return *this;
}

SingleInstanceLock::~SingleInstanceLock() {
  if (mutex_ != nullptr) CloseHandle(mutex_);
}

}  // namespace vellumo
