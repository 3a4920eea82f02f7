#include "texts/unit_text.h"

#include <regex>
#include <string>

#include <gtest/gtest.h>

#include "texts/model_warning_texts.h"
#include "texts/step_check_report.h"
#include "texts/validation_report.h"

namespace zarv {
namespace {

TEST(UnitText, RussianWarningsAndReportsWriteUnitsInCyrillic) {
  StepCheck check;
  check.step.value = 0.01;
  check.tolerance = 0.01;
  check.suggestedStep = 0.002;
  check.leastStep = 0.004;
  for (int k = 0; k < kStepQuantityCount; ++k)
    check.rows[k].quantity = static_cast<StepQuantity>(k);
  const ValidationRow burnout{ValidationCase::Rocket, Integrator::Euler,
                              ValidationQuantity::BurnoutSpeed, "Tsiolkovsky", "m/s", 1500.0,
                              1501.0, 5.0};
  ModelWarning coarse{ModelWarningCode::StepProbablyCoarse, 0.05};
  coarse.step = 0.02;
  coarse.runStep = 0.01;
  const Language ru = Language::Russian;
  const std::pair<const char*, std::string> texts[] = {
      {"altitude warning",
       DescribeModelWarning({ModelWarningCode::AboveAtmosphereTable, 1.2e6}, ru)},
      {"step warning", DescribeModelWarning({ModelWarningCode::StepTooCoarse, 0.002}, ru)},
      {"step estimate", DescribeModelWarning(coarse, ru)},
      {"step check", FormatStepCheck(check, ru)},
      {"validation", FormatValidationReport({burnout}, ru)},
  };
  const std::regex latinUnit(R"((^|[^A-Za-z])(m|km|s|m/s|Pa|kg|m3)([^A-Za-z0-9/]|$))");
  for (const auto& [what, text] : texts)
    EXPECT_FALSE(std::regex_search(text, latinUnit)) << what << " has a Latin unit:\n" << text;
  EXPECT_EQ(UnitText("m/s", Language::German), "m/s") << "other languages keep the SI letters";
}

}  // namespace
}  // namespace zarv
