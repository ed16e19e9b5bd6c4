#include "desktop_window.h"
#include "rozptyl.h"

int main(int argc, char** argv) { return runProgram<pathways::Rozptyl>(argc, argv); }
