#include "TimeOfDayNames.h"

#include "Messages.h"

namespace tarvand {

const std::array<const char*, TimesOfDayCount> TimeOfDayNames{
    N_("Fajr"), N_("Sunrise"), N_("Dhuhr"), N_("Sunset"), N_("Maghrib"), N_("Midnight")};

}  // namespace tarvand
