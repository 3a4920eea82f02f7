#include "study/study_number.h"

#include <charconv>

namespace zarv {

void AppendShortest(std::string& out, double value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  out.append(buffer, result.ptr);
}

std::string ShortestText(double value) {
  std::string out;
  AppendShortest(out, value);
  return out;
}

}  // namespace zarv
