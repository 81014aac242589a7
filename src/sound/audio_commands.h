// Sound cues: short WAV files played when a bind is opened or saved and when the program ends.
//
// The cue player sends fixed command strings ("open waveaudio!PATH alias sound", "play sound",
// "stop sound", "close sound") to an AudioCommands back end and ignores what it answers. On
// Windows the back end is the system's multimedia command interface (winmm); elsewhere a small
// interpreter of the same four strings plays the file through a WavDevice. The back end is
// created on the first cue, never at start-up.
#pragma once

#include <functional>
#include <memory>
#include <string_view>

namespace vbe {

// Takes one command string (Windows-1252) and answers an error code, 0 for success.
class AudioCommands {
 public:
  virtual ~AudioCommands() = default;
  virtual int SendCommand(std::string_view command) = 0;
};

// Creates its back end when the first command arrives.
class LazyAudioCommands : public AudioCommands {
 public:
  using Factory = std::function<std::unique_ptr<AudioCommands>()>;
  explicit LazyAudioCommands(Factory factory) : factory_(std::move(factory)) {}

  int SendCommand(std::string_view command) override {
    if (!backend_ && factory_) backend_ = factory_();
    return backend_ ? backend_->SendCommand(command) : 1;
  }
  bool Created() const { return backend_ != nullptr; }

 private:
  Factory factory_;
  std::unique_ptr<AudioCommands> backend_;
};

}  // namespace vbe
