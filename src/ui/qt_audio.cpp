#include "ui/qt_audio.h"

#include <QSoundEffect>
#include <QUrl>

#include "sound/command_interpreter.h"

namespace vbe {
namespace {

// One WAV file on the default audio output. Without an output device Qt reports an error
// status and plays nothing, which is all a cue may do.
class QtWavDevice : public WavDevice {
 public:
  bool Load(const std::filesystem::path& file) override {
    const std::u8string u8 = file.u8string();
    effect_.setSource(QUrl::fromLocalFile(
        QString::fromUtf8(reinterpret_cast<const char*>(u8.data()), qsizetype(u8.size()))));
    return effect_.status() != QSoundEffect::Error;
  }
  bool Play() override {
    if (effect_.status() == QSoundEffect::Error) return false;
    effect_.play();
    return true;
  }
  void Stop() override { effect_.stop(); }

 private:
  QSoundEffect effect_;
};

}  // namespace

std::unique_ptr<AudioCommands> MakeAudioBackend(const DriveTable& drives) {
  if (auto host = MakeHostAudioCommands()) return host;
  return std::make_unique<WavCommandInterpreter>(
      drives, [] { return std::make_unique<QtWavDevice>(); });
}

}  // namespace vbe
