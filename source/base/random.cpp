// random.cpp -- the program's random generator: the C library's range from a fixed starting state
#include "base/random.h"

static unsigned long randomState = 1;

int randomNext()
{
    // The classic linear congruential generator: 0 to randomMax, the same sequence on every platform.
    randomState = (randomState * 1103515245UL + 12345UL) & 0xFFFFFFFFUL;
    return static_cast<int>((randomState / 65536UL) % (randomMax + 1UL));
}

void randomSeed(unsigned seed) { randomState = seed; }

int randomRange(int lo, int hi) { return lo + (randomNext() * (hi - lo)) / randomMax; }
