#include "desktop_window.h"
#include "parabola_qed.h"

int main(int argc, char** argv) { return runProgram<ParabolaQED>(argc, argv); }
