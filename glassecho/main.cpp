#include "desktop_window.h"
#include "glassecho_rozptyl.h"

int main(int argc, char** argv) { return runProgram<glassecho::Rozptyl>(argc, argv); }
