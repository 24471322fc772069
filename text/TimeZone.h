// Moments and the zone they are shown in: TZ or the system's zone through the C library, or UTC.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace tarvand {

// A moment: seconds since 1970-01-01 00:00 UTC, and nanoseconds after that second.
struct Instant {
    std::int64_t seconds = 0;
    int nanosecond = 0;  // 0 to 999,999,999
};

// A moment as a wall clock in a zone shows it.
struct WallTime {
    std::int64_t year = 0;      // the Gregorian year, which may be past chrono's
    std::chrono::sys_days day;  // the date, as a day count; set only when the year is within ±32767
    int secondOfDay = 0;        // 0 to 86,399; a leap second is counted as its minute's 59th
    bool leapSecond = false;    // the 60th second of a minute, in a zone that counts them
    int offset = 0;             // seconds east of UTC
    std::string_view zone;      // the zone's abbreviation, valid until the zone changes

    // The second the clock shows, 0 to 60.
    int Second() const { return secondOfDay % 60 + (leapSecond ? 1 : 0); }
};

// The zone times are shown in: UTC, or the local zone of the C library (TZ, or /etc/localtime).
class TimeZone {
public:
    // Takes whether UTC was asked for and the value of TZ (nothing when unset); returns the zone,
    // or why TZ names no zone: a TZ that is neither a zone file nor a POSIX rule is refused, where
    // the C library would quietly use UTC.
    static std::variant<TimeZone, std::string> Choose(bool utc, const char* tz);

    // Takes a moment; returns the wall time the zone shows then, or nothing when the C library
    // cannot say (a year past an int).
    std::optional<WallTime> ToWall(Instant moment) const;

    // Takes a date, a time of day in seconds 0 to 86,399 and the nanosecond; returns the moment the
    // zone's wall clock shows them: the first of two when the clocks went back (mktime's choice,
    // and so GNU date's, differs from zone to zone), and a time they skipped moved forward as far
    // as they jumped (a whole day in Pacific/Apia on 2011-12-30). Nothing when it cannot say. With
    // leapSecond, the time was written with second 60, counted in secondOfDay as the next minute:
    // in a zone that counts leap seconds it is the leap second itself where there is one.
    std::optional<Instant> FromWall(std::chrono::sys_days day, int secondOfDay, int nanosecond,
                                    bool leapSecond = false) const;

    // Takes seconds from 1970 as UTC's clock shows them (without leap seconds) and whether they
    // name a leap second, as FromWall; returns the zone's moment then, later by the leap seconds so
    // far in a zone that counts them.
    std::int64_t FromUtc(std::int64_t seconds, bool leapSecond = false) const;

private:
    explicit TimeZone(bool utc) : utc_(utc) {}

    // Takes the path of the zone's compiled file; when its rule past its last change of offset is
    // a fixed offset, keeps that offset and the moment from which it holds. Notes whether the zone
    // counts leap seconds.
    void ReadFixedTail(const std::string& path);

    // Takes a moment found by offsets alone, the time it was found from as seconds from 1970 on a
    // clock without leap seconds (the zone's wall clock, or UTC's with utc), and whether a leap
    // second was asked for; returns the moment at which the clock shows that time, which in a
    // zone that counts leap seconds (right/...) is later by the leap seconds so far.
    std::int64_t WithLeapSeconds(std::int64_t moment, std::int64_t wall, bool leapSecond,
                                 bool utc) const;

    // Takes a moment, an offset and an abbreviation; returns the wall time at that offset.
    static WallTime AtOffset(Instant moment, int offset, std::string_view zone);

    bool utc_;
    bool leapSeconds_ = false;  // the zone's moments count leap seconds
    // From fixedFrom_ on, the C library's answer is fixedOffset_ and fixedZone_: it would
    // otherwise read the file's closing rule again for every moment.
    std::int64_t fixedFrom_ = INT64_MAX;
    int fixedOffset_ = 0;
    std::string fixedZone_;
};

}  // namespace tarvand
