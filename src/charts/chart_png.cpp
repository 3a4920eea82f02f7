#include "charts/chart_png.h"

#include <QImage>
#include <QImageWriter>

namespace zarv {

bool WriteChartPng(const TrajectoryLog& log, const ChartEntry& chart,
                   const ChartSettings& settings, const std::string& path,
                   std::string& error) {
  QImage picture;
  DrawChart(log, chart.curveList, chart.curveCount, kSampleCapacity, settings, picture);
  QImageWriter writer(QString::fromStdString(path), "png");
  if (!writer.write(picture)) {
    error = "Cannot write '" + path + "': " + writer.errorString().toStdString();
    return false;
  }
  return true;
}

}  // namespace zarv
