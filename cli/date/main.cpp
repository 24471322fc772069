#include "DateCommand.h"

int main(int argc, char** argv) { return tarvand::RunDateCommandLine({argv, argv + argc}); }
