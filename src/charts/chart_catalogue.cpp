#include "charts/chart_catalogue.h"

#include <algorithm>

#include "trajectory/trajectory_run.h"

namespace zarv {

namespace {

// The chart buttons of the calculation window; list: abscissa row, then the curve rows.
//  object name   caption               count  list
constexpr ChartEntry kCatalogue[] = {
    {"Button22",  "V, H = f (t)",       4,     {0, 3, 1}},
    {"Button27",  "V = f (t)",          3,     {0, 1}},
    {"Button3",   "H = f (t)",          3,     {0, 3}},
    {"Button2",   "V, H = f (x)",       4,     {7, 3, 1}},
    {"Button4",   "nx = f (t)",         3,     {0, 9}},
    {"Button6",   "ny = f (t)",         3,     {0, 10}},
    {"Button7",   "g = f (t)",          3,     {0, 2}},
    {"Button8",   "Q = f(t)",           3,     {0, 4}},
    {"Button9",   "H,V,Q,q,nx",         7,     {7, 3, 1, 4, 2, 9}},
    {"Button10",  "H,V,Q,q,nx",         7,     {0, 3, 1, 4, 2, 9}},
    {"Button11",  "H,V,Q,nx,ny ",       7,     {0, 3, 9, 10, 4, 1}},
    {"Button12",  "W=f(t)",             3,     {0, 21}},
    {"Button14",  "A=f(t)",             3,     {0, 22}},
    {"ButtonP",   "H,V,Q,P,m,T",        8,     {0, 3, 1, 4, 15, 16, 17}},
    {"ButtonCya", "H,Ma,cya,cx",        6,     {0, 3, 23, 25, 21}},
    {"Button15",  "V=f(H)",             3,     {1, 3}},
    {"Button18",  "H,V,A, A-mg",        6,     {0, 3, 1, 12, 11}},
    {"Button17",  "H,V,Q,q,qo,nx",      8,     {0, 3, 1, 4, 2, 9, 14}},
};

}  // namespace

std::span<const ChartEntry> ChartCatalogue() { return kCatalogue; }

const ChartEntry* FindChart(std::string_view objectName) {
  const auto it = std::find_if(std::begin(kCatalogue), std::end(kCatalogue),
                               [objectName](const ChartEntry& e) { return objectName == e.objectName; });
  return it == std::end(kCatalogue) ? nullptr : &*it;
}

ChartEntry DefaultChart(VehicleClass vehicleClass) {
  const CurveSelection selection = DefaultCurves(vehicleClass);
  return ChartEntry{"default", "", selection.count, selection.list};
}

}  // namespace zarv
