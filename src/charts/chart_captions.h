#pragma once

#include <vector>

#include "texts/language.h"
#include "trajectory/trajectory_log.h"

namespace zarv {

// One caption text and where it goes, relative to the caption point of its axis.
struct PlacedCaption {
  const char* text;  // UTF-8
  int dx = 0;
  int dy = 0;
};

// Caption under the abscissa, or nullptr for a row without one.
const char* AbscissaCaption(int row, const UnitFlags& units, Language language);

// Captions of a positive axis (empty for a row without one); the heat flux adds the
// square of its metre as a second text.
std::vector<PlacedCaption> PositiveAxisCaption(int row, const UnitFlags& units,
                                               Language language, bool firstCurve);

// Caption of a signed axis; text nullptr for a row without one.
PlacedCaption SignedAxisCaption(int row, const UnitFlags& units, Language language);

// How a row's curve is marked.
struct MarkerStyle {
  int row;
  int legendShape, legendSize;
  int curveShape, curveSize;
  int intervalOffset;  // added to rnd(sqrt(500)) = 22 samples
};

// The marker style of a row, or nullptr for an unmarked row.
const MarkerStyle* FindMarkerStyle(int row);

// Every K-th drawn sample of the row carries a curve marker; 0 for an unmarked row.
int MarkerInterval(int row);

}  // namespace zarv
