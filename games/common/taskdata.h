// taskdata.h -- short functions for writing a game's task table as data
#pragma once

#include <array>
#include <initializer_list>
#include <vector>

#include "rules.h"
#include "speech.h"
#include "tasks.h"

inline Pic pic(PicKind kind, int param = 0) { return Pic{kind, static_cast<int16_t>(param)}; }

// An answer with a picture, with a label and a value, or with a label only.
inline Choice choice(Pic p, const char *label = nullptr, int value = 0) { return Choice{p, label, value}; }
inline Choice answer(const char *label, int value) { return Choice{Pic{}, label, value}; }

// n copies of a picture, and scenes put together from parts.
std::vector<Pic> many(Pic p, int n);
std::vector<Pic> join(std::initializer_list<std::vector<Pic>> parts);

// The text of a number ("7") and of an amount of money ("20 Ft"), kept for the whole run.
const char *numberText(int n);
const char *forintText(int n);
// Any other text made from a format, kept for the whole run; the same text is kept once.
const char *keptText(const char *format, ...);
// The ending a number takes as an object ("1-et", "2-t", "3-at", "5-öt"...): "et", "t", "at", "öt" or "ot".
const char *accusativeEnding(int n);
// Answers with numbers: the label is the number, the value too; three at once for the numbers of nearMisses.
Choice numberAnswer(int n);
Choice forintAnswer(int n);
std::array<Choice, 3> numberAnswers(const std::array<int, 3> &numbers);
std::array<Choice, 3> forintAnswers(const std::array<int, 3> &amounts);

// The same answer as a near miss: chosen wrongly, it gets "Majdnem!" rather than "Nem ez.".
inline Choice closeMiss(Choice c)
{
    c.closeMiss = true;
    return c;
}
// The same answer with a warning, or the same round with hints of its own: the first points the way, the
// second (after another wrong answer) may show more.
inline Choice warned(Choice c, const char *warning)
{
    c.warning = warning;
    return c;
}
inline Round hinted(Round r, const char *hint, const char *secondHint = nullptr)
{
    r.hint = hint;
    r.secondHint = secondHint;
    return r;
}

// A scene to count in: the pictures to count and `others` pictures drawn from `pool`, in a random order.
std::vector<Pic> scatter(Random &random, std::vector<Pic> counted, const std::vector<Pic> &pool, int others);

// Three different numbers around `right`, at least `low` and, where the level allows no more, at most `high`,
// one step apart: the right one among two near misses.
std::array<int, 3> nearMisses(Random &random, int right, int step, int low, int high = 1 << 30);

Round round(const char *prompt, const std::vector<Pic> &scene, std::initializer_list<Choice> choices,
            Pic target = Pic{}, int a = 0, int b = 0);
Round round(const char *prompt, const std::vector<Pic> &scene, const std::array<Choice, 3> &choices,
            Pic target = Pic{}, int a = 0, int b = 0);

// A task's questions at each level, easiest first; bothLevels for questions that suit both.
struct Levels {
    std::vector<Round> small, big;
};
inline Levels bothLevels(const std::vector<Round> &rounds) { return Levels{rounds, rounds}; }

Task task(const char *title, Pic icon, const char *hint, RuleFn rule, const Levels &levels, const Round &quiz,
          RuleFn quizRule = ruleMarked);
// A task whose questions are made at start by a maker, for each level.
Task madeTask(const char *title, Pic icon, const char *hint, RuleFn rule, RoundMaker maker, const Round &quiz,
              RuleFn quizRule = ruleMarked);

// A game's table, exactly as long as the tasks given, so that its length can be checked at compile time
// against the number of values the menu counts.
template <typename... Tasks> std::array<Task, sizeof...(Tasks)> taskTable(const Tasks &...tasks)
{
    return {{tasks...}};
}
