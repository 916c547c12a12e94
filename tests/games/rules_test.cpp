// rules_test.cpp -- the rules judge right and wrong answers by what they know, not by where the answer sits
#include <gtest/gtest.h>

#include "rules.h"
#include "taskdata.h"

namespace {

int rightChoices(const Round &r, RuleFn rule)
{
    int n = 0;
    for (int i = 0; i < choiceCount(r); ++i) n += rule(r, i) ? 1 : 0;
    return n;
}

} // namespace

TEST(Counting, CountsOnlyTheTargetAndIgnoresTakenApples)
{
    Pic apple = pic(PicApple), taken = pic(PicApple, 1);
    Round r = round("?", {apple, taken, apple, pic(PicMushroom), taken}, {numberAnswer(2), numberAnswer(4), numberAnswer(5)},
                    apple);
    EXPECT_TRUE(ruleCount(r, 0));
    EXPECT_FALSE(ruleCount(r, 1));
    EXPECT_FALSE(ruleCount(r, 2));
}

TEST(Counting, ATargetWithNegativeParameterCountsEveryColour)
{
    Round r = round("?", {pic(PicLeaf, ColRed), pic(PicLeaf, ColGreen), pic(PicAcorn)}, {numberAnswer(1), numberAnswer(2)},
                    pic(PicLeaf, -1));
    EXPECT_FALSE(ruleCount(r, 0));
    EXPECT_TRUE(ruleCount(r, 1));
}

TEST(Counting, AddingCountsBothGroupsButNotThePlusSign)
{
    Round r = round("?", join({many(pic(PicRabbit), 3), {pic(PicPlus)}, many(pic(PicRabbit), 2)}),
                    {numberAnswer(6), numberAnswer(5)});
    EXPECT_FALSE(ruleCountAll(r, 0));
    EXPECT_TRUE(ruleCountAll(r, 1));
}

TEST(Counting, AChoiceOutsideTheRoundIsNeverRight)
{
    Round r = round("?", many(pic(PicMushroom), 2), {numberAnswer(2)}, pic(PicMushroom));
    EXPECT_TRUE(ruleCount(r, 0));
    EXPECT_FALSE(ruleCount(r, 1));
    EXPECT_FALSE(ruleCount(r, -1));
    EXPECT_FALSE(ruleMarked(r, 7));
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

TEST(Facts, HomeAndFoodRulesFollowTheSceneAnimal)
{
    Round home = round("?", {pic(PicBird)}, {choice(pic(PicHollow)), choice(pic(PicNest))});
    EXPECT_FALSE(ruleHome(home, 0));
    EXPECT_TRUE(ruleHome(home, 1));
    home.scene[0] = pic(PicSquirrel);
    EXPECT_TRUE(ruleHome(home, 0));
    EXPECT_FALSE(ruleHome(home, 1));

    Round food = round("?", {pic(PicBear)}, {choice(pic(PicHoney)), choice(pic(PicCarrot))});
    EXPECT_TRUE(ruleFood(food, 0));
    EXPECT_FALSE(ruleFood(food, 1));
    Round unknown = round("?", {pic(PicCar)}, {choice(pic(PicHoney))});
    EXPECT_FALSE(ruleFood(unknown, 0));
}

TEST(Patterns, TheNextPictureContinuesTheShortestRepeat)
{
    Pic m = pic(PicMushroom), a = pic(PicApple), next;
    Round r = round("?", {m, m, a, m, m, a, m, pic(PicQuestion)}, {choice(a), choice(m)});
    ASSERT_TRUE(patternNext(r, &next));
    EXPECT_TRUE(samePic(next, m));
    EXPECT_FALSE(rulePattern(r, 0));
    EXPECT_TRUE(rulePattern(r, 1));
}

TEST(Patterns, ColoursMakeDifferentPictures)
{
    Pic red = pic(PicFlower, ColRed), yellow = pic(PicFlower, ColYellow);
    Round r = round("?", {red, yellow, red, yellow, pic(PicQuestion)}, {choice(yellow), choice(red)});
    EXPECT_TRUE(rulePattern(r, 1));
    EXPECT_FALSE(rulePattern(r, 0));
}

TEST(Patterns, AHeapWithoutRepeatHasNoAnswer)
{
    Pic next;
    Round r = round("?", {pic(PicApple), pic(PicAcorn), pic(PicLeaf), pic(PicQuestion)}, {choice(pic(PicApple))});
    EXPECT_FALSE(patternNext(r, &next));
    EXPECT_FALSE(rulePattern(r, 0));
}

TEST(Comparing, BiggestAndSmallestNeedAClearWinner)
{
    Round big = round("?", {}, {choice(pic(PicPine, 60)), choice(pic(PicPine, 100)), choice(pic(PicPine, 40))});
    EXPECT_EQ(rightChoices(big, ruleBiggest), 1);
    EXPECT_TRUE(ruleBiggest(big, 1));
    big.a = 1; // smallest
    EXPECT_TRUE(ruleBiggest(big, 2));
    EXPECT_FALSE(ruleBiggest(big, 1));
    Round tie = round("?", {}, {choice(pic(PicPine, 80)), choice(pic(PicPine, 80))});
    EXPECT_EQ(rightChoices(tie, ruleBiggest), 0);
}

TEST(Comparing, TheOddOneIsTheOnlyOneOfItsKind)
{
    Round r = round("?", {}, {choice(pic(PicFox)), choice(pic(PicRabbit)), choice(pic(PicCar, ColRed)), choice(pic(PicOwl))});
    EXPECT_TRUE(ruleOddOne(r, 2));
    EXPECT_FALSE(ruleOddOne(r, 0));
    Round mixed = round("?", {}, {choice(pic(PicFox)), choice(pic(PicCar)), choice(pic(PicApple))});
    EXPECT_EQ(rightChoices(mixed, ruleOddOne), 0);
}

TEST(Shapes, ColourAndShapeAreReadFromThePicture)
{
    Round shapes = round("?", {}, {choice(shapePic(ShapeSquare, ColRed)), choice(shapePic(ShapeCircle, ColRed))}, Pic{},
                         ShapeCircle);
    EXPECT_TRUE(ruleShape(shapes, 1));
    EXPECT_FALSE(ruleShape(shapes, 0));
    Round colours = round("?", {}, {choice(shapePic(ShapeSquare, ColBlue)), choice(pic(PicFlower, ColRed))}, Pic{}, ColBlue);
    EXPECT_TRUE(ruleColour(colours, 0));
    EXPECT_FALSE(ruleColour(colours, 1));
}

TEST(Money, CoinsAddUp)
{
    Round r = round("?", {pic(PicCoin, 50), pic(PicCoin, 20), pic(PicCoin, 10)}, {forintAnswer(70), forintAnswer(80)});
    EXPECT_EQ(sceneCoinSum(r), 80);
    EXPECT_TRUE(ruleCoinSum(r, 1));
    EXPECT_FALSE(ruleCoinSum(r, 0));
}

TEST(Money, OnlyTheOneAffordableThingCanBeBought)
{
    Round r = round("?", {}, {choice(pic(PicBall), "30 Ft", 30), choice(pic(PicIceCream), "20 Ft", 20)}, Pic{}, 20);
    EXPECT_TRUE(ruleAffordable(r, 1));
    EXPECT_FALSE(ruleAffordable(r, 0));
    r.a = 40; // both affordable: the question has no single answer
    EXPECT_EQ(rightChoices(r, ruleAffordable), 0);
}

TEST(Money, ChangeIsPaidMinusPrice)
{
    Round r = round("?", {}, {forintAnswer(10), forintAnswer(20)}, Pic{}, 50, 30);
    EXPECT_TRUE(ruleChange(r, 1));
    EXPECT_FALSE(ruleChange(r, 0));
}

TEST(Street, WalkersStopAtRedWaitAtYellowAndGoAtGreen)
{
    Round r = round("?", {pic(PicLight, LightRed)}, {answer("Megállok", 0), answer("várok", 1), answer("Mehetek", 2)});
    EXPECT_TRUE(ruleLight(r, 0));
    EXPECT_FALSE(ruleLight(r, 2));
    r.scene[0] = pic(PicLight, LightGreen);
    EXPECT_TRUE(ruleLight(r, 2));
    r.scene[0] = pic(PicLight, LightYellow);
    EXPECT_TRUE(ruleLight(r, 1));
    r.scene[0] = pic(PicWalkLight, 1);
    EXPECT_TRUE(ruleLight(r, 2));
    r.scene[0] = pic(PicWalkLight, 0);
    EXPECT_TRUE(ruleLight(r, 0));
    EXPECT_FALSE(ruleLight(r, 1));
}

TEST(Street, RubbishGoesToItsBinAndGoodsToTheirShop)
{
    Round bins = round("?", {pic(PicBottle)},
                       {choice(pic(PicBin, BinPaper)), choice(pic(PicBin, BinPlastic)), choice(pic(PicBin, BinGlass))});
    EXPECT_TRUE(ruleBin(bins, 1));
    EXPECT_FALSE(ruleBin(bins, 0));
    bins.scene[0] = pic(PicJar);
    EXPECT_TRUE(ruleBin(bins, 2));
    Round shops = round("?", {pic(PicMedicine)}, {choice(pic(PicShop, ShopBakery)), choice(pic(PicShop, ShopPharmacy))});
    EXPECT_TRUE(ruleShop(shops, 1));
    EXPECT_FALSE(ruleShop(shops, 0));
}

TEST(Order, PlacesAreCountedFromOneAndDaysWrapAround)
{
    Round r = round("?", {pic(PicCar, ColBlue), pic(PicCar, ColRed)}, {answer("első", 1), answer("második", 2)},
                    pic(PicCar, ColRed));
    EXPECT_TRUE(ruleOrdinal(r, 1));
    EXPECT_FALSE(ruleOrdinal(r, 0));
    Round days = round("?", {}, {answer("hétfő", 0), answer("vasárnap", 6)}, Pic{}, 6);
    EXPECT_TRUE(ruleNextDay(days, 0));
    EXPECT_FALSE(ruleNextDay(days, 1));
}
