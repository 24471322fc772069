// The month view opened with the user's files as they are: the occasions read, the view built,
// placed and shown, as a click on the icon does. Prints the milliseconds from the start of
// reading to the view shown, and the peak memory of the process in KiB. Run it with
// XDG_CONFIG_HOME naming the files to read.
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "MonthView.h"
#include "OccasionBook.h"

// Returns the peak resident memory of this process in KiB, from /proc.
long PeakKib() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmHWM:")) {
            return std::stol(line.substr(6));
        }
    }
    return -1;
}

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QElapsedTimer clock;
    clock.start();
    std::vector<std::string> messages;
    const tarvand::OccasionBook book(tarvand::OccasionFiles::FromEnvironment(), messages);
    tarvand::MonthView view(
        book, false,
        tarvand::ToDateValue(std::chrono::year_month_day{
            std::chrono::year{2026}, std::chrono::March, std::chrono::day{21}}));
    view.PlaceBeside(QRect(), QPoint(10, 10));
    view.show();
    if (!QTest::qWaitForWindowExposed(&view)) {
        std::fprintf(stderr, "month_view_open: the view was not shown\n");
        return 1;
    }
    std::printf("%lld ms, peak %ld KiB, %zu messages\n", static_cast<long long>(clock.elapsed()),
                PeakKib(), messages.size());
    return 0;
}
