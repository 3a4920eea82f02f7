#include "study/study_number.h"

#include <charconv>
#include <cmath>

#include "study/sweep.h"

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

bool ParseWholeNumber(std::string_view text, std::uint64_t& value) {
  constexpr double kExactDoubles = 9007199254740992.0;  // 2^53: past it doubles skip integers
  const char* end = text.data() + text.size();
  const auto digits = std::from_chars(text.data(), end, value);
  if (!text.empty() && digits.ec == std::errc() && digits.ptr == end) return true;
  double number = 0.0;
  if (!ParseStudyNumber(text, number) || number < 0.0 || number > kExactDoubles ||
      number != std::floor(number)) {
    return false;
  }
  value = static_cast<std::uint64_t>(number);
  return true;
}

}  // namespace zarv
