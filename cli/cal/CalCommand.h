// tarvand-cal's work once its command line is read: choose the months, draw them, write them.
#pragma once

#include <string>
#include <vector>

#include "CalOptions.h"
#include "OccasionBook.h"
#include "OutputBuffer.h"
#include "calendar/DateValue.h"

namespace tarvand {

// What the months are drawn with besides the options: today, whether colour is wanted when the
// options leave it to the terminal, the holidays and events, and the moment (seconds since 1970)
// an export is stamped with.
struct CalContext {
    DateValue today = 0;
    bool colourByDefault = false;
    bool ascii = false;  // the terminal shows no UTF-8: ASCII punctuation in the headers
    const OccasionBook* occasions = nullptr;  // none: no holidays, no events
    std::int64_t now = 0;
};

// Takes the options, the outputs and the context; prints the months, or the iCalendar file, and
// returns the exit status, 0 or 2. Messages go to err, one line each, starting with
// "tarvand-cal: ".
int RunCalCommand(const CalOptions& options, OutputBuffer& out, OutputBuffer& err,
                  const CalContext& context);

// Takes the arguments, program name first; runs the command on the real outputs, the local clock,
// the locale and the terminal. Returns the exit status.
int RunCalCommandLine(const std::vector<std::string>& arguments);

}  // namespace tarvand
