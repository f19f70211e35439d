#include "audio/Music.h"

#include "audio/DirectMusic.h"
#include "core/AssetFiles.h"
#include "core/DirectX7.h"
#include "core/EventLoop.h"
#include "core/MainWindow.h"

namespace vellumo {

void SetVolume(MainWindow& w, std::uint8_t nVolume) {
  const auto volume = static_cast<std::int16_t>(nVolume * 42 - 3000);
  w.state.MusicPerformance->SetMasterVolume(volume);
}

// Every click builds a new loader and performance; nothing stays prepared
// between clicks.
void MusicOn_Click(MainWindow& w) {
  guarded([&] {
    AppState& s = w.state;
    if (!s.MusicDirectX) s.MusicDirectX = std::make_shared<DirectX7>(w.desktop);
    s.MusicLoader = s.MusicDirectX->DirectMusicLoaderCreate();
    s.MusicPerformance = s.MusicDirectX->DirectMusicPerformanceCreate();
    s.MusicPerformance->Init(nullptr, 0);
    s.MusicPerformance->SetPort(-1, 80);
    s.MusicPerformance->SetMasterAutoDownload(true);
    SetVolume(w, 0);
    if (s.MusicIsOff == 1) {
      s.MusicPlaying = 1;
      s.MusicIsOff = 0;
      const std::string path = s.AppDir + std::string(asset::Music);
      s.MusicSegment = s.MusicLoader->LoadSegment(path);
      s.MusicSegment->SetStandardMidiFile();
      SetVolume(w, 75);
      s.MusicSegmentState = s.MusicPerformance->PlaySegment(*s.MusicSegment, 0, 0);
      w.loop.start(w.tmrRepeat);
    } else if (s.MusicIsOff == 0) {
      s.MusicPerformance->Stop(s.MusicSegment.get(), s.MusicSegmentState.get(), 0, 0);
      EventLoop::stop(w.tmrRepeat);
      s.MusicPlaying = 0;
      s.MusicIsOff = 1;
    }
  });
}

void tmrRepeat_Timer(MainWindow& w) {
  guarded([&] {
    AppState& s = w.state;
    if (!s.MusicSegment || !s.MusicPerformance) return;
    if (!s.MusicPerformance->IsPlaying(*s.MusicSegment, s.MusicSegmentState.get()))
      s.MusicSegmentState = s.MusicPerformance->PlaySegment(*s.MusicSegment, 0, 0);
  });
}

void StopMusic(MainWindow& w) {
  guarded([&] {
    AppState& s = w.state;
    if (!s.MusicPerformance) return;
    s.MusicPerformance->Stop(s.MusicSegment.get(), s.MusicSegmentState.get(), 0, 0);
    EventLoop::stop(w.tmrRepeat);
    s.MusicPlaying = 0;
  });
}

}  // namespace vellumo
