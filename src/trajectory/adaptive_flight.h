#pragma once

#include <memory>

#include "trajectory/flight_equations.h"
#include "trajectory/flight_events.h"

namespace zarv {

// The adaptive method: Dormand-Prince 5(4) from Boost.Odeint with error control and
// dense output, its steps cut at the model's events. Each step leaves a segment from
// t0() to t1(), its states available in between until the next step.
class AdaptiveFlight {
 public:
  struct Tolerances {
    double relative = 0.0;
    FlightVector absolute{};
  };

  AdaptiveFlight();
  ~AdaptiveFlight();
  AdaptiveFlight(const AdaptiveFlight&) = delete;
  AdaptiveFlight& operator=(const AdaptiveFlight&) = delete;

  // Starts at t with the state y in `mode`; firstStep is the step it tries first.
  void Start(const FlightModel& model, const FlightMode& mode, double t, const FlightVector& y,
             double firstStep, const Tolerances& tolerances);

  // One step, ended at its first event. False when the method cannot meet its tolerance,
  // stops making progress in time, or has taken kMaxStepsPerPass steps.
  bool Step();

  double t0() const { return t0_; }
  double t1() const { return t1_; }
  const FlightVector& y1() const { return y1_; }   // after the event's switch
  const FlightMode& mode() const { return mode_; }  // from t1() on
  const FlightOutputs& outputs1() const { return outputs1_; }  // at y1() in mode()
  FlightEvent event() const { return event_; }
  // The state at t in [t0(), t1()), with the mode the segment was flown in.
  void StateAt(double t, FlightVector& y) const;
  const FlightMode& segmentMode() const { return segmentMode_; }

  long long evaluations() const { return evaluations_; }

 private:
  void Evaluate(const FlightMode& mode, double t, const FlightVector& y, FlightOutputs& outputs);

  struct Stepper;
  std::unique_ptr<Stepper> stepper_;
  const FlightModel* model_ = nullptr;
  FlightMode mode_, segmentMode_;
  FlightEvent event_ = FlightEvent::None;
  double t0_ = 0.0, t1_ = 0.0;
  FlightVector y1_{};
  FlightOutputs outputs1_;
  bool restart_ = false;  // the last step ended at an event: the next starts afresh from it
  double nextStep_ = 0.0;
  long long evaluations_ = 0;
  long long steps_ = 0;
};

}  // namespace zarv
