#include "texts/text_fill.h"

namespace zarv {

std::string FillText(const char* sentence, const std::vector<std::string>& values) {
  std::string text;
  for (const char* p = sentence; *p != '\0'; ++p) {
    if (p[0] == '%' && p[1] == '%') {
      text += '%';
      ++p;
    } else if (p[0] == '%' && p[1] >= '1' && p[1] <= '9' &&
               static_cast<std::size_t>(p[1] - '1') < values.size()) {
      text += values[static_cast<std::size_t>(p[1] - '1')];
      ++p;
    } else {
      text += *p;
    }
  }
  return text;
}

}  // namespace zarv
