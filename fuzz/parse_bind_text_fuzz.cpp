// Any bytes, any length up to 40,000, read as a bind file: no crash, no hang, and every line
// fits its editor.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/bind_file.h"
#include "core/bind_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 40000) return 0;
  const std::string_view raw(reinterpret_cast<const char*>(data), size);
  const vbe::ParsedBind parsed = vbe::ParseBindText(raw, size);
  for (const std::string& line : parsed.lines) {
    if (line.size() > vbe::DisplayLineWidth) std::abort();
    if (!line.empty() && line.back() == ' ') std::abort();
  }
  if ((size >= vbe::FullBindFileLength) != parsed.colour.has_value()) std::abort();

  // What was read saves as a bind of exactly 352 bytes and reads back the same.
  const auto say =
      vbe::ComposeSayLines(parsed.lines, parsed.colour.value_or(vbe::TextColour::White));
  if (!say) std::abort();
  const std::string file = vbe::ComposeBindFile(*say);
  if (file.size() != vbe::FullBindFileLength) std::abort();
  if (file.find('"', 5) != 85) return 0;  // a line held a double quote: Save would refuse it
  if (vbe::ParseBindText(file, file.size()).lines != parsed.lines) std::abort();
  return 0;
}
