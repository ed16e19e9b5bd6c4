#include "desktop_window.h"
#include "fokus_lupy.h"

int main(int argc, char** argv) { return runProgram<FokusLupy>(argc, argv); }
