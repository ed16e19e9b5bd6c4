#include "rnd.h"

#include <cstdint>
#include <cstring>

namespace {
constexpr std::uint64_t kStartState = 0x243F6A8885A308D3ull;
std::uint64_t state = kStartState;

// SplitMix64: each call advances the state by a fixed odd step and scrambles it.
std::uint64_t next()
{
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}
}  // namespace

float Rnd()
{
    // 24 random bits: every value is exactly representable and below 1.
    return float(next() >> 40) * (1.0f / 16777216.0f);
}

void Randomize(double seed)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, &seed, sizeof bits);
    state ^= bits * 0x9E3779B97F4A7C15ull;
    next();
}

void resetRnd() { state = kStartState; }

unsigned long long rndState() { return state; }
void setRndState(unsigned long long s) { state = s; }
