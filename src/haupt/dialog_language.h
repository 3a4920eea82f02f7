#pragma once

#include <memory>

#include <QTranslator>

#include "texts/language.h"

namespace zarv {

// Qt's own dialogs and standard buttons in the window language: the translations of the
// system's Qt, installed for the application while this object holds them.
class DialogLanguage {
 public:
  DialogLanguage() = default;
  ~DialogLanguage();
  DialogLanguage(const DialogLanguage&) = delete;
  DialogLanguage& operator=(const DialogLanguage&) = delete;

  // English is Qt's own language: no translator. False when the translation is missing.
  bool Use(Language language);
  bool installed() const { return translator_ != nullptr; }

 private:
  void Remove();

  std::unique_ptr<QTranslator> translator_;
};

}  // namespace zarv
