#include "forms/readme_window.h"

#include <cstddef>

namespace vbe {
namespace embedded {
extern const unsigned char readme_txt[];
extern const std::size_t readme_txt_size;
}  // namespace embedded

namespace {
constexpr int ReadMeHeightAllowance = 662;
}  // namespace

std::string_view ReadMeText() {
  return {reinterpret_cast<const char*>(embedded::readme_txt), embedded::readme_txt_size};
}

TwipSize ReadMeTextTwips(int work_area_width, int work_area_height) {
  return {work_area_width * TwipsPerPixel,
          work_area_height * TwipsPerPixel - ReadMeHeightAllowance};
}

}  // namespace vbe
