#include "sound/command_interpreter.h"

#include <algorithm>
#include <cctype>

#include "platform/file_io.h"

namespace vbe {
namespace {

// Commands are matched without regard to case, as the Windows interface does.
bool EqualsNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

bool StartsWithNoCase(std::string_view text, std::string_view start) {
  return text.size() >= start.size() && EqualsNoCase(text.substr(0, start.size()), start);
}

bool EndsWithNoCase(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && EqualsNoCase(text.substr(text.size() - end.size()), end);
}

constexpr std::string_view kOpen = "open waveaudio!";
constexpr std::string_view kAlias = " alias sound";

}  // namespace

WavCommandInterpreter::WavCommandInterpreter(DriveTable drives, DeviceFactory make_device)
    : drives_(std::move(drives)), make_device_(std::move(make_device)) {}

int WavCommandInterpreter::SendCommand(std::string_view command) {
  if (StartsWithNoCase(command, kOpen) && EndsWithNoCase(command, kAlias) &&
      command.size() > kOpen.size() + kAlias.size()) {
    return Open(command.substr(kOpen.size(), command.size() - kOpen.size() - kAlias.size()));
  }
  const bool play = EqualsNoCase(command, "play sound");
  const bool stop = EqualsNoCase(command, "stop sound");
  const bool close = EqualsNoCase(command, "close sound");
  if (!play && !stop && !close) return AudioError::UnknownCommand;
  if (!device_) return AudioError::NotOpen;
  if (play) return device_->Play() ? AudioError::None : AudioError::DeviceFailed;
  device_->Stop();
  if (close) device_.reset();
  return AudioError::None;
}

int WavCommandInterpreter::Open(std::string_view windows_path) {
  if (device_) {  // a new open under the same alias replaces the old device
    device_->Stop();
    device_.reset();
  }
  const auto host = drives_.ToHostPath(windows_path);
  if (!host || !CanOpenForReading(*host)) return AudioError::FileNotFound;
  std::unique_ptr<WavDevice> device = make_device_ ? make_device_() : nullptr;
  if (!device || !device->Load(*host)) return AudioError::DeviceFailed;
  device_ = std::move(device);
  return AudioError::None;
}

}  // namespace vbe
