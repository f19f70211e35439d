#pragma once
// A small process of its own that gives the desktop its display mode back
// when the program dies without doing so itself (killed, crashed, ended by
// the out-of-memory killer). It is started before anything touches the
// display and reads the desktop's own mode then; the program tells it, just
// before switching, which mode it is switching to, and tells it again when
// the desktop has its own mode back. When the program's end of their link
// closes while the screen still shows a mode of the program's size, the
// guardian puts the desktop's mode back and ends. A mode of another size set
// afterwards by other means is left alone, and after a normal end, with the
// desktop's mode back, it simply ends.
//
// It holds nothing of the program's but its end of the link: not the
// single-instance lock, not the display connection.

#include <string>

namespace vellumo {

// The guardian executable, beside the program's own.
constexpr const char* kDisplayGuardianProgram = "vellumo-guard";

class DisplayModeGuardian {
 public:
  // No guardian: the notes do nothing.
  DisplayModeGuardian() = default;
  // Runs `program` (the guardian executable) detached from this process and
  // waits briefly until it has read the desktop's mode. Without that program,
  // or a display it can read, or when the program shows itself on Wayland,
  // there is no guardian and the program runs on.
  static DisplayModeGuardian start(const std::string& program);

  DisplayModeGuardian(DisplayModeGuardian&& other) noexcept;
  DisplayModeGuardian& operator=(DisplayModeGuardian&& other) noexcept;
  DisplayModeGuardian(const DisplayModeGuardian&) = delete;
  DisplayModeGuardian& operator=(const DisplayModeGuardian&) = delete;
  ~DisplayModeGuardian();  // the guardian sees the link close and ends

  bool running() const { return link_ >= 0; }
  // Told before the switch, so that no moment passes with the program's mode
  // showing and the guardian not knowing it.
  void switchingTo(int width, int height);
  void desktopModeBack();

 private:
  explicit DisplayModeGuardian(int link) : link_(link) {}
  void tell(const std::string& line);
  int link_ = -1;
};

// The guardian's side: watches the link on `link` until it closes, then
// restores the desktop's mode if the program left its own behind. Returns
// the process's exit status.
int runDisplayModeGuardian(int link);

}  // namespace vellumo
