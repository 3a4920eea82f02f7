// The trust commands in the window: set up with what of the window they need.
#include "haupt/haupt.h"
#include "haupt/trust_commands.h"

namespace zarv {

void TForm2::BuildTrustCommands() {
  trust_ = new TrustCommands(*this, calc_, messages_, [this] { return ReadFields(); });
}

void TForm2::setReportShower(ReportShower shower) { trust_->setReportShower(std::move(shower)); }

}  // namespace zarv
