// tables_test.cpp -- every round of both games has exactly one right answer, and everything a child sees is there
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "forest.h"
#include "rules.h"
#include "tavrin/progress.h"
#include "town.h"

namespace {

bool validUtf8(const char *s)
{
    for (const unsigned char *p = reinterpret_cast<const unsigned char *>(s); *p;) {
        int n = *p < 0x80 ? 0 : (*p & 0xE0) == 0xC0 ? 1 : (*p & 0xF0) == 0xE0 ? 2 : -1;
        if (n < 0) return false;
        ++p;
        for (int i = 0; i < n; ++i, ++p)
            if ((*p & 0xC0) != 0x80) return false;
    }
    return true;
}

void checkRound(const std::string &where, const Round &r, RuleFn rule, bool quiz = false)
{
    SCOPED_TRACE(where);
    ASSERT_NE(r.prompt, nullptr);
    EXPECT_TRUE(validUtf8(r.prompt));
    int count = choiceCount(r);
    ASSERT_GE(count, 2) << "a question needs a wrong answer too";
    int right = 0;
    for (int i = 0; i < count; ++i) {
        const Choice &c = r.choices[i];
        EXPECT_TRUE(c.pic.kind != PicNone || (c.label && *c.label)) << "answer " << i << " shows nothing";
        if (c.label) {
            EXPECT_TRUE(validUtf8(c.label));
        }
        bool isRight = rule(r, i);
        right += isRight ? 1 : 0;
        if (c.warning) {
            EXPECT_TRUE(validUtf8(c.warning));
            EXPECT_FALSE(isRight) << c.warning << ": only a wrong answer is warned about";
        }
        // A quiz's picture shows the question, never its answer (a pattern's scene does hold its answer).
        for (int k = 0; quiz && isRight && c.pic.kind != PicNone && k < sceneCount(r); ++k)
            EXPECT_FALSE(samePic(r.scene[k], c.pic)) << "the question shows its own answer";
    }
    EXPECT_EQ(right, 1) << "exactly one answer must be right";
    for (const char *hint : {r.hint, r.secondHint})
        if (hint) {
            EXPECT_TRUE(validUtf8(hint));
        }
    for (int i = 0; i < sceneCount(r); ++i) EXPECT_GT(r.scene[i].kind, PicNone);
}

void checkGame(const GameDef &g, int expectedTasks, const char *format)
{
    EXPECT_EQ(g.taskCount, expectedTasks);
    EXPECT_STREQ(g.valueFormat, format);
    std::set<std::string> titles;
    for (int t = 0; t < g.taskCount; ++t) {
        const Task &task = g.tasks[t];
        std::string name = std::string(g.title) + " task " + std::to_string(t) + " (" + (task.title ? task.title : "?") + ")";
        ASSERT_NE(task.title, nullptr) << name;
        EXPECT_TRUE(titles.insert(task.title).second) << name << ": the title is used twice";
        EXPECT_TRUE(task.hint && *task.hint) << name;
        EXPECT_GT(task.icon.kind, PicNone) << name;
        ASSERT_NE(task.rule, nullptr) << name;
        ASSERT_NE(task.quizRule, nullptr) << name;
        for (int level = 0; level < LevelCount; ++level) {
            const auto &pool = task.pools[level];
            if (task.maker) {
                EXPECT_TRUE(pool.empty()) << name << ": a task with a maker asks what it makes";
                continue;
            }
            EXPECT_GE(pool.size(), 1u) << name << " level " << level;
            EXPECT_LE(pool.size(), static_cast<size_t>(MaxPool)) << name << ": a task remembers 32 questions at most";
            for (size_t r = 0; r < pool.size(); ++r) {
                checkRound(name + " level " + std::to_string(level) + " round " + std::to_string(r), pool[r], task.rule);
                for (size_t k = 0; k < r; ++k) EXPECT_FALSE(sameQuestion(pool[k], pool[r], task.rule)) << name << ": asked twice";
            }
        }
        checkRound(name + " quiz", task.quiz, task.quizRule, true);
        EXPECT_TRUE(task.quiz.hint && *task.quiz.hint) << name << ": the quiz asks something else, so it has a hint of its own";
    }
}

} // namespace

// Exactly one right answer among at least two also means a wrong answer is refused in every round.
TEST(TaskTables, EachGameHasItsTasksEachWithOneRightAnswerPerQuestion)
{
    checkGame(forestDefinition(), 15, "g1a%d");
    checkGame(townDefinition(), 25, "g2a%d");
}

namespace {

// A number a child reads without reading words: the digits alone.
bool isNumber(const char *label)
{
    if (!label || !*label) return false;
    for (const char *p = label; *p; ++p)
        if (*p < '0' || *p > '9') return false;
    return true;
}

// What every question of a game asks of the child at its level: three answers or more, a first hint written
// for it, at the small level answers given from a picture or a number, and no number beyond the level's.
void checkQuestion(const std::string &where, const Round &r, int level)
{
    SCOPED_TRACE(where);
    EXPECT_GE(choiceCount(r), 3) << r.prompt;
    EXPECT_TRUE(r.hint && *r.hint) << r.prompt << ": the task's hint does not fit every question";
    for (int i = 0; i < choiceCount(r); ++i) {
        const Choice &c = r.choices[i];
        if (level == ProgressLevelSmall) {
            EXPECT_TRUE(c.pic.kind != PicNone || isNumber(c.label)) << r.prompt << ": \"" << c.label << "\" must be read";
        }
        if (isNumber(c.label)) {
            EXPECT_LE(std::atoi(c.label), level == ProgressLevelSmall ? 10 : 100) << r.prompt;
        }
    }
}

void checkLevels(const GameDef &g)
{
    for (int t = 0; t < g.taskCount; ++t) {
        const Task &task = g.tasks[t];
        std::string name = std::string(task.title) + " ";
        for (int level = 0; level < LevelCount; ++level) {
            std::string at = name + (level == ProgressLevelSmall ? "kicsi" : "nagy");
            if (!task.maker) {
                EXPECT_GE(task.pools[level].size(), 2u * RoundsPerTask) << at << ": a play cannot avoid the play before";
                for (size_t k = 0; k < task.pools[level].size(); ++k)
                    checkQuestion(at + " " + std::to_string(k), task.pools[level][k], level);
                continue;
            }
            Random random = randomSeeded(7);
            for (int index = 0; index < MadePool; ++index)
                checkQuestion(at + " made " + std::to_string(index), task.maker(level, index, random), level);
        }
        // The quiz is asked at both levels, so it is answered as the small one answers.
        checkQuestion(name + "quiz", task.quiz, ProgressLevelSmall);
    }
}

} // namespace

TEST(TaskTables, ForestQuestionsSuitTheLevelTheyAreAskedAt) { checkLevels(forestDefinition()); }

// What a maker asks at a level: the right answer's number (a count, a sum, an amount of money) or, for a
// clock, its time in minutes.
int askedNumber(const Task &task, const Round &r)
{
    if (task.rule == ruleAffordable) return r.a;
    if (task.rule == rulePickTarget) return r.target.param;
    for (int i = 0; i < choiceCount(r); ++i)
        if (task.rule(r, i)) return r.choices[i].value;
    return -1;
}

bool showsClock(const Round &r) { return (sceneCount(r) == 1 && r.scene[0].kind == PicClock) || r.target.kind == PicClock; }

TEST(TaskTables, MadeQuestionsHaveOneRightAnswerAndStayWithinTheirLevel)
{
    int makers = 0;
    for (const GameDef *g : {&forestDefinition(), &townDefinition()})
        for (int t = 0; t < g->taskCount; ++t) {
            const Task &task = g->tasks[t];
            if (!task.maker) continue;
            ++makers;
            for (int level = 0; level < LevelCount; ++level) {
                std::set<std::string> seen;
                bool clocks = false, anyPast = false;
                for (uint32_t seed = 1; seed <= 60; ++seed) {
                    Random random = randomSeeded(seed);
                    for (int index = 0; index < MadePool; ++index) {
                        Round r = task.maker(level, index, random);
                        std::string where = std::string(task.title) + " level " + std::to_string(level) + " question " +
                                            std::to_string(index) + " seed " + std::to_string(seed);
                        checkRound(where, r, task.rule);
                        std::set<std::string> labels;
                        std::string shown = r.prompt;
                        for (int i = 0; i < sceneCount(r); ++i) shown += "," + std::to_string(r.scene[i].kind * 10000 + r.scene[i].param);
                        for (int i = 0; i < choiceCount(r); ++i) {
                            const Choice &c = r.choices[i];
                            std::string label = c.label ? c.label : std::to_string(c.pic.kind * 10000 + c.pic.param);
                            EXPECT_TRUE(labels.insert(label).second) << where << ": two answers look the same";
                            shown += "|" + label;
                        }
                        seen.insert(shown);
                        // Small children count to 10 and read whole hours; the money they count is 20 Ft at
                        // most. Big ones count to 20 and reckon to 100, and read half and quarter hours.
                        int asked = askedNumber(task, r);
                        if (showsClock(r)) {
                            clocks = true;
                            anyPast |= asked % 60 != 0;
                            if (level == ProgressLevelSmall) {
                                EXPECT_EQ(asked % 30, 0) << where << ": no quarters for the small";
                            }
                        } else {
                            EXPECT_GE(asked, 1) << where;
                            bool money = choiceCount(r) > 0 && r.choices[0].label && std::strstr(r.choices[0].label, "Ft");
                            int most = level == ProgressLevelBig ? 100 : money ? 20 : 10;
                            EXPECT_LE(asked, most) << where;
                        }
                    }
                }
                EXPECT_GE(seen.size(), 6u) << task.title << " level " << level << " hardly changes";
                if (clocks && level == ProgressLevelBig) {
                    EXPECT_TRUE(anyPast) << task.title << ": the big read more than whole hours";
                }
            }
        }
    EXPECT_GE(makers, 10) << "the counting, clock and money tasks make their questions";
}

// Every question of the town, made or written, the quiz among them, guides with a first hint of its own
// rather than its task's one, and a second hint, where it has one, says more than the first; it offers
// three answers or more, and a written level has a whole play of questions.
TEST(TaskTables, EveryTownQuestionHasAHintOfItsOwn)
{
    const GameDef &town = townDefinition();
    for (int t = 0; t < town.taskCount; ++t) {
        const Task &task = town.tasks[t];
        std::vector<Round> rounds{task.quiz};
        for (int level = 0; level < LevelCount; ++level) {
            EXPECT_TRUE(task.maker || task.pools[level].size() >= static_cast<size_t>(RoundsPerTask)) << task.title;
            rounds.insert(rounds.end(), task.pools[level].begin(), task.pools[level].end());
            Random random = randomSeeded(7);
            for (int index = 0; task.maker && index < MadePool; ++index) rounds.push_back(task.maker(level, index, random));
        }
        for (const Round &r : rounds) {
            EXPECT_TRUE(r.hint && *r.hint && std::strcmp(r.hint, task.hint) != 0) << task.title << ": " << r.prompt;
            EXPECT_GE(choiceCount(r), 3) << task.title << ": " << r.prompt;
            EXPECT_TRUE(!r.secondHint || std::strcmp(r.secondHint, r.hint ? r.hint : "") != 0) << task.title << ": " << r.prompt;
        }
    }
}
