// The indicator's icon: the day of the Solar month, white on a red page, readable on light and
// dark panels alike.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace tarvand {

// The sizes drawn, in device pixels: panels ask for 16 to 64 logical pixels, at scales up to 2.
inline constexpr int DayIconSizes[] = {16, 20, 22, 24, 28, 32, 36, 40, 44, 48, 56, 64, 96, 128};

// Takes a day of the month (1 to 31), whether to write it in Persian digits and a size in device
// pixels; returns the icon drawn for that size, its digits as large as the page allows.
QPixmap DayPixmap(int day, bool persian, int size);

// The same at every size of DayIconSizes, so that each panel gets one drawn for its size.
QIcon DayIcon(int day, bool persian);

}  // namespace tarvand
