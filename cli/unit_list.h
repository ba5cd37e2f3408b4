// The unit list that --list-units prints: each unit with what it is.
#pragma once

#include <string>

#include "engine/units.h"

namespace aiconvert {

// What a unit is, in the engine's words, with its size in the category's
// base unit ("mile, 1609.344 m"; a temperature scale by its words alone).
std::string DescribeUnit(const aiconv::UnitDef& row);

// One line per unit, grouped by category under a heading: the name (quoted
// when it has two words), then what it is, as a size in the category's base
// unit ("mi  mile, 1609.344 m") or, for temperatures, the scale. A non-empty
// filter keeps a category of that name, or the units whose name holds it
// (A-Z case ignored). `width` > 0 lays the units out in columns to fit it.
// Empty when the filter keeps nothing.
std::string UnitList(const std::string& filter, int width);

}  // namespace aiconvert
