#include "trajectory/flight_deviation.h"

#include <algorithm>
#include <cmath>

#include "trajectory/log_units.h"

namespace zarv {
namespace {

// A run's row over time in recorded units, slot by slot.
struct RunSeries {
  std::vector<double> times, values;

  RunSeries(const TrajectoryLog& log, int r) {
    const double timeUnit = LogRowUnitSize(row::kTime, log.units);
    const double unit = LogRowUnitSize(r, log.units);
    for (int j = 1; j <= kSampleCapacity; ++j) {
      times.push_back(log.at(row::kTime, j) * timeUnit);
      values.push_back(log.at(r, j) * unit);
    }
  }
  bool Covers(double t) const { return t >= times.front() && t <= times.back(); }
  // Linear between the samples around t; a run's time never goes back, but a short run
  // holds its last sample, so equal times are passed over.
  double At(double t) const {
    const auto after = std::upper_bound(times.begin(), times.end(), t);
    if (after == times.end()) return values.back();
    const std::size_t k = static_cast<std::size_t>(after - times.begin());
    if (k == 0) return values.front();
    const double t0 = times[k - 1], t1 = times[k];
    return values[k - 1] + (values[k] - values[k - 1]) * (t - t0) / (t1 - t0);
  }
};

void KeepLarger(double value, double at, double& peak, double& peakAt, bool& first) {
  if (first || std::abs(value) > std::abs(peak)) {
    peak = value;
    peakAt = at;
  }
  first = false;
}

}  // namespace

std::vector<QuantityDeviation> DeviationFromMeasured(const TrajectoryLog& run, const MeasuredFlight& flight) {
  std::vector<QuantityDeviation> deviations;
  for (std::size_t c = 0; c < flight.columns.size(); ++c) {
    const MeasuredColumn& column = flight.columns[c];
    const RunSeries series(run, column.row);
    QuantityDeviation d;
    d.column = c;
    double sumOfSquares = 0.0;
    double from = 0.0, to = 0.0;
    bool firstLargest = true, firstPeak = true;
    for (std::size_t i = 0; i < flight.times.size(); ++i) {
      const double t = flight.times[i], measured = column.values[i];
      if (std::isnan(measured)) continue;
      ++d.measured;
      if (!series.Covers(t)) continue;
      if (d.compared++ == 0) from = t;
      to = t;
      const double deviation = series.At(t) - measured;
      sumOfSquares += deviation * deviation;
      KeepLarger(deviation, t, d.largest, d.largestAt, firstLargest);
      KeepLarger(measured, t, d.measuredPeak, d.measuredPeakAt, firstPeak);
    }
    if (d.compared > 0) {
      d.rms = std::sqrt(sumOfSquares / d.compared);
      bool first = true;
      KeepLarger(series.At(from), from, d.runPeak, d.runPeakAt, first);
      for (std::size_t j = 0; j < series.times.size(); ++j) {
        if (series.times[j] > from && series.times[j] < to)
          KeepLarger(series.values[j], series.times[j], d.runPeak, d.runPeakAt, first);
      }
      KeepLarger(series.At(to), to, d.runPeak, d.runPeakAt, first);
    }
    deviations.push_back(d);
  }
  return deviations;
}

}  // namespace zarv
