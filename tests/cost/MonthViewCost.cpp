// The month view opened offscreen with the user's files as they are, as a click on the icon opens
// it: the occasions read, the view built, placed and shown. Fonts are made ready first, as a
// running indicator has them, so that counting the instructions of OpenMonthView alone
// (callgrind's --toggle-collect) measures the view and not the machine's font set-up.
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <cstdio>
#include <string>
#include <vector>

#include "MonthView.h"
#include "OccasionBook.h"

// Opens the view; returns true once it is shown.
__attribute__((noinline)) bool OpenMonthView() {
    std::vector<std::string> messages;
    const tarvand::OccasionBook book(tarvand::OccasionFiles::FromEnvironment(), messages);
    tarvand::MonthView view(book, false,
                            tarvand::ToDateValue(std::chrono::year_month_day{
                                std::chrono::year{2026}, std::chrono::March, std::chrono::day{21}}));
    view.PlaceBeside(QRect(), QPoint(10, 10));
    view.show();
    return QTest::qWaitForWindowExposed(&view);
}

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel warm(QStringLiteral("Farvardin 1405 \u0641\u0631\u0648\u0631\u062F\u06CC\u0646 \u06F1"));
    warm.show();
    if (!QTest::qWaitForWindowExposed(&warm) || !OpenMonthView()) {
        std::fprintf(stderr, "month_view_cost: the view was not shown\n");
        return 1;
    }
    return 0;
}
