#include "scenario/flight_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>
#include <vector>

#include <toml++/toml.h>

namespace zarv {
namespace {

struct Word {
  const char* word;
  int code;
};
constexpr Word kClassWords[] = {{"projectile", 1}, {"parachute", 2}, {"balloon", 3},
                                {"glider", 5},     {"reentry", 7},   {"rocket", 8}};
constexpr Word kDragWords[] = {{"constant", 0}, {"titan2", 1}, {"a4", 2}};
constexpr Word kEarthWords[] = {{"flat", static_cast<int>(EarthModel::Flat)},
                                {"round", static_cast<int>(EarthModel::Round)}};
constexpr Word kIntegratorWords[] = {{"euler", static_cast<int>(Integrator::Euler)},
                                     {"rk4", static_cast<int>(Integrator::Rk4)},
                                     {"adaptive", static_cast<int>(Integrator::Adaptive)}};

constexpr std::size_t kCommentColumn = 26;  // characters

template <std::size_t N>
const char* WordOf(const Word (&words)[N], int code) {
  for (const Word& w : words) {
    if (w.code == code) return w.word;
  }
  return words[0].word;
}

template <std::size_t N>
std::optional<int> CodeOf(const Word (&words)[N], std::string_view word) {
  for (const Word& w : words) {
    if (word == w.word) return w.code;
  }
  return std::nullopt;
}

template <std::size_t N>
std::string WordList(const Word (&words)[N]) {
  std::string list;
  for (const Word& w : words) {
    if (!list.empty()) list += ", ";
    list += w.word;
  }
  return list;
}

// ---- Writing ----

// Shortest text that reads back as the same double, always a TOML float; plain digits
// unless the value is very small or large.
constexpr double kPlainFrom = 1e-5;
constexpr double kPlainBelow = 1e16;

std::string Number(double value) {
  char buffer[400];
  const double size = std::abs(value);
  const bool plain = size == 0.0 || (size >= kPlainFrom && size < kPlainBelow);
  const auto result = plain ? std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed)
                            : std::to_chars(buffer, buffer + sizeof buffer, value);
  std::string text(buffer, result.ptr);
  if (text.find_first_of(".en") == std::string::npos) text += ".0";
  return text;
}

// A TOML basic string; notes with line breaks keep them as lines of a multi-line one.
std::string Quoted(std::string_view text, bool multiline) {
  std::string out = multiline ? "\"\"\"\n" : "\"";
  for (const char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '\\') out += "\\\\";
    else if (c == '"') out += "\\\"";
    else if (c == '\n') out += multiline ? "\n" : "\\n";
    else if (c == '\t') out += "\\t";
    else if (c == '\r') out += "\\r";
    else if (u < 0x20 || u == 0x7f) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04X", u);
      out += escape;
    } else {
      out += c;
    }
  }
  return out + (multiline ? "\"\"\"" : "\"");
}

void Line(std::string& out, const std::string& assignment, std::string_view comment = {}) {
  out += assignment;
  if (!comment.empty()) {
    out.append(std::max<std::size_t>(2, kCommentColumn - std::min(kCommentColumn, assignment.size())), ' ');
    out += "# ";
    out += comment;
  }
  out += '\n';
}

// ---- Reading ----

int LineOf(const toml::source_region& source) { return static_cast<int>(source.begin.line); }

class Reader {
 public:
  explicit Reader(const std::string& file) : file_(file) {}

  void Refuse(FlightFileProblem problem, int line, std::string key, std::string detail = {},
              InputError range = {}) {
    errors_.push_back({problem, file_, line, std::move(key), std::move(detail), std::move(range), 0});
  }

  // Keys that are there come first, by line; keys that are missing after them.
  FlightFileError First() const {
    return *std::min_element(errors_.begin(), errors_.end(), [](const auto& a, const auto& b) {
      const bool aMissing = a.problem == FlightFileProblem::MissingKey;
      const bool bMissing = b.problem == FlightFileProblem::MissingKey;
      return aMissing != bMissing ? bMissing : a.line < b.line;
    });
  }
  bool ok() const { return errors_.empty(); }

  const toml::node* Get(const toml::table& table, std::string_view name, const std::string& key,
                        int tableLine) {
    const toml::node* node = table.get(name);
    if (node == nullptr) Refuse(FlightFileProblem::MissingKey, tableLine, key);
    return node;
  }

  std::optional<std::string> String(const toml::node& node, const std::string& key) {
    if (const auto* s = node.as_string()) return s->get();
    Refuse(FlightFileProblem::WrongType, LineOf(node.source()), key, "string");
    return std::nullopt;
  }

  std::optional<double> Number(const toml::node& node, const std::string& key) {
    if (const auto* f = node.as_floating_point()) return f->get();
    if (const auto* i = node.as_integer()) return static_cast<double>(i->get());
    Refuse(FlightFileProblem::WrongType, LineOf(node.source()), key, "number");
    return std::nullopt;
  }

  template <std::size_t N>
  std::optional<int> Choice(const toml::node& node, const std::string& key, const Word (&words)[N]) {
    const std::optional<std::string> word = String(node, key);
    if (!word) return std::nullopt;
    const std::optional<int> code = CodeOf(words, *word);
    if (!code) Refuse(FlightFileProblem::NotAChoice, LineOf(node.source()), key, WordList(words));
    return code;
  }

 private:
  const std::string& file_;
  std::vector<FlightFileError> errors_;
};

std::string Keys(std::initializer_list<std::string_view> first, std::span<const char* const> more = {}) {
  std::string list;
  const auto add = [&list](std::string_view k) {
    if (!list.empty()) list += ", ";
    list += k;
  };
  for (std::string_view k : first) add(k);
  for (const char* k : more) add(k);
  return list;
}

void ReadInputs(Reader& reader, const toml::table& inputs, int line, Flight& flight) {
  const VehicleClass cls = flight.vehicleClass;
  const auto names = FlightInputNames(cls);
  for (const auto& [name, node] : inputs) {
    const std::string key = "inputs." + std::string(name.str());
    const int at = LineOf(name.source());
    if (name == "drag") {
      if (const auto code = reader.Choice(node, key, kDragWords)) flight.inputs.AeroModel = *code;
    } else if (IsFlightInput(cls, name.str())) {
      const std::optional<double> value = reader.Number(node, key);
      if (!value) continue;
      if (auto problem = CheckInputValue(name.str(), *value, cls)) {
        reader.Refuse(FlightFileProblem::OutOfRange, at, key, {}, std::move(*problem));
      }
      *RunInputByName(flight.inputs, std::string(name.str()).c_str()) = *value;
    } else {
      // AeroModel is an input of every class, but a file names the drag law by a word.
      RunInputs probe;
      const bool input = RunInputByName(probe, std::string(name.str()).c_str()) != nullptr &&
                         name != "AeroModel";
      reader.Refuse(input ? FlightFileProblem::NotOfClass : FlightFileProblem::UnknownKey, at, key,
                    Keys({"drag"}, names));
    }
  }
  if (!inputs.contains("drag")) reader.Refuse(FlightFileProblem::MissingKey, line, "inputs.drag");
  for (const char* name : names) {
    if (!inputs.contains(name)) reader.Refuse(FlightFileProblem::MissingKey, line, std::string("inputs.") + name);
  }
}

void ReadRunOptions(Reader& reader, const toml::table& run, RunSettings& options) {
  for (const auto& [name, node] : run) {
    const std::string key = "run." + std::string(name.str());
    if (name == "earth") {
      if (const auto code = reader.Choice(node, key, kEarthWords)) options.earth = static_cast<EarthModel>(*code);
    } else if (name == "integrator") {
      if (const auto code = reader.Choice(node, key, kIntegratorWords)) {
        options.integrator = static_cast<Integrator>(*code);
      }
    } else if (name == "rtol" || name == "atol") {
      const std::optional<double> value = reader.Number(node, key);
      if (!value) continue;
      if (!std::isfinite(*value) || *value <= 0.0) {
        const InputProblem problem = std::isfinite(*value) ? InputProblem::NotPositive : InputProblem::NotFinite;
        reader.Refuse(FlightFileProblem::OutOfRange, LineOf(name.source()), key, {},
                      InputError{key, problem});
      }
      if (name == "rtol") options.rtol = *value;
      else options.atol = *value;
    } else {
      reader.Refuse(FlightFileProblem::UnknownKey, LineOf(name.source()), key,
                    Keys({"earth", "integrator", "rtol", "atol"}));
    }
  }
}

// The version and the class decide how the rest reads; a problem with them is the answer.
std::optional<FlightFileError> ReadHead(Reader& reader, const toml::table& doc, Flight& flight) {
  if (const toml::node* format = reader.Get(doc, "format", "format", 0)) {
    const auto* version = format->as_integer();
    const int line = LineOf(format->source());
    if (version == nullptr) {
      reader.Refuse(FlightFileProblem::WrongType, line, "format", "integer");
    } else if (version->get() > kFlightFormat) {
      reader.Refuse(FlightFileProblem::NewerFormat, line, "format", std::to_string(version->get()));
    } else if (version->get() < 1) {
      reader.Refuse(FlightFileProblem::OutOfRange, line, "format", {},
                    InputError{"format", InputProblem::OutOfRange, {}, 1.0, kFlightFormat});
    }
  }
  if (!reader.ok()) return reader.First();
  if (const toml::node* cls = reader.Get(doc, "class", "class", 0)) {
    if (const auto code = reader.Choice(*cls, "class", kClassWords)) {
      flight.vehicleClass = static_cast<VehicleClass>(*code);
    }
  }
  if (!reader.ok()) return reader.First();
  return std::nullopt;
}

FlightRead Parse(std::string_view text, const std::string& file) {
  Reader reader(file);
  toml::table doc;
  try {
    doc = toml::parse(text);
  } catch (const toml::parse_error& e) {
    reader.Refuse(FlightFileProblem::Syntax, LineOf(e.source()), {}, std::string(e.description()));
    return reader.First();
  }
  Flight flight;
  if (auto problem = ReadHead(reader, doc, flight)) return *problem;
  for (const auto& [name, node] : doc) {
    const std::string key(name.str());
    if (key == "name" || key == "notes" || key == "preset") {
      if (auto value = reader.String(node, key)) {
        (key == "name" ? flight.name : key == "notes" ? flight.notes : flight.preset) = std::move(*value);
      }
    } else if (key == "inputs" || key == "run") {
      const toml::table* table = node.as_table();
      if (table == nullptr) {
        reader.Refuse(FlightFileProblem::WrongType, LineOf(node.source()), key, "table");
      } else if (key == "inputs") {
        ReadInputs(reader, *table, LineOf(table->source()), flight);
      } else {
        ReadRunOptions(reader, *table, flight.run);
      }
    } else if (key != "format" && key != "class") {
      reader.Refuse(FlightFileProblem::UnknownKey, LineOf(name.source()), key,
                    Keys({"format", "class", "name", "preset", "notes", "inputs", "run"}));
    }
  }
  if (!doc.contains("inputs")) reader.Refuse(FlightFileProblem::MissingKey, 0, "inputs");
  if (!reader.ok()) return reader.First();
  return flight;
}

}  // namespace

const char* ClassWord(VehicleClass c) { return WordOf(kClassWords, static_cast<int>(c)); }
const char* DragWord(double aeroModel) { return WordOf(kDragWords, static_cast<int>(aeroModel)); }
const char* EarthWord(EarthModel earth) { return WordOf(kEarthWords, static_cast<int>(earth)); }

std::string FormatFlightFile(const Flight& flight) {
  std::string out = "# ZARV flight: a vehicle, its inputs and how to run it; SI units.\n";
  Line(out, "format = " + std::to_string(kFlightFormat));
  Line(out, "class = " + Quoted(ClassWord(flight.vehicleClass), false),
       "projectile, parachute, balloon, glider, reentry or rocket");
  Line(out, "name = " + Quoted(flight.name, false));
  Line(out, "preset = " + Quoted(flight.preset, false), "the preset it started from, for information");
  Line(out, "notes = " + Quoted(flight.notes, flight.notes.find('\n') != std::string::npos));

  out += "\n[inputs]\n";
  Line(out, "drag = " + Quoted(DragWord(flight.inputs.AeroModel), false),
       "constant (Cx as given), titan2 or a4 (Cx by Mach number)");
  for (const char* name : FlightInputNames(flight.vehicleClass)) {
    Line(out, std::string(name) + " = " + Number(*RunInputByName(flight.inputs, name)), FlightInputNote(name));
  }

  out += "\n[run]\n";
  Line(out, "earth = " + Quoted(EarthWord(flight.run.earth), false), "flat or round");
  Line(out, "integrator = " + Quoted(IntegratorName(flight.run.integrator), false),
       "euler, rk4 or adaptive");
  Line(out, "rtol = " + Number(flight.run.rtol), "relative tolerance of the adaptive integrator");
  if (flight.run.atol) {
    Line(out, "atol = " + Number(*flight.run.atol), "absolute tolerance of the adaptive integrator");
  } else {
    Line(out, "# atol = 1e-06", "left out: each state variable its own absolute tolerance");
  }
  return out;
}

FlightRead ParseFlightFile(std::string_view text, const std::string& file) {
  if (text.size() <= kMaxFlightFileBytes) return Parse(text, file);
  FlightFileError e;
  e.problem = FlightFileProblem::TooLarge;
  e.file = file;
  return e;
}

FlightRead ReadFlightFile(const std::filesystem::path& path) {
  const std::string file = path.string();
  const auto failed = [&file](int error) {
    FlightFileError e;
    e.problem = FlightFileProblem::CannotRead;
    e.file = file;
    e.error = error;
    return e;
  };
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return failed(errno);
  struct stat info {};
  if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
    const int error = S_ISDIR(info.st_mode) ? EISDIR : errno;
    ::close(fd);
    return failed(error);
  }
  // Read one byte past the limit, so an endless device is refused too.
  std::string text;
  char buffer[1 << 14];
  while (text.size() <= kMaxFlightFileBytes) {
    const ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      const int error = errno;
      ::close(fd);
      return failed(error);
    }
    if (n == 0) break;
    text.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(fd);
  return ParseFlightFile(text, file);
}

FileWriteResult WriteFlightFile(const std::filesystem::path& path, const Flight& flight) {
  return WriteWholeFile(path, FormatFlightFile(flight));
}

}  // namespace zarv
