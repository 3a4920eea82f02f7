#pragma once

#include <functional>
#include <optional>
#include <string>

#include <QByteArray>
#include <QSize>

class QPainter;

namespace zarv {

struct ChartView;

enum class ChartFileFormat { kPng, kSvg, kPdf };

// The format a file name asks for by its extension (.png, .svg, .pdf, any letter case);
// none for anything else.
std::optional<ChartFileFormat> ChartFormatOfFileName(const std::string& fileName);

// The chart drawn through the same canvas as on screen, 700 x 500, as the bytes of a file
// of the format. Needs a QGuiApplication (the offscreen platform will do).
QByteArray RenderChartFile(const ChartView& view, ChartFileFormat format);

// Any picture of `size` pixels on white, painted by `paint`, as the bytes of a file of the
// format: PNG from an image, SVG and PDF as paths with the run charts' page set-up (one
// pixel one point). Needs a QGuiApplication.
QByteArray RenderPictureFile(QSize size, ChartFileFormat format,
                             const std::function<void(QPainter&)>& paint);

// The bytes for a file name; on an unknown extension returns false and sets `error`.
// Writing them is the caller's.
bool RenderChartForFile(const ChartView& view, const std::string& fileName, QByteArray& bytes,
                        std::string& error);

}  // namespace zarv
