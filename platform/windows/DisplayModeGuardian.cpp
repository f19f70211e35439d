#include "platform/DisplayModeGuardian.h"

// Windows keeps a mode that a program set with SDL (a change for the process
// alone, not saved) only while that process runs: when it ends, however it
// ends, the desktop gets its own mode back. So there is no guardian process
// here, and the notes have no one to go to.

namespace vellumo {

DisplayModeGuardian DisplayModeGuardian::start(const std::string&) { return DisplayModeGuardian(); }

DisplayModeGuardian::DisplayModeGuardian(DisplayModeGuardian&&) noexcept {}

DisplayModeGuardian& DisplayModeGuardian::operator=(DisplayModeGuardian&&) noexcept { return *this; }

DisplayModeGuardian::~DisplayModeGuardian() = default;

void DisplayModeGuardian::switchingTo(int, int) {}

void DisplayModeGuardian::desktopModeBack() {}

void DisplayModeGuardian::tell(const std::string&) {}

}  // namespace vellumo
