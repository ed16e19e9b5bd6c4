#include "desktop_window.h"
#include "form1.h"

int main(int argc, char** argv) { return runProgram<Form1>(argc, argv); }
