#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vbe {

// The samples of a WAV file and how to play them.
struct WavSound {
  enum class Encoding { UnsignedInt, SignedInt, Float };
  Encoding encoding = Encoding::SignedInt;
  int channels = 0;
  int sample_rate = 0;
  int bits_per_sample = 0;
  std::string samples;  // whole frames only, as the file holds them (little-endian)
};

// Reads a RIFF WAVE file of uncompressed samples: 8-bit unsigned, 16- or 32-bit signed, or
// 32-bit float, any number of channels. Nothing for any other file, a compressed one, or one
// without its format or data chunk. A data chunk cut short by the end of the file gives the
// frames that are there.
std::optional<WavSound> ParseWav(std::string_view bytes);

// How long a RIFF WAVE file plays: the bytes of its data chunk that the file holds, at the
// byte rate its format chunk gives, whatever the encoding (a compressed one too). Nothing for
// any other file, or one without a byte rate or a data chunk after its format.
std::optional<std::chrono::milliseconds> WavDuration(std::string_view bytes);

}  // namespace vbe
