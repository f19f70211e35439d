#include "platform/TerminationSignals.h"

// Windows has no termination signals; what ends a program from outside are
// console control events (Ctrl+C, the console closed, logoff, shutdown) and
// the end of the session, which reaches every top-level window as
// WM_QUERYENDSESSION and WM_ENDSESSION. Both become the same call as a
// signal on Linux, so they close the program through the path a window close
// takes.
//
// The window that hears of the session's end is a hidden one of this
// watcher's own, on its thread: SDL's windows do not answer those messages.

#include <windows.h>

#include <atomic>
#include <stdexcept>

namespace vellumo {

namespace {

const wchar_t kWindowClass[] = L"Vellumo.SessionEnd";

// Handlers and window procedures get no context but globals.
std::atomic<bool> gWatching{false};
std::function<void()>* gOnSignal = nullptr;
DWORD gWindowThread = 0;  // where the destructor posts its WM_QUIT

void requestClose() {
  if (gOnSignal != nullptr) (*gOnSignal)();
}

// The system ends the process once a handler for these returns, and after
// WM_ENDSESSION returns: they wait while the program closes itself (it ends
// the process from its own thread), until the system's own time runs out.
[[noreturn]] void waitForTheEnd() {
  for (;;) Sleep(INFINITE);
}

BOOL WINAPI onConsoleControl(DWORD event) {
  requestClose();
  if (event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT) waitForTheEnd();
  return TRUE;
}

LRESULT CALLBACK sessionWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_QUERYENDSESSION: return TRUE;  // nothing is left unsaved: the session may end
    case WM_ENDSESSION:
      if (wParam) {
        requestClose();
        waitForTheEnd();
      }
      return 0;
    default: return DefWindowProcW(window, message, wParam, lParam);
  }
}

HWND createSessionWindow() {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = sessionWindowProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kWindowClass;
  RegisterClassW(&windowClass);
  // Top-level, never shown: a message-only window would not hear of the
  // session's end.
  return CreateWindowExW(WS_EX_TOOLWINDOW, kWindowClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                         windowClass.hInstance, nullptr);
}

}  // namespace

TerminationSignalWatcher::TerminationSignalWatcher(std::function<void()> onSignal) : onSignal_(std::move(onSignal)) {
  if (gWatching.exchange(true)) throw std::logic_error("a termination signal watcher already exists");
  gOnSignal = &onSignal_;
  SetConsoleCtrlHandler(onConsoleControl, TRUE);

  // The window is made on the thread that runs its messages.
  HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  thread_ = std::thread([ready] {
    const HWND window = createSessionWindow();
    gWindowThread = GetCurrentThreadId();
    SetEvent(ready);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    if (window != nullptr) DestroyWindow(window);
  });
  WaitForSingleObject(ready, INFINITE);
  CloseHandle(ready);
}

TerminationSignalWatcher::~TerminationSignalWatcher() {
  SetConsoleCtrlHandler(onConsoleControl, FALSE);
  PostThreadMessageW(gWindowThread, WM_QUIT, 0, 0);
  thread_.join();
  gOnSignal = nullptr;
  gWatching = false;
}

}  // namespace vellumo
