#pragma once

// The programs' random numbers: Rnd() is uniform in [0, 1) with single precision.
// Randomize(n) mixes n into the generator's state instead of restarting one fixed
// sequence, so the draws that follow two re-seeds with the same number differ and
// spread over [0, 1). The state starts the same at every program start.
float Rnd();
void Randomize(double seed);

// For tests: put the generator back to its start-up state.
void resetRnd();

// The generator's state, to draw the same numbers again (a rehearsal of a run) and then
// go on where it was.
unsigned long long rndState();
void setRndState(unsigned long long state);
