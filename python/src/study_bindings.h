#pragma once

#include <pybind11/pybind11.h>

namespace zarv {

// zarv._zarv.StudyPlan: a study's design around a flight, run whole on every core or a
// range of its cases at a time (a chunk an executor runs), its summary and its table.
void BindStudy(pybind11::module_& m);

}  // namespace zarv
