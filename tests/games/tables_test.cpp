// tables_test.cpp -- every round of both games has exactly one right answer, and everything a child sees is there
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "forest.h"
#include "rules.h"
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
    if (r.hint) {
        EXPECT_TRUE(validUtf8(r.hint));
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
        for (int r = 0; r < RoundsPerTask; ++r) checkRound(name + " round " + std::to_string(r), task.rounds[r], task.rule);
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

TEST(TaskTables, RoundsMadeAfreshHaveOneRightAnswerAndDifferFromPlayToPlay)
{
    int makers = 0;
    for (const GameDef *g : {&forestDefinition(), &townDefinition()})
        for (int t = 0; t < g->taskCount; ++t) {
            const Task &task = g->tasks[t];
            if (!task.maker) continue;
            ++makers;
            for (int index = 0; index < RoundsPerTask; ++index) {
                std::set<std::string> seen;
                for (uint32_t seed = 1; seed <= 300; ++seed) {
                    Random random = randomSeeded(seed);
                    Round r = task.maker(index, random);
                    std::string where = std::string(task.title) + " round " + std::to_string(index) + " seed " +
                                        std::to_string(seed);
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
                }
                EXPECT_GE(seen.size(), 4u) << task.title << " round " << index << " hardly changes";
            }
        }
    EXPECT_GE(makers, 10) << "the counting, clock and money tasks make their rounds afresh";
}
