#pragma once

#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "flight_model/motion_step.h"
#include "trajectory/adaptive_flight.h"
#include "trajectory/divergence.h"
#include "trajectory/earth_model.h"
#include "trajectory/flight_equations.h"
#include "trajectory/input_check.h"
#include "trajectory/run_control.h"
#include "trajectory/run_failure.h"
#include "trajectory/run_inputs.h"
#include "trajectory/run_settings.h"
#include "trajectory/trajectory_log.h"
#include "trajectory/vehicle_class.h"

namespace zarv {

// Working state of the integration, owned by the TrajectoryRun and rewritten at every
// pass start. Buoyancy values survive between runs for the airship class, which has no
// envelope set-up of its own. Everything a step carries to the next step is here, so a
// copy taken between two steps continues the flight exactly.
struct RunState {
  double t = 0.0, X = 0.0, H = 0.0, V = 0.0, theta = 0.0;  // s, m, m, m/s, rad
  double S = 0.0;                       // m2
  double workingCx = 0.0, workingCy = 0.0;
  double fuelMass = 0.0, specificImpulse = 0.0, engineMass = 0.0, thrust = 0.0;
  double endAltitude = 0.0, endVelocity = 0.0;
  double massFlow = 0.0, burnTime = 0.0;  // kg/s, s
  double temperature = 0.0, pressure = 0.0, speedOfSound = 0.0, density = 0.0,
         viscosity = 0.0, mach = 0.0;
  double nx = 0.0, ny = 0.0, q = 0.0;
  double heatFlux = 0.0;               // kW/m2
  // Balloon and airship.
  double weight = 0.0, liftRequired = 0.0, liftForce = 0.0;  // N
  double envelopeVolume = 0.0, initialVolume = 0.0, envelopeRadius = 0.0,
         envelopeSurface = 0.0;
  double gasLost = 0.0, liftLost = 0.0;  // m3, N
  int flightAltitudeReached = 0;
  MotionShared shared;
  EnergyBook energy;
  // RK4 and the adaptive method: the model's switches; the fixed steps' grid time, added
  // up as Euler adds up its time; RK4's derivative at the state, which starts its next step.
  FlightMode mode;
  double gridTime = 0.0;
  FlightVector rates{};
  double freeTurnRate = 0.0;  // rad/s, with the rates
  bool ratesKnown = false;
};

// What stopped the first pass; the altitude is tested first.
enum class RunStop { Ground, EndTime };

struct RunSummary {
  double flightTime = 0.0;    // s
  double range = 0.0;         // m
  double peakAltitude = 0.0;  // m
  double peakSpeed = 0.0;     // m/s
  // Of the first pass, over its whole flight (not only the recorded samples).
  double peakLoadFactorX = 0.0;      // max |nx|
  double peakDynamicPressure = 0.0;  // Pa, max q
  double finalSpeed = 0.0;           // m/s
  RunStop stop = RunStop::Ground;
  int samplesRecorded = 0;    // samples taken by the recording pass (may exceed 500)
  long long steps = 0;        // integration steps of both passes
  long long stepsComputed = 0;  // of those, the steps actually integrated (see Run)
  long long evaluations = 0;  // of the equations of motion, the work of the steps computed
};

// Cancellation and progress of one pass, polled every few thousand steps: the pass's
// fraction done maps onto [start, start + share] of the whole run.
class RunPoll {
 public:
  RunPoll(const RunControl& control, double start, double share)
      : control_(control), start_(start), share_(share), nextReport_(start) {}
  bool Cancelled(double passFraction);  // reports progress when it is not
  void Finish();                        // the run succeeded

 private:
  const RunControl& control_;
  double start_, share_, nextReport_;
};

// The trajectory computation: checks the inputs, integrates twice (the first pass finds
// the end time, the second records 500 samples over it), fills the remaining slots,
// rescales the rows to display units and sets the default curve list.
//
// Both passes start from the same state and take the same steps, so the first pass keeps
// copies of the state at regular steps and the second pass continues from the copy
// nearest before each step it records, instead of integrating the whole flight again.
class TrajectoryRun {
 public:
  TrajectoryRun();

  // A run that fails (rejected, diverged, cancelled) changes nothing. For a balloon a
  // run stores the envelope cross-section, as its field shows it, into inputs.S0.
  std::optional<RunFailure> Run(RunInputs& inputs, VehicleClass vehicleClass,
                                TrajectoryLog& log, const RunControl& control = {});

  // Off: the second pass integrates the whole flight again from the start, as a reference
  // for tests and benchmarks.
  void SetStateCopies(bool keep) { keepCopies_ = keep; }

  // The Earth both passes fly over and the integrator.
  void SetSettings(const RunSettings& settings) { settings_ = settings; }
  const RunSettings& settings() const { return settings_; }

  // Runs the model with a seeded fault; for the tests that show a check catches it.
  void SetModelFault(ModelFault fault) { fault_ = fault; }

  const RunSummary& summary() const { return summary_; }
  const RunState& state() const { return state_; }

 private:
  std::optional<RunFailure> Compute(RunInputs& inputs, VehicleClass vehicleClass,
                                    TrajectoryLog& log, const RunControl& control);
  // Why a run left the numbers or made energy at time, started again from the state it
  // started from.
  RunFailure Diagnose(const RunInputs& inputs, VehicleClass vehicleClass, double time,
                      const RunControl& control);
  void StartPass(RunInputs& inputs, VehicleClass vehicleClass);
  void Step(const RunInputs& inputs, VehicleClass vehicleClass);  // Euler
  void CountEulerEvaluations();
  // A step and the checks of its state: false, the reason in tripped_, when the state
  // left the numbers or the step was too large.
  bool CheckedStep(const RunInputs& inputs, VehicleClass vehicleClass, bool firstPass = false);
  bool Flying(const RunInputs& inputs) const;  // the stop test, negated
  std::optional<RunFailure> FindEndTime(const RunInputs& inputs, VehicleClass vehicleClass,
                                        bool keepCopies, RunPoll& poll, long long& steps);
  // Before step + 1 of the first pass, step a multiple of the spacing; returns the step
  // of the next copy.
  long long KeepCopy(long long step);
  std::optional<RunFailure> RecordPass(RunInputs& inputs, VehicleClass vehicleClass,
                                       long long steps, TrajectoryLog& log, RunPoll& poll);
  // False when the state left the numbers on the way.
  bool AdvanceTo(const RunInputs& inputs, VehicleClass vehicleClass, long long step);
  void Record(const RunInputs& inputs, TrajectoryLog& log);
  void Finish(TrajectoryLog& log, VehicleClass vehicleClass);

  // RK4 and the adaptive method (trajectory_integrators.cpp). A step reports the work of
  // the forces but gravity over it, for the energy book.
  struct StepWork {
    double work = 0.0, turnover = 0.0;  // J/kg
  };
  void StartIntegration(const RunInputs& inputs, VehicleClass vehicleClass);
  // One step of the grid; false when far too large for the dynamics.
  bool RungeKuttaStep(const RunInputs& inputs, StepWork& work, bool firstPass);
  bool AdaptiveStep(bool firstPass, StepWork& work);  // false: the method gave up
  // Brings the state to time t of the adaptive method's flight, integrating on as far as
  // needed; the end state past the flight's end. False when the state left the numbers.
  bool AdvanceToTime(const RunInputs& inputs, VehicleClass vehicleClass, double t);
  void TakeState(double t, const FlightVector& y, const FlightMode& mode,
                 const FlightOutputs& outputs);
  // The first pass's peaks at the ends of the steps, and between the ends of the adaptive
  // method's last step.
  void NotePeaks(double h, double v, double nx, double q);
  void RefinePeaks(const RunState& before);

  RunState state_;
  RunSummary summary_;

  // Sampling of the recording pass.
  double sampleInterval_ = 0.0;  // s
  int sampleIndex_ = 1;          // slot the next sample fills

  // State copies of the first pass: copy i holds the state after i * spacing steps.
  std::vector<RunState> checkpoints_;
  std::size_t checkpointCount_ = 0;
  long long checkpointSpacing_ = 1;
  long long cursorStep_ = 0;  // steps taken by state_ in the recording pass
  bool keepCopies_ = true;
  RunSettings settings_;
  ModelFault fault_ = ModelFault::None;
  FlightModel model_;  // the constants of the pass, for RK4 and the adaptive method
  std::unique_ptr<AdaptiveFlight> adaptive_;
  bool landed_ = false;  // the adaptive method's flight has ended
  // Peaks of the first pass over the whole flight, at the steps' ends.
  double peakAltitude_ = 0.0, peakSpeed_ = 0.0, peakNx_ = 0.0, peakQ_ = 0.0;
  // The check the last diverged step failed: the state left the numbers, or the step was
  // too large for the dynamics by its own measure (energy made, a turn it cannot follow).
  enum class Trip { Numbers, Step } tripped_ = Trip::Numbers;
};

// The curve list a run leaves for its first chart.
struct CurveSelection {
  std::array<int, kCurveListSize> list{};
  int count = 0;
};
CurveSelection DefaultCurves(VehicleClass vehicleClass);

}  // namespace zarv
