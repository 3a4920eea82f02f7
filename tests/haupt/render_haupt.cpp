// Renders the calculation window after START for one preset of each class in each
// language, the progress bar of a long run and the note of its cancel:
// render_haupt OUTPUT_DIR. The result files go to a temporary directory.
#include <atomic>
#include <chrono>
#include <cstdio>
#include <optional>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QProgressBar>

#include "haupt/haupt.h"
#include "haupt/message_sink.h"
#include "scenario/presets.h"
#include "support/render_program.h"

namespace {

// Lets pending layout settle before the window is grabbed.
QPixmap Shot(QWidget& window) {
  QCoreApplication::processEvents();
  return window.grab();
}

// Class and preset item: the first preset of every class that has presets.
constexpr int kShots[][2] = {{1, 0}, {2, 0}, {3, 0}, {5, 0}, {7, 0}, {8, 0}};

}  // namespace

int main(int argc, char** argv) {
  const zarv::testing::RenderProgram program(argc, argv);
  const std::optional<QDir> found = program.Output(argc, argv);
  if (!found) return 2;
  const QDir& output = *found;

  zarv::testing::PrintingSink sink;
  int failures = 0;
  for (int language = 1; language <= 3; ++language) {
    for (const auto& [vehicleClass, item] : kShots) {
      zarv::Scenario record = zarv::testing::PresetRecord(vehicleClass, item, language);
      zarv::TForm2 window(record, sink);
      window.showFromStartWindow();
      window.Button1Click();
      while (window.running()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
      const QString name = QStringLiteral("haupt_class%1_%2.png")
                               .arg(vehicleClass)
                               .arg(QString::fromLatin1(zarv::testing::kLanguageNames[language]));
      if (!Shot(window).save(output.filePath(name))) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(output.filePath(name)));
        ++failures;
      }
    }
  }
  // After a first run, the progress bar of a second one held at its first report, and the
  // note its cancel leaves, in each language.
  for (int language = 1; language <= 3; ++language) {
    zarv::Scenario record = zarv::testing::PresetRecord(1, 0, language);
    zarv::TForm2 window(record, sink);
    window.showFromStartWindow();
    window.Button1Click();
    while (window.running()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    window.eddt0->setText(QStringLiteral("3e-6"));
    window.setProgressDelay(std::chrono::milliseconds(0));
    window.setRunProgressHook(
        [](double, const std::atomic<bool>& cancel) { cancel.wait(false); });
    window.Button1Click();
    // The bar shows a share once the window has looked at the held run.
    while (window.RunProgress->maximum() == 0)
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const QString tag = QString::fromLatin1(zarv::testing::kLanguageNames[language]);
    Shot(window).save(output.filePath(QStringLiteral("haupt_progress_%1.png").arg(tag)));
    window.CancelRun();
    while (window.running()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    Shot(window).save(output.filePath(QStringLiteral("haupt_cancelled_%1.png").arg(tag)));
  }
  // The window before START and with the troubleshooting note open, in German.
  zarv::Scenario record = zarv::testing::PresetRecord(3, 0, 2);
  zarv::TForm2 window(record, sink);
  window.showFromStartWindow();
  Shot(window).save(output.filePath(QStringLiteral("haupt_before_start_de.png")));
  window.ButtonHELPClick();
  Shot(window).save(output.filePath(QStringLiteral("haupt_help_de.png")));
  window.Button19Click();
  Shot(window).save(output.filePath(QStringLiteral("haupt_inf_de.png")));
  return failures == 0 ? 0 : 1;
}
