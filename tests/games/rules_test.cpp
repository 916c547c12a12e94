// rules_test.cpp -- the rules judge right and wrong answers by what they know, not by where the answer sits
#include <gtest/gtest.h>

#include "rules.h"
#include "taskdata.h"

namespace {

// A round, its rule, and the one choice the rule must accept; every other choice must be refused.
struct RuleCase {
    const char *name;
    Round round;
    RuleFn rule;
    int right; // -1: the round has no single answer, so no choice is right
};

} // namespace

TEST(Rules, EachRuleAcceptsExactlyTheRightChoice)
{
    const Pic apple = pic(PicApple), taken = pic(PicApple, 1), m = pic(PicMushroom);
    const Pic red = pic(PicFlower, ColRed), yellow = pic(PicFlower, ColYellow);
    const std::initializer_list<Choice> pines{choice(pic(PicPine, 60)), choice(pic(PicPine, 100)), choice(pic(PicPine, 40))};
    const std::initializer_list<Choice> goods{choice(pic(PicBall), "30 Ft", 30), choice(pic(PicIceCream), "20 Ft", 20)};
    const std::initializer_list<Choice> bins{choice(pic(PicBin, BinPaper)), choice(pic(PicBin, BinPlastic)),
                                             choice(pic(PicBin, BinGlass))};
    const RuleCase cases[] = {
        {"only the target counts, taken apples do not",
         round("?", {apple, taken, apple, m, taken}, {numberAnswer(2), numberAnswer(4), numberAnswer(5)}, apple), ruleCount, 0},
        {"a target with a negative parameter counts every colour",
         round("?", {pic(PicLeaf, ColRed), pic(PicLeaf, ColGreen), pic(PicAcorn)}, {numberAnswer(1), numberAnswer(2)},
               pic(PicLeaf, -1)),
         ruleCount, 1},
        {"adding counts both groups but not the plus sign",
         round("?", join({many(pic(PicRabbit), 3), {pic(PicPlus)}, many(pic(PicRabbit), 2)}), {numberAnswer(6), numberAnswer(5)}),
         ruleCountAll, 1},
        {"the bird's home", round("?", {pic(PicBird)}, {choice(pic(PicHollow)), choice(pic(PicNest))}), ruleHome, 1},
        {"the squirrel's home", round("?", {pic(PicSquirrel)}, {choice(pic(PicHollow)), choice(pic(PicNest))}), ruleHome, 0},
        {"the bear's food", round("?", {pic(PicBear)}, {choice(pic(PicHoney)), choice(pic(PicCarrot))}), ruleFood, 0},
        {"a car eats nothing", round("?", {pic(PicCar)}, {choice(pic(PicHoney))}), ruleFood, -1},
        {"who lives in the hive", round("?", {pic(PicHive)}, {choice(pic(PicBird)), choice(pic(PicBee))}), ruleHome, 1},
        {"who eats the acorn", round("?", {pic(PicAcorn)}, {choice(pic(PicSquirrel)), choice(pic(PicFrog))}), ruleFood, 0},
        {"two birds stand on four legs",
         round("?", {pic(PicBird), pic(PicBird)}, {numberAnswer(2), numberAnswer(4)}), ruleLegs, 1},
        {"a riddle names the animal it is about",
         round("?", {}, {answer("róka", PicFox), answer("nyuszi", PicRabbit)}, pic(PicRabbit)), ruleSceneKind, 1},
        {"the shortest repeat goes on", round("?", {m, m, apple, m, m, apple, m, pic(PicQuestion)}, {choice(apple), choice(m)}),
         rulePattern, 1},
        {"colours make different pictures", round("?", {red, yellow, red, yellow, pic(PicQuestion)}, {choice(yellow), choice(red)}),
         rulePattern, 1},
        {"a heap without repeat", round("?", {apple, pic(PicAcorn), pic(PicLeaf), pic(PicQuestion)}, {choice(apple)}),
         rulePattern, -1},
        {"the biggest", round("?", {}, pines), ruleBiggest, 1},
        {"the smallest", round("?", {}, pines, Pic{}, 1), ruleBiggest, 2},
        {"a tie has no biggest", round("?", {}, {choice(pic(PicPine, 80)), choice(pic(PicPine, 80))}), ruleBiggest, -1},
        {"the odd one out",
         round("?", {}, {choice(pic(PicFox)), choice(pic(PicRabbit)), choice(pic(PicCar, ColRed)), choice(pic(PicOwl))}),
         ruleOddOne, 2},
        {"all different: no odd one", round("?", {}, {choice(pic(PicFox)), choice(pic(PicCar)), choice(pic(PicApple))}),
         ruleOddOne, -1},
        {"the shape",
         round("?", {}, {choice(shapePic(ShapeSquare, ColRed)), choice(shapePic(ShapeCircle, ColRed))}, Pic{}, ShapeCircle),
         ruleShape, 1},
        {"the colour", round("?", {}, {choice(shapePic(ShapeSquare, ColBlue)), choice(pic(PicFlower, ColRed))}, Pic{}, ColBlue),
         ruleColour, 0},
        {"coins add up", round("?", {pic(PicCoin, 50), pic(PicCoin, 20), pic(PicCoin, 10)}, {forintAnswer(70), forintAnswer(80)}),
         ruleCoinSum, 1},
        {"the dearest thing the money pays for", round("?", {}, goods, Pic{}, 40), ruleAffordable, 0},
        {"only the cheaper thing is paid for", round("?", {}, goods, Pic{}, 20), ruleAffordable, 1},
        {"nothing is paid for", round("?", {}, goods, Pic{}, 10), ruleAffordable, -1},
        {"40 Ft is not paid from 30 Ft",
         round("?", {}, {answer("marad", 0), answer("pont", 1), answer("nem", 2)}, Pic{}, 30, 40), ruleAffordable, 2},
        {"change is paid minus price", round("?", {}, {forintAnswer(10), forintAnswer(20)}, Pic{}, 50, 30), ruleChange, 1},
        {"a bottle goes with the plastic", round("?", {pic(PicBottle)}, bins), ruleBin, 1},
        {"a jar goes with the glass", round("?", {pic(PicJar)}, bins), ruleBin, 2},
        {"a glass bottle goes with the glass", round("?", {pic(PicBottle, 1)}, bins), ruleBin, 2},
        {"medicine comes from the pharmacy",
         round("?", {pic(PicMedicine)}, {choice(pic(PicShop, ShopBakery)), choice(pic(PicShop, ShopPharmacy))}), ruleShop, 1},
        {"places are counted from one",
         round("?", {pic(PicCar, ColBlue), pic(PicCar, ColRed)}, {answer("első", 1), answer("második", 2)}, pic(PicCar, ColRed)),
         ruleOrdinal, 1},
        {"a row waiting at a light is counted from the light",
         round("?", {pic(PicCar, ColBlue), pic(PicCar, ColRed), pic(PicLight, LightRed)}, {answer("első", 1), answer("második", 2)},
               pic(PicCar, ColRed)),
         ruleOrdinal, 0},
        {"the day after Sunday is Monday: the week wraps around",
         round("?", {}, {answer("hétfő", 0), answer("vasárnap", 6)}, Pic{}, 6, 1), ruleDayAfter, 0},
        {"the day before Monday is Sunday",
         round("?", {}, {answer("hétfő", 0), answer("vasárnap", 6)}, Pic{}, 0, -1), ruleDayAfter, 1},
    };
    for (const RuleCase &c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_GE(choiceCount(c.round), 1);
        for (int i = 0; i < choiceCount(c.round); ++i) EXPECT_EQ(c.rule(c.round, i), i == c.right) << "choice " << i;
    }
}

TEST(Rules, AChoiceOutsideTheRoundIsNeverRight)
{
    Round r = round("?", many(pic(PicMushroom), 2), {numberAnswer(2)}, pic(PicMushroom));
    EXPECT_TRUE(ruleCount(r, 0));
    EXPECT_FALSE(ruleCount(r, 1));
    EXPECT_FALSE(ruleCount(r, -1));
    EXPECT_FALSE(ruleMarked(r, 7));
}

TEST(Rules, PatternsAndCoinsAreReadFromTheScene)
{
    Pic m = pic(PicMushroom), a = pic(PicApple), next;
    ASSERT_TRUE(patternNext(round("?", {m, m, a, m, m, a, m, pic(PicQuestion)}, {choice(a)}), &next));
    EXPECT_TRUE(samePic(next, m));
    EXPECT_FALSE(patternNext(round("?", {a, pic(PicAcorn), pic(PicLeaf), pic(PicQuestion)}, {choice(a)}), &next));
    EXPECT_EQ(sceneCoinSum(round("?", {pic(PicCoin, 50), pic(PicCoin, 20), pic(PicCoin, 10)}, {forintAnswer(80)})), 80);
}

TEST(Facts, AnimalsHaveTheirHomesFoodAndLegs)
{
    EXPECT_EQ(homeOf(PicSquirrel), PicHollow);
    EXPECT_EQ(homeOf(PicFox), PicBurrow);
    EXPECT_EQ(homeOf(PicBear), PicCave);
    EXPECT_EQ(homeOf(PicCar), PicNone);
    EXPECT_EQ(foodOf(PicRabbit), PicCarrot);
    EXPECT_EQ(foodOf(PicFrog), PicFly);
    EXPECT_EQ(legsOf(PicBird), 2);
    EXPECT_EQ(legsOf(PicFox), 4);
    EXPECT_EQ(legsOf(PicBee), 6);
}
