// taskdata.cpp -- the functions that turn short task descriptions into rounds
#include "taskdata.h"

#include <array>
#include <algorithm>
#include <cstdio>
#include <string_view>

namespace {

// Texts made for numbers live in one fixed table for as long as the library is loaded.
constexpr int MaxNumberTexts = 256;
std::array<std::array<char, 16>, MaxNumberTexts> numberTexts;
int numberTextCount = 0;

const char *keepText(const char *format, int n)
{
    char made[16];
    std::snprintf(made, sizeof made, format, n);
    for (int i = 0; i < numberTextCount; ++i)
        if (std::string_view(numberTexts[i].data()) == made) return numberTexts[i].data();
    if (numberTextCount == MaxNumberTexts) return "?";
    std::snprintf(numberTexts[numberTextCount].data(), numberTexts[numberTextCount].size(), "%s", made);
    return numberTexts[numberTextCount++].data();
}

} // namespace

std::vector<Pic> many(Pic p, int n) { return std::vector<Pic>(static_cast<size_t>(std::max(0, n)), p); }

std::vector<Pic> join(std::initializer_list<std::vector<Pic>> parts)
{
    std::vector<Pic> all;
    for (const auto &part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

const char *numberText(int n) { return keepText("%d", n); }
const char *forintText(int n) { return keepText("%d Ft", n); }
Choice numberAnswer(int n) { return answer(numberText(n), n); }
Choice forintAnswer(int n) { return answer(forintText(n), n); }

Round round(const char *prompt, const std::vector<Pic> &scene, std::initializer_list<Choice> choices, Pic target, int a,
            int b)
{
    Round r;
    r.prompt = prompt;
    for (size_t i = 0; i < scene.size() && i < r.scene.size(); ++i) r.scene[i] = scene[i];
    size_t i = 0;
    for (const Choice &c : choices)
        if (i < r.choices.size()) r.choices[i++] = c;
    r.target = target;
    r.a = a;
    r.b = b;
    return r;
}

Task task(const char *title, Pic icon, const char *hint, RuleFn rule, const Round &first, const Round &second,
          const Round &third, const Round &quiz, RuleFn quizRule)
{
    Task t;
    t.title = title;
    t.icon = icon;
    t.hint = hint;
    t.rule = rule;
    t.rounds = {first, second, third};
    t.quiz = quiz;
    t.quizRule = quizRule;
    return t;
}
