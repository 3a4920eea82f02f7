#pragma once

#include <optional>
#include <string>

#include <QByteArray>

namespace zarv {

struct ChartView;

enum class ChartFileFormat { kPng, kSvg, kPdf };

// The format a file name asks for by its extension (.png, .svg, .pdf, any letter case);
// none for anything else.
std::optional<ChartFileFormat> ChartFormatOfFileName(const std::string& fileName);

// The chart drawn through the same canvas as on screen, 700 x 500, as the bytes of a file
// of the format. Needs a QGuiApplication (the offscreen platform will do).
QByteArray RenderChartFile(const ChartView& view, ChartFileFormat format);

// The bytes for a file name; on an unknown extension returns false and sets `error`.
// Writing them is the caller's.
bool RenderChartForFile(const ChartView& view, const std::string& fileName, QByteArray& bytes,
                        std::string& error);

}  // namespace zarv
