#include "desktop_window.h"
#include "op_sestava.h"

int main(int argc, char** argv) { return runProgram<opSestava>(argc, argv); }
