// tarvand-cal's work once its command line is read: choose the months, draw them, write them.
#pragma once

#include <string>
#include <vector>

#include "CalOptions.h"
#include "OutputBuffer.h"
#include "calendar/DateValue.h"

namespace tarvand {

// Takes the options, the outputs, today's date value and whether colour is wanted when the options
// leave it to the terminal; prints the months and returns the exit status, 0 or 2. Messages go to
// err, one line each, starting with "tarvand-cal: ".
int RunCalCommand(const CalOptions& options, OutputBuffer& out, OutputBuffer& err, DateValue today,
                  bool colourByDefault);

// Takes the arguments, program name first; runs the command on the real outputs, the local clock,
// the locale and the terminal. Returns the exit status.
int RunCalCommandLine(const std::vector<std::string>& arguments);

}  // namespace tarvand
