#include "desktop_window.h"
#include "window.h"

int main(int argc, char** argv) { return runProgram<interference::frmInterference>(argc, argv); }
