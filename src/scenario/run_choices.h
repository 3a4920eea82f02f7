#pragma once

#include "trajectory/earth_model.h"

namespace zarv {

// How a run is made besides its inputs. Each choice is named in the run's label and its
// CSV, so a choice added here is one more line in each of them.
struct RunChoices {
  EarthModel earth = EarthModel::Flat;
};

}  // namespace zarv
