#include "tools/run_charts.h"

#include <cmath>
#include <filesystem>

#include "charts/chart_catalogue.h"
#include "charts/chart_export.h"
#include "tools/paint_session.h"

namespace zarv {
namespace {

constexpr LanguageText kNoPng = {"нет --png для", "kein --png für", "no --png for"};
constexpr LanguageText kNoSuchChart = {"нет такого графика", "kein solches Diagramm",
                                       "no such chart"};
constexpr LanguageText kCharts = {"графики", "Diagramme", "charts"};
constexpr LanguageText kUnknownFormat = {"неизвестный формат рисунка (.png, .svg, .pdf)",
                                         "unbekanntes Bildformat (.png, .svg, .pdf)",
                                         "unknown picture format (.png, .svg, .pdf)"};
constexpr LanguageText kBadRange = {"--xrange требует FROM:TO, FROM < TO",
                                    "--xrange verlangt FROM:TO mit FROM < TO",
                                    "--xrange needs FROM:TO with FROM < TO"};

// A known extension picks its format; a name without one (standard output, a device)
// gets a PNG.
std::optional<ChartFileFormat> FormatOf(const std::string& path) {
  if (const auto format = ChartFormatOfFileName(path)) return format;
  if (path == "-" || std::filesystem::path(path).extension().empty()) return ChartFileFormat::kPng;
  return std::nullopt;
}

std::optional<AbscissaRange> ParseRange(const std::string& text) {
  const std::size_t colon = text.find(':', 1);  // past a leading minus sign
  AbscissaRange range;
  if (colon == std::string::npos || !ParseNumber(text.substr(0, colon), range.from) ||
      !ParseNumber(text.substr(colon + 1), range.to) || !(range.from < range.to) ||
      !std::isfinite(range.to - range.from)) {
    return std::nullopt;
  }
  return range;
}

}  // namespace

std::optional<int> CheckChartRequests(const RunOptions& options) {
  const Language language = options.language;
  for (const ChartRequest& chart : options.charts) {
    if (chart.png.empty()) {
      return UsageError(std::string(kNoPng.in(language)) + " --chart " + chart.name);
    }
    if (chart.name != "default" && FindChart(chart.name) == nullptr) {
      std::string names = "default";
      for (const ChartEntry& entry : ChartCatalogue()) names += std::string(", ") + entry.objectName;
      return UsageError(std::string(kNoSuchChart.in(language)) + " '" + chart.name + "' (" +
                        kCharts.in(language) + ": " + names + ")");
    }
    if (!FormatOf(chart.png)) return UsageError("'" + chart.png + "': " + kUnknownFormat.in(language));
    if (!chart.xrange.empty() && !ParseRange(chart.xrange)) {
      return UsageError(std::string(kBadRange.in(language)) + ": '" + chart.xrange + "'");
    }
  }
  return std::nullopt;
}

void RenderCharts(const RunOptions& options, const Calculation& main, const std::string& label,
                  std::span<const KeptRun> kept, std::span<const MeasuredOverlay> measured, char* argv0,
                  std::vector<std::string>& pictures) {
  const PaintSession session(argv0);
  ChartSettings settings{options.language, main.vehicleClass(),
                         main.earthModel() == EarthModel::Round};
  for (const ChartRequest& chart : options.charts) {
    const ChartEntry entry = chart.name == "default" ? DefaultChart(main.vehicleClass())
                                                     : *FindChart(chart.name);
    ChartView view =
        PlainView(main.log(), entry.curveList, entry.curveCount, kSampleCapacity, settings);
    view.label = label;
    view.kept = kept;
    view.measured = measured;
    if (!chart.xrange.empty()) view.zoom = ParseRange(chart.xrange);
    const QByteArray bytes = RenderChartFile(view, *FormatOf(chart.png));
    pictures.emplace_back(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  }
}

}  // namespace zarv
