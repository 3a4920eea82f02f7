#include "haupt/dialog_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace zarv {

DialogLanguage::~DialogLanguage() { Remove(); }

void DialogLanguage::Remove() {
  if (!translator_) return;
  QCoreApplication::removeTranslator(translator_.get());
  translator_.reset();
}

bool DialogLanguage::Use(Language language) {
  Remove();
  const char* file = language == Language::Russian  ? "qtbase_ru"
                     : language == Language::German ? "qtbase_de"
                                                    : nullptr;
  if (file == nullptr) return true;
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(QString::fromLatin1(file),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    return false;
  QCoreApplication::installTranslator(translator.get());
  translator_ = std::move(translator);
  return true;
}

}  // namespace zarv
