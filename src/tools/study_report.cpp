#include "tools/study_report.h"

#include <array>
#include <cmath>

#include "texts/study_texts.h"
#include "trajectory/number_format.h"

namespace zarv {
namespace {

static_assert(kStudyOutcomeCaptions == kOutcomeColumns && kStudyOutcomeKindTexts == kOutcomeKinds,
              "a caption for every outcome column and kind");

// Indexed by StudyProblem.
constexpr std::array<LanguageText, 18> kProblems{{
    {"нет '=' в", "kein '=' in", "no '=' in"},
    {"нет имени ввода в", "kein Eingabename in", "no input name in"},
    {"не число", "keine Zahl", "not a number"},
    {"число вариантов должно быть целым >= 1", "die Anzahl muss ganz und >= 1 sein",
     "the count must be a whole number >= 1"},
    {"пустой список в", "leere Liste in", "empty list in"},
    {"ожидается normal:SD или uniform:LO:HI", "erwartet normal:SD oder uniform:LO:HI",
     "expected normal:SD or uniform:LO:HI"},
    {"SD не может быть отрицательным", "SD darf nicht negativ sein", "SD must not be negative"},
    {"LO больше HI", "LO größer als HI", "LO is above HI"},
    {"ввод варьируется дважды", "Eingabe zweimal variiert", "input varied twice"},
    {"слишком много вариантов", "zu viele Fälle", "too many cases"},
    {"ожидается --shard I/N, 0 <= I < N", "erwartet --shard I/N, 0 <= I < N",
     "expected --shard I/N with 0 <= I < N"},
    {"заголовок не совпадает с первой таблицей", "Kopf passt nicht zur ersten Tabelle",
     "head differs from the first table"},
    {"неверная строка", "ungültige Zeile", "bad row"},
    {"номера вариантов не возрастают", "Fallnummern nicht aufsteigend",
     "case numbers do not grow"},
    {"вариант встречается дважды", "Fall doppelt", "case appears twice"},
    {"не удалось прочитать", "kann nicht lesen", "cannot read"},
    {"не таблица исследования (нет строки заголовка)", "keine Studientabelle (keine Kopfzeile)",
     "no study table (no header line)"},
    {"таблица обрывается посреди строки", "die Tabelle endet mitten in einer Zeile",
     "the table ends in the middle of a row"},
}};
static_assert(kProblems.size() == static_cast<std::size_t>(StudyProblem::CutShort) + 1,
              "every study problem has its wording");

constexpr LanguageText kSummaryNote = {
    "(по завершенным вариантам; СКО с делителем n-1; процентили — линейная интерполяция между "
    "порядковыми статистиками, точная до 65536 вариантов, далее с точностью 0,1 %)",
    "(über die beendeten Fälle; Std.abw. mit Divisor n-1; Perzentile linear zwischen den "
    "Ranggrößen interpoliert, exakt bis 65536 Fälle, darüber auf 0,1 % genau)",
    "(over the finished cases; sd with divisor n-1; percentiles interpolate linearly between "
    "order statistics, exact up to 65536 cases, within 0.1 % beyond)"};

// Pads UTF-8 text to a width in characters, not bytes.
std::string Pad(const std::string& text, std::size_t width) {
  std::size_t chars = 0;
  for (unsigned char c : text) chars += (c & 0xC0) != 0x80;
  return chars >= width ? text + " " : text + std::string(width - chars, ' ');
}

}  // namespace

const char* const kOutcomeKeys[kOutcomeColumns] = {
    "flight-time", "range", "peak-altitude", "peak-speed", "peak-nx", "peak-q", "final-speed"};

std::string DescribeStudyError(const StudyError& error, Language language) {
  return std::string(kProblems[static_cast<std::size_t>(error.problem)].in(language)) + " '" +
         error.text + "'";
}

std::string FormatSummary(const StudySummary& s, Language language) {
  std::string counts = LanguageText{"вариантов", "Fälle", "cases"}.in(language);
  counts += "  " + std::to_string(s.cases()) + ":";
  for (int k = 0; k < kOutcomeKinds; ++k) {
    counts += std::string(k == 0 ? " " : ", ") + StudyOutcomeKindText(k).in(language) + " " +
              std::to_string(s.counts[static_cast<std::size_t>(k)]);
  }
  std::string text = counts + "\n";
  if (s.counts[0] + s.counts[1] == 0) return text;

  constexpr std::size_t kNameWidth = 28, kWidth = 13;
  const LanguageText headings[] = {{"среднее", "Mittel", "mean"}, {"СКО", "Std.abw.", "sd"},
                                 {"мин", "Min", "min"},         {"5 %", "5 %", "5 %"},
                                 {"50 %", "50 %", "50 %"},      {"95 %", "95 %", "95 %"},
                                 {"макс", "Max", "max"}};
  std::string line = Pad("", kNameWidth);
  for (const LanguageText& h : headings) line += Pad(h.in(language), kWidth);
  text += line + "\n";
  for (int c = 0; c < kOutcomeColumns; ++c) {
    const ColumnStats& st = s.columns[static_cast<std::size_t>(c)];
    line = Pad(StudyOutcomeCaption(c).in(language), kNameWidth);
    for (double v : {st.mean, st.sd, st.min, st.p5, st.p50, st.p95, st.max}) {
      line += Pad(FormatGeneral(v, 6), kWidth);
    }
    text += line + "\n";
  }
  text += kSummaryNote.in(language);
  text += "\n";
  return text;
}

void PrintSummary(std::FILE* out, const StudySummary& summary, Language language) {
  std::fputs(FormatSummary(summary, language).c_str(), out);
}

SweepTablePrinter::SweepTablePrinter(std::FILE* out, std::vector<std::string> inputs)
    : out_(out) {
  std::string line = Pad("case", 8);
  for (const std::string& name : inputs) line += Pad(name, 12);
  for (const char* key : kOutcomeKeys) line += Pad(key, 14);
  std::fprintf(out_, "%soutcome\n", line.c_str());
}

void SweepTablePrinter::Row(const CaseRow& row) {
  std::string line = Pad(std::to_string(row.index), 8);
  for (double v : row.inputs) line += Pad(FormatGeneral(v, 6), 12);
  for (double v : row.outcome.values) {
    line += Pad(Finished(row.outcome.kind) ? FormatGeneral(v, 6) : "-", 14);
  }
  line += OutcomeWord(row.outcome.kind);
  if (!row.outcome.reason.empty()) line += " (" + row.outcome.reason + ")";
  std::fprintf(out_, "%s\n", line.c_str());
}

void PrintProgress(std::FILE* out, const StudyProgress& p, Language language) {
  constexpr int kBar = 30;
  const double share = p.total > 0 ? static_cast<double>(p.done) / static_cast<double>(p.total) : 1.0;
  const int filled = static_cast<int>(share * kBar);
  std::string bar(static_cast<std::size_t>(filled), '#');
  bar += std::string(static_cast<std::size_t>(kBar - filled), '.');
  std::fprintf(out, "\r[%s] %llu/%llu  %s %s  %s %s s   ", bar.c_str(),
               static_cast<unsigned long long>(p.done), static_cast<unsigned long long>(p.total),
               FormatGeneral(std::round(p.rate), 6).c_str(),
               LanguageText{"вар./с", "Fälle/s", "cases/s"}.in(language),
               LanguageText{"осталось", "Rest", "left"}.in(language),
               FormatGeneral(std::ceil(p.secondsLeft), 6).c_str());
  std::fflush(out);
}

}  // namespace zarv
