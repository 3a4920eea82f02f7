#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <variant>

#include "scenario/flight.h"
#include "trajectory/file_writer.h"
#include "trajectory/input_check.h"

namespace zarv {

// A flight file: TOML, one flight, written and read by people too.
inline constexpr int kFlightFormat = 1;  // the newest format this version reads and writes
inline constexpr const char* kFlightSuffix = ".zarv";
inline constexpr std::size_t kMaxFlightFileBytes = 1 << 20;  // bytes; a flight is a few hundred

enum class FlightFileProblem {
  CannotRead,   // `error` holds the errno
  TooLarge,
  Syntax,       // `detail`: the TOML parser's description
  UnknownKey,   // `detail`: the keys the table takes
  NotOfClass,   // an input that a flight of its class does not have; `detail`: the class's
  MissingKey,
  WrongType,    // `detail`: string, number, integer or table
  NotAChoice,   // `detail`: the words it may be
  OutOfRange,   // `range`: the input check's verdict
  NewerFormat,  // `detail`: the format found
};

// Why a file is refused: where (line 0: the file as a whole) and which key ("inputs.dt0").
// The engine words nothing; texts/flight_file_messages.h does.
struct FlightFileError {
  FlightFileProblem problem = FlightFileProblem::Syntax;
  std::string file;
  int line = 0;
  std::string key;
  std::string detail;
  InputError range{};
  int error = 0;
};

using FlightRead = std::variant<Flight, FlightFileError>;

// The file's text: each key on its own line with its unit in a comment, numbers in the
// shortest form that reads back as the same double. Parsing that text gives the flight
// back, and formatting that gives the same text.
std::string FormatFlightFile(const Flight& flight);

// A flight from a file's text, or why not; all of it or nothing. `file` names it in errors.
FlightRead ParseFlightFile(std::string_view text, const std::string& file);
FlightRead ReadFlightFile(const std::filesystem::path& path);

// Through the one file writer.
FileWriteResult WriteFlightFile(const std::filesystem::path& path, const Flight& flight);

// The words a file uses for the classes, drag laws and Earth models; the integrators'
// are their IntegratorName.
const char* ClassWord(VehicleClass vehicleClass);
const char* DragWord(double aeroModel);
const char* EarthWord(EarthModel earth);

}  // namespace zarv
