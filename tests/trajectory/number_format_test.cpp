#include "trajectory/number_format.h"

#include <cmath>
#include <cstdlib>

#include <gtest/gtest.h>

namespace zarv {
namespace {

TEST(FormatGeneral, ShortestTextThatReadsBack) {
  struct Case {
    double value;
    int digits;
    const char* text;
  };
  const Case cases[] = {
      {100, 15, "100"},           {1.0, 15, "1"},
      {0.005, 15, "0.005"},       {25.45, 15, "25.45"},
      {-88, 15, "-88"},           {1046000, 15, "1046000"},
      {0.000015, 15, "1.5e-05"},  {0.0001056, 15, "0.0001056"},
      {120000, 15, "120000"},     {0, 15, "0"},
      {2.54468, 4, "2.545"},      {106.89106, 4, "106.9"},
      {877.19298, 4, "877.2"},    {12345.6, 4, "1.235e+04"},
      {9999.6, 4, "1e+04"},       {0.1 + 0.2, 15, "0.3"},
      {1e20, 15, "1e+20"},        {-0.25, 3, "-0.25"},
      // Where fixed and exponent notation switch: exponent -4 is fixed, -5 is not,
      // also when rounding lifts the value over the switch.
      {0.0001, 15, "0.0001"},          {0.00001, 15, "1e-05"},
      {0.00009999, 4, "9.999e-05"},    {0.000099999, 4, "0.0001"},
      {-0.000099999, 3, "-0.0001"},    {-0.000015, 15, "-1.5e-05"},
      // Exponent maxDigits - 1 is fixed, maxDigits is not.
      {123456789012345, 15, "123456789012345"},
      {1234567890123456, 15, "1.23456789012346e+15"},
      {999999999999999.9, 15, "1e+15"},  {99999.5, 5, "1e+05"},
      {123456789012345.6, 16, "123456789012345.6"},
      {1.0 / 3, 15, "0.333333333333333"}, {1.0 / 3, 16, "0.3333333333333333"},
      // Rounding up to the next power of ten drops the digits it carried.
      {9.9995, 4, "9.999"},            {9.99951, 4, "10"},
      {99.995, 4, "100"},              {-12345.6, 4, "-1.235e+04"},
      {-0.0, 15, "0"},
      // Near the largest double the rounded text is still the nearest, not the next
      // power of ten.
      {1.7954407005492796e+308, 2, "1.8e+308"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatGeneral(c.value, c.digits), c.text) << c.value << " with " << c.digits << " digits";
  }
}

TEST(FormatGeneral, NotANumberAndInfinityHaveTheirOwnTexts) {
  EXPECT_EQ(FormatGeneral(std::nan(""), 4), "NAN");
  EXPECT_EQ(FormatGeneral(HUGE_VAL), "INF");
  EXPECT_EQ(FormatGeneral(-HUGE_VAL, 6), "-INF");
}

TEST(FormatGeneral, RoundToSignificantMatchesTheText) {
  for (double v : {106.89106, 0.0123456, 98765.4321, 3.14159}) {
    EXPECT_EQ(RoundToSignificant(v, 4), std::strtod(FormatGeneral(v, 4).c_str(), nullptr)) << v;
  }
}

}  // namespace
}  // namespace zarv
