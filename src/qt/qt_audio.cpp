#include "qt/qt_audio.h"

#include <QCoreApplication>
#include <QLibrary>

#include "sound/command_interpreter.h"

namespace vbe {
namespace {

using CreateDevice = WavDevice* (*)();

// Loads the WAV device module the first time a cue needs it; null when it cannot be loaded,
// and then the cue is silent like one without a sound device.
CreateDevice DeviceModule() {
  static CreateDevice create = [] {
    const QString folder = QCoreApplication::applicationDirPath();
    for (const QString& path :
         {folder + "/../lib/vellmar-bind-editor/vbe_audio", folder + "/vbe_audio"}) {
      QLibrary module(path);
      if (auto found = reinterpret_cast<CreateDevice>(module.resolve("vbe_create_wav_device"))) {
        return found;
      }
    }
    return CreateDevice{};
  }();
  return create;
}

}  // namespace

std::unique_ptr<AudioCommands> MakeAudioBackend(const DriveTable& drives) {
  return std::make_unique<WavCommandInterpreter>(drives, []() -> std::unique_ptr<WavDevice> {
    const CreateDevice create = DeviceModule();
    return create ? std::unique_ptr<WavDevice>(create()) : nullptr;
  });
}

}  // namespace vbe
