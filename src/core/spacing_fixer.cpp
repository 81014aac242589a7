#include "core/spacing_fixer.h"

#include "core/text.h"

namespace vbe {

std::vector<int> FindLongLines(const BindLines& lines) {
  std::vector<int> numbers;
  for (int k = 0; k < LineCount; ++k) {
    if (TrimTrailingSpaces(lines[k]).size() > LengthWarningLimit) numbers.push_back(k + 1);
  }
  return numbers;
}

}  // namespace vbe
