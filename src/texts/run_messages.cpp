#include "texts/run_messages.h"

#include "texts/input_messages.h"
#include "trajectory/number_format.h"

namespace zarv {
namespace {

constexpr LanguageText kDivergedAt = {"расчет разошелся при t = ", "Rechnung divergiert bei t = ",
                                      "diverged at t = "};
constexpr LanguageText kSeconds = {" с: ", " s: ", " s: "};
constexpr LanguageText kStepTooLarge = {"шаг слишком велик для динамики",
                                        "Schritt zu groß für die Dynamik",
                                        "step too large for the dynamics"};
constexpr LanguageText kOutOfRange = {"входные данные вне допустимого диапазона",
                                      "Eingaben außerhalb des Bereichs",
                                      "inputs out of range"};
constexpr LanguageText kCancelled = {"расчет прерван", "Rechnung abgebrochen",
                                     "calculation cancelled"};
constexpr int kTimeDigits = 6;

}  // namespace

std::string DescribeDivergence(const Divergence& divergence, Language language) {
  std::string text = std::string(kDivergedAt.in(language)) +
                     FormatGeneral(divergence.time, kTimeDigits) + kSeconds.in(language);
  if (divergence.cause == DivergenceCause::StepTooLarge) return text + kStepTooLarge.in(language) + ".";
  text += kOutOfRange.in(language);
  for (std::size_t i = 0; i < divergence.inputs.size(); ++i) {
    text += (i == 0 ? ": " : ", ") + divergence.inputs[i];
  }
  return text + ".";
}

std::string DescribeRunFailure(const RunFailure& failure, Language language) {
  switch (failure.kind) {
    case RunFailure::Kind::Rejected: return DescribeInputError(failure.rejected, language);
    case RunFailure::Kind::Diverged: return DescribeDivergence(failure.diverged, language);
    case RunFailure::Kind::Cancelled: break;
  }
  return std::string(kCancelled.in(language)) + ".";
}

}  // namespace zarv
