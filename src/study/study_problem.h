#pragma once

#include <string>

namespace zarv {

// Why a study text (sweep, variation, shard) or a shard table was refused. The engine
// reports the code and the offending text; the batch runner words it.
enum class StudyProblem {
  NoEquals,             // "NAME=..." without '='
  NoName,               // nothing before '='
  NotANumber,           // a value that is not a finite number
  BadCount,             // a count that is not a whole number >= 1
  EmptyList,            // "NAME=" or an empty item in "V1,,V3"
  UnknownDistribution,  // not normal:SD or uniform:LO:HI
  NegativeSpread,       // SD below 0
  EmptyInterval,        // uniform LO above HI
  RepeatedName,         // the same input swept or varied twice
  TooManyCases,         // the grid has more cases than a 64-bit index counts
  BadShard,             // not I/N with 0 <= I < N
  HeaderMismatch,       // a shard table whose head differs from the first one's
  BadRow,               // a row that does not parse
  IndexOutOfOrder,      // a shard table whose case indices do not grow
  RepeatedIndex,        // the same case in two tables
  CannotRead,           // a table that cannot be opened
  NotATable,            // a file without a study table's header (an empty one, say)
  CutShort,             // a table whose last line has no end: the writer was cut off
};

struct StudyError {
  StudyProblem problem;
  std::string text;  // the offending text (or file and line for tables)
};

}  // namespace zarv
