#pragma once
// A desktop that records what the program asks of it, runs on a virtual
// clock and replays scripted input, while decoding pictures and measuring
// files with the real decoder.

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/BmpFile.h"
#include "platform/Desktop.h"
#include "platform/FileBytes.h"
#include "platform/LoadError.h"
#include "platform/MusicPiece.h"
#include "platform/PictureDecoder.h"
#include "platform/PointerDecoder.h"
#include "platform/PointerShape.h"

namespace vellumo::test {

// Thrown where the real desktop would end the process.
struct ProcessEnded {
  int status;
};

class RecordingDesktop : public Desktop {
 public:
  std::vector<std::string> calls;        // one line per side effect, in order
  std::vector<double> callTimes;         // the virtual clock at each of them
  std::vector<std::string> sizeQueries;  // every path whose size was asked
  double clock = 0;                      // seconds on the virtual monotonic clock
  int waits = 0;                         // how often the program blocked for events
  bool displayModeFails = false;
  bool musicOutputFails = false;
  bool saveFails = false;
  std::vector<Picture> printed;
  double pieceSeconds = 90;  // how long a played piece lasts on the virtual clock
  double playingUntil = 0;
  std::uint32_t lockHandle = 7;

  // Input delivered when the virtual clock reaches `at`.
  struct Scripted {
    double at;
    InputEvent event;
  };
  std::deque<Scripted> script;

  PicturePtr loadPicture(const std::string& path) override { return decodePictureFile(path); }
  PicturePtr decodePicture(std::span<const unsigned char> bytes) override { return decodePictureBytes(bytes); }
  std::int64_t fileSize(const std::string& path) override {
    sizeQueries.push_back(path);
    return fileSizeOf(path);
  }

  PointerShapePtr pointerFromIconFile(const std::string& path) override {
    record("pointerFromIconFile " + path);
    const PointerImage image = decodePointerFile(path);  // a bad file fails as it would for real
    auto shape = std::make_shared<PointerShape>();
    shape->width = image.width;
    shape->height = image.height;
    return shape;
  }
  PointerShapePtr pointerFromBytes(std::span<const unsigned char> bytes) override {
    decodePointerBytes(bytes);
    return std::make_shared<PointerShape>();
  }
  PointerShapePtr systemPointer(SystemPointer which) override {
    auto shape = std::make_shared<PointerShape>();
    shape->system = which;
    return shape;
  }
  void setPointer(const PointerShapePtr&) override {}

  void showSplash(const Picture& picture) override {
    record("showSplash " + std::to_string(picture.width) + "x" + std::to_string(picture.height));
  }
  void hideSplash() override { record("hideSplash"); }
  void setMainWindowLook(const std::string& title, const Picture&) override { caption = title; }
  void showMainWindow() override { record("showMainWindow"); }
  void minimiseMainWindow() override { record("minimise"); }
  void present(const Picture& frame) override {
    if (keepLastFrame) lastFrame = frame;
    ++presents;
    if (onPresent) onPresent(frame);
  }

  std::uint32_t installKeyboardLock() override {
    record("installKeyboardLock");
    return lockHandle;
  }
  void removeKeyboardLock(std::uint32_t handle) override { record("removeKeyboardLock " + std::to_string(handle)); }
  void setExclusiveDisplayMode(int w, int h, int bpp) override {
    record("setExclusiveDisplayMode " + std::to_string(w) + "x" + std::to_string(h) + "x" + std::to_string(bpp));
    if (displayModeFails) throw LoadError("no such mode");
  }
  void restoreDisplayMode() override { record("restoreDisplayMode"); }

  void playSound(const std::string& path) override { record("playSound " + path); }
  void openMusicOutput() override {
    record("openMusicOutput");
    if (musicOutputFails) throw LoadError("no music output");
  }
  void closeMusicOutput() override { record("closeMusicOutput"); }
  MusicPiecePtr loadMusic(const std::string& path) override {
    record("loadMusic " + path);
    fileSizeOf(path);  // a missing file fails as it would for real
    return std::make_shared<MusicPiece>(MusicPiece{path, nullptr});
  }
  void playMusic(const MusicPiecePtr&) override {
    record("playMusic");
    playingUntil = clock + pieceSeconds;
  }
  bool musicPlaying() override { return clock < playingUntil; }
  void stopMusic() override {
    record("stopMusic");
    playingUntil = 0;
  }
  void setMusicGain(double gain) override { record("setMusicGain " + std::to_string(gain)); }

  void savePictureAsBmp(const Picture& picture, const std::string& path) override {
    record("savePictureAsBmp " + path);
    if (saveFails) throw LoadError("cannot write " + path);
    writeBmpFile(picture, path);
  }
  void printPicture(const Picture& picture) override {
    record("printPicture");
    printed.push_back(picture);
  }

  double now() override { return clock; }
  void sleepFor(double seconds) override { clock += seconds; }
  std::optional<InputEvent> waitEvent(double timeoutSeconds) override {
    ++waits;
    if (!script.empty() && script.front().at <= clock + timeoutSeconds) {
      clock = std::max(clock, script.front().at);
      InputEvent e = script.front().event;
      script.pop_front();
      return e;
    }
    clock += timeoutSeconds;
    return std::nullopt;
  }

  void openUrl(const std::string& url) override { record("openUrl " + url); }
  [[noreturn]] void endProcess(int status) override {
    record("endProcess " + std::to_string(status));
    throw ProcessEnded{status};
  }

  std::string caption;
  std::function<void(const Picture&)> onPresent;  // sees every frame as it is presented
  Picture lastFrame;
  bool keepLastFrame = true;  // benchmarks turn the copy off
  int presents = 0;

 private:
  void record(std::string call) {
    calls.push_back(std::move(call));
    callTimes.push_back(clock);
  }
};

}  // namespace vellumo::test
