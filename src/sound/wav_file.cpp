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

// Calls `take(id, body, present)` for each chunk of a RIFF WAVE file, in order, until it
// answers false: the chunk's identifier, where its body starts and how many of its bytes the
// file holds. False for a file that is no RIFF WAVE file.
template <typename Take>
bool WalkChunks(std::string_view bytes, Take take) {
  if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE") {
    return false;
  }
  std::size_t at = 12;
  while (at + 8 <= bytes.size()) {
    const std::size_t size = Little(bytes, at + 4, 4);
    const std::size_t body = at + 8;
    if (!take(bytes.substr(at, 4), body, std::min(size, bytes.size() - body))) break;
    at = body + size + (size & 1);  // chunks are padded to an even length
    if (at < body) break;           // a size that wraps around
  }
  return true;
}

}  // namespace

std::optional<std::chrono::milliseconds> WavDuration(std::string_view bytes) {
  std::uint32_t byte_rate = 0;
  std::optional<std::chrono::milliseconds> duration;
  WalkChunks(bytes, [&](std::string_view id, std::size_t body, std::size_t present) {
    if (id == "fmt ") {
      if (present < 16) return false;
      byte_rate = Little(bytes, body + 8, 4);
    } else if (id == "data") {
      if (byte_rate != 0) {
        duration = std::chrono::milliseconds(static_cast<std::int64_t>(present) * 1000 / byte_rate);
      }
      return false;
    }
    return true;
  });
  return duration;
}

std::optional<WavSound> ParseWav(std::string_view bytes) {
  std::optional<WavSound> sound;
  std::uint32_t format = 0;
  bool complete = false;
  WalkChunks(bytes, [&](std::string_view id, std::size_t body, std::size_t present) {
    if (id == "fmt ") {
      if (present < 16) return false;
      format = Little(bytes, body, 2);
      if (format == kExtensible && present >= 26) format = Little(bytes, body + 24, 2);
      sound.emplace();
      sound->channels = static_cast<int>(Little(bytes, body + 2, 2));
      sound->sample_rate = static_cast<int>(Little(bytes, body + 4, 4));
      sound->bits_per_sample = static_cast<int>(Little(bytes, body + 14, 2));
      return true;
    }
    if (id != "data") return true;
    if (!sound) return false;  // the format comes first
    const int bits = sound->bits_per_sample;
    if (format == kPcm && bits == 8) {
      sound->encoding = WavSound::Encoding::UnsignedInt;
    } else if (format == kPcm && (bits == 16 || bits == 32)) {
      sound->encoding = WavSound::Encoding::SignedInt;
    } else if (format == kFloat && bits == 32) {
      sound->encoding = WavSound::Encoding::Float;
    } else {
      return false;
    }
    if (sound->channels <= 0 || sound->sample_rate <= 0) return false;
    const std::size_t frame = static_cast<std::size_t>(sound->channels) * (bits / 8);
    sound->samples = std::string(bytes.substr(body, present - present % frame));
    complete = true;
    return false;
  });
  if (!complete) return std::nullopt;
  return sound;
}

}  // namespace vbe
