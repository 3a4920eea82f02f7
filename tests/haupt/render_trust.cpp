// Renders the calculation window with the model warnings of a V-2 run and its step-check
// report beside it, and with the warning mark and its tooltip after a Vostok entry over the
// flat Earth, in Russian, German and English: render_trust OUTPUT_DIR. The offscreen screen
// is 800 px wide and caps the reports' width; a wider one shows them whole.
#include <cstdio>
#include <optional>

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QPushButton>
#include <QToolTip>

#include "haupt/haupt.h"
#include "haupt/message_sink.h"
#include "haupt/report_view.h"
#include "haupt/trust_commands.h"
#include "scenario/presets.h"
#include "support/render_program.h"

namespace {

QWidget* ShownToolTip() {
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (widget->inherits("QTipLabel") && widget->isVisible()) return widget;
  return nullptr;
}

// The Extras button's tooltip, shown and grabbed as `name`; false when none shows.
bool SaveTooltip(QPushButton* extras, const QDir& output, const QString& name) {
  QToolTip::showText(extras->mapToGlobal(QPoint(0, extras->height())), extras->toolTip(), extras);
  QCoreApplication::processEvents();
  QWidget* tip = ShownToolTip();
  const bool saved = tip != nullptr && zarv::testing::SavePicture(tip->grab(), output, name);
  if (tip == nullptr) std::fprintf(stderr, "no tooltip shown\n");
  QToolTip::hideText();
  return saved;
}

// The event loop turns until `busy` says no more.
template <typename Busy>
void WaitWhile(Busy busy) {
  while (busy()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  QCoreApplication::processEvents();
}

}  // namespace

int main(int argc, char** argv) {
  const zarv::testing::RenderProgram program(argc, argv);
  const std::optional<QDir> found = program.Output(argc, argv);
  if (!found) return 2;
  const QDir& output = *found;

  zarv::testing::PrintingSink sink;
  int failures = 0;
  for (int language : {1, 2, 3}) {
    const QString suffix = QString::fromLatin1(zarv::testing::kLanguageNames[language]);
    {
      zarv::Scenario record = zarv::testing::PresetRecord(8, 0, language);  // Launcher V-2
      zarv::TForm2 window(record, sink);
      window.showFromStartWindow();
      window.Button1Click();
      WaitWhile([&] { return window.running() || window.trust().assessing(); });
      failures += !SaveTooltip(window.ButtonExtras, output,
                               QStringLiteral("trust_tooltip_v2_%1.png").arg(suffix));
      window.trust().CheckTheStep();
      QCoreApplication::processEvents();
      failures += !zarv::testing::SavePicture(window.grab(), output, QStringLiteral("trust_checking_%1.png").arg(suffix));
      WaitWhile([&] { return window.trust().checking(); });
      failures += !zarv::testing::SavePicture(window.grab(), output, QStringLiteral("trust_window_%1.png").arg(suffix));
      if (zarv::ReportView* view = window.trust().reportView()) {
        failures += !zarv::testing::SavePicture(view->grab(), output, QStringLiteral("trust_step_check_%1.png").arg(suffix));
      } else {
        std::fprintf(stderr, "no step-check report\n");
        ++failures;
      }
      window.trust().ShowValidationReport();
      WaitWhile([&] { return window.trust().checking(); });
      failures += !zarv::testing::SavePicture(window.trust().reportView()->grab(), output,
                        QStringLiteral("trust_validation_%1.png").arg(suffix));
    }
    {
      zarv::Scenario record = zarv::testing::PresetRecord(7, 0, language);  // Vostok
      zarv::TForm2 window(record, sink);
      window.showFromStartWindow();
      window.Button1Click();
      WaitWhile([&] { return window.running() || window.trust().assessing(); });
      failures += !zarv::testing::SavePicture(window.grab(QRect(410, 0, 490, 140)), output,
                        QStringLiteral("trust_mark_%1.png").arg(suffix));
      failures += !SaveTooltip(window.ButtonExtras, output,
                               QStringLiteral("trust_tooltip_%1.png").arg(suffix));
    }
  }
  return failures == 0 ? 0 : 1;
}
