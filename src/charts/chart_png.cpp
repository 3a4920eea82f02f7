#include "charts/chart_png.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageWriter>

#include "trajectory/file_writer.h"

namespace zarv {

bool WriteChartPng(const TrajectoryLog& log, const ChartEntry& chart,
                   const ChartSettings& settings, const std::string& path,
                   std::string& error) {
  QImage picture;
  DrawChart(log, chart.curveList, chart.curveCount, kSampleCapacity, settings, picture);
  // Encoded whole in memory first: a failed write must not leave half a picture behind.
  QByteArray encoded;
  QBuffer buffer(&encoded);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "png");
  if (!writer.write(picture)) {
    error = writer.errorString().toStdString();
    return false;
  }
  const FileWriteResult written =
      WriteWholeFile(path, std::string_view(encoded.constData(), encoded.size()));
  if (!written.ok) error = written.reason;
  return written.ok;
}

}  // namespace zarv
