#pragma once

#include <span>
#include <string>

#include "texts/language.h"
#include "trajectory/flight_deviation.h"
#include "trajectory/measured_flight.h"
#include "trajectory/run_data_problem.h"

namespace zarv {

// Why a file of run data was refused, naming the file, the line, the column and its
// heading where the problem is at one place.
std::string DescribeRunDataProblem(const RunDataProblem& problem, const std::string& file, Language language);

// The measured quantity with its meaning, e.g. "altitude".
std::string MeasuredQuantityName(MeasuredQuantity quantity, Language language);

// The deviation of the run from a measured flight as a table in the file's units: per
// quantity the points compared, RMS, the largest deviation and when, both peaks and
// their difference.
std::string FormatDeviationReport(const MeasuredFlight& flight, std::span<const QuantityDeviation> deviations,
                                  const std::string& flightName, const std::string& runName,
                                  Language language);

}  // namespace zarv
