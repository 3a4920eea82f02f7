#include "trajectory/adaptive_flight.h"

#include <algorithm>
#include <cmath>

#include <boost/numeric/odeint.hpp>

#include "trajectory/input_check.h"

namespace zarv {
namespace {

namespace odeint = boost::numeric::odeint;

// The error of a step against atol_i + rtol (|x_i| + dt |dx_i/dt|) per state variable, the
// largest ratio; a step whose error is not a number is refused.
class FlightErrorChecker {
 public:
  using value_type = double;

  FlightErrorChecker() = default;
  explicit FlightErrorChecker(const AdaptiveFlight::Tolerances& tolerances) : tolerances_(tolerances) {}

  template <class Algebra>
  double error(Algebra&, const FlightVector& x, const FlightVector& dxdt, FlightVector& err,
               double dt) const {
    constexpr double kRefused = 1e10;
    double worst = 0.0;
    for (int i = 0; i < kFlightSize; ++i) {
      // An angle's size says nothing of its precision: its error is weighed against its
      // change over the step only.
      const double size = i == kTheta ? 0.0 : std::abs(x[i]);
      const double scale =
          tolerances_.absolute[i] + tolerances_.relative * (size + std::abs(dt * dxdt[i]));
      const double ratio = std::abs(err[i]) / scale;
      if (std::isnan(ratio)) return kRefused;
      worst = std::max(worst, ratio);
    }
    return worst;
  }

 private:
  AdaptiveFlight::Tolerances tolerances_;
};

using Dopri = odeint::runge_kutta_dopri5<FlightVector>;
using Controlled = odeint::controlled_runge_kutta<Dopri, FlightErrorChecker>;
using Dense = odeint::dense_output_runge_kutta<Controlled>;

}  // namespace

struct AdaptiveFlight::Stepper {
  Dense dense;
};

AdaptiveFlight::AdaptiveFlight() : stepper_(std::make_unique<Stepper>()) {}
AdaptiveFlight::~AdaptiveFlight() = default;

void AdaptiveFlight::Start(const FlightModel& model, const FlightMode& mode, double t,
                           const FlightVector& y, double firstStep, const Tolerances& tolerances) {
  model_ = &model;
  mode_ = segmentMode_ = mode;
  event_ = FlightEvent::None;
  t0_ = t1_ = t;
  y1_ = y;
  nextStep_ = firstStep;
  evaluations_ = 0;
  steps_ = 0;
  stepper_->dense = Dense(Controlled(FlightErrorChecker(tolerances)));
  restart_ = true;
  Evaluate(mode_, t, y1_, outputs1_);
}

void AdaptiveFlight::Evaluate(const FlightMode& mode, double t, const FlightVector& y,
                              FlightOutputs& outputs) {
  FlightVector rates;
  FlightRates(*model_, mode, t, y, rates, &outputs);
  ++evaluations_;
}

bool AdaptiveFlight::Step() {
  // As many steps as a fixed step may take: a flight that needs more is no flight.
  if (++steps_ > kMaxStepsPerPass) return false;
  Dense& dense = stepper_->dense;
  if (restart_) {
    dense.initialize(y1_, t1_, nextStep_);
    restart_ = false;
  }
  segmentMode_ = mode_;
  const FlightMode flown = mode_;
  const auto system = [this, flown](const FlightVector& y, FlightVector& dydt, double t) {
    FlightRates(*model_, flown, t, y, dydt);
    ++evaluations_;
  };
  try {
    dense.do_step(system);
  } catch (const odeint::step_adjustment_error&) {
    return false;
  }
  t0_ = dense.previous_time();
  const double end = dense.current_time();
  if (!(end > t0_)) return false;
  nextStep_ = dense.current_time_step();

  FlightOutputs atEnd;
  Evaluate(flown, end, dense.current_state(), atEnd);
  const DenseState at = [&dense](double t, FlightVector& y) { dense.calc_state(t, y); };
  const EventAt first = FirstEvent(*model_, flown,
                                   {t0_, &dense.previous_state(), outputs1_.freeTurnRate, outputs1_.air.mach},
                                   {end, &dense.current_state(), atEnd.freeTurnRate, atEnd.air.mach},
                                   at, evaluations_);
  event_ = first.event;
  if (event_ == FlightEvent::None) {
    t1_ = end;
    y1_ = dense.current_state();
    outputs1_ = atEnd;
    return true;
  }
  // The model switches here: the next step starts afresh from the switch, with the step
  // that reached it.
  t1_ = first.time;
  if (t1_ < end) {
    dense.calc_state(t1_, y1_);
  } else {
    y1_ = dense.current_state();
  }
  ApplyEvent(*model_, event_, t1_, mode_, y1_, evaluations_);
  Evaluate(mode_, t1_, y1_, outputs1_);
  nextStep_ = std::min(nextStep_, end - t0_);
  restart_ = true;
  return true;
}

void AdaptiveFlight::StateAt(double t, FlightVector& y) const {
  stepper_->dense.calc_state(t, y);
}

}  // namespace zarv
