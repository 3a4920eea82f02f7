#include "texts/flight_file_messages.h"

#include "texts/input_messages.h"
#include "texts/system_reasons.h"
#include "texts/text_fill.h"

namespace zarv {
namespace {

constexpr LanguageText kLine = {"строка", "Zeile", "line"};
constexpr LanguageText kCannotRead = {"файл полета не читается", "die Flugdatei ist nicht lesbar",
                                      "cannot read the flight file"};
constexpr LanguageText kTooLarge = {"слишком большой для файла полета (более 1 МиБ)",
                                    "zu groß für eine Flugdatei (über 1 MiB)",
                                    "too large for a flight file (over 1 MiB)"};
constexpr LanguageText kSyntax = {"не файл TOML", "keine TOML-Datei", "not a TOML file"};
constexpr LanguageText kUnknownKey = {"неизвестный ключ (здесь допустимы", "unbekannter Schlüssel (hier erlaubt",
                                      "unknown key (allowed here"};
constexpr LanguageText kNotOfClass = {"не является вводом этого класса аппарата (его вводы",
                                      "keine Eingabe dieser Fahrzeugklasse (ihre Eingaben",
                                      "not an input of this vehicle class (its inputs"};
constexpr LanguageText kMissing = {"ключ отсутствует", "der Schlüssel fehlt", "the key is missing"};
constexpr LanguageText kMustBe = {"значение должно быть %1", "der Wert muss %1 sein", "the value must be %1"};
constexpr LanguageText kOneOf = {"значение должно быть одним из: %1", "der Wert muss eines von %1 sein",
                                 "the value must be one of %1"};
constexpr LanguageText kNewer = {"формат %1 новой версии ZARV; эта версия читает формат %2",
                                 "Format %1 einer neueren ZARV-Version; diese liest Format %2",
                                 "format %1 of a newer ZARV; this version reads format %2"};

struct TypeWord {
  const char* type;
  LanguageText text;
};
constexpr TypeWord kTypes[] = {
    {"string", {"строкой в кавычках", "Text in Anführungszeichen", "a string in quotes"}},
    {"number", {"числом", "eine Zahl", "a number"}},
    {"integer", {"целым числом", "eine ganze Zahl", "a whole number"}},
    {"table", {"таблицей", "eine Tabelle", "a table"}},
};

std::string What(const FlightFileError& e, Language language) {
  switch (e.problem) {
    case FlightFileProblem::CannotRead:
      return std::string(kCannotRead.in(language)) + " (" + SystemReason(e.error, language) + ")";
    case FlightFileProblem::TooLarge: return kTooLarge.in(language);
    case FlightFileProblem::Syntax: return std::string(kSyntax.in(language)) + ": " + e.detail;
    case FlightFileProblem::UnknownKey: return std::string(kUnknownKey.in(language)) + ": " + e.detail + ")";
    case FlightFileProblem::NotOfClass: return std::string(kNotOfClass.in(language)) + ": " + e.detail + ")";
    case FlightFileProblem::MissingKey: return kMissing.in(language);
    case FlightFileProblem::WrongType:
      for (const TypeWord& t : kTypes) {
        if (e.detail == t.type) return FillText(kMustBe.in(language), {t.text.in(language)});
      }
      return FillText(kMustBe.in(language), {e.detail});
    case FlightFileProblem::NotAChoice: return FillText(kOneOf.in(language), {e.detail});
    case FlightFileProblem::OutOfRange: return InputErrorText(e.range, language);
    case FlightFileProblem::NewerFormat: return FillText(kNewer.in(language), {e.detail, std::to_string(kFlightFormat)});
  }
  return {};
}

}  // namespace

std::string DescribeFlightFileError(const FlightFileError& e, Language language) {
  std::string where = e.file;
  if (e.line > 0) where += ", " + std::string(kLine.in(language)) + " " + std::to_string(e.line);
  if (!e.key.empty()) where += ", " + e.key;
  return where + ": " + What(e, language);
}

}  // namespace zarv
