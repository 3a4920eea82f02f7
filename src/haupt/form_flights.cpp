// Flight files in the window: set up with what of the window they need.
#include "haupt/flight_commands.h"
#include "haupt/flight_drop.h"
#include "haupt/haupt.h"
#include "haupt/trust_commands.h"

namespace zarv {

void TForm2::BuildFlightCommands() {
  flights_ = new FlightCommands(*this, calc_, record_, messages_, [this] { return ReadFields(); },
                                [this] { StopRun(); });
  new FlightDrop(this, [this](const QString& path) { OpenFlight(path); });
}

bool TForm2::OpenFlight(const QString& path) { return flights_->Open(path); }

void TForm2::ShowFlight(const Flight& flight) {
  const double language = record_[sf::Language];
  const bool shown = isVisible();
  // The window may show another class: cleared as MAIN clears it, it is set up afresh.
  if (shown) ClearForActivation();
  record_ = RecordOf(flight);
  record_[sf::Language] = language != 0.0 ? language : static_cast<int>(SystemLanguage());
  trust_->setRunSettings(flight.run);
  if (shown) {
    FormAktivate();
  } else {
    showFromStartWindow();
  }
}

}  // namespace zarv
