// games.cpp -- the games played by a child who clicks at random: the stars it earns, the questions that come
// back, the numbers each question maker asks at each level, and the time a game takes to start
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include <unistd.h>

#include "atlas.h"
#include "engine.h"
#include "fake_store.h"
#include "forest.h"
#include "measure.h"
#include "play_driver.h"
#include "rules.h"
#include "town.h"

namespace {

const GameDef *games[] = {&forestDefinition(), &townDefinition()};

int rightValue(const Round &r, RuleFn rule)
{
    for (int i = 0; i < choiceCount(r); ++i)
        if (rule(r, i)) return r.choices[i].value;
    return -1;
}

// Every task played once at random after each of `starts` seeded starts: how many plays earned 1, 2, 3 stars.
void starDistribution(int starts)
{
    std::printf("Stars of random plays (a child clicking any answer), %d seeded starts of each game:\n", starts);
    for (const GameDef *g : games) {
        std::array<int, 4> all{}, full{};
        double startMs = 0;
        int pages = 0;
        for (int seed = 1; seed <= starts; ++seed) {
            fakeStoreReset();
            engineSeed(static_cast<uint32_t>(seed));
            double before = cpuMilliseconds();
            engineSetSlot(*g, 0);
            startMs += cpuMilliseconds() - before;
            pages = atlasPageCount();
            driverClockStart();
            Random random = randomSeeded(static_cast<uint32_t>(seed) * 7919u);
            for (int t = 0; t < g->taskCount; ++t) {
                RandomPlay play = playAtRandom(t, random);
                ++all[static_cast<size_t>(std::clamp(play.stars, 0, 3))];
                if (static_cast<int>(play.asked.size()) == RoundsPerTask)
                    ++full[static_cast<size_t>(std::clamp(play.stars, 0, 3))];
            }
            engineRelease();
        }
        auto line = [](const char *what, const std::array<int, 4> &n) {
            int total = n[0] + n[1] + n[2] + n[3];
            if (total == 0) return;
            std::printf("  %-34s %5d plays: 1 star %5.1f %%, 2 stars %5.1f %%, 3 stars %5.2f %% (%d)\n", what, total,
                        100.0 * n[1] / total, 100.0 * n[2] / total, 100.0 * n[3] / total, n[3]);
        };
        std::printf(" %s (start: %.0f ms of processor time, %d atlas pages)\n", g->title, startMs / starts, pages);
        line("every task", all);
        line("tasks with five questions a play", full);
    }
}

// Three plays of each task that makes its questions, after each start: how often a question comes twice in
// one play, and how often a play asks one of the two plays before it.
void repeats(int starts)
{
    std::printf("Questions asked again, three plays of each made task after each of %d starts:\n", starts);
    for (const GameDef *g : games)
        for (int t = 0; t < g->taskCount; ++t) {
            const Task &task = g->tasks[t];
            if (!task.maker) continue;
            int plays = 0, within = 0, later = 0, again = 0;
            std::array<int, LevelCount> made{};
            for (int seed = 1; seed <= starts; ++seed) {
                fakeStoreReset();
                engineSeed(static_cast<uint32_t>(seed));
                engineSetSlot(*g, 0);
                for (int level = 0; level < LevelCount; ++level) made[static_cast<size_t>(level)] = engineMadeCount(t, level);
                driverClockStart();
                Random random = randomSeeded(static_cast<uint32_t>(seed) * 104729u);
                std::vector<std::vector<Round>> earlier;
                for (int p = 0; p < 3; ++p) {
                    RandomPlay play = playAtRandom(t, random);
                    auto seenIn = [&](const std::vector<Round> &list, const Round &r, size_t upTo) {
                        for (size_t k = 0; k < upTo && k < list.size(); ++k)
                            if (sameQuestion(list[k], r, task.rule)) return true;
                        return false;
                    };
                    bool twice = false, asked = false;
                    for (size_t k = 0; k < play.asked.size(); ++k) {
                        twice = twice || seenIn(play.asked, play.asked[k], k);
                        for (const auto &before : earlier) asked = asked || seenIn(before, play.asked[k], before.size());
                    }
                    ++plays;
                    within += twice;
                    if (p > 0) {
                        ++later;
                        again += asked;
                    }
                    earlier.push_back(play.asked);
                }
                engineRelease();
            }
            std::printf("  %-20s (%2d questions) a question twice in a play %5.1f %%, one of the two plays before %5.1f %%\n",
                        task.title, made[ProgressLevelSmall], 100.0 * within / plays, 100.0 * again / later);
        }
}

// What each maker asks at each level over many seeds: the right answers' values and the scene's pictures.
void ranges(int seeds)
{
    std::printf("What the makers ask, %d seeds x %d questions at each level:\n", seeds, MadePool);
    for (const GameDef *g : games)
        for (int t = 0; t < g->taskCount; ++t) {
            const Task &task = g->tasks[t];
            if (!task.maker) continue;
            for (int level = 0; level < LevelCount; ++level) {
                int low = 1 << 30, high = -1, fewest = MaxScene, most = 0;
                std::map<int, int> minutes; // for clocks: the minutes past the hour asked
                int priced = 0, cheapest = 0;   // for shopping: questions among prices, and those the cheapest answers
                for (int seed = 1; seed <= seeds; ++seed) {
                    Random random = randomSeeded(static_cast<uint32_t>(seed));
                    for (int index = 0; index < MadePool; ++index) {
                        Round r = task.maker(level, index, random);
                        int v = task.rule == ruleAffordable ? r.a : rightValue(r, task.rule);
                        if (task.rule == rulePickTarget) v = r.target.param;
                        low = std::min(low, v);
                        high = std::max(high, v);
                        fewest = std::min(fewest, sceneCount(r));
                        most = std::max(most, sceneCount(r));
                        bool clock = (sceneCount(r) == 1 && r.scene[0].kind == PicClock) || r.target.kind == PicClock;
                        if (clock) ++minutes[v % 60];
                        if (task.rule == ruleAffordable && r.b == 0) {
                            int lowest = 1 << 30;
                            for (int i = 0; i < choiceCount(r); ++i) lowest = std::min(lowest, r.choices[i].value);
                            ++priced;
                            cheapest += rightValue(r, task.rule) == lowest ? 1 : 0;
                        }
                    }
                }
                std::printf("  %-20s %-5s ", task.title, level == ProgressLevelSmall ? "kicsi" : "nagy");
                if (!minutes.empty()) {
                    std::printf("times %d:%02d to %d:%02d, minutes past the hour:", low / 60, low % 60, high / 60, high % 60);
                    for (auto &m : minutes) std::printf(" :%02d", m.first);
                } else {
                    std::printf("answers %d to %d", low, high);
                }
                std::printf(", %d to %d pictures", fewest, most);
                if (priced > 0) std::printf(", the cheapest thing is the answer in %.1f %% of %d", 100.0 * cheapest / priced, priced);
                std::printf("\n");
            }
        }
}

} // namespace

int main(int argc, char **argv)
{
    // From the run folder, as the program runs the games: a start then reads the voice's clip list too.
    if (chdir(TAVRIN_RUN_DIR) != 0) std::fprintf(stderr, "bench-games: %s cannot be entered\n", TAVRIN_RUN_DIR);
    int starts = argc > 1 ? std::atoi(argv[1]) : 100;
    starDistribution(starts);
    repeats(starts);
    ranges(1000);
    return 0;
}
