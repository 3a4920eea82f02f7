#include "tools/preset_case_runner.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "texts/form_captions.h"
#include "texts/input_messages.h"

namespace zarv {
namespace {

constexpr double kPaPerKiloPa = 1000.0;
constexpr double kPaPerMegaPa = 1e6;

constexpr LanguageText kInvalidInput = {"Неверный ввод", "Ungültige Eingabe", "Invalid input"};
constexpr LanguageText kUnknownInput = {"неизвестный ввод", "unbekannte Eingabe", "unknown input"};
constexpr LanguageText kNotFinite = {"не конечное число:", "keine endliche Zahl:",
                                     "not a finite number:"};

CaseOutcome Failed(OutcomeKind kind, std::string reason) {
  CaseOutcome o;
  o.kind = kind;
  o.values.fill(std::numeric_limits<double>::quiet_NaN());
  o.reason = std::move(reason);
  return o;
}

}  // namespace

std::string RejectionReason(const InputError& error, Language language, VehicleClass vehicleClass) {
  return std::string(kInvalidInput.in(language)) + " " +
         InputWithCaption(error.input, language, vehicleClass) + ": " +
         InputProblemText(error.problem).in(language) + ".";
}

CaseOutcome OutcomeOfRun(const Calculation& calculation) {
  const RunSummary& s = calculation.summary();
  const TrajectoryLog& log = calculation.log();
  // Only the slots this run wrote; the others hold an earlier case's samples.
  const int slots = std::min(s.samplesRecorded, kSampleCapacity);
  const double qScale = log.units.PressureUnit == 2   ? kPaPerMegaPa
                        : log.units.PressureUnit == 1 ? kPaPerKiloPa
                                                      : 1.0;
  double peakNx = 0.0, peakQ = 0.0, finalSpeed = 0.0;
  for (int j = 1; j <= slots; ++j) {
    peakNx = std::max(peakNx, std::abs(log.at(row::kLoadFactorX, j)));
    peakQ = std::max(peakQ, log.at(row::kDynamicPressure, j) * qScale);
  }
  if (slots > 0) {
    finalSpeed = log.at(row::kVelocity, slots) * (log.units.VelocityInKm ? 1000.0 : 1.0);
  }
  CaseOutcome o;
  o.values = {s.flightTime, s.range, s.peakAltitude, s.peakSpeed, peakNx, peakQ, finalSpeed};
  for (int c = 0; c < kOutcomeColumns; ++c) {
    if (!std::isfinite(o.values[c])) {
      return Failed(OutcomeKind::Diverged, std::string("not a finite number: ") + kOutcomeColumnNames[c]);
    }
  }
  // A flight that ends before the end time has reached the end altitude.
  const RunInputs& in = calculation.inputs();
  o.kind = s.flightTime < in.Tk - in.dt0 / 2 ? OutcomeKind::Ground : OutcomeKind::EndTime;
  return o;
}

PresetCaseRunner::PresetCaseRunner(const Scenario& record, const RunInputs& base,
                                   Language language)
    : base_(base), language_(language) {
  calculation_.Load(record);
}

CaseOutcome PresetCaseRunner::Run(std::span<const CaseInput> caseInputs) {
  calculation_.inputs() = base_;
  for (const CaseInput& in : caseInputs) {
    if (!calculation_.Set(in.name, in.value)) {
      return Failed(OutcomeKind::Rejected, std::string(kUnknownInput.in(language_)) + " " +
                                               std::string(in.name));
    }
  }
  if (auto error = calculation_.Run()) {
    return Failed(OutcomeKind::Rejected,
                  RejectionReason(*error, language_, calculation_.vehicleClass()));
  }
  return OutcomeOfRun(calculation_);
}

}  // namespace zarv
