#pragma once

#include <cstdio>
#include <optional>

#include <QApplication>
#include <QFile>
#include <QDir>
#include <QPixmap>
#include <QString>
#include <QTemporaryDir>

#include "haupt/message_sink.h"
#include "scenario/presets.h"
#include "scenario/scenario.h"

namespace zarv::testing {

inline constexpr const char* kLanguageNames[] = {"", "ru", "de", "en"};  // by record code

// A program that renders windows to PNG files: offscreen unless a platform is named, its
// runs writing their result files into a temporary working folder.
class RenderProgram {
 public:
  RenderProgram(int& argc, char** argv) : app_(OffscreenUnlessNamed(argc), argv) {
    QDir::setCurrent(work_.path());
  }

  // The output folder, the only argument, made when missing; nothing after the usage.
  std::optional<QDir> Output(int argc, char** argv) const {
    if (argc != 2) {
      std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
      return std::nullopt;
    }
    QDir output(QDir(QString::fromLocal8Bit(argv[1])).absolutePath());
    QDir().mkpath(output.path());
    return output;
  }

 private:
  static int& OffscreenUnlessNamed(int& argc) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    return argc;
  }
  // The renders list no flights of the user's, and keep no recent files of theirs.
  QTemporaryDir home_;
  const bool isolated_ = qputenv("XDG_DATA_HOME", QFile::encodeName(home_.filePath(QStringLiteral("data")))) &&
                         qputenv("XDG_CONFIG_HOME", QFile::encodeName(home_.filePath(QStringLiteral("config"))));
  QApplication app_;
  QTemporaryDir work_;
};

// A preset's record with the language set (record code: 1 ru, 2 de, 3 en).
inline Scenario PresetRecord(int vehicleClass, int item, int language) {
  Scenario record;
  ApplyPreset(record, vehicleClass, item);
  record[sf::Language] = language;
  return record;
}

// Saves one picture into the output folder; false, saying so, when it cannot.
inline bool SavePicture(const QPixmap& shot, const QDir& output, const QString& name) {
  if (shot.save(output.filePath(name))) return true;
  std::fprintf(stderr, "cannot write %s\n", qPrintable(output.filePath(name)));
  return false;
}

// Messages of a render go to standard error, never into a box.
class PrintingSink : public MessageSink {
 public:
  void ShowError(const QString& text) override {
    std::fprintf(stderr, "message: %s\n", text.toUtf8().constData());
  }
  SaveAnswer AskToSave(const SaveQuestion& question) override {
    std::fprintf(stderr, "question: %s\n", question.text.toUtf8().constData());
    return SaveAnswer::Discard;
  }
};

}  // namespace zarv::testing
