#pragma once

#include <span>
#include <string>

#include "scenario/calculation.h"
#include "scenario/flight.h"
#include "scenario/scenario.h"
#include "texts/language.h"

namespace zarv {

struct RunSettingChoices;

// Where a command's inputs come from: a preset line (--preset CLASS:ITEM) or a flight
// file (--flight FILE).
class RunSource {
 public:
  // Exactly one of the two is given. The message, in the language, when it names no
  // preset or the file cannot be read; empty when done.
  std::string Load(const std::string& preset, const std::string& flightFile, Language language);

  // The class, the inputs and the run settings as a fresh calculation takes them: a preset
  // as its click does (the default settings), a flight as its file says.
  void ApplyTo(Calculation& calculation) const;
  // ApplyTo, then --earth, --integrator, --rtol, --atol and the --set changes in order;
  // `given`, when asked for, gets the inputs before the changes. The message, or empty.
  std::string SetUp(const RunSettingChoices& settings, std::span<const std::string> sets,
                    Calculation& calculation, Language language, RunInputs* given = nullptr) const;
  // "preset  8:0" or "flight  v2.zarv", the first line of a command's summary.
  std::string Heading(Language language) const;

  bool isFlight() const { return isFlight_; }
  // "8:0" or the file as given, for the summary.
  const std::string& given() const { return given_; }
  // The preset's text or the flight's name (its file's stem when it has none), for legends.
  const std::string& label() const { return label_; }
  // What a calculation set up from here holds now, as a flight: the file's name, notes and
  // options, or the preset's text and CLASS:ITEM.
  Flight FlightNow(const Calculation& calculation) const;

 private:
  bool isFlight_ = false;
  std::string given_, label_;
  Scenario record_;
  Flight flight_;
};

}  // namespace zarv
