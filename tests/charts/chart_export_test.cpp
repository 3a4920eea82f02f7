#include <gtest/gtest.h>

#include <QImage>
#include <QXmlStreamReader>

#include "charts/chart_export.h"
#include "charts/chart_frame.h"
#include "charts/chart_view.h"
#include "chart_logs.h"

namespace zarv {
namespace {

std::unique_ptr<TrajectoryLog> Log() {
  return testing::CountingLog([](int r, int j) { return r == 4 ? 100.0 - j : j; });
}

TEST(ChartExport, FormatFollowsTheExtension) {
  struct Case {
    const char* name;
    std::optional<ChartFileFormat> format;
  };
  const Case cases[] = {
      {"chart.png", ChartFileFormat::kPng}, {"C.SVG", ChartFileFormat::kSvg},
      {"dir.v2/chart.Pdf", ChartFileFormat::kPdf}, {"chart.jpg", std::nullopt},
      {"chart", std::nullopt}, {"dir.svg/chart", std::nullopt}, {"chart.png.txt", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ChartFormatOfFileName(c.name), c.format) << c.name;

  auto log = Log();
  QByteArray bytes("untouched");
  std::string error;
  EXPECT_FALSE(RenderChartForFile(PlainView(*log, {0, 3}, 3, kSampleCapacity, {}), "c.gif", bytes, error));
  EXPECT_NE(error.find("c.gif"), std::string::npos);
  EXPECT_EQ(bytes, "untouched");
}

TEST(ChartExport, PngIsThePictureOnScreen) {
  auto log = Log();
  const ChartView view = PlainView(*log, {0, 3, 4}, 4, kSampleCapacity, {});
  QByteArray bytes;
  std::string error;
  ASSERT_TRUE(RenderChartForFile(view, "a.png", bytes, error)) << error;
  QImage screen;
  DrawChart(view, screen);
  const QImage file = QImage::fromData(bytes, "PNG").convertToFormat(screen.format());
  EXPECT_TRUE(file == screen);
}

TEST(ChartExport, SvgHoldsTheCurvesAsPaths) {
  auto log = Log();
  const std::vector<KeptRun> kept{KeepRun(*Log(), "kept", VehicleClass::Projectile)};
  ChartView view = PlainView(*log, {0, 3, 4}, 4, kSampleCapacity, {});
  view.kept = kept;
  const QByteArray bytes = RenderChartFile(view, ChartFileFormat::kSvg);
  QXmlStreamReader xml(bytes);
  int longPaths = 0;
  bool keptColour = false;
  QString viewBox;
  QString stroke;  // the writer puts the pen on the enclosing group
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == QLatin1String("svg")) viewBox = xml.attributes().value("viewBox").toString();
    if (xml.name() == QLatin1String("g")) stroke = xml.attributes().value("stroke").toString();
    if (xml.name() == QLatin1String("path")) {
      const QString d = xml.attributes().value("d").toString();
      if (d.count('L') + d.count(',') > 400) {
        ++longPaths;
        keptColour |= stroke.compare(QColor::fromRgb(KeptRunColour(0)).name(), Qt::CaseInsensitive) == 0;
      }
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  EXPECT_EQ(longPaths, 4) << "two curves of two runs";
  EXPECT_TRUE(keptColour) << "the kept run keeps its colour";
  EXPECT_EQ(viewBox, "0 0 700 500");
  EXPECT_TRUE(bytes.contains("font-size=\"12\"")) << "the chart font keeps its size";
}

TEST(ChartExport, PdfIsOnePage) {
  auto log = Log();
  const QByteArray bytes = RenderChartFile(PlainView(*log, {0, 3, 4}, 4, kSampleCapacity, {}), ChartFileFormat::kPdf);
  ASSERT_TRUE(bytes.startsWith("%PDF-"));
  EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page "), 1) << "one page object";
  EXPECT_TRUE(bytes.contains("/Count 1"));
  EXPECT_TRUE(bytes.contains("/MediaBox [0 0 700")) << "a page of the picture's size in points";
}

}  // namespace
}  // namespace zarv
