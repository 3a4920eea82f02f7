#pragma once

#include <array>
#include <string>

#include <QImage>

#include "trajectory/trajectory_log.h"

class QPainter;

namespace zarv {

inline constexpr int kChartWidth = 700;
inline constexpr int kChartHeight = 500;

// What a chart reads besides the log: the caption language and the vehicle class.
struct ChartSettings {
  int windowLanguage = 2;     // 1 Russian (Cyrillic captions), 2 German, 3 English
  double vehicleClass = 0.0;  // Button18 is offered for the balloon class
};

// Chart-button visibility decided at every drawing.
struct ChartButtons {
  bool liftCharts = false;    // ButtonCya, Button6, Button11, Button14: working Cy != 0
  bool balloonChart = false;  // Button18: balloon class
};

// Draws one chart (abscissa curveList[0], curves curveList[1..curveCount-2]) into a
// fresh 700 x 500 picture and, once finished, replaces `picture` with it.
ChartButtons DrawChart(const TrajectoryLog& log, const std::array<int, kCurveListSize>& curveList,
                       int curveCount, int capacity, const ChartSettings& settings,
                       QImage& picture);

// One marker shape of the marker table at (x, y).
void DrawMarker(QPainter& canvas, int x, int y, int size, int shape);

}  // namespace zarv
