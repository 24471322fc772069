#include "IcsExport.h"

#include <cstdio>
#include <map>
#include <optional>

#include "calendar/LunarHolidayList.h"
#include "calendar/ToSolarDate.h"

namespace tarvand {

namespace {

// The most octets of a content line, CR LF not counted.
constexpr std::size_t LineOctets = 75;

// Takes text; returns a 64-bit FNV-1a hash of it, in hexadecimal: an event's text in its UID.
std::string TextHash(std::string_view text) {
    std::uint64_t hash = 14695981039346656037u;
    for (const char c : text) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211u;
    }
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(hash));
    return hex;
}

// Takes an English name; returns it for a UID: lower-case letters and digits, a hyphen between.
std::string Slug(std::string_view name) {
    std::string slug;
    for (const char c : name) {
        const bool letter = (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        if (letter || (c >= 'A' && c <= 'Z')) {
            slug += letter ? c : static_cast<char>(c - 'A' + 'a');
        } else if (!slug.empty() && slug.back() != '-') {
            slug += '-';
        }
    }
    while (slug.ends_with('-')) {
        slug.pop_back();
    }
    return slug;
}

// Takes a day; returns its Gregorian date as an iCalendar DATE, YYYYMMDD.
std::string IcsDate(DateValue day) {
    const auto date = ToCivilDate(day);
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02u%02u", int{date.year()}, unsigned{date.month()},
                  unsigned{date.day()});
    return text;
}

// Takes an occasion and the Hijri calendar; returns its UID, from what it is and never from its
// place among the others: a holiday by its name (its English one, with a hash of it where a file
// gave the name, or a hash of its Persian one) and its year, Hijri for a lunar one and Solar for a
// Solar one, or its day for one declared once; an event by a hash of its text and its Solar day.
std::string Uid(const Occasion& occasion, const HijriCalendar& hijri) {
    const SolarDate solar = *ToSolarFields(occasion.day);
    char day[16];
    std::snprintf(day, sizeof day, "%04d%02d%02d", solar.year, solar.month, solar.day);
    if (!IsHoliday(occasion)) {
        return "event-" + TextHash(occasion.persian) + "-" + day;
    }
    // A name of a file's own, which may reduce to the same slug as another ("A, B" and "A-B"),
    // carries a hash of its whole text too.
    const std::string slug = Slug(occasion.english);
    const std::string name =
        "holiday-" + (slug.empty() ? TextHash(occasion.persian)
                      : IsOwnHolidayName(occasion.english)
                          ? slug
                          : slug + "-" + TextHash(occasion.english).substr(0, 8));
    switch (occasion.kind) {
        case Occasion::Kind::Lunar:
            if (const auto date = hijri.ToHijri(occasion.day)) {
                return name + "-h" + std::to_string(date->year);
            }
            return name + "-" + std::to_string(solar.year);
        case Occasion::Kind::Special:
            return name + "-" + day;
        default:
            return name + "-" + std::to_string(solar.year);
    }
}

// Takes a lunar holiday and the Hijri calendar; returns the day it falls on by its Hijri day, or
// nothing for a name the list does not hold.
std::optional<DateValue> HijriDay(const Occasion& holiday, const HijriCalendar& hijri) {
    const auto date = hijri.ToHijri(holiday.day);
    for (const LunarHoliday& listed : LunarHolidayList) {
        if (listed.english == holiday.english && date) {
            return hijri.FromHijri(date->year, listed.month, listed.day);
        }
    }
    return std::nullopt;
}

// Takes the occasions and the Hijri calendar; returns their UIDs. The same occasion twice (a
// file's line added beside it, or a duplicate) keeps its UID where it stands on its own day (a
// lunar holiday on its Hijri day) or else the first; the others add their day, and a count if
// they still meet.
std::vector<std::string> Uids(const std::vector<Occasion>& occasions, const HijriCalendar& hijri) {
    std::vector<std::string> uids;
    std::map<std::string, std::vector<std::size_t>> same;
    for (std::size_t i = 0; i < occasions.size(); ++i) {
        uids.push_back(Uid(occasions[i], hijri));
        same[uids.back()].push_back(i);
    }
    std::map<std::string, int> seen;
    for (const auto& [uid, group] : same) {
        if (group.size() < 2) {
            continue;
        }
        std::size_t keeper = group.front();
        for (const std::size_t i : group) {
            const Occasion& occasion = occasions[i];
            if (occasion.kind == Occasion::Kind::Lunar &&
                HijriDay(occasion, hijri) == occasion.day) {
                keeper = i;
                break;
            }
        }
        for (const std::size_t i : group) {
            if (i != keeper) {
                uids[i] += "-" + IcsDate(occasions[i].day);
                if (const int again = seen[uids[i]]++; again > 0) {
                    uids[i] += "-" + std::to_string(again + 1);
                }
            }
        }
    }
    return uids;
}

}  // namespace

std::string IcsText(std::string_view text) {
    std::string escaped;
    for (const char c : text) {
        if (c == '\\' || c == ';' || c == ',') {
            escaped += '\\';
            escaped += c;
        } else if (c == '\n') {
            escaped += "\\n";
        } else if (c != '\r') {
            escaped += c;
        }
    }
    return escaped;
}

std::string IcsFold(std::string_view line) {
    std::string folded;
    std::size_t octets = 0;
    for (std::size_t i = 0; i < line.size();) {
        std::size_t length = 1;  // the whole UTF-8 character
        while (i + length < line.size() &&
               (static_cast<unsigned char>(line[i + length]) & 0xC0) == 0x80) {
            ++length;
        }
        if (octets + length > LineOctets) {
            folded += "\r\n ";
            octets = 1;
        }
        folded.append(line.substr(i, length));
        octets += length;
        i += length;
    }
    return folded + "\r\n";
}

namespace {

// Takes an occasion, its UID and the export's stamp; returns its VEVENT.
std::string IcsEvent(const Occasion& occasion, std::string_view uid, std::string_view dtstamp) {
    const bool holiday = IsHoliday(occasion);
    const std::string description =
        holiday ? occasion.english +
                      (occasion.estimated
                           ? "\nEstimated: the Hijri month's start is predicted from the new "
                             "crescent's visibility in Iran; Iran announces the day when the "
                             "crescent is seen."
                           : "")
                : "";
    std::string text = IcsFold("BEGIN:VEVENT");
    text += IcsFold("UID:" + std::string(uid) + "@tarvand");
    text += IcsFold("DTSTAMP:" + std::string(dtstamp));
    text += IcsFold("DTSTART;VALUE=DATE:" + IcsDate(occasion.day));
    text += IcsFold("DTEND;VALUE=DATE:" + IcsDate(occasion.day + 1));
    text += IcsFold("SUMMARY:" + IcsText(occasion.persian));
    if (!description.empty()) {
        text += IcsFold("DESCRIPTION:" + IcsText(description));
    }
    text += IcsFold(std::string("CATEGORIES:") + (holiday ? "Holiday" : "Event"));
    text += IcsFold(std::string("STATUS:") + (occasion.estimated ? "TENTATIVE" : "CONFIRMED"));
    text += IcsFold("TRANSP:TRANSPARENT");
    text += IcsFold("END:VEVENT");
    return text;
}

}  // namespace

void WriteIcsCalendar(const OccasionBook* book, DateValue first, DateValue last, std::int64_t stamp,
                      std::string_view product, const HijriCalendar& hijri,
                      const std::function<bool(std::string_view)>& write) {
    if (!write(IcsFold("BEGIN:VCALENDAR") + IcsFold("VERSION:2.0") +
               IcsFold("PRODID:-//Tarvand//" + std::string(product) + "//EN") +
               IcsFold("CALSCALE:GREGORIAN") + IcsFold("X-WR-CALNAME:Tarvand"))) {
        return;
    }
    char dtstamp[32];
    const std::time_t seconds = stamp;
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    std::strftime(dtstamp, sizeof dtstamp, "%Y%m%dT%H%M%SZ", &utc);
    if (book != nullptr) {
        // The holidays of the whole span at once (a few dozen a year), since one of them may
        // meet its like across a new year; a holiday's UID never meets an event's.
        const std::vector<Occasion> holidays = book->Between(first, last, false);
        const std::vector<std::string> holidayUids = Uids(holidays, hijri);
        std::size_t next = 0;  // the next holiday to write
        const int lastYear = ToSolarFields(last)->year;
        for (int year = ToSolarFields(first)->year; year <= lastYear; ++year) {
            const DateValue yearLast =
                year < lastYear ? std::min(last, *FromSolarDate(year + 1, 1, 1) - 1) : last;
            const std::vector<Occasion> events =
                book->EventsBetween(std::max(first, *FromSolarDate(year, 1, 1)), yearLast);
            const std::vector<std::string> eventUids = Uids(events, hijri);
            // Each day's holidays, then its events.
            for (std::size_t e = 0; e <= events.size(); ++e) {
                const DateValue until = e < events.size() ? events[e].day : yearLast;
                while (next < holidays.size() && holidays[next].day <= until) {
                    if (!write(IcsEvent(holidays[next], holidayUids[next], dtstamp))) {
                        return;
                    }
                    ++next;
                }
                if (e < events.size() && !write(IcsEvent(events[e], eventUids[e], dtstamp))) {
                    return;
                }
            }
        }
    }
    write(IcsFold("END:VCALENDAR"));
}

}  // namespace tarvand
