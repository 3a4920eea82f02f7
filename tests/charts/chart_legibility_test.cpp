// What a user reads on a chart stays readable: texts apart, legend and banner clear of the curves.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "charts/chart_canvas.h"
#include "charts/chart_catalogue.h"
#include "charts/chart_frame.h"
#include "charts/chart_legend.h"
#include "charts/chart_scales.h"
#include "charts/chart_view.h"
#include "recording_canvas.h"
#include "support/record_codes.h"
#include "trajectory/run_fixture.h"

namespace zarv {
namespace {

using testing::RecordingCanvas;
using Kind = RecordingCanvas::Kind;

struct Flight {
  int vehicleClass, item;
};
// A preset of every class with charts of its own, each with a kept run at twice its step.
constexpr Flight kFlights[] = {{vc::Projectile, 0}, {vc::Parachute, 0}, {vc::Balloon, 0},
                               {vc::Glider, 0},     {vc::Reentry, 0},   {vc::Rocket, 0}};

struct Runs {
  std::unique_ptr<testing::PresetRun> current;
  std::vector<KeptRun> kept;
};

Runs Fly(const Flight& flight) {
  Runs runs{std::make_unique<testing::PresetRun>(flight.vehicleClass, flight.item), {}};
  testing::PresetRun coarse(flight.vehicleClass, flight.item);
  coarse.inputs.dt0 *= 2.0;
  EXPECT_FALSE(runs.current->Run().has_value());
  EXPECT_FALSE(coarse.Run().has_value());
  runs.kept.push_back(KeepRun(*coarse.log, "kept at twice the step, a name long enough to be shortened somewhere",
                              VehicleClass{flight.vehicleClass}));
  return runs;
}

QString Describe(const RecordingCanvas::Op& op) {
  return op.text + QStringLiteral(" at %1,%2").arg(op.x1).arg(op.y1);
}

TEST(ChartLegibility, NoTextRunsIntoAnotherAndOnlyTheLegendMayLieOnTheCurves) {
  const QSize picture(kChartWidth, kChartHeight);
  for (const Flight& flight : kFlights) {
    const Runs runs = Fly(flight);
    for (int language = 1; language <= 3; ++language) {
      for (const ChartEntry& chart : ChartCatalogue()) {
        for (int variant = 0; variant < 3; ++variant) {
          const bool withKept = variant > 0;
          // The round Earth's banner is the longest.
          const ChartSettings settings{static_cast<Language>(language), VehicleClass{flight.vehicleClass}, variant == 1};
          ChartView view = PlainView(*runs.current->log, chart.curveList, chart.curveCount, kSampleCapacity, settings);
          view.label = "the current run";
          if (withKept) view.kept = runs.kept;
          // Zoomed to a stretch of the flight, where numbers get long.
          const double whole = ComputeChartScales(view).to;
          if (variant == 2) view.zoom = AbscissaRange{0.31 * whole, 0.47 * whole};
          RecordingCanvas canvas;
          PaintChart(canvas, view);
          const std::string where = std::string(chart.objectName) + " of class " +
                                    std::to_string(flight.vehicleClass) + ", language " + std::to_string(language) +
                                    (withKept ? ", with a kept run" : "") + (view.zoom ? ", zoomed" : "") +
                                    (view.settings.roundEarth ? ", round Earth" : "");
          const ChartScales scales = ComputeChartScales(view);
          const QRect plot = scales.Plot();
          const QRect legend = withKept ? PlaceLegend(scales, view.settings.windowLanguage).box : QRect();
          const auto texts = canvas.All(Kind::kText);
          std::vector<QRect> boxes;
          for (const auto* text : texts) {
            boxes.push_back(ChartTextBox(QPoint(text->x1, text->y1), text->text, text->font, picture));
          }
          for (std::size_t a = 0; a < texts.size(); ++a) {
            for (std::size_t b = a + 1; b < texts.size(); ++b) {
              EXPECT_FALSE(boxes[a].intersects(boxes[b]))
                  << where << ": \"" << Describe(*texts[a]).toStdString() << "\" and \""
                  << Describe(*texts[b]).toStdString() << "\"";
            }
            if (legend.contains(boxes[a])) continue;
            EXPECT_FALSE(legend.intersects(boxes[a]))
                << where << ": the legend covers " << Describe(*texts[a]).toStdString();
            int crossed = 0;
            for (const auto* curve : canvas.All(Kind::kPolyline))
              for (const QPoint& p : curve->points) crossed += boxes[a].contains(p);
            EXPECT_EQ(crossed, 0) << where << ": curves run through " << Describe(*texts[a]).toStdString();
            // Outside the plot no line runs through a text (a caption may cap its axis): the
            // axes stay whole and apart from the numbers.
            if (boxes[a].intersects(plot)) continue;
            for (const auto* line : canvas.All(Kind::kLine)) {
              const QRect span = QRect(QPoint(line->x1, line->y1), QPoint(line->x2, line->y2)).normalized();
              const bool endsInside =
                  boxes[a].contains(line->x1, line->y1) || boxes[a].contains(line->x2, line->y2);
              EXPECT_FALSE(span.intersects(boxes[a]) && !endsInside)
                  << where << ": a line from " << line->x1 << "," << line->y1 << " to " << line->x2 << ","
                  << line->y2 << " meets " << Describe(*texts[a]).toStdString();
            }
          }
          int underLegend = 0;
          for (const auto* curve : canvas.All(Kind::kPolyline))
            for (const QPoint& p : curve->points) underLegend += legend.contains(p);
          EXPECT_EQ(underLegend, 0) << where << ": curve points under the legend at " << legend.x() << ","
                                    << legend.y();
        }
      }
    }
  }
}

}  // namespace
}  // namespace zarv
