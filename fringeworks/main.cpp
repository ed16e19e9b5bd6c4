#include "desktop_window.h"
#include "animace.h"

int main(int argc, char** argv) { return runProgram<Animace>(argc, argv); }
