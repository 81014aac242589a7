#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

namespace vbe::testing {

// A WAV file of `length` of a 500 Hz tone, 8-bit mono at 8000 samples a second, where the
// exit cue's path leads on a drive c: at `drive_c`.
inline void WriteExitCue(const std::filesystem::path& drive_c, std::chrono::milliseconds length) {
  const auto le = [](std::uint32_t value, int width) {
    std::string bytes;
    for (int i = 0; i < width; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
    return bytes;
  };
  std::string samples;
  for (std::int64_t i = 0; i < length.count() * 8; ++i) samples += (i / 8) % 2 ? '\xC0' : '\x40';
  const std::string body = "WAVEfmt " + le(16, 4) + le(1, 2) + le(1, 2) + le(8000, 4) +
                           le(8000, 4) + le(1, 2) + le(8, 2) + "data" +
                           le(static_cast<std::uint32_t>(samples.size()), 4) + samples;
  const std::filesystem::path media = drive_c / "windows" / "media";
  std::filesystem::create_directories(media);
  std::ofstream(media / "robotz~8.wav", std::ios::binary)
      << "RIFF" << le(static_cast<std::uint32_t>(body.size()), 4) << body;
}

}  // namespace vbe::testing
