#include "sound/wav_file.h"

#include <algorithm>

namespace vbe {
namespace {

std::uint32_t Little(std::string_view bytes, std::size_t at, std::size_t width) {
  std::uint32_t value = 0;
  for (std::size_t i = width; i-- > 0;) {
    value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
  }
  return value;
}

constexpr std::uint32_t kPcm = 1;
constexpr std::uint32_t kFloat = 3;
constexpr std::uint32_t kExtensible = 0xFFFE;

}  // namespace

std::optional<WavSound> ParseWav(std::string_view bytes) {
  if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE") {
    return std::nullopt;
  }
  std::optional<WavSound> sound;
  std::uint32_t format = 0;
  std::size_t at = 12;
  while (at + 8 <= bytes.size()) {
    const std::string_view id = bytes.substr(at, 4);
    const std::size_t size = Little(bytes, at + 4, 4);
    const std::size_t body = at + 8;
    const std::size_t present = std::min(size, bytes.size() - body);
    if (id == "fmt ") {
      if (present < 16) return std::nullopt;
      format = Little(bytes, body, 2);
      if (format == kExtensible && present >= 26) format = Little(bytes, body + 24, 2);
      sound.emplace();
      sound->channels = static_cast<int>(Little(bytes, body + 2, 2));
      sound->sample_rate = static_cast<int>(Little(bytes, body + 4, 4));
      sound->bits_per_sample = static_cast<int>(Little(bytes, body + 14, 2));
    } else if (id == "data") {
      if (!sound) return std::nullopt;  // the format comes first
      const int bits = sound->bits_per_sample;
      if (format == kPcm && bits == 8) {
        sound->encoding = WavSound::Encoding::UnsignedInt;
      } else if (format == kPcm && (bits == 16 || bits == 32)) {
        sound->encoding = WavSound::Encoding::SignedInt;
      } else if (format == kFloat && bits == 32) {
        sound->encoding = WavSound::Encoding::Float;
      } else {
        return std::nullopt;
      }
      if (sound->channels <= 0 || sound->sample_rate <= 0) return std::nullopt;
      const std::size_t frame = static_cast<std::size_t>(sound->channels) * (bits / 8);
      sound->samples = std::string(bytes.substr(body, present - present % frame));
      return sound;
    }
    at = body + size + (size & 1);  // chunks are padded to an even length
    if (at < body) break;           // a size that wraps around
  }
  return std::nullopt;
}

}  // namespace vbe
