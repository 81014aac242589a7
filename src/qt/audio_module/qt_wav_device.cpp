// The WAV device of the sound cues, as a module of its own: it pulls in Qt Multimedia and the
// host's audio libraries, which the editor loads on its first cue instead of at start-up.
#include <QAudioSink>
#include <QBuffer>
#include <QFile>
#include <QMediaDevices>
#include <memory>

#include "sound/command_interpreter.h"
#include "sound/wav_file.h"

namespace {

// A cue is a few seconds of sound; a larger file is not one.
constexpr qint64 kLongestWav = 16 * 1024 * 1024;

QAudioFormat FormatOf(const vbe::WavSound& sound) {
  QAudioFormat format;
  format.setChannelCount(sound.channels);
  format.setSampleRate(sound.sample_rate);
  switch (sound.encoding) {
    case vbe::WavSound::Encoding::UnsignedInt:
      format.setSampleFormat(QAudioFormat::UInt8);
      break;
    case vbe::WavSound::Encoding::SignedInt:
      format.setSampleFormat(sound.bits_per_sample == 16 ? QAudioFormat::Int16
                                                         : QAudioFormat::Int32);
      break;
    case vbe::WavSound::Encoding::Float:
      format.setSampleFormat(QAudioFormat::Float);
      break;
  }
  return format;
}

// One WAV file on the default audio output. The file is read and decoded here, at once, on
// the calling thread, and played from memory through an audio sink. Without an output device
// the sink reports an error and plays nothing, which is all a cue may do.
//
// Qt's sound effect class is not used: it decodes on a loading thread of a process-wide cache
// whose destructor, run at process exit, waits for that thread while holding the lock the
// thread needs to finish a decode, so a program that ends right after starting a cue (the exit
// cue) could hang for ever.
class QtWavDevice : public vbe::WavDevice {
 public:
  bool Load(const std::filesystem::path& file) override {
    Stop();
    const std::u8string u8 = file.u8string();
    QFile in(QString::fromUtf8(reinterpret_cast<const char*>(u8.data()), qsizetype(u8.size())));
    if (!in.open(QIODevice::ReadOnly) || in.size() > kLongestWav) return false;
    const QByteArray bytes = in.readAll();
    const auto sound = vbe::ParseWav(std::string_view(bytes.constData(), bytes.size()));
    if (!sound) return false;
    format_ = FormatOf(*sound);
    samples_ = QByteArray(sound->samples.data(), qsizetype(sound->samples.size()));
    return true;
  }

  bool Play() override {
    Stop();
    if (samples_.isEmpty()) return false;
    buffer_.setData(samples_);
    if (!buffer_.open(QIODevice::ReadOnly)) return false;
    sink_ = std::make_unique<QAudioSink>(QMediaDevices::defaultAudioOutput(), format_);
    sink_->start(&buffer_);
    return sink_->error() == QAudio::NoError;
  }

  void Stop() override {
    if (sink_) sink_->stop();
    sink_.reset();
    buffer_.close();
  }

  ~QtWavDevice() override { Stop(); }

 private:
  QAudioFormat format_;
  QByteArray samples_;
  QBuffer buffer_;
  std::unique_ptr<QAudioSink> sink_;  // reads buffer_, so it goes first
};

}  // namespace

extern "C" Q_DECL_EXPORT vbe::WavDevice* vbe_create_wav_device() {
  return new QtWavDevice;
}
