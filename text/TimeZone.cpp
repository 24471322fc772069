#include "TimeZone.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <ctime>

#include "Messages.h"
#include "Quote.h"

namespace tarvand {

using namespace std::chrono;

namespace {

constexpr std::int64_t SecondsPerDay = 86400;

// Takes TZ's text without a leading ':'; returns the path of the zone file it names, as the C
// library looks for it: a relative name in TZDIR, or in /usr/share/zoneinfo.
std::string ZoneFilePath(std::string_view name) {
    std::string path(name);
    if (!name.starts_with('/')) {
        const char* dir = std::getenv("TZDIR");
        path = std::string(dir && *dir ? dir : "/usr/share/zoneinfo") + '/' + path;
    }
    return path;
}

// Takes TZ's text without a leading ':'; returns true when it names a file that starts as a
// compiled zone file does ("TZif").
bool NamesZoneFile(std::string_view name) {
    if (name.empty()) {
        return false;
    }
    const std::string path = ZoneFilePath(name);
    // Not blocking: a TZ naming a pipe or a terminal must not hold the program up.
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return false;
    }
    struct stat status {};
    char magic[4] = {};
    const bool zone = fstat(fd, &status) == 0 && S_ISREG(status.st_mode) &&
                      read(fd, magic, sizeof magic) == 4 && std::string_view(magic, 4) == "TZif";
    close(fd);
    return zone;
}

// Reads a POSIX TZ rule's parts from the front of a text, each taking what it reads.
class RuleReader {
public:
    explicit RuleReader(std::string_view text) : text_(text) {}

    bool AtEnd() const { return text_.empty(); }
    bool Take(char c) {
        const bool there = !text_.empty() && text_.front() == c;
        text_.remove_prefix(there ? 1 : 0);
        return there;
    }

    // A zone name: three or more letters, or <...> of letters, digits, + and -.
    bool Name() {
        std::size_t n = 0;
        if (Take('<')) {
            while (n < text_.size() &&
                   (std::isalnum(Byte(n)) || text_[n] == '+' || text_[n] == '-')) {
                ++n;
            }
            const bool closed = n < text_.size() && text_[n] == '>';
            text_.remove_prefix(closed ? n + 1 : 0);
            return closed && n >= 3;
        }
        while (n < text_.size() && std::isalpha(Byte(n))) {
            ++n;
        }
        text_.remove_prefix(n);
        return n >= 3;
    }

    // A number of one to `digits` digits up to `most`, kept in *number when asked.
    bool Number(int most, std::size_t digits = 3, int* number = nullptr) {
        std::size_t n = 0;
        int value = 0;
        while (n < text_.size() && n < digits && std::isdigit(Byte(n))) {
            value = value * 10 + (text_[n++] - '0');
        }
        text_.remove_prefix(n);
        if (number != nullptr) {
            *number = value;
        }
        return n > 0 && value <= most;
    }

    // A signed time, [+-]hh[:mm[:ss]], its hours up to `hours`; sets seconds to its value.
    bool Time(int hours, int* seconds = nullptr) {
        const bool negative = Take('-');
        if (!negative) {
            Take('+');
        }
        int h = 0, m = 0, s = 0;
        const bool time = Number(hours, 3, &h) &&
                          (!Take(':') || (Number(59, 2, &m) && (!Take(':') || Number(59, 2, &s))));
        if (seconds != nullptr) {
            *seconds = (negative ? -1 : 1) * (h * 3600 + m * 60 + s);
        }
        return time;
    }

    // A zone name, as Name(), set to what it holds.
    bool Name(std::string& name) {
        const std::string_view before = text_;
        const bool read = Name();
        name = before.substr(0, before.size() - text_.size());
        if (name.starts_with('<')) {
            name = name.substr(1, name.size() - 2);
        }
        return read;
    }

    // A day of a rule: Jn, n or Mm.w.d, and an optional /time.
    bool Day() {
        bool day = false;
        if (Take('J')) {
            day = Number(365);
        } else if (Take('M')) {
            day = Number(12, 2) && Take('.') && Number(5, 1) && Take('.') && Number(6, 1);
        } else {
            day = Number(365);
        }
        return day && (!Take('/') || Time(167));
    }

private:
    unsigned char Byte(std::size_t i) const { return static_cast<unsigned char>(text_[i]); }
    std::string_view text_;
};

// Takes TZ's text; returns true when it is a POSIX rule: std offset [dst [offset] [,start,end]].
bool IsPosixRule(std::string_view text) {
    RuleReader rule(text);
    if (!rule.Name() || !rule.Time(24)) {
        return false;
    }
    if (rule.AtEnd()) {
        return true;
    }
    if (!rule.Name()) {
        return false;
    }
    if (rule.AtEnd()) {
        return true;
    }
    if (!rule.Take(',')) {  // the summer offset, then the rule
        if (!rule.Time(24) || (!rule.AtEnd() && !rule.Take(','))) {
            return false;
        }
        if (rule.AtEnd()) {
            return true;
        }
    }
    return rule.Day() && rule.Take(',') && rule.Day() && rule.AtEnd();
}

// Takes four or eight bytes; returns the big-endian number they hold.
std::int64_t BigEndian(const unsigned char* bytes, int size) {
    std::uint64_t value = 0;
    for (int i = 0; i < size; ++i) {
        value = value << 8 | bytes[i];
    }
    return size == 4 ? std::int64_t{static_cast<std::int32_t>(value)}
                     : static_cast<std::int64_t>(value);
}

// Takes a file; returns all its bytes up to a size no zone file reaches, or nothing.
std::optional<std::string> ReadSmallFile(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    struct stat status {};
    if (fd < 0 || fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) ||
        status.st_size > 256 * 1024) {
        if (fd >= 0) {
            close(fd);
        }
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(status.st_size), '\0');
    std::size_t size = 0;
    for (ssize_t n = 0;
         size < bytes.size() && (n = read(fd, bytes.data() + size, bytes.size() - size)) > 0;) {
        size += static_cast<std::size_t>(n);
    }
    close(fd);
    bytes.resize(size);
    return bytes;
}

}  // namespace

void TimeZone::ReadFixedTail(const std::string& path) {
    // A compiled zone file, version 2 on: a header and block of 32-bit data, a header and block of
    // 64-bit data, then the closing rule as a TZ string between newlines.
    const auto file = ReadSmallFile(path);
    constexpr std::size_t Header = 44;
    if (!file || file->size() < Header || file->compare(0, 4, "TZif") != 0 || (*file)[4] < '2') {
        return;
    }
    const auto* bytes = reinterpret_cast<const unsigned char*>(file->data());
    // Takes a header's place and the size of a time in its block; returns the block's size and
    // the count of changes.
    const auto block = [&](std::size_t at, std::size_t time, std::int64_t& changes) {
        const auto count = [&](int i) {
            return static_cast<std::size_t>(BigEndian(bytes + at + 20 + 4 * i, 4));
        };
        changes = static_cast<std::int64_t>(count(3));
        return count(3) * (time + 1) + count(4) * 6 + count(5) + count(2) * (time + 4) + count(1) +
               count(0);
    };
    std::int64_t changes = 0;
    const std::size_t second = Header + block(0, 4, changes);
    if (file->size() < second + Header) {
        return;
    }
    const std::size_t data = second + Header;
    const std::size_t leaps = static_cast<std::size_t>(BigEndian(bytes + second + 28, 4));
    const std::size_t end = data + block(second, 8, changes);
    leapSeconds_ = leaps != 0;
    if (leaps != 0 || file->size() < end + 2 || (*file)[end] != '\n') {
        return;  // leap seconds are counted in the moments: leave those to the C library
    }
    const auto close = file->find('\n', end + 1);
    if (close == std::string::npos) {
        return;
    }
    RuleReader rule(std::string_view(*file).substr(end + 1, close - end - 1));
    std::string name;
    int west = 0;
    if (!rule.Name(name) || !rule.Time(24, &west) || !rule.AtEnd()) {
        return;  // no rule, or one with summer time: the C library works it out
    }
    fixedFrom_ = changes > 0 ? BigEndian(bytes + data + 8 * (changes - 1), 8) : INT64_MIN;
    fixedOffset_ = -west;
    fixedZone_ = name;
}

WallTime TimeZone::AtOffset(Instant moment, int offset, std::string_view zone) {
    const std::int64_t local = moment.seconds + offset;
    const auto day = local >= 0 ? local / SecondsPerDay : -((-local - 1) / SecondsPerDay) - 1;
    WallTime wall;
    wall.offset = offset;
    wall.zone = zone;
    wall.secondOfDay = static_cast<int>(local - day * SecondsPerDay);
    if (day >= -11'000'000 && day <= 11'000'000) {  // within ±30,000 years
        wall.day = sys_days{days{day}};
        wall.year = int{year_month_day{wall.day}.year()};
    } else {
        wall.year = day > 0 ? 30'000 + day / 366 : -30'000 + day / 366;  // past any range here
    }
    return wall;
}

std::variant<TimeZone, std::string> TimeZone::Choose(bool utc, const char* tz) {
    TimeZone zone(utc);
    if (utc) {
        return zone;
    }
    // As the C library reads TZ: unset, the system's zone; empty, UTC; a leading ':' is dropped,
    // and what is left names a zone file or is a POSIX rule; nothing left, the system's zone.
    std::string_view name = tz == nullptr ? "/etc/localtime" : tz;
    if (tz != nullptr && *tz != '\0') {
        name.remove_prefix(name.front() == ':' ? 1 : 0);
        name = name.empty() ? "/etc/localtime" : name;
        if (!NamesZoneFile(name) && !IsPosixRule(name)) {
            return Format(_("invalid time zone %s: TZ names no zone file and is not a POSIX rule"),
                          Quote(tz).c_str());
        }
    }
    tzset();
    if (!name.empty()) {
        zone.ReadFixedTail(ZoneFilePath(name));
    }
    return zone;
}

std::optional<WallTime> TimeZone::ToWall(Instant moment) const {
    if (utc_) {
        return AtOffset(moment, 0, "UTC");
    }
    if (moment.seconds >= fixedFrom_) {
        return AtOffset(moment, fixedOffset_, fixedZone_);
    }
    const std::time_t seconds = moment.seconds;
    std::tm local{};
    if (localtime_r(&seconds, &local) == nullptr) {
        return std::nullopt;
    }
    WallTime wall;
    wall.year = local.tm_year + 1900LL;
    if (wall.year >= int{year::min()} && wall.year <= int{year::max()}) {
        wall.day = sys_days{year{static_cast<int>(wall.year)} /
                            month{static_cast<unsigned>(local.tm_mon + 1)} /
                            day{static_cast<unsigned>(local.tm_mday)}};
    }
    wall.leapSecond = local.tm_sec == 60;
    wall.secondOfDay = local.tm_hour * 3600 + local.tm_min * 60 + std::min(local.tm_sec, 59);
    wall.offset = static_cast<int>(local.tm_gmtoff);
    wall.zone = local.tm_zone != nullptr ? local.tm_zone : "";
    return wall;
}

std::optional<Instant> TimeZone::FromWall(sys_days day, int secondOfDay, int nanosecond,
                                          bool leapSecond) const {
    // The wall time read as if it were UTC; the moment is that less the offset then in force.
    const std::int64_t wall = day.time_since_epoch().count() * SecondsPerDay + secondOfDay;
    if (utc_) {
        return Instant{wall, nanosecond};
    }
    const auto offsetAt = [&](std::int64_t seconds) -> std::optional<int> {
        const auto at = ToWall(Instant{seconds, 0});
        return at ? std::optional(at->offset) : std::nullopt;
    };
    // The offsets a day either side: no zone changes twice within a day and a bit.
    constexpr std::int64_t Around = 26 * 3600;
    const auto early = offsetAt(wall - Around), late = offsetAt(wall + Around);
    if (!early || !late) {
        return std::nullopt;
    }
    const std::int64_t first = wall - *early, second = wall - *late;
    const bool firstShows = offsetAt(first) == early, secondShows = offsetAt(second) == late;
    std::int64_t moment = 0;
    if (firstShows && secondShows) {
        moment = std::min(first, second);  // shown twice: the first time
    } else if (firstShows || secondShows) {
        moment = firstShows ? first : second;
    } else {
        // Skipped by a change of clocks: as far forward as the clocks jumped, whichever way the
        // zone's rules name the two offsets.
        moment = wall - std::min(*early, *late);
    }
    return Instant{leapSeconds_ ? WithLeapSeconds(moment, wall, leapSecond, false) : moment,
                   nanosecond};
}

std::int64_t TimeZone::FromUtc(std::int64_t seconds, bool leapSecond) const {
    return leapSeconds_ ? WithLeapSeconds(seconds, seconds, leapSecond, true) : seconds;
}

std::int64_t TimeZone::WithLeapSeconds(std::int64_t moment, std::int64_t wall, bool leapSecond,
                                       bool utc) const {
    // Each step moves the moment by what its clock shows apart from the time asked for, a leap
    // second counted as the next minute's start, as it was read.
    for (int step = 0; step < 3; ++step) {
        const auto shown = ToWall(Instant{moment, 0});
        if (!shown || shown->year != int{year_month_day{shown->day}.year()}) {
            break;
        }
        const std::int64_t apart =
            wall - (shown->day.time_since_epoch().count() * SecondsPerDay + shown->secondOfDay +
                    (shown->leapSecond ? 1 : 0) - (utc ? shown->offset : 0));
        if (apart != 0) {
            moment += apart;
            continue;
        }
        // A leap second and the second after it count alike: the one asked for.
        if (shown->leapSecond && !leapSecond) {
            ++moment;
        } else if (!shown->leapSecond && leapSecond) {
            const auto before = ToWall(Instant{moment - 1, 0});
            moment -= before && before->leapSecond ? 1 : 0;
        }
        break;
    }
    return moment;
}

}  // namespace tarvand
