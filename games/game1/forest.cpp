// forest.cpp -- "erdei kalandok": the fifteen forest tasks
#include "forest.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <utility>
#include <vector>

#include "../common/taskdata.h"
#include "tavrin/progress.h"

namespace {

const Pic squirrel = pic(PicSquirrel), hedgehog = pic(PicHedgehog), rabbit = pic(PicRabbit), fox = pic(PicFox),
          bear = pic(PicBear), owl = pic(PicOwl), bird = pic(PicBird), bee = pic(PicBee), frog = pic(PicFrog);
const Pic mushroom = pic(PicMushroom), apple = pic(PicApple), takenApple = pic(PicApple, 1), acorn = pic(PicAcorn);

// A season is answered with its sign: a blossom, the sun, an autumn leaf, a snowflake.
Choice seasonAnswer(int season, int value)
{
    static const std::array<Choice, 4> signs{{
        choice(pic(PicFlower, ColPink), "tavasz"), choice(pic(PicSun), "nyár"), choice(pic(PicLeaf, ColOrange), "ősz"),
        choice(pic(PicSnowflake), "tél"),
    }};
    Choice c = signs[static_cast<std::size_t>(season)];
    c.value = value;
    return c;
}

Round seasonRound(int season)
{
    return round("Milyen évszak van?", {pic(PicTree, season)},
                 {seasonAnswer(SeasonSpring, SeasonSpring), seasonAnswer(SeasonSummer, SeasonSummer),
                  seasonAnswer(SeasonAutumn, SeasonAutumn), seasonAnswer(SeasonWinter, SeasonWinter)});
}

// The numbers the counting tasks ask for at a level: to 10 for the small ones, to 20 for the big ones.
struct Span {
    int low, high;
};
Span countSpan(int level) { return level == ProgressLevelBig ? Span{8, 20} : Span{2, 10}; }

// Counting mushrooms; the prompt follows the number, so that the same number is the same question.
Round mushroomRound(int level, int, Random &random)
{
    static constexpr std::array<const char *, 3> prompts{"Hány gomba nőtt itt?", "Hány gombát látsz?",
                                                         "Hány gomba van itt?"};
    Span span = countSpan(level);
    int n = randomBetween(random, span.low, span.high);
    return round(prompts[static_cast<std::size_t>(n % 3)], many(mushroom, n),
                 numberAnswers(nearMisses(random, n, 1, 1)), mushroom);
}

// Counting one kind among others: apples, then acorns, then leaves of every colour, in turn through the pool.
Round onlyTheseRound(int level, int index, Random &random)
{
    static constexpr std::array<int, 4> leafColours{ColRed, ColYellow, ColGreen, ColOrange};
    bool big = level == ProgressLevelBig;
    int n = big ? randomBetween(random, 5, 12) : randomBetween(random, 2, 6);
    int others = big ? randomBetween(random, 3, std::min(8, 20 - n)) : randomBetween(random, 2, std::min(5, 10 - n));
    int kind = index % 3;
    std::vector<Pic> counted;
    for (int i = 0; i < n; ++i)
        counted.push_back(kind == 0   ? apple
                          : kind == 1 ? acorn
                                      : pic(PicLeaf, leafColours[static_cast<std::size_t>(randomBelow(random, 4))]));
    auto answers = numberAnswers(nearMisses(random, n, 1, 1));
    if (kind == 0) return round("Hány alma van a képen?", scatter(random, counted, {mushroom, acorn}, others), answers, apple);
    if (kind == 1)
        return round("Hány makkot látsz?", scatter(random, counted, {apple, mushroom, pic(PicLeaf, ColGreen)}, others),
                     answers, acorn);
    return round("Hány levelet látsz?", scatter(random, counted, {mushroom, acorn}, others), answers, pic(PicLeaf, -1));
}

// Adding two groups of one animal, shown with the plus sign between them: sums to 10 at the small level; at
// the big one sums to 20 in the first half of the pool and whole tens to 100, told without pictures, after.
Round additionRound(int level, int index, Random &random)
{
    static const std::array<std::pair<Pic, const char *>, 3> animals{{
        {squirrel, "mókus"}, {rabbit, "nyuszi"}, {bird, "madár"},
    }};
    const auto &animal = animals[static_cast<std::size_t>(index % 3)];
    bool tens = level == ProgressLevelBig && index >= MadePool / 2;
    int a = 0, b = 0;
    if (tens) {
        a = 10 * randomBetween(random, 1, 8);
        b = 10 * randomBetween(random, 1, 10 - a / 10);
    } else if (level == ProgressLevelBig) {
        a = randomBetween(random, 4, 12);
        b = randomBetween(random, 2, std::min(9, 19 - a));
    } else {
        a = randomBetween(random, 1, 5);
        b = randomBetween(random, 1, std::min(5, 10 - a));
    }
    std::vector<Pic> scene = tens ? std::vector<Pic>{} : join({many(animal.first, a), {pic(PicPlus)}, many(animal.first, b)});
    return round(keptText("%d %s meg %d %s. Hányan vannak együtt?", a, animal.second, b, animal.second), scene,
                 numberAnswers(nearMisses(random, a + b, tens ? 10 : 1, 1)), Pic{}, a, b);
}

// Apples taken away by the hedgehog, the taken ones shown crossed out: from 10 apples at most at the small
// level; at the big one from 20, then whole tens from 100, told without pictures.
Round takeAwayRound(int level, int index, Random &random)
{
    bool tens = level == ProgressLevelBig && index >= MadePool / 2;
    int total = 0, taken = 0;
    if (tens) {
        total = 10 * randomBetween(random, 3, 10);
        taken = 10 * randomBetween(random, 1, total / 10 - 1);
    } else if (level == ProgressLevelBig) {
        total = randomBetween(random, 10, 20);
        taken = randomBetween(random, 2, std::min(9, total - 2));
    } else {
        total = randomBetween(random, 3, 10);
        taken = randomBetween(random, 1, std::min(4, total - 1));
    }
    std::vector<Pic> scene = tens ? std::vector<Pic>{} : join({many(apple, total - taken), many(takenApple, taken)});
    return round(keptText("%d alma volt, a süni elvitt %d-%s. Hány maradt?", total, taken, accusativeEnding(taken)), scene,
                 numberAnswers(nearMisses(random, total - taken, tens ? 10 : 1, tens ? 10 : 1)), tens ? Pic{} : apple,
                 total, taken);
}

Choice swatch(int colour, const char *name) { return choice(pic(PicSwatch, colour), name, colour); }

const auto forestTasks = taskTable(
    madeTask("Gombaszámolás", mushroom, "Számold meg őket egyenként, ujjal mutatva!", ruleCount, mushroomRound,
             hinted(round("Melyik szám jön a 4 után?", {}, {answer("3", 0), answer("5", 1), answer("6", 0)}),
                    "Számolj el 4-ig, és mondd a következőt!")),

    madeTask("Csak az almák!", apple, "Csak azt számold, amit a kérdés kér!", ruleCount, onlyTheseRound,
             hinted(round("Melyik gyümölcs?", {},
                          {choice(mushroom, "gomba", 0), choice(apple, "alma", 1), choice(pic(PicLeaf, ColGreen), "levél", 0)}),
                    "A gyümölcs fán terem, és édes.")),

    task("Ki hol lakik?", pic(PicHollow), "Gondold végig: hol alszik ez az állat?", ruleHome, bothLevels({
         round("Hol lakik a mókus?", {squirrel},
               {choice(pic(PicHollow), "odú"), choice(pic(PicNest), "fészek"), choice(pic(PicCave), "barlang")}),
         round("Hol lakik a madár?", {bird},
               {choice(pic(PicCave), "barlang"), choice(pic(PicNest), "fészek"), choice(pic(PicPond), "tó")}),
         round("Hol lakik a róka?", {fox},
               {choice(pic(PicHive), "kaptár"), choice(pic(PicHollow), "odú"), choice(pic(PicBurrow), "kotorék")})}),
         hinted(round("Hol lakik a medve?", {bear},
                      {choice(pic(PicNest), "fészek"), choice(pic(PicPond), "tó"), choice(pic(PicCave), "barlang")}),
                "A medve nagy. Egy sziklás üregben alszik."),
         ruleHome),

    task("Ki mit eszik?", acorn, "Mit szeret ez az állat a legjobban?", ruleFood, bothLevels({
         round("Mit eszik a mókus?", {squirrel},
               {choice(pic(PicCarrot), "répa"), choice(acorn, "makk"), choice(pic(PicFly), "légy")}),
         round("Mit eszik a nyuszi?", {rabbit},
               {choice(pic(PicHoney), "méz"), choice(pic(PicWorm), "kukac"), choice(pic(PicCarrot), "répa")}),
         round("Mit keres a méhecske?", {bee},
               {choice(pic(PicFlower, ColPink), "virág"), choice(pic(PicCarrot), "répa"), choice(pic(PicWorm), "kukac")})}),
         hinted(round("Mit eszik a béka?", {frog},
                      {choice(pic(PicCarrot), "répa"), choice(pic(PicHoney), "méz"), choice(pic(PicFly), "légy")}),
                "A béka a nyelvével kis bogarakat kap el."),
         ruleFood),

    task("Formák", shapePic(ShapeTriangle, ColGreen), "Nézd meg a sarkait és az oldalait!", ruleShape, bothLevels({
         round("Melyik a kör?", {},
               {choice(shapePic(ShapeSquare, ColBlue)), choice(shapePic(ShapeCircle, ColRed)),
                choice(shapePic(ShapeTriangle, ColYellow))},
               Pic{}, ShapeCircle),
         round("Melyik a háromszög?", {},
               {choice(shapePic(ShapeCircle, ColGreen)), choice(shapePic(ShapeStar, ColYellow)),
                choice(shapePic(ShapeTriangle, ColOrange)), choice(shapePic(ShapeSquare, ColPurple))},
               Pic{}, ShapeTriangle),
         round("Melyik a négyzet?", {},
               {choice(shapePic(ShapeRectangle, ColBlue)), choice(shapePic(ShapeSquare, ColRed)),
                choice(shapePic(ShapeCircle, ColYellow))},
               Pic{}, ShapeSquare)}),
         hinted(round("Hány sarka van a háromszögnek?", {shapePic(ShapeTriangle, ColOrange)},
                      {answer("2", 0), answer("3", 1), answer("4", 0)}),
                "Számold meg a hegyes sarkait!")),

    task("Színes virágok", pic(PicFlower, ColRed), "Nézd meg jól a színeket!", ruleColour, bothLevels({
         round("Melyik a piros virág?", {},
               {choice(pic(PicFlower, ColYellow)), choice(pic(PicFlower, ColRed)), choice(pic(PicFlower, ColBlue))},
               Pic{}, ColRed),
         round("Melyik a kék virág?", {},
               {choice(pic(PicFlower, ColPurple)), choice(pic(PicFlower, ColPink)), choice(pic(PicFlower, ColYellow)),
                choice(pic(PicFlower, ColBlue))},
               Pic{}, ColBlue),
         round("Melyik levél sárga?", {},
               {choice(pic(PicLeaf, ColYellow)), choice(pic(PicLeaf, ColGreen)), choice(pic(PicLeaf, ColRed))},
               Pic{}, ColYellow)}),
         hinted(round("Milyen színű a fű?", {}, {swatch(ColRed, "piros"), swatch(ColGreen, "zöld"), swatch(ColBlue, "kék")},
                      Pic{}, ColGreen),
                "Gondolj a rétre, amin szaladgálsz!"),
         ruleColour),

    task("Nagy és kicsi", pic(PicPine, 100), "Hasonlítsd össze őket egymással!", ruleBiggest, bothLevels({
         round("Melyik fenyő a legnagyobb?", {},
               {choice(pic(PicPine, 60)), choice(pic(PicPine, 100)), choice(pic(PicPine, 40))}),
         round("Melyik fenyő a legkisebb?", {},
               {choice(pic(PicPine, 80)), choice(pic(PicPine, 100)), choice(pic(PicPine, 45))}, Pic{}, 1),
         round("Melyik kosárban van a legtöbb alma?", {},
               {choice(pic(PicBasket, 2)), choice(pic(PicBasket, 3)), choice(pic(PicBasket, 6))})}),
         hinted(round("Melyik a nagyobb állat?", {}, {choice(bee, "méhecske", 0), choice(bear, "medve", 1)}),
                "Gondolj arra, mekkorák a valóságban!")),

    task("Mi jön ezután?", pic(PicLeaf, ColOrange), "Keresd meg, mi ismétlődik!", rulePattern, bothLevels({
         round("Mi jön ezután?",
               {pic(PicLeaf, ColGreen), acorn, pic(PicLeaf, ColGreen), acorn, pic(PicLeaf, ColGreen), pic(PicQuestion)},
               {choice(pic(PicLeaf, ColGreen)), choice(mushroom), choice(acorn)}),
         round("Mi jön ezután?",
               {pic(PicFlower, ColRed), pic(PicFlower, ColYellow), pic(PicFlower, ColRed), pic(PicFlower, ColYellow),
                pic(PicQuestion)},
               {choice(pic(PicFlower, ColYellow)), choice(pic(PicFlower, ColRed)), choice(pic(PicFlower, ColBlue))}),
         round("Mi jön ezután?",
               {apple, mushroom, mushroom, apple, mushroom, mushroom, pic(PicQuestion)},
               {choice(mushroom), choice(acorn), choice(apple)})}),
         hinted(round("Mi jön ezután: piros, kék, piros, kék...?", {},
                      {swatch(ColGreen, "zöld"), swatch(ColRed, "piros"), swatch(ColBlue, "kék")}, Pic{}, ColRed),
                "Mondd ki hangosan a színeket sorban!"),
         ruleColour),

    task("Kakukktojás", owl, "Három összetartozik. Melyik lóg ki a sorból?", ruleOddOne, bothLevels({
         round("Melyik nem állat?", {}, {choice(fox), choice(rabbit), choice(pic(PicCar, ColRed)), choice(owl)}),
         round("Melyik nem való ide?", {},
               {choice(mushroom), choice(pic(PicFlower, ColYellow)), choice(bear), choice(pic(PicLeaf, ColGreen))}),
         round("Melyik lóg ki a sorból?", {},
               {choice(pic(PicHollow)), choice(pic(PicNest)), choice(pic(PicCave)), choice(pic(PicCarrot))})}),
         hinted(round("Mi a kakukktojás?", {},
                      {answer("ami nem illik a többi közé", 1), answer("a reggeli tojás", 0)}),
                "Ebben a játékban azt kerested, ami más, mint a többi.")),

    task("Évszakok", pic(PicTree, SeasonAutumn), "Nézd meg a fát: van levele? Milyen színű?", ruleSceneParam, bothLevels({
         seasonRound(SeasonWinter), seasonRound(SeasonAutumn), seasonRound(SeasonSpring)}),
         hinted(round("Melyik évszak jön a nyár után?", {pic(PicTree, SeasonSummer)},
                      {seasonAnswer(SeasonSpring, 0), seasonAnswer(SeasonAutumn, 1), seasonAnswer(SeasonWinter, 0)}),
                "Tavasz, nyár, ősz, tél: így jönnek sorban.")),

    madeTask("Összeadás", pic(PicPlus), "Számold össze mindet együtt!", ruleSum, additionRound,
             hinted(round("Mennyi 2 meg 2?", {}, {answer("3", 0), answer("4", 1), answer("5", 0)}),
                    "Mutass fel 2 ujjat, aztán még 2-t, és számold meg!")),

    madeTask("Elvitte a süni", hedgehog, "Az áthúzott almákat ne számold!", ruleChange, takeAwayRound,
             hinted(round("Ha 5 almából elveszel 1-et, hány marad?", {}, {answer("6", 0), answer("5", 0), answer("4", 1)}),
                    "Mutass 5 ujjat, és hajts be egyet!")),

    task("Ki vagyok én?", fox, "Nézd meg a fülét, a farkát és a színét!", ruleSceneKind, bothLevels({
         round("Ki ez az állat?", {fox}, {answer("nyuszi", PicRabbit), answer("róka", PicFox), answer("medve", PicBear)}),
         round("Ki ez az állat?", {owl}, {answer("bagoly", PicOwl), answer("béka", PicFrog), answer("sün", PicHedgehog)}),
         round("Ki ez az állat?", {hedgehog},
               {answer("mókus", PicSquirrel), answer("róka", PicFox), answer("sün", PicHedgehog)})}),
         hinted(round("Melyik állat tud repülni?", {},
                      {choice(fox, "róka", 0), choice(bird, "madár", 1), choice(hedgehog, "sün", 0)}),
                "Melyiknek van szárnya?")),

    task("Vigyázz az erdőre!", pic(PicBin, BinMixed), "Mi jó az erdőnek és az állatoknak?", ruleMarked, bothLevels({
         round("Hova dobod a szemetet?", {},
               {warned(choice(pic(PicLitter), "a fűbe", 0), "Vigyázz! A szemét árt az állatoknak."),
                choice(pic(PicBin, BinMixed), "a kukába", 1)}),
         round("Szép virágot látsz. Mit teszel?", {},
               {choice(pic(PicFlower, ColPink), "otthagyom", 1), choice(pic(PicPickFlower), "leszakítom", 0)}),
         round("Mit teszel, ha egy kis állatot látsz?", {rabbit},
               {answer("megkergetem", 0), answer("csendben nézem", 1), answer("hazaviszem", 0)})}),
         hinted(round("Szabad tüzet rakni az erdőben?", {pic(PicCampfire)},
                      {warned(answer("igen, bárhol", 0), "Vigyázz! A tűz leégetheti az erdőt."), answer("nem, soha", 1)}),
                "A tűz könnyen átterjed a fákra.")),

    task("Hány lába van?", bee, "Gondold végig, hogyan jár!", ruleLegs, bothLevels({
         round("Hány lába van a madárnak?", {bird}, {numberAnswer(2), numberAnswer(4), numberAnswer(6)}),
         round("Hány lába van a rókának?", {fox}, {numberAnswer(2), numberAnswer(3), numberAnswer(4)}),
         round("Hány lába van a méhecskének?", {bee}, {numberAnswer(4), numberAnswer(6), numberAnswer(8)})}),
         hinted(round("Hány lába van a nyuszinak?", {rabbit}, {numberAnswer(6), numberAnswer(2), numberAnswer(4)}),
                "Számold meg a lábait a képen!"),
         ruleLegs));

// A task's place in the table names its stored value, and the menu counts exactly this many.
static_assert(std::tuple_size<decltype(forestTasks)>::value == FirstGameTaskCount,
              "the menu counts 15 tasks of this game");

const GameDef forestGame{"erdei kalandok", TAVRIN_FIRST_GAME_VALUE_FORMAT, "g1s%d", ThemeForest, FirstGameTaskCount,
                         forestTasks.data()};

} // namespace

const GameDef &forestDefinition() { return forestGame; }
