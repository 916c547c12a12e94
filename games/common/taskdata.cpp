// taskdata.cpp -- the functions that turn short task descriptions into rounds
#include "taskdata.h"

#include <array>
#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <numeric>
#include <string_view>

namespace {

// Texts made while the tables are built (numbers, amounts, prompts with numbers in them) live in one fixed
// table for as long as the library is loaded.
constexpr int MaxKeptTexts = 2048;
std::array<std::array<char, 96>, MaxKeptTexts> keptTexts;
int keptTextCount = 0;

} // namespace

void mapOrder(const GameDef &game, std::array<int, MaxTasks> &taskAt)
{
    auto tasks = taskAt.begin(), end = tasks + game.taskCount;
    std::iota(tasks, end, 0);
    if (game.groups) std::stable_sort(tasks, end, [&game](int a, int b) { return game.groups[a] < game.groups[b]; });
}

std::vector<Pic> many(Pic p, int n) { return std::vector<Pic>(static_cast<size_t>(std::max(0, n)), p); }

std::vector<Pic> join(std::initializer_list<std::vector<Pic>> parts)
{
    std::vector<Pic> all;
    for (const auto &part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

const char *keptText(const char *format, ...)
{
    char made[96];
    va_list args;
    va_start(args, format);
    std::vsnprintf(made, sizeof made, format, args);
    va_end(args);
    for (int i = 0; i < keptTextCount; ++i)
        if (std::string_view(keptTexts[i].data()) == made) return keptTexts[i].data();
    if (keptTextCount == MaxKeptTexts) return "?";
    std::snprintf(keptTexts[keptTextCount].data(), keptTexts[keptTextCount].size(), "%s", made);
    return keptTexts[keptTextCount++].data();
}

const char *accusativeEnding(int n)
{
    // As the number is said: egyet, kettőt, hármat, négyet, ötöt, hatot, hetet, nyolcat, kilencet, tizet,
    // húszat, harmincat, negyvenet, ötvenet, hatvanat, hetvenet, nyolcvanat, kilencvenet, százat.
    static constexpr std::array<const char *, 10> byLastDigit{"", "et", "t", "at", "et", "öt", "ot", "et", "at", "et"};
    static constexpr std::array<const char *, 10> byTens{"at", "et", "at", "at", "et", "et", "at", "et", "at", "et"};
    n = n < 0 ? -n : n;
    if (n % 10 != 0) return byLastDigit[static_cast<size_t>(n % 10)];
    if (n % 100 != 0) return byTens[static_cast<size_t>(n / 10 % 10)];
    return "at";
}

int randomBelow(Random &random, int n)
{
    if (n < 1) return 0;
    uint32_t x = random.state;
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    random.state = x;
    return static_cast<int>(x % static_cast<uint32_t>(n));
}

Random randomSeeded(uint32_t seed)
{
    Random r;
    r.state = seed ? seed : 2463534242u; // xorshift never leaves 0
    randomBelow(r, 2);
    return r;
}

std::vector<Pic> scatter(Random &random, std::vector<Pic> counted, const std::vector<Pic> &pool, int others)
{
    for (int i = 0; i < others && !pool.empty(); ++i)
        counted.push_back(pool[static_cast<size_t>(randomBelow(random, static_cast<int>(pool.size())))]);
    for (int i = static_cast<int>(counted.size()) - 1; i > 0; --i)
        std::swap(counted[static_cast<size_t>(i)], counted[static_cast<size_t>(randomBelow(random, i + 1))]);
    return counted;
}

std::array<int, 3> nearMisses(Random &random, int right, int step, int low, int high)
{
    // The right number stands below, between or above its two neighbours, as chance has it, as far as the
    // numbers may go up and down.
    int below = std::max(0, std::min(randomBelow(random, 3), (right - low) / step));
    if (right + 2 * step - step * below > high) below = std::min(2, (right + 3 * step - 1 - high) / step);
    int first = right - below * step;
    return {first, first + step, first + 2 * step};
}

const char *numberText(int n) { return keptText("%d", n); }
const char *forintText(int n) { return keptText("%d Ft", n); }
// Numbers offered beside the right one are a step or two off it: a wrong one is a near miss.
Choice numberAnswer(int n) { return closeMiss(answer(numberText(n), n)); }
Choice forintAnswer(int n) { return closeMiss(answer(forintText(n), n)); }
std::array<Choice, 3> numberAnswers(const std::array<int, 3> &n)
{
    return {numberAnswer(n[0]), numberAnswer(n[1]), numberAnswer(n[2])};
}
std::array<Choice, 3> forintAnswers(const std::array<int, 3> &n)
{
    return {forintAnswer(n[0]), forintAnswer(n[1]), forintAnswer(n[2])};
}

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

Round round(const char *prompt, const std::vector<Pic> &scene, const std::array<Choice, 3> &c, Pic target, int a, int b)
{
    return round(prompt, scene, {c[0], c[1], c[2]}, target, a, b);
}

Task task(const char *title, Pic icon, const char *hint, RuleFn rule, const Levels &levels, const Round &quiz,
          RuleFn quizRule)
{
    Task t;
    t.title = title;
    t.icon = icon;
    t.hint = hint;
    t.rule = rule;
    t.pools = {levels.small, levels.big};
    t.quiz = quiz;
    t.quizRule = quizRule;
    return t;
}

Task madeTask(const char *title, Pic icon, const char *hint, RuleFn rule, RoundMaker maker, const Round &quiz,
              RuleFn quizRule)
{
    Task t = task(title, icon, hint, rule, Levels{}, quiz, quizRule);
    t.maker = maker;
    return t;
}

int makePool(const Task &task, int place, int level, std::array<Round, MadePool> &pool)
{
    if (!task.maker) return 0;
    // Fixed by the task and the level, so that what a task remembers of its questions stays true.
    Random random = randomSeeded(2654435761u * static_cast<uint32_t>(place + 1) + 40503u * static_cast<uint32_t>(level));
    int count = 0;
    for (int index = 0; index < MadePool; ++index)
        for (int attempt = 0; attempt < 16; ++attempt) {
            Round r = task.maker(level, index, random);
            bool fresh = std::none_of(pool.begin(), pool.begin() + count,
                                      [&](const Round &made) { return sameQuestion(made, r, task.rule); });
            if (!fresh) continue;
            pool[static_cast<size_t>(count++)] = r;
            break;
        }
    return count;
}

bool sameQuestion(const Round &x, const Round &y, RuleFn rule)
{
    if ((x.prompt == nullptr) != (y.prompt == nullptr) || (x.prompt && std::strcmp(x.prompt, y.prompt) != 0)) return false;
    if (!samePic(x.target, y.target) || x.a != y.a || x.b != y.b) return false;
    // The scene as a set with repeats: a counting scene shuffled anew is still the same question.
    auto sorted = [](const Round &r) {
        std::array<int32_t, MaxScene> keys{};
        for (int i = 0; i < MaxScene; ++i) keys[i] = r.scene[i].kind * 65536 + (r.scene[i].param & 0xFFFF);
        std::sort(keys.begin(), keys.end());
        return keys;
    };
    if (sorted(x) != sorted(y)) return false;
    auto right = [rule](const Round &r) {
        for (int i = 0; i < choiceCount(r); ++i)
            if (rule && rule(r, i)) return i;
        return -1;
    };
    int rx = right(x), ry = right(y);
    if (rx < 0 || ry < 0) return rx == ry;
    const Choice &cx = x.choices[rx], &cy = y.choices[ry];
    bool sameLabel = (cx.label == nullptr) == (cy.label == nullptr) && (!cx.label || std::strcmp(cx.label, cy.label) == 0);
    return samePic(cx.pic, cy.pic) && sameLabel && cx.value == cy.value;
}
