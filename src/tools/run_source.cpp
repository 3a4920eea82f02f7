#include "tools/run_source.h"

#include <filesystem>
#include <variant>

#include "scenario/flight_file.h"
#include "texts/flight_file_messages.h"
#include "texts/run_label.h"
#include "tools/preset_setup.h"
#include "tools/run_options.h"
#include "tools/study_words.h"

namespace zarv {

std::string RunSource::Load(const std::string& preset, const std::string& flightFile,
                            Language language) {
  isFlight_ = !flightFile.empty();
  given_ = isFlight_ ? flightFile : preset;
  if (isFlight_) {
    FlightRead read = ReadFlightFile(flightFile);
    if (const auto* error = std::get_if<FlightFileError>(&read)) return DescribeFlightFileError(*error, language);
    flight_ = std::get<Flight>(std::move(read));
    label_ = flight_.name.empty() ? std::filesystem::path(flightFile).stem().string() : flight_.name;
    return {};
  }
  int cls = 0, item = 0;
  if (!LoadPreset(preset, record_, cls, item)) {
    return std::string(study_words::kNoSuchPreset.in(language)) + " '" + preset + "' (zarv-run --list)";
  }
  label_ = PresetName(cls, item);
  flight_.name = label_;
  flight_.preset = preset;
  return {};
}

void RunSource::ApplyTo(Calculation& calculation) const {
  if (isFlight_) {
    ApplyFlight(flight_, calculation);
  } else {
    calculation.Load(record_);
    calculation.setSettings(RunSettings{});
  }
}

Flight RunSource::FlightNow(const Calculation& calculation) const {
  Flight flight = FlightOf(calculation, calculation.settings());
  flight.name = flight_.name;
  flight.notes = flight_.notes;
  flight.preset = flight_.preset;
  return flight;
}

std::string RunSource::SetUp(const RunSettingChoices& settings, std::span<const std::string> sets,
                             Calculation& calculation, Language language, RunInputs* given) const {
  ApplyTo(calculation);
  if (std::string problem = ApplyRunSettings(settings, calculation, language); !problem.empty()) return problem;
  if (given != nullptr) *given = calculation.inputs();
  for (const std::string& set : sets) {
    if (std::string problem = ApplySet(set, calculation, language); !problem.empty()) return problem;
  }
  return {};
}

std::string RunSource::Heading(Language language) const {
  return std::string((isFlight_ ? study_words::kFlight : study_words::kPreset).in(language)) + "  " + given_;
}

}  // namespace zarv
