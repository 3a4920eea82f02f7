// Renders the calculation window with the sample measured flight drawn over a V-2 run and
// the deviation report beside it, in each language: render_overlay OUTPUT_DIR.
#include <QCoreApplication>
#include <QDir>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <optional>

#include "haupt/chart_results.h"
#include "haupt/haupt.h"
#include "haupt/overlay_commands.h"
#include "haupt/report_view.h"
#include "run_wait.h"
#include "scenario/presets.h"
#include "support/render_program.h"

int main(int argc, char** argv) {
  const zarv::testing::RenderProgram program(argc, argv);
  const std::optional<QDir> found = program.Output(argc, argv);
  if (!found) return 2;
  const QDir& output = *found;

  zarv::testing::PrintingSink sink;
  int failures = 0;
  for (int language = 1; language <= 3; ++language) {
    zarv::Scenario record = zarv::testing::PresetRecord(8, 0, language);  // Launcher V-2
    zarv::TForm2 window(record, sink);
    window.showFromStartWindow();
    window.Button1Click();
    zarv::WaitForRun(window);
    zarv::OverlayCommands& overlays = window.results().overlays();
    overlays.Open(QStringLiteral(ZARV_SAMPLE_FLIGHT));
    QCoreApplication::processEvents();
    const QString suffix = QString::fromLatin1(zarv::testing::kLanguageNames[language]);
    zarv::ReportView* report = overlays.reportView();
    if (report == nullptr) {
      ++failures;
      continue;
    }
    // The window with the report beside it, as the user sees them.
    const QPixmap left = window.grab(), right = report->grab();
    QPixmap both(left.width() + right.width(), std::max(left.height(), right.height()));
    both.fill(Qt::darkGray);
    {
      QPainter painter(&both);
      painter.drawPixmap(0, 0, left);
      painter.drawPixmap(left.width(), 0, right);
    }
    failures +=
        !zarv::testing::SavePicture(both, output, QStringLiteral("overlay_measured_%1.png").arg(suffix));
  }
  return failures == 0 ? 0 : 1;
}
