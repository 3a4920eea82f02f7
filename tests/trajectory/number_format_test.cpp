#include "trajectory/number_format.h"

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
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormatGeneral(c.value, c.digits), c.text) << c.value << " with " << c.digits << " digits";
  }
}

TEST(FormatGeneral, RoundToSignificantMatchesTheText) {
  for (double v : {106.89106, 0.0123456, 98765.4321, 3.14159}) {
    EXPECT_EQ(RoundToSignificant(v, 4), std::strtod(FormatGeneral(v, 4).c_str(), nullptr)) << v;
  }
}

}  // namespace
}  // namespace zarv
