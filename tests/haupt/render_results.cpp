// Renders the calculation window with kept runs, the readout and a zoom, and the Extras
// menu, for a V-2 in each language: render_results OUTPUT_DIR.
#include <cstdio>
#include <optional>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPixmap>

#include "haupt/chart_results.h"
#include "haupt/haupt.h"
#include "haupt/message_sink.h"
#include "scenario/presets.h"
#include "run_wait.h"
#include "support/render_program.h"

namespace {

void Mouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::NoButton) {
  const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
  QMouseEvent event(type, at, widget->mapToGlobal(at), button, held, Qt::NoModifier);
  QCoreApplication::sendEvent(widget, &event);
}

constexpr const char* kKeptSteps[] = {"0.005", "0.002", "0.001"};  // s, dt0 of the kept runs

}  // namespace

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
    auto* step = window.findChild<QLineEdit*>(QStringLiteral("eddt0"));
    for (const char* dt0 : kKeptSteps) {
      step->setText(QString::fromLatin1(dt0));
      window.Button1Click();
      zarv::WaitForRun(window);
      window.results().KeepCurrentRun();
    }
    step->setText(QStringLiteral("0.01"));
    window.Button1Click();
    zarv::WaitForRun(window);
    const QString suffix = QString::fromLatin1(zarv::testing::kLanguageNames[language]);

    Mouse(window.Image1, QEvent::MouseMove, QPoint(420, 250));
    QCoreApplication::processEvents();
    failures += !zarv::testing::SavePicture(window.grab(), output, QStringLiteral("results_kept_readout_%1.png").arg(suffix));

    Mouse(window.Image1, QEvent::MouseButtonPress, QPoint(300, 250), Qt::LeftButton);
    Mouse(window.Image1, QEvent::MouseMove, QPoint(420, 250), Qt::LeftButton);
    QCoreApplication::processEvents();
    failures += !zarv::testing::SavePicture(window.Image1->grab(), output, QStringLiteral("results_drag_%1.png").arg(suffix));
    Mouse(window.Image1, QEvent::MouseButtonRelease, QPoint(420, 250), Qt::LeftButton);
    Mouse(window.Image1, QEvent::MouseMove, QPoint(560, 200));
    QCoreApplication::processEvents();
    failures += !zarv::testing::SavePicture(window.Image1->grab(), output, QStringLiteral("results_zoomed_%1.png").arg(suffix));

    window.ButtonExtrasClick();
    QCoreApplication::processEvents();
    failures += !zarv::testing::SavePicture(window.results().extrasMenu()->grab(), output,
                      QStringLiteral("results_menu_%1.png").arg(suffix));
    window.results().extrasMenu()->hide();
    failures += !zarv::testing::SavePicture(window.grab(QRect(410, 0, 490, 140)), output,
                      QStringLiteral("results_button_%1.png").arg(suffix));

    const QString saved = output.filePath(QStringLiteral("results_saved_%1").arg(suffix));
    for (const char* extension : {".png", ".svg", ".pdf"}) {
      window.setSavePathAsker([&](QWidget*, const QString&, const QString&) {
        return saved + QString::fromLatin1(extension);
      });
      window.results().SavePicture();
    }
  }
  return failures == 0 ? 0 : 1;
}
