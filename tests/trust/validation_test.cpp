#include <set>
#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "trust/validation.h"

namespace zarv {
namespace {

using Failed = std::set<ValidationCase>;

// The cases fail where the model is wrong: with each seeded fault, exactly the cases that
// see it (no fault: none), with every integrator.
TEST(Validation, SeededFaultsFailTheCasesThatSeeThem) {
  const std::pair<ModelFault, Failed> cases[] = {
      {ModelFault::None, {}},
      {ModelFault::GravityOverDistance,
       {ValidationCase::Orbit, ValidationCase::EccentricOrbit, ValidationCase::BallisticShot}},
      {ModelFault::BuoyancyWithoutGravity, {ValidationCase::BalloonAfloat}},
      {ModelFault::LiftSignFlipped, {ValidationCase::Glide}},
  };
  for (const auto& [fault, expected] : cases) {
    std::set<std::pair<ValidationCase, Integrator>> flown, failed;
    std::string why;
    for (const ValidationRow& r : RunValidation(fault)) {
      flown.insert({r.flight, r.integrator});
      if (r.passed()) continue;
      failed.insert({r.flight, r.integrator});
      why += "case " + std::to_string(static_cast<int>(r.flight)) + " integrator " +
             IntegratorName(r.integrator) + ": " + std::to_string(r.computed) + " for " +
             std::to_string(r.closedForm) + " +- " + std::to_string(r.tolerance) + "\n";
    }
    EXPECT_EQ(flown.size(), 3u * (static_cast<std::size_t>(ValidationCase::Entry) + 1))
        << "every case with every integrator";
    std::set<std::pair<ValidationCase, Integrator>> wanted;
    for (ValidationCase c : expected) {
      for (Integrator i : {Integrator::Euler, Integrator::Rk4, Integrator::Adaptive}) {
        wanted.insert({c, i});
      }
    }
    EXPECT_EQ(failed, wanted) << "fault " << static_cast<int>(fault) << "\n" << why;
  }
}

}  // namespace
}  // namespace zarv
