// rules.h -- the small rules that judge answers, and the facts they know (who lives where, what a sign means)
#pragma once

#include "tasks.h"

// Facts.
PicKind homeOf(PicKind animal);           // PicNone when the animal has no home in the table
PicKind foodOf(PicKind animal);
int categoryOf(Pic pic);                  // 0 none, 1 animal, 2 plant or fruit, 3 vehicle, 4 thing to eat, 5 home
int colourOf(Pic pic);                    // -1 when the picture has no colour of its own
BinKind binFor(Pic rubbish);
ShopKind shopFor(PicKind goods);
int legsOf(PicKind animal);               // 0 when unknown
int coinValue(Pic pic);                   // 0 for anything that is not a coin
int sceneCoinSum(const Round &round);
int patternNext(const Round &round, Pic *next); // 1 when the scene repeats and its next picture is known
// Whether scene picture `index` is counted: like the target, or, with `everything`, any but the signs.
bool sceneCounts(const Round &round, int index, bool everything);

// Rules, one per kind of question.
bool ruleCount(const Round &round, int choice);       // the number of scene pictures like the target
bool ruleCountAll(const Round &round, int choice);    // every scene picture except signs and question marks
bool ruleHome(const Round &round, int choice);        // the home of the scene's animal, or the animal of its home
bool ruleFood(const Round &round, int choice);        // the food of the scene's animal, or the animal of its food
bool ruleSceneParam(const Round &round, int choice);  // value equals the parameter of the scene's first picture
bool ruleSceneKind(const Round &round, int choice);   // value names the kind of the scene's first picture (or target)
bool rulePickTarget(const Round &round, int choice);  // the choice's picture is the target picture
bool ruleShape(const Round &round, int choice);       // the choice's picture is a shape of kind a
bool ruleLegs(const Round &round, int choice);        // value is the number of legs of the scene's animals together
bool ruleColour(const Round &round, int choice);      // the choice's picture has colour a
bool ruleBiggest(const Round &round, int choice);     // the largest parameter among the choices (a = 1: smallest)
bool rulePattern(const Round &round, int choice);     // the picture that continues the scene's pattern
bool ruleOddOne(const Round &round, int choice);      // the one whose category differs from all the others
bool ruleSum(const Round &round, int choice);          // value is a plus b
bool ruleCoinSum(const Round &round, int choice);     // value is the sum of the scene's coins
// The dearest choice whose price (value) is at most a, the money there is; when b is the price of one thing
// instead, the verdict on paying it from a: 0 money is left over, 1 just enough, 2 not enough.
bool ruleAffordable(const Round &round, int choice);
bool ruleChange(const Round &round, int choice);      // value is a minus b
bool ruleBin(const Round &round, int choice);         // the bin for the scene's rubbish
bool ruleShop(const Round &round, int choice);        // the shop that sells the scene's goods
// The target's place in the row from 1, counted from its front: from the traffic light the row waits at
// when it ends with one, from the left otherwise; the light and arrows are not counted.
bool ruleOrdinal(const Round &round, int choice);
bool ruleDayAfter(const Round &round, int choice);    // value is the day b days after day a (0 Monday ... 6 Sunday)
bool ruleMarked(const Round &round, int choice);      // value 1 marks the right answer (facts told in words)
