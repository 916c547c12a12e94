// voicetexts.cpp -- the texts of a game gathered from its table and from its makers run over many seeds
#include "voicetexts.h"

#include <algorithm>
#include <set>

#include "phrases.h"

namespace {

void addRound(std::set<std::string> &texts, const Round &r)
{
    for (const char *t : {r.prompt, r.hint, r.secondHint})
        if (t) texts.insert(t);
    for (int i = 0; i < choiceCount(r); ++i)
        for (const char *t : {r.choices[i].label, r.choices[i].warning})
            if (t) texts.insert(t);
}

} // namespace

std::vector<std::string> spokenTexts(const GameDef &game, uint32_t firstSeed, int seeds)
{
    std::set<std::string> texts;
    if (game.title) texts.insert(game.title);
    for (const char *t : phrases::all) texts.insert(t);
    for (int i = 0; i < game.taskCount; ++i) {
        const Task &task = game.tasks[i];
        for (const char *t : {task.title, task.hint})
            if (t) texts.insert(t);
        addRound(texts, task.quiz);
        for (int level = 0; level < LevelCount; ++level) {
            for (const Round &r : task.pools[static_cast<size_t>(level)]) addRound(texts, r);
            if (!task.maker) continue;
            // The questions the game asks, and every one the maker could make with other seeds: it draws
            // every number from the generator, so enough seeds make every text it can.
            std::array<Round, MadePool> pool;
            int count = makePool(task, i, level, pool);
            for (int k = 0; k < count; ++k) addRound(texts, pool[static_cast<size_t>(k)]);
            for (int seed = 0; seed < seeds; ++seed) {
                Random random = randomSeeded(firstSeed + static_cast<uint32_t>(seed));
                for (int index = 0; index < MadePool; ++index) addRound(texts, task.maker(level, index, random));
            }
        }
    }
    return std::vector<std::string>(texts.begin(), texts.end());
}
