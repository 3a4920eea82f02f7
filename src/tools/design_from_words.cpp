#include "tools/design_from_words.h"

#include <optional>
#include <utility>
#include <vector>

namespace zarv {

WordsDesign DesignFromWords(std::span<const std::string> sweepTexts, std::span<const std::string> varyTexts,
                            std::uint64_t count, std::uint64_t seed, const RunInputs& inputs) {
  WordsDesign made;
  if (!sweepTexts.empty()) {
    std::vector<Sweep> sweeps;
    for (const std::string& text : sweepTexts) {
      std::optional<Sweep> s = ParseSweep(text, made.error);
      if (!s) return made;
      sweeps.push_back(std::move(*s));
    }
    made.firstSweepSize = sweeps.front().size();
    made.design = MakeSweepGrid(std::move(sweeps), made.error);
  } else {
    std::vector<Variation> variations;
    std::vector<double> bases;
    for (const std::string& text : varyTexts) {
      std::optional<Variation> v = ParseVariation(text, made.error);
      if (!v) return made;
      const double* base = RunInputByName(inputs, v->name.c_str());
      bases.push_back(base != nullptr ? *base : 0.0);
      variations.push_back(std::move(*v));
    }
    made.design = MakeMonteCarlo(std::move(variations), std::move(bases), count, seed, made.error);
  }
  if (!made.design) return made;
  for (const std::string& name : made.design->names()) {
    if (RunInputByName(inputs, name.c_str()) == nullptr) {
      made.unknownInput = name;
      made.design.reset();
      break;
    }
  }
  return made;
}

}  // namespace zarv
