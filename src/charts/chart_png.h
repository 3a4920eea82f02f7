#pragma once

#include <string>

#include "charts/chart_catalogue.h"
#include "charts/chart_frame.h"

namespace zarv {

// Draws one catalogue chart of the log and saves it as a 700 x 500 PNG, whole or not at all
// (through WriteWholeFile, like every file the program writes). Needs a QGuiApplication (the
// offscreen platform will do). On failure returns false and sets `error` to the system's
// reason.
bool WriteChartPng(const TrajectoryLog& log, const ChartEntry& chart,
                   const ChartSettings& settings, const std::string& path,
                   std::string& error);

}  // namespace zarv
