#include "charts/chart_export.h"

#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "charts/chart_canvas.h"
#include "charts/chart_frame.h"
#include "charts/chart_view.h"
#include "scenario/program_info.h"

namespace zarv {

namespace {

constexpr int kPointsPerInch = 72;  // one picture pixel is one point on the page
constexpr int kScreenDotsPerInch = 96;  // the SVG writer then keeps the 12 px font at 12

void PaintOnWhite(QPaintDevice& device, QSize size, const std::function<void(QPainter&)>& paint) {
  QPainter painter(&device);
  painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
  paint(painter);
}

QByteArray Png(const ChartView& view) {
  QImage picture;
  DrawChart(view, picture);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  picture.save(&buffer, "PNG");
  return bytes;
}

QByteArray Svg(QSize size, const std::function<void(QPainter&)>& paint) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(size);
  svg.setViewBox(QRect(QPoint(0, 0), size));
  svg.setResolution(kScreenDotsPerInch);
  svg.setTitle(QStringLiteral("ZARV"));
  PaintOnWhite(svg, size, paint);
  return bytes;
}

QByteArray Pdf(QSize size, const std::function<void(QPainter&)>& paint) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter pdf(&buffer);
    pdf.setResolution(kPointsPerInch);
    pdf.setPageLayout(QPageLayout(QPageSize(QSizeF(size), QPageSize::Point),
                                  QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    pdf.setCreator(QString::fromUtf8(kBanner).trimmed());
    PaintOnWhite(pdf, size, paint);
  }
  return bytes;
}

}  // namespace

std::optional<ChartFileFormat> ChartFormatOfFileName(const std::string& fileName) {
  const std::size_t dot = fileName.find_last_of('.');
  const std::size_t slash = fileName.find_last_of("/\\");
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return std::nullopt;
  const QString extension = QString::fromStdString(fileName.substr(dot + 1)).toLower();
  if (extension == QLatin1String("png")) return ChartFileFormat::kPng;
  if (extension == QLatin1String("svg")) return ChartFileFormat::kSvg;
  if (extension == QLatin1String("pdf")) return ChartFileFormat::kPdf;
  return std::nullopt;
}

QByteArray RenderChartFile(const ChartView& view, ChartFileFormat format) {
  if (format == ChartFileFormat::kPng) return Png(view);
  return RenderPictureFile(QSize(kChartWidth, kChartHeight), format, [&](QPainter& painter) {
    PainterCanvas canvas(painter, PainterCanvas::Curves::kPaths);
    PaintChart(canvas, view);
  });
}

QByteArray RenderPictureFile(QSize size, ChartFileFormat format,
                             const std::function<void(QPainter&)>& paint) {
  switch (format) {
    case ChartFileFormat::kPng: {
      QImage picture(size, QImage::Format_RGB32);
      PaintOnWhite(picture, size, paint);
      QByteArray bytes;
      QBuffer buffer(&bytes);
      buffer.open(QIODevice::WriteOnly);
      picture.save(&buffer, "PNG");
      return bytes;
    }
    case ChartFileFormat::kSvg: return Svg(size, paint);
    case ChartFileFormat::kPdf: return Pdf(size, paint);
  }
  return {};
}

bool RenderChartForFile(const ChartView& view, const std::string& fileName, QByteArray& bytes,
                        std::string& error) {
  const std::optional<ChartFileFormat> format = ChartFormatOfFileName(fileName);
  if (!format) {
    error = "Cannot save the chart as '" + fileName + "': use .png, .svg or .pdf";
    return false;
  }
  bytes = RenderChartFile(view, *format);
  return true;
}

}  // namespace zarv
