#include "texts/run_data_texts.h"

#include <array>
#include <vector>

#include "texts/system_reasons.h"
#include "texts/text_fill.h"
#include "texts/text_table.h"
#include "trajectory/number_format.h"

namespace zarv {
namespace {

using Kind = RunDataProblem::Kind;

constexpr int kDigits = 5;  // significant digits of the figures

constexpr LanguageText kLine{"строка", "Zeile", "line"};
constexpr LanguageText kColumn{"столбец", "Spalte", "column"};

// Indexed by RunDataProblem::Kind; %1 the offending text, %2 the known units, %3 and %4
// the expected and found counts, %5 the system's reason.
constexpr std::array<LanguageText, 13> kProblems{{
    {"файл не читается: %5", "die Datei lässt sich nicht lesen: %5", "the file cannot be read: %5"},
    {"в файле нет таблицы: он пуст или содержит только комментарии",
     "die Datei enthält keine Tabelle: sie ist leer oder hat nur Kommentarzeilen",
     "the file holds no table: it is empty or has comment lines only"},
    {"файл больше %3 байт; столько данных полета не бывает",
     "die Datei ist größer als %3 Bytes; so viele Flugdaten gibt es nicht",
     "the file is larger than %3 bytes, more than any flight's data"},
    {"под заголовком нет ни одной строки значений", "unter der Kopfzeile steht keine Zeile mit Werten",
     "the heading has no line of values under it"},
    {"в заголовке нет столбца времени, например \"t [s]\" (s, ms, min, h)",
     "die Kopfzeile hat keine Zeitspalte, etwa \"t [s]\" (s, ms, min, h)",
     "the heading has no time column, such as \"t [s]\" (s, ms, min, h)"},
    {"кроме времени в заголовке нет ни одной величины расчета: H (высота), X (дальность), V (скорость), "
     "theta (угол наклона траектории), nx (ускорение)",
     "außer der Zeit nennt die Kopfzeile keine Größe einer Rechnung: H (Höhe), X (Reichweite), "
     "V (Geschwindigkeit), theta (Bahnwinkel), nx (Beschleunigung)",
     "besides the time the heading names no quantity a run records: H (altitude), X (range), V (speed), "
     "theta (path angle), nx (acceleration)"},
    {"не указана единица; напишите ее в скобках, например [%2]",
     "die Einheit fehlt; schreiben Sie sie in Klammern, etwa [%2]",
     "the unit is missing; write it in brackets, such as [%2]"},
    {"неизвестная единица \"%1\"; возможны: %2", "unbekannte Einheit \"%1\"; möglich sind: %2",
     "unknown unit \"%1\"; known: %2"},
    {"вторая колонка той же величины", "eine zweite Spalte derselben Größe",
     "a second column of the same quantity"},
    {"%4 полей под %3 заголовками", "%4 Felder unter %3 Überschriften", "%4 fields under %3 headings"},
    {"\"%1\" не число", "\"%1\" ist keine Zahl", "\"%1\" is not a number"},
    {"время %1 не позже, чем в строке выше", "die Zeit %1 liegt nicht nach der Zeile davor",
     "the time %1 is not after the line before"},
    {"в таблице расчета не более %3 строк значений", "die Tabelle einer Rechnung hat höchstens %3 Wertzeilen",
     "a run's table has at most %3 lines of values"},
}};
constexpr LanguageText kMissingNumber{"нет числа", "die Zahl fehlt", "the number is missing"};

constexpr std::array<LanguageText, kMeasuredQuantities> kQuantities{{
    {"высота", "Höhe", "altitude"},
    {"дальность", "Reichweite", "range"},
    {"скорость", "Geschwindigkeit", "speed"},
    {"угол наклона траектории", "Bahnwinkel", "path angle"},
    {"ускорение nx", "Beschleunigung nx", "acceleration nx"},
}};

constexpr LanguageText kFlight{"Измеренный полет", "Gemessener Flug", "Measured flight"};
constexpr LanguageText kRun{"Расчет", "Rechnung", "Run"};
constexpr LanguageText kHow{
    "Отклонение = расчет − измерение в моменты измерений (расчет между его отсчетами линейно).",
    "Abweichung = Rechnung − Messung zu den Messzeiten (die Rechnung zwischen ihren Werten linear).",
    "Deviation = computed − measured at the measured times (the run linear between its samples)."};
constexpr LanguageText kPeakNote{"Пик: значение наибольшей величины по модулю за время сравнения.",
                                 "Spitze: der betragsgrößte Wert über die verglichene Zeit.",
                                 "Peak: the value of largest magnitude over the compared time."};
constexpr LanguageText kNotCovered{"0/N: ни одно время измерения не лежит во времени полета расчета.",
                                   "0/N: keine Messzeit liegt in der Flugzeit der Rechnung.",
                                   "0/N: none of the measured times lies within the run's flight time."};
constexpr LanguageText kQuantity{"величина", "Größe", "quantity"};
constexpr LanguageText kUnit{"ед.", "Einheit", "unit"};
constexpr LanguageText kPoints{"точек", "Punkte", "points"};
constexpr LanguageText kLargest{"наибольшее", "größte", "largest"};
constexpr LanguageText kAt{"при t", "bei t", "at t"};
constexpr LanguageText kRunPeak{"пик расчета", "Spitze Rechnung", "run peak"};
constexpr LanguageText kMeasuredPeak{"пик измерения", "Spitze Messung", "measured peak"};
constexpr LanguageText kPeakDifference{"разность пиков", "Differenz", "difference"};

std::string Figure(double value) { return FormatGeneral(value, kDigits); }

}  // namespace

std::string DescribeRunDataProblem(const RunDataProblem& problem, const std::string& file,
                                   Language language) {
  std::string place = file;
  if (problem.line > 0) place += std::string(", ") + kLine.in(language) + " " + std::to_string(problem.line);
  if (problem.column > 0)
    place += std::string(", ") + kColumn.in(language) + " " + std::to_string(problem.column);
  if (!problem.heading.empty()) place += " (" + problem.heading + ")";
  const auto index = static_cast<std::size_t>(problem.kind);
  const char* format = problem.kind == Kind::kNotANumber && problem.text.empty()
                           ? kMissingNumber.in(language)
                           : kProblems[index].in(language);
  const std::string reason =
      problem.kind == Kind::kUnreadable ? SystemReason(static_cast<int>(problem.found), language) : "";
  return place + ": " + FillText(format, {problem.text, problem.known, std::to_string(problem.expected),
                                          std::to_string(problem.found), reason});
}

std::string MeasuredQuantityName(MeasuredQuantity quantity, Language language) {
  return kQuantities[static_cast<std::size_t>(quantity)].in(language);
}

std::string FormatDeviationReport(const MeasuredFlight& flight, std::span<const QuantityDeviation> deviations,
                                  const std::string& flightName, const std::string& runName,
                                  Language language) {
  std::string text = std::string(kFlight.in(language)) + ": " + flightName + "\n" + kRun.in(language) + ": " +
                     runName + "\n\n" + kHow.in(language) + "\n";
  const std::string at = std::string(kAt.in(language)) + ", " + flight.timeUnit;
  // Two tables, each read across: how far apart the curves lie, then the peaks.
  std::vector<std::vector<std::string>> spread{
      {kQuantity.in(language), kUnit.in(language), kPoints.in(language), "RMS", kLargest.in(language), at}};
  std::vector<std::vector<std::string>> peaks{{kQuantity.in(language), kUnit.in(language),
                                               kRunPeak.in(language), at, kMeasuredPeak.in(language), at,
                                               kPeakDifference.in(language)}};
  bool uncovered = false;
  for (const QuantityDeviation& d : deviations) {
    const MeasuredColumn& column = flight.columns[d.column];
    const auto value = [&](double v) { return Figure(v / column.unitSize); };
    const auto time = [&](double t) { return Figure(t / flight.timeUnitSize); };
    const std::string name = MeasuredQuantityName(column.quantity, language);
    std::vector<std::string> row{name, column.unit,
                                 std::to_string(d.compared) + "/" + std::to_string(d.measured)};
    if (d.compared == 0) {
      uncovered = true;
      row.insert(row.end(), 3, "-");
      spread.push_back(std::move(row));
      continue;
    }
    row.insert(row.end(), {value(d.rms), value(d.largest), time(d.largestAt)});
    spread.push_back(std::move(row));
    peaks.push_back({name, column.unit, value(d.runPeak), time(d.runPeakAt), value(d.measuredPeak),
                     time(d.measuredPeakAt), value(d.runPeak - d.measuredPeak)});
  }
  text += FormatTextTable(spread);
  if (uncovered) text.append(kNotCovered.in(language)).append("\n");
  if (peaks.size() > 1)
    text.append("\n").append(kPeakNote.in(language)).append("\n").append(FormatTextTable(peaks));
  return text;
}

}  // namespace zarv
