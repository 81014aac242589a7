// The WAV device of the sound cues, as a module of its own: it pulls in Qt Multimedia and the
// host's audio libraries, which the editor loads on its first cue instead of at start-up.
#include <QSoundEffect>
#include <QUrl>

#include "sound/command_interpreter.h"

namespace {

// One WAV file on the default audio output. Without an output device Qt reports an error
// status and plays nothing, which is all a cue may do.
class QtWavDevice : public vbe::WavDevice {
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

extern "C" Q_DECL_EXPORT vbe::WavDevice* vbe_create_wav_device() { return new QtWavDevice; }
