#pragma once

#include <string_view>

namespace vbe {

// The text without its trailing spaces. Only spaces (code 32) count: tabs, the spacing mark and
// every other character stay.
constexpr std::string_view TrimTrailingSpaces(std::string_view text) {
  const std::size_t last = text.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
}

// The text without the spaces at either end; only spaces are removed.
constexpr std::string_view TrimSpaces(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  return first == std::string_view::npos ? std::string_view{}
                                         : TrimTrailingSpaces(text.substr(first));
}

}  // namespace vbe
