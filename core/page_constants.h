#pragma once
#include <string>

// What the page's script and the program must agree on, as the script's own
// declarations: the kinds of control, the keys a run and a speed bar tell apart, what
// the run's input says of an event, the run bar's buttons and the states of a run. The
// web build writes it to page_constants.js, which comes before the page's script.
std::string pageConstants();
