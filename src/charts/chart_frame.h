#pragma once

#include <array>
#include <string>

#include <QImage>

#include "texts/language.h"
#include "trajectory/trajectory_log.h"
#include "trajectory/vehicle_class.h"

class QPainter;

namespace zarv {

class ChartCanvas;
struct ChartView;

inline constexpr int kChartWidth = 700;
inline constexpr int kChartHeight = 500;

// What a chart reads besides the log: the caption language and the vehicle class.
struct ChartSettings {
  Language windowLanguage = Language::German;
  VehicleClass vehicleClass = VehicleClass::None;  // Button18 is offered for the balloon class
  bool roundEarth = false;  // the run flew over the round Earth: the banner says so
};

// Chart-button visibility decided at every drawing.
struct ChartButtons {
  bool liftCharts = false;    // ButtonCya, Button6, Button11, Button14: working Cy != 0
  bool balloonChart = false;  // Button18: balloon class
};

// The layout quantities of a chart, in pixels.
struct ChartLayout {
  int listedRows = 0;   // Nc: abscissa and curves
  int abscissaRow = 0;  // log row of the abscissa
  int left = 0;         // L: left edge of the plot
  int plotWidth = 0;    // Wp
  int axisSpacing = 0;  // A: distance between neighbouring curve axes
  bool isSigned = false;  // some listed row goes below 0
  int above = 0;        // U: height above the zero line
  int below = 0;        // Dn: height below the zero line
  int zeroLine = 0;     // Y0
};

inline constexpr int kChartBottom = 460;      // B, the abscissa line
inline constexpr int kChartPlotHeight = 440;  // Hp

ChartLayout LayoutChart(const TrajectoryLog& log, const std::array<int, kCurveListSize>& curveList,
                        int curveCount, int capacity);

// The chart buttons a chart leaves visible: the lift charts need a working Cy.
ChartButtons ChartButtonVisibility(const TrajectoryLog& log, const ChartSettings& settings);

// Draws the chart on any canvas; DrawChart uses it on a fresh picture.
ChartButtons PaintChart(ChartCanvas& canvas, const TrajectoryLog& log,
                        const std::array<int, kCurveListSize>& curveList, int curveCount,
                        int capacity, const ChartSettings& settings);

// The same with kept runs and zoom: kept runs are drawn in their colours under the current
// run and named in a legend box; the scales cover every run shown.
ChartButtons PaintChart(ChartCanvas& canvas, const ChartView& view);
ChartButtons DrawChart(const ChartView& view, QImage& picture);

// Draws one chart (abscissa curveList[0], curves curveList[1..curveCount-2]) into a
// fresh 700 x 500 picture and, once finished, replaces `picture` with it.
ChartButtons DrawChart(const TrajectoryLog& log, const std::array<int, kCurveListSize>& curveList,
                       int curveCount, int capacity, const ChartSettings& settings,
                       QImage& picture);

// One marker shape of the marker table at (x, y).
void DrawMarker(QPainter& canvas, int x, int y, int size, int shape);
void DrawMarker(ChartCanvas& canvas, int x, int y, int size, int shape);

}  // namespace zarv
