#include "rozptyl.h"

int main(int argc, char** argv) { return runProgram<Rozptyl>(argc, argv); }
