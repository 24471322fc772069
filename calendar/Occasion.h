// Days that are more than dates: Iran's official holidays and the user's own events.
#pragma once

#include <string>

#include "DateValue.h"

namespace tarvand {

// One occasion on one day.
struct Occasion {
    enum class Kind {
        Solar,    // an official holiday fixed in the Solar Hijri calendar
        Lunar,    // an official holiday fixed in the Hijri lunar calendar
        Special,  // an official holiday declared once
        Event,    // the user's own
    };
    DateValue day = 0;
    Kind kind = Kind::Solar;
    bool estimated = false;  // a lunar holiday computed ahead, not yet announced
    std::string english;     // the name in English; empty for the user's events
    std::string persian;     // the name in Persian, or the event's text as the user wrote it
};

// Takes an occasion; returns true when it is an official holiday (not the user's own event).
inline bool IsHoliday(const Occasion& occasion) { return occasion.kind != Occasion::Kind::Event; }

}  // namespace tarvand
