// taskdata.h -- short functions for writing a game's task table as data
#pragma once

#include <initializer_list>
#include <vector>

#include "rules.h"
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
// Answers with numbers: the label is the number, the value too.
Choice numberAnswer(int n);
Choice forintAnswer(int n);

// The same answer with a warning, or the same round with a hint of its own.
inline Choice warned(Choice c, const char *warning)
{
    c.warning = warning;
    return c;
}
inline Round hinted(Round r, const char *hint)
{
    r.hint = hint;
    return r;
}

Round round(const char *prompt, const std::vector<Pic> &scene, std::initializer_list<Choice> choices,
            Pic target = Pic{}, int a = 0, int b = 0);

Task task(const char *title, Pic icon, const char *hint, RuleFn rule, const Round &first, const Round &second,
          const Round &third, const Round &quiz, RuleFn quizRule = ruleMarked);
