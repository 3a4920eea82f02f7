#pragma once

#include <string>
#include <string_view>

namespace zarv {

// Why a file of run data or a measured flight was refused, and where: line and column count
// from 1, 0 where the problem is not at one place. The callers word it in their language.
struct RunDataProblem {
  enum class Kind {
    kUnreadable,         // the file cannot be read: `found` is the system's error number
    kEmpty,              // no heading
    kTooLarge,           // more bytes than a flight file may have (`expected`)
    kNoSamples,          // a heading without a line of values
    kNoTimeColumn,       // the heading names no time column
    kNoQuantity,         // besides time, no column of a quantity a run records
    kNoUnit,             // a quantity without its unit in brackets
    kUnknownUnit,        // `text` is not a unit of the column's quantity
    kSameQuantityTwice,  // a second column of one quantity
    kFieldCount,         // `found` fields on the line under `expected` headings
    kNotANumber,         // `text` is no finite number
    kTimeNotIncreasing,  // the time `text` is not after the line before
    kTooManySamples,     // a run's table holds more than `expected` sample lines
  };
  Kind kind = Kind::kEmpty;
  int line = 0;
  int column = 0;
  std::string heading;  // the column's heading as the file has it
  std::string text;     // the field or unit at fault
  std::string known;    // the units the column takes, ", " between them
  long long expected = 0;
  long long found = 0;
};

// A problem of `kind` at a place, with the column's heading and the text at fault.
inline RunDataProblem ProblemAt(RunDataProblem::Kind kind, int line, int column,
                                std::string_view heading = {}, std::string_view text = {}) {
  RunDataProblem problem;
  problem.kind = kind;
  problem.line = line;
  problem.column = column;
  problem.heading = std::string(heading);
  problem.text = std::string(text);
  return problem;
}

}  // namespace zarv
