// The list of holidays and events under the grid.
#pragma once

#include <string>
#include <vector>

#include "MonthGrid.h"
#include "calendar/Occasion.h"

namespace tarvand {

// Takes occasions and the style; returns them one a line, as " 1 Farvardin  Nowruz": the day, the
// month, and the name (English, or Persian in the Persian style) or the event's text, with " *"
// after a holiday that is estimated and, when one is, a last line that says so ("* estimated").
// In colour, holidays are red, as in the grid.
std::string OccasionList(const std::vector<Occasion>& occasions, const GridStyle& style);

}  // namespace tarvand
