// voicetexts.h -- every text a game can show: its table's, the engine's own, and all that its makers make
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tasks.h"

// How many seeds the makers are run with when their texts are gathered; rounds made from other seeds hold
// no text beyond these (the voice's checks try another range of seeds to make sure).
constexpr int SpokenTextSeeds = 1000;

// Every text of the game that the voice says, each once, sorted: the game's title, the engine's own
// words, and every task's title, hints, questions, answers and warnings at both levels: the questions the
// game asks, and for a task with a maker also all it makes from `seeds` seeds starting at `firstSeed`.
std::vector<std::string> spokenTexts(const GameDef &game, uint32_t firstSeed = 1, int seeds = SpokenTextSeeds);
