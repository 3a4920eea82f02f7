// Renders the start window at each of its steps in each language:
// render_sprache OUTPUT_DIR.
#include <cstdio>
#include <optional>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QListWidget>
#include <QPixmap>
#include <QRadioButton>

#include "haupt/message_sink.h"
#include "scenario/presets.h"
#include "sprache/sprache.h"
#include "support/render_program.h"

namespace {

// Lets pending layout settle before the window is grabbed.
QPixmap Shot(QWidget& window) {
  QCoreApplication::processEvents();
  return window.grab();
}

constexpr int kClasses[] = {1, 2, 3, 5, 7, 8};

}  // namespace

int main(int argc, char** argv) {
  const zarv::testing::RenderProgram program(argc, argv);
  const std::optional<QDir> found = program.Output(argc, argv);
  if (!found) return 2;
  const QDir& output = *found;

  int failures = 0;
  auto save = [&](QWidget& window, const QString& name) {
    if (!Shot(window).save(output.filePath(name))) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(output.filePath(name)));
      ++failures;
    }
  };
  for (int language = 1; language <= 3; ++language) {
    const QString tag = QString::fromLatin1(zarv::testing::kLanguageNames[language]);
    for (int vehicleClass : kClasses) {
      zarv::Scenario record;
      zarv::testing::PrintingSink sink;
      zarv::TForm1 window(record, sink);
      window.show();
      if (vehicleClass == kClasses[0] && language == 1)
        save(window, QStringLiteral("sprache_terms.png"));
      zarv::TForm1::Item(window.RadioSprach, language - 1)->click();
      if (vehicleClass == kClasses[0]) save(window, QStringLiteral("sprache_classes_%1.png").arg(tag));
      QGroupBox* list = language == 1 ? window.WahlRU : language == 2 ? window.RadioWahl
                                                                      : window.WahlEN;
      zarv::TForm1::Item(list, vehicleClass - 1)->click();
      save(window, QStringLiteral("sprache_presets_%1_class%2.png").arg(tag).arg(vehicleClass));
    }
  }
  return failures == 0 ? 0 : 1;
}
