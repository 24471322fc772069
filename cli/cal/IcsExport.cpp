#include "IcsExport.h"

#include <cstdio>
#include <map>

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

std::string IcsCalendar(const std::vector<Occasion>& occasions, std::int64_t stamp,
                        std::string_view product) {
    std::string text = IcsFold("BEGIN:VCALENDAR") + IcsFold("VERSION:2.0") +
                       IcsFold("PRODID:-//Tarvand//" + std::string(product) + "//EN") +
                       IcsFold("CALSCALE:GREGORIAN") + IcsFold("X-WR-CALNAME:Tarvand");
    char dtstamp[32];
    const std::time_t seconds = stamp;
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    std::strftime(dtstamp, sizeof dtstamp, "%Y%m%dT%H%M%SZ", &utc);
    // The turn of each occasion in its Solar year: a lunar holiday can come twice in one.
    std::map<std::string, int> turns;
    for (const Occasion& occasion : occasions) {
        const bool holiday = IsHoliday(occasion);
        const std::string key =
            holiday ? "holiday-" + Slug(occasion.english) : "event-" + TextHash(occasion.persian);
        const std::string year = std::to_string(ToSolarFields(occasion.day)->year);
        const int turn = ++turns[key + "-" + year];
        std::string summary = occasion.persian;
        std::string description =
            holiday ? occasion.english +
                          (occasion.estimated
                               ? "\nEstimated: the Hijri month's start is predicted from the new "
                                 "crescent's visibility in Iran; Iran announces the day when the "
                                 "crescent is seen."
                               : "")
                    : "";
        text += IcsFold("BEGIN:VEVENT");
        text += IcsFold("UID:" + key + "-" + year + "-" + std::to_string(turn) + "@tarvand");
        text += IcsFold(std::string("DTSTAMP:") + dtstamp);
        text += IcsFold("DTSTART;VALUE=DATE:" + IcsDate(occasion.day));
        text += IcsFold("DTEND;VALUE=DATE:" + IcsDate(occasion.day + 1));
        text += IcsFold("SUMMARY:" + IcsText(summary));
        if (!description.empty()) {
            text += IcsFold("DESCRIPTION:" + IcsText(description));
        }
        text += IcsFold(std::string("CATEGORIES:") + (holiday ? "Holiday" : "Event"));
        text += IcsFold(std::string("STATUS:") + (occasion.estimated ? "TENTATIVE" : "CONFIRMED"));
        text += IcsFold("TRANSP:TRANSPARENT");
        text += IcsFold("END:VEVENT");
    }
    return text + IcsFold("END:VCALENDAR");
}

}  // namespace tarvand
