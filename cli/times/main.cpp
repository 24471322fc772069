#include "TimesCommand.h"

int main(int argc, char** argv) { return tarvand::RunTimesCommandLine({argv, argv + argc}); }
