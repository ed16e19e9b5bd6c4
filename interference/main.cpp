#include "desktop_window.h"
#include "frm_interference.h"

int main(int argc, char** argv) { return runProgram<frmInterference>(argc, argv); }
