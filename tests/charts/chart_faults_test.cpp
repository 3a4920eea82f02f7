#include <gtest/gtest.h>

#include <QFont>

#include "chart_logs.h"
#include "charts/chart_canvas.h"
#include "charts/chart_catalogue.h"
#include "charts/chart_frame.h"
#include "charts/chart_labels.h"
#include "recording_canvas.h"
#include "trajectory/run_fixture.h"
#include "support/record_codes.h"

namespace zarv {
namespace {

using testing::RecordingCanvas;
using Kind = RecordingCanvas::Kind;

RecordingCanvas RecordCatalogue(const TrajectoryLog& log, const char* button, int language,
                                double vehicleClass) {
  const ChartEntry* chart = FindChart(button);
  ChartSettings settings;
  settings.windowLanguage = static_cast<Language>(language);
  settings.vehicleClass = VehicleClassFromRecord(vehicleClass);
  RecordingCanvas canvas;
  PaintChart(canvas, log, chart->curveList, chart->curveCount, kSampleCapacity, settings);
  return canvas;
}

// Vostok's re-entry, run once for the whole suite.
const TrajectoryLog& VostokLog() {
  static const std::unique_ptr<testing::PresetRun> run = [] {
    auto r = std::make_unique<testing::PresetRun>(vc::Reentry, 0);
    EXPECT_FALSE(r->Run().has_value());
    return r;
  }();
  return *run->log;
}

TEST(ChartFaults, OnlyTimeAndRangeCurvesStartOnTheLeftEdge) {
  const TrajectoryLog& log = VostokLog();
  struct Case {
    const char* button;
    bool fromLeftEdge;
  };
  for (const Case& c : {Case{"Button15", false}, Case{"Button3", true}, Case{"Button2", true}}) {
    const RecordingCanvas canvas = RecordCatalogue(log, c.button, 3, vc::Reentry);
    const auto curves = canvas.All(Kind::kPolyline);
    ASSERT_FALSE(curves.empty()) << c.button;
    const QPoint start = curves[0]->points.front();
    const QPoint second = curves[0]->points[1];
    const ChartEntry* chart = FindChart(c.button);
    const int left = LayoutChart(log, chart->curveList, chart->curveCount, kSampleCapacity).left;
    if (c.fromLeftEdge) {
      EXPECT_EQ(start.x(), left) << c.button;
    } else {
      // Vostok starts at 7.8 km/s: nothing is drawn left of its first sample.
      EXPECT_GT(start.x(), left + 500) << c.button;
      EXPECT_LE(std::abs(start.x() - second.x()), 2) << c.button << ": starts at its first sample";
    }
  }
}

TEST(ChartFaults, BannerGoesUnderTheCurves) {
  const RecordingCanvas canvas = RecordCatalogue(VostokLog(), "Button17", 2, vc::Reentry);
  std::size_t banner = canvas.ops.size();
  std::size_t firstCurve = canvas.ops.size();
  for (std::size_t i = 0; i < canvas.ops.size(); ++i) {
    const auto& op = canvas.ops[i];
    if (op.kind == Kind::kText && op.text.contains("ZARV")) banner = std::min(banner, i);
    if (op.kind == Kind::kPolyline) firstCurve = std::min(firstCurve, i);
  }
  ASSERT_LT(firstCurve, canvas.ops.size());
  EXPECT_LT(banner, firstCurve) << "its white box is painted before any curve";
}

TEST(ChartFaults, ShortExponentFormKeepsTheSignificantDigits) {
  struct Case {
    double value;
    int digits;
    const char* expected;
  };
  const Case cases[] = {
      {190900, 4, "1.909e5"}, {0.0024, 4, "2.4e-3"}, {7e10, 4, "7e10"}, {-12346, 4, "-1.235e4"},
      {1.909e-7, 3, "1.91e-7"}, {0, 4, "0"},        {5.0, 4, "5e0"},    {123.4, 4, "1.234e2"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ShortExponentForm(c.value, c.digits), c.expected) << c.value << " with " << c.digits;
  }
}

TEST(ChartFaults, AnAxisHasOneFormAndOneFontAndEachNumberFitsItsRoom) {
  struct Case {
    const char* what;
    double top;  // the axis's values are top * j / 7, j = 0..7
    int room;    // px
    const char* topLabel;
    int font;
  };
  const Case cases[] = {
      {"numbers that fit stay as they are", 548.9, 60, "548.9", 0},
      {"no room given", 0.0123456, 0, "0.01235", 0},
      // Alone, 0.01485 needs the exponent while 0.1039 does not.
      {"dynamic pressure zoomed into a V-2 flight", 0.1039, 38, "0.104", 1},
      {"envelope volume beside the next axis", 190900, 38, "1.91e5", 1},
      {"too little room for any form", 123456789, 12, "1.2e8", kChartFonts - 1},
  };
  for (const Case& c : cases) {
    std::vector<double> values;
    for (int j = 0; j <= 7; ++j) values.push_back(c.top * j / 7);
    const std::vector<int> rooms(values.size(), c.room);
    const AxisLabels labels = FitAxisLabels(values, 4, rooms);
    ASSERT_EQ(labels.texts.size(), values.size()) << c.what;
    EXPECT_EQ(labels.texts.back().toStdString(), c.topLabel) << c.what;
    EXPECT_EQ(labels.font, c.font) << c.what;
    int exponents = 0;
    for (const QString& text : labels.texts) {
      exponents += text.contains('e');
      if (c.font < kChartFonts - 1 && c.room > 0) {
        EXPECT_LE(ChartTextWidth(text, labels.font), c.room) << c.what << ": " << text.toStdString();
      }
    }
    EXPECT_TRUE(exponents == 0 || exponents == static_cast<int>(values.size()) - 1)
        << c.what << ": " << exponents << " of the numbers in the exponent form";
  }
  for (const QFont& font : NarrowChartFonts()) EXPECT_GE(font.pixelSize(), 10);
}

TEST(ChartFaults, TheSquareOfTheHeatFluxUnitFollowsItsCaptionInEveryLanguage) {
  for (int language = 1; language <= 3; ++language) {
    const RecordingCanvas canvas = RecordCatalogue(VostokLog(), "Button17", language, vc::Reentry);
    const auto texts = canvas.All(Kind::kText);
    const auto caption = std::find_if(texts.begin(), texts.end(), [](const auto* op) {
      return op->text == "q,kW/m" || op->text == QString::fromUtf8("q,кВт/м");
    });
    ASSERT_NE(caption, texts.end()) << "language " << language;
    ASSERT_NE(caption + 1, texts.end());
    const auto* square = *(caption + 1);
    EXPECT_EQ(square->text, "2") << "language " << language;
    EXPECT_EQ(square->x1, (*caption)->x1 + ChartTextWidth((*caption)->text)) << "language " << language;
    EXPECT_LT((*caption)->y1 - square->y1, 8) << "raised a little, not a line up; language " << language;
    EXPECT_GT((*caption)->y1 - square->y1, 0) << "language " << language;
  }
}

}  // namespace
}  // namespace zarv
