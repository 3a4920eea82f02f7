// Renders the calculation window with the step-check report of a V-2 beside it, and with
// the model-warning mark and its tooltip after a Vostok entry over the flat Earth, in
// Russian and English: render_trust OUTPUT_DIR. The offscreen screen is 800 px wide and
// caps the reports' width; a wider one shows them whole.
#include <cstdio>

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>
#include <QToolTip>

#include "haupt/haupt.h"
#include "haupt/message_sink.h"
#include "haupt/report_view.h"
#include "haupt/trust_commands.h"
#include "scenario/presets.h"

namespace {

class PrintingSink : public zarv::MessageSink {
 public:
  void ShowError(const QString& text) override {
    std::fprintf(stderr, "message: %s\n", text.toUtf8().constData());
  }
};

bool Save(const QPixmap& shot, const QDir& output, const QString& name) {
  if (shot.save(output.filePath(name))) return true;
  std::fprintf(stderr, "cannot write %s\n", qPrintable(output.filePath(name)));
  return false;
}

QWidget* ShownToolTip() {
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (widget->inherits("QTipLabel") && widget->isVisible()) return widget;
  return nullptr;
}

// The event loop turns until `busy` says no more.
template <typename Busy>
void WaitWhile(Busy busy) {
  while (busy()) {
    QCoreApplication::processEvents();
    QThread::msleep(5);
  }
  QCoreApplication::processEvents();
}

constexpr const char* kLanguageNames[] = {"", "ru", "de", "en"};

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
    return 2;
  }
  const QDir output(QDir(QString::fromLocal8Bit(argv[1])).absolutePath());
  QDir().mkpath(output.path());
  QTemporaryDir work;
  QDir::setCurrent(work.path());

  PrintingSink sink;
  int failures = 0;
  for (int language : {1, 3}) {
    const QString suffix = QString::fromLatin1(kLanguageNames[language]);
    {
      zarv::Scenario record;
      zarv::ApplyPreset(record, 8, 0);  // Launcher V-2
      record[zarv::sf::Language] = language;
      zarv::TForm2 window(record, sink);
      window.showFromStartWindow();
      window.Button1Click();
      WaitWhile([&] { return window.running(); });
      window.trust().CheckTheStep();
      QCoreApplication::processEvents();
      failures += !Save(window.grab(), output, QStringLiteral("trust_checking_%1.png").arg(suffix));
      WaitWhile([&] { return window.trust().checking(); });
      failures += !Save(window.grab(), output, QStringLiteral("trust_window_%1.png").arg(suffix));
      if (zarv::ReportView* view = window.trust().reportView()) {
        failures += !Save(view->grab(), output, QStringLiteral("trust_step_check_%1.png").arg(suffix));
      } else {
        std::fprintf(stderr, "no step-check report\n");
        ++failures;
      }
      window.trust().ShowValidationReport();
      QCoreApplication::processEvents();
      failures += !Save(window.trust().reportView()->grab(), output,
                        QStringLiteral("trust_validation_%1.png").arg(suffix));
    }
    {
      zarv::Scenario record;
      zarv::ApplyPreset(record, 7, 0);  // Vostok
      record[zarv::sf::Language] = language;
      zarv::TForm2 window(record, sink);
      window.showFromStartWindow();
      window.Button1Click();
      WaitWhile([&] { return window.running(); });
      QCoreApplication::processEvents();
      failures += !Save(window.grab(QRect(410, 0, 490, 140)), output,
                        QStringLiteral("trust_mark_%1.png").arg(suffix));
      QPushButton* extras = window.ButtonExtras;
      QToolTip::showText(extras->mapToGlobal(QPoint(0, extras->height())), extras->toolTip(), extras);
      QCoreApplication::processEvents();
      if (QWidget* tip = ShownToolTip()) {
        failures += !Save(tip->grab(), output, QStringLiteral("trust_tooltip_%1.png").arg(suffix));
      } else {
        std::fprintf(stderr, "no tooltip shown\n");
        ++failures;
      }
      QToolTip::hideText();
    }
  }
  return failures == 0 ? 0 : 1;
}
