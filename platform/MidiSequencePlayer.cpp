#include "platform/MidiSequencePlayer.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <utility>

namespace vellumo {

namespace {

// How long reverb may go on after the last voice has faded.
constexpr double kRingOutSeconds = 1.5;

}  // namespace

MidiSequencePlayer::MidiSequencePlayer(std::unique_ptr<SoundFontSynth> synth, int sampleRate, int channels)
    : sampleRate_(sampleRate), channels_(channels), synth_(std::move(synth)) {}

std::uint64_t MidiSequencePlayer::start(std::shared_ptr<const MidiSequence> sequence) {
  const std::lock_guard<std::mutex> hold(requestLock_);
  request_ = {true, std::move(sequence), ++lastNumber_};
  return lastNumber_;
}

void MidiSequencePlayer::halt() {
  const std::lock_guard<std::mutex> hold(requestLock_);
  request_ = {true, nullptr, ++lastNumber_};
}

void MidiSequencePlayer::setGain(float gain) { gain_.store(gain); }

void MidiSequencePlayer::takeRequest() {
  Request taken;
  {
    const std::lock_guard<std::mutex> hold(requestLock_);
    if (!request_.pending) return;
    taken = std::move(request_);
    request_ = {};
  }
  sequence_ = std::move(taken.sequence);
  number_ = taken.number;
  next_ = 0;
  position_ = 0;
  phase_ = sequence_ ? Phase::Playing : Phase::Silent;
  // From the beginning means from silence, with every channel as it was
  // before the piece set its instruments and controllers. A halt needs no
  // reset: nothing is rendered until the next start.
  if (sequence_) synth_->reset();
}

std::int64_t MidiSequencePlayer::sendDueMessages() {
  const auto& events = sequence_->events;
  while (next_ < events.size() && frameAt(events[next_].atMicros) <= position_) synth_->send(events[next_++]);
  const std::int64_t until = next_ < events.size() ? frameAt(events[next_].atMicros) : frameAt(sequence_->lengthMicros);
  return std::max<std::int64_t>(until - position_, 0);
}

void MidiSequencePlayer::mix(std::int16_t* out, int frames) {
  std::fill(out, out + static_cast<std::ptrdiff_t>(frames) * channels_, std::int16_t{0});
  takeRequest();
  int done = 0;
  while (done < frames && phase_ != Phase::Silent) {
    std::int64_t slice = frames - done;
    if (phase_ == Phase::Playing) {
      const std::int64_t untilNext = sendDueMessages();
      if (untilNext == 0 && next_ == sequence_->events.size()) {
        finished_.store(number_, std::memory_order_release);
        sequence_.reset();
        phase_ = Phase::RingingOut;
        ringOutLeft_ = static_cast<std::int64_t>(kRingOutSeconds * sampleRate_);
      } else {
        slice = std::clamp<std::int64_t>(untilNext, 1, slice);
      }
    }
    synth_->render(out + static_cast<std::ptrdiff_t>(done) * channels_, static_cast<int>(slice), channels_);
    done += static_cast<int>(slice);
    position_ += slice;
    if (phase_ == Phase::RingingOut && !synth_->sounding() && (ringOutLeft_ -= slice) <= 0) phase_ = Phase::Silent;
  }
  applyGain(out, done);
}

// Applied to what the synthesiser made, so that a change is heard at once.
void MidiSequencePlayer::applyGain(std::int16_t* out, int frames) const {
  const float gain = gain_.load();
  if (gain == 1.0f) return;
  for (std::int16_t& sample : std::span(out, static_cast<std::size_t>(frames) * channels_))
    sample = static_cast<std::int16_t>(std::lround(sample * gain));
}

}  // namespace vellumo
