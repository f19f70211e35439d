#pragma once
// The main window after start-up on a recording desktop, driven through its
// real event routing: moves, presses and releases at window positions.

#include <gtest/gtest.h>

#include "app/FormaMain.h"
#include "tests/support/InputEvents.h"
#include "tests/support/RecordingDesktop.h"

namespace vellumo::test {

class RunningForm : public ::testing::Test {
 protected:
  explicit RunningForm(std::string appFolder = VELLUMO_APP_DIR) : form(desktop, std::move(appFolder)) {
    form.Form_Load();
    desktop.calls.clear();
    desktop.callTimes.clear();
  }

  void send(InputEvent::Kind kind, int x, int y, int button, int buttons) {
    form.handle(mouseEvent(kind, x, y, button, buttons));
  }
  void move(int x, int y, int buttons = 0) { send(InputEvent::Kind::MouseMove, x, y, 0, buttons); }
  void press(int x, int y, int button = kLeftButton, int buttonsAfter = -1) {
    send(InputEvent::Kind::MouseDown, x, y, button, buttonsAfter < 0 ? button : buttonsAfter);
  }
  void release(int x, int y, int button = kLeftButton, int buttonsAfter = 0) {
    send(InputEvent::Kind::MouseUp, x, y, button, buttonsAfter);
  }
  void click(int x, int y) { clickAt(form, x, y); }
  // Click the middle of an element.
  void click(ElementId id) {
    click(form.elements().left(id) + form.elements().layout(id).width / 2,
          form.elements().top(id) + form.elements().layout(id).height / 2);
  }
  void hover(ElementId id) {
    move(form.elements().left(id) + form.elements().layout(id).width / 2,
         form.elements().top(id) + form.elements().layout(id).height / 2);
  }

  // Whether an element shows the picture of an asset file.
  bool shows(ElementId id, const std::string& relativePath) {
    const PicturePtr expected = decodePictureFile(form.state().AssetRoot + relativePath);
    const PicturePtr& actual = form.elements().picture(id);
    return actual && actual->pixels == expected->pixels;
  }
  // The sounds played since the last call, relative to the asset root.
  std::vector<std::string> soundsPlayed() {
    std::vector<std::string> sounds;
    for (const std::string& call : desktop.calls)
      if (call.starts_with("playSound ")) sounds.push_back(call.substr(10 + form.state().AssetRoot.size()));
    desktop.calls.clear();
    desktop.callTimes.clear();
    return sounds;
  }

  Picture& canvas() { return form.canvas().pixels(); }

  RecordingDesktop desktop;
  FormaMain form;
};

// Canvas pixel (x, y) as a window position.
constexpr int canvasX(int x) { return 30 + x; }
constexpr int canvasY(int y) { return 29 + y; }

}  // namespace vellumo::test
