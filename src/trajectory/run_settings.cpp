#include "trajectory/run_settings.h"

#include "trajectory/number_format.h"

namespace zarv {
namespace {

struct Named {
  Integrator integrator;
  const char* name;
  int order;
};
constexpr Named kIntegrators[] = {
    {Integrator::Euler, "euler", 1},
    {Integrator::Rk4, "rk4", 4},
    {Integrator::Adaptive, "adaptive", 5},
};

}  // namespace

const char* IntegratorName(Integrator integrator) {
  for (const Named& n : kIntegrators) {
    if (n.integrator == integrator) return n.name;
  }
  return "";
}

std::optional<Integrator> IntegratorFromName(std::string_view name) {
  for (const Named& n : kIntegrators) {
    if (name == n.name) return n.integrator;
  }
  return std::nullopt;
}

int IntegratorOrder(Integrator integrator) {
  for (const Named& n : kIntegrators) {
    if (n.integrator == integrator) return n.order;
  }
  return 0;
}

std::string DescribeIntegration(const RunSettings& settings) {
  std::string text = IntegratorName(settings.integrator);
  if (settings.integrator != Integrator::Adaptive) return text;
  text += ", rtol " + FormatGeneral(settings.rtol);
  text += settings.atol ? ", atol " + FormatGeneral(*settings.atol) : ", atol per variable";
  return text;
}

}  // namespace zarv
