// practise.cpp -- the three tasks most worth practising next, picked as a teacher would
#include <algorithm>

#include "report.h"

// ----------------------------------------------------------------------------------------------------
// Internal functions
// ----------------------------------------------------------------------------------------------------
namespace {

struct Candidate {
    Practise practise;
    int32_t mistakes = 0;      // in all plays
    int32_t lastMistakes = 0;  // in the last play
    int32_t stars = 3;         // of the last finished play, or the best when the last is not kept
};

// The stars that say how the task went lately: the last play's, else the best kept; 3 when neither is
// kept (a task finished before stars were kept), which never asks for practice.
int32_t recentStars(const TaskRecords &task)
{
    return task.values[ValueLastStars].valueOr(task.values[ValueBestStars].valueOr(3));
}

} // namespace

// ----------------------------------------------------------------------------------------------------
// Functions
// ----------------------------------------------------------------------------------------------------
void choosePractise(PlayerRecords &player)
{
    // Both lists are gathered in map order, the first game first, so that equals keep that order.
    std::vector<Candidate> unfinished, fewStars;
    for (int g = 0; g < ReportGameCount; ++g) {
        const GameRecords &game = player.games[g];
        for (int place = 0; place < game.game->taskCount; ++place) {
            int task = game.taskAt[place];
            const TaskRecords &records = game.tasks[task];
            Candidate candidate{{g, task, PractiseUnfinished},
                                records.values[ValueMistakes].valueOr(0),
                                records.values[ValueLastMistakes].valueOr(0),
                                recentStars(records)};
            if (!taskFinished(records)) {
                if (records.values[ValuePlays].valueOr(0) > 0) unfinished.push_back(candidate);
            } else if (candidate.stars < 3) {
                candidate.practise.reason = PractiseFewStars;
                fewStars.push_back(candidate);
            }
        }
    }
    // A task the child gave up on comes first, the hardest going first; then finished tasks that went
    // badly the last time, the most mistakes in that play first, then the fewest stars, then the most
    // mistakes of all.
    std::stable_sort(unfinished.begin(), unfinished.end(),
                     [](const Candidate &a, const Candidate &b) { return a.mistakes > b.mistakes; });
    std::stable_sort(fewStars.begin(), fewStars.end(), [](const Candidate &a, const Candidate &b) {
        if (a.lastMistakes != b.lastMistakes) return a.lastMistakes > b.lastMistakes;
        if (a.stars != b.stars) return a.stars < b.stars;
        return a.mistakes > b.mistakes;
    });

    player.practise.clear();
    for (const auto *list : {&unfinished, &fewStars})
        for (const Candidate &candidate : *list)
            if (player.practise.size() < PractiseCount) player.practise.push_back(candidate.practise);

    // Then something new: the next task not yet played on each map, the games taking turns.
    std::array<int, ReportGameCount> next{};
    for (bool found = true; found && player.practise.size() < PractiseCount;) {
        found = false;
        for (int g = 0; g < ReportGameCount && player.practise.size() < PractiseCount; ++g) {
            const GameRecords &game = player.games[g];
            while (next[g] < game.game->taskCount) {
                int task = game.taskAt[next[g]++];
                const TaskRecords &records = game.tasks[task];
                if (taskFinished(records) || records.values[ValuePlays].valueOr(0) > 0) continue;
                player.practise.push_back({g, task, PractiseNew});
                found = true;
                break;
            }
        }
    }
}
