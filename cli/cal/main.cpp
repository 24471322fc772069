#include "CalCommand.h"

int main(int argc, char** argv) { return tarvand::RunCalCommandLine({argv, argv + argc}); }
