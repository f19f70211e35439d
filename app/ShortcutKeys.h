#pragma once
// The three shortcut keys, served from the window and from every button of
// the painting screen alike.

namespace vellumo {

struct MainWindow;

constexpr int kKeyP = 80, kKeyX = 88, kKeyR = 82;

// One key-down on the window or a painting-screen button: Ctrl+P prints,
// Ctrl+X asks whether to leave, Ctrl+R shows the info panel. Only Ctrl alone
// counts as the shift state.
void ShortcutKeyDown(MainWindow& w, int keyCode, int shift);

}  // namespace vellumo
