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

// Counting mushrooms: more of them in each round.
Round mushroomRound(int index, Random &random)
{
    static constexpr std::array<const char *, RoundsPerTask> prompts{"Hány gomba nőtt itt?", "Hány gombát látsz?",
                                                                    "Hány gomba van itt?"};
    static constexpr std::array<std::array<int, 2>, RoundsPerTask> ranges{{{{3, 4}}, {{5, 6}}, {{6, 7}}}};
    int n = randomBetween(random, ranges[index][0], ranges[index][1]);
    return round(prompts[index], many(mushroom, n), numberAnswers(nearMisses(random, n, 1, 1)), mushroom);
}

// Counting one kind among others: apples, then acorns, then leaves of every colour.
Round onlyTheseRound(int index, Random &random)
{
    static constexpr std::array<int, 4> leafColours{ColRed, ColYellow, ColGreen, ColOrange};
    int n = randomBetween(random, 2, 4), others = randomBetween(random, 2, 7 - n);
    std::vector<Pic> counted;
    for (int i = 0; i < n; ++i)
        counted.push_back(index == 0   ? apple
                          : index == 1 ? acorn
                                       : pic(PicLeaf, leafColours[static_cast<std::size_t>(randomBelow(random, 4))]));
    auto answers = numberAnswers(nearMisses(random, n, 1, 1));
    if (index == 0) return round("Hány alma van a képen?", scatter(random, counted, {mushroom, acorn}, others), answers, apple);
    if (index == 1)
        return round("Hány makkot látsz?", scatter(random, counted, {apple, mushroom, pic(PicLeaf, ColGreen)}, others),
                     answers, acorn);
    return round("Hány levelet látsz?", scatter(random, counted, {mushroom, acorn}, others), answers, pic(PicLeaf, -1));
}

// Adding two groups of one animal; seven pictures at most with the plus sign, so that they stand in one row.
Round additionRound(int index, Random &random)
{
    static const std::array<std::pair<Pic, const char *>, RoundsPerTask> animals{{
        {squirrel, "mókus"}, {rabbit, "nyuszi"}, {bird, "madár"},
    }};
    const auto &animal = animals[index];
    int a = randomBetween(random, 1, 3), b = randomBetween(random, 1, std::min(3, 6 - a));
    return round(keptText("%d %s meg %d %s. Hányan vannak együtt?", a, animal.second, b, animal.second),
                 join({many(animal.first, a), {pic(PicPlus)}, many(animal.first, b)}),
                 numberAnswers(nearMisses(random, a + b, 1, 1)));
}

// Apples taken away by the hedgehog: the taken ones are shown crossed out.
Round takeAwayRound(int index, Random &random)
{
    int total = randomBetween(random, 3 + 2 * index, 4 + 2 * index);
    int taken = randomBetween(random, 1, std::min(3, total - 1));
    return round(keptText("%d alma volt, a süni elvitt %d-%s. Hány maradt?", total, taken, accusativeEnding(taken)),
                 join({many(apple, total - taken), many(takenApple, taken)}),
                 numberAnswers(nearMisses(random, total - taken, 1, 1)), apple);
}

Choice swatch(int colour, const char *name) { return choice(pic(PicSwatch, colour), name, colour); }

const auto forestTasks = taskTable(
    madeBy(task("Gombaszámolás", mushroom, "Számold meg őket egyenként, ujjal mutatva!", ruleCount,
                round("Hány gomba nőtt itt?", many(mushroom, 3), {numberAnswer(2), numberAnswer(3), numberAnswer(4)},
                      mushroom),
                round("Hány gombát látsz?", many(mushroom, 5), {numberAnswer(6), numberAnswer(4), numberAnswer(5)}, mushroom),
                round("Hány gomba van itt?", many(mushroom, 7), {numberAnswer(7), numberAnswer(8), numberAnswer(6)}, mushroom),
                hinted(round("Melyik szám jön a 4 után?", {}, {answer("3", 0), answer("5", 1), answer("6", 0)}),
                       "Számolj el 4-ig, és mondd a következőt!")),
           mushroomRound),

    madeBy(task("Csak az almák!", apple, "Csak azt számold, amit a kérdés kér!", ruleCount,
                round("Hány alma van a képen?", {apple, mushroom, apple, acorn, apple},
                      {numberAnswer(2), numberAnswer(3), numberAnswer(5)}, pic(PicApple, 0)),
                round("Hány makkot látsz?", {acorn, apple, acorn, pic(PicLeaf, ColGreen), acorn, acorn, mushroom},
                      {numberAnswer(4), numberAnswer(3), numberAnswer(7)}, acorn),
                round("Hány levelet látsz?",
                      {pic(PicLeaf, ColRed), mushroom, pic(PicLeaf, ColYellow), pic(PicLeaf, ColGreen), acorn,
                       pic(PicLeaf, ColOrange)},
                      {numberAnswer(6), numberAnswer(3), numberAnswer(4)}, pic(PicLeaf, -1)),
                hinted(round("Melyik gyümölcs?", {},
                             {choice(mushroom, "gomba", 0), choice(apple, "alma", 1), choice(pic(PicLeaf, ColGreen), "levél", 0)}),
                       "A gyümölcs fán terem, és édes.")),
           onlyTheseRound),

    task("Ki hol lakik?", pic(PicHollow), "Gondold végig: hol alszik ez az állat?", ruleHome,
         round("Hol lakik a mókus?", {squirrel},
               {choice(pic(PicHollow), "odú"), choice(pic(PicNest), "fészek"), choice(pic(PicCave), "barlang")}),
         round("Hol lakik a madár?", {bird},
               {choice(pic(PicCave), "barlang"), choice(pic(PicNest), "fészek"), choice(pic(PicPond), "tó")}),
         round("Hol lakik a róka?", {fox},
               {choice(pic(PicHive), "kaptár"), choice(pic(PicHollow), "odú"), choice(pic(PicBurrow), "kotorék")}),
         hinted(round("Hol lakik a medve?", {bear},
                      {choice(pic(PicNest), "fészek"), choice(pic(PicPond), "tó"), choice(pic(PicCave), "barlang")}),
                "A medve nagy. Egy sziklás üregben alszik."),
         ruleHome),

    task("Ki mit eszik?", acorn, "Mit szeret ez az állat a legjobban?", ruleFood,
         round("Mit eszik a mókus?", {squirrel},
               {choice(pic(PicCarrot), "répa"), choice(acorn, "makk"), choice(pic(PicFly), "légy")}),
         round("Mit eszik a nyuszi?", {rabbit},
               {choice(pic(PicHoney), "méz"), choice(pic(PicWorm), "kukac"), choice(pic(PicCarrot), "répa")}),
         round("Mit keres a méhecske?", {bee},
               {choice(pic(PicFlower, ColPink), "virág"), choice(pic(PicCarrot), "répa"), choice(pic(PicWorm), "kukac")}),
         hinted(round("Mit eszik a béka?", {frog},
                      {choice(pic(PicCarrot), "répa"), choice(pic(PicHoney), "méz"), choice(pic(PicFly), "légy")}),
                "A béka a nyelvével kis bogarakat kap el."),
         ruleFood),

    task("Formák", shapePic(ShapeTriangle, ColGreen), "Nézd meg a sarkait és az oldalait!", ruleShape,
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
               Pic{}, ShapeSquare),
         hinted(round("Hány sarka van a háromszögnek?", {shapePic(ShapeTriangle, ColOrange)},
                      {answer("2", 0), answer("3", 1), answer("4", 0)}),
                "Számold meg a hegyes sarkait!")),

    task("Színes virágok", pic(PicFlower, ColRed), "Nézd meg jól a színeket!", ruleColour,
         round("Melyik a piros virág?", {},
               {choice(pic(PicFlower, ColYellow)), choice(pic(PicFlower, ColRed)), choice(pic(PicFlower, ColBlue))},
               Pic{}, ColRed),
         round("Melyik a kék virág?", {},
               {choice(pic(PicFlower, ColPurple)), choice(pic(PicFlower, ColPink)), choice(pic(PicFlower, ColYellow)),
                choice(pic(PicFlower, ColBlue))},
               Pic{}, ColBlue),
         round("Melyik levél sárga?", {},
               {choice(pic(PicLeaf, ColYellow)), choice(pic(PicLeaf, ColGreen)), choice(pic(PicLeaf, ColRed))},
               Pic{}, ColYellow),
         hinted(round("Milyen színű a fű?", {}, {swatch(ColRed, "piros"), swatch(ColGreen, "zöld"), swatch(ColBlue, "kék")},
                      Pic{}, ColGreen),
                "Gondolj a rétre, amin szaladgálsz!"),
         ruleColour),

    task("Nagy és kicsi", pic(PicPine, 100), "Hasonlítsd össze őket egymással!", ruleBiggest,
         round("Melyik fenyő a legnagyobb?", {},
               {choice(pic(PicPine, 60)), choice(pic(PicPine, 100)), choice(pic(PicPine, 40))}),
         round("Melyik fenyő a legkisebb?", {},
               {choice(pic(PicPine, 80)), choice(pic(PicPine, 100)), choice(pic(PicPine, 45))}, Pic{}, 1),
         round("Melyik kosárban van a legtöbb alma?", {},
               {choice(pic(PicBasket, 2)), choice(pic(PicBasket, 3)), choice(pic(PicBasket, 6))}),
         hinted(round("Melyik a nagyobb állat?", {}, {choice(bee, "méhecske", 0), choice(bear, "medve", 1)}),
                "Gondolj arra, mekkorák a valóságban!")),

    task("Mi jön ezután?", pic(PicLeaf, ColOrange), "Keresd meg, mi ismétlődik!", rulePattern,
         round("Mi jön ezután?",
               {pic(PicLeaf, ColGreen), acorn, pic(PicLeaf, ColGreen), acorn, pic(PicLeaf, ColGreen), pic(PicQuestion)},
               {choice(pic(PicLeaf, ColGreen)), choice(mushroom), choice(acorn)}),
         round("Mi jön ezután?",
               {pic(PicFlower, ColRed), pic(PicFlower, ColYellow), pic(PicFlower, ColRed), pic(PicFlower, ColYellow),
                pic(PicQuestion)},
               {choice(pic(PicFlower, ColYellow)), choice(pic(PicFlower, ColRed)), choice(pic(PicFlower, ColBlue))}),
         round("Mi jön ezután?",
               {apple, mushroom, mushroom, apple, mushroom, mushroom, pic(PicQuestion)},
               {choice(mushroom), choice(acorn), choice(apple)}),
         hinted(round("Mi jön ezután: piros, kék, piros, kék...?", {},
                      {swatch(ColGreen, "zöld"), swatch(ColRed, "piros"), swatch(ColBlue, "kék")}, Pic{}, ColRed),
                "Mondd ki hangosan a színeket sorban!"),
         ruleColour),

    task("Kakukktojás", owl, "Három összetartozik. Melyik lóg ki a sorból?", ruleOddOne,
         round("Melyik nem állat?", {}, {choice(fox), choice(rabbit), choice(pic(PicCar, ColRed)), choice(owl)}),
         round("Melyik nem való ide?", {},
               {choice(mushroom), choice(pic(PicFlower, ColYellow)), choice(bear), choice(pic(PicLeaf, ColGreen))}),
         round("Melyik lóg ki a sorból?", {},
               {choice(pic(PicHollow)), choice(pic(PicNest)), choice(pic(PicCave)), choice(pic(PicCarrot))}),
         hinted(round("Mi a kakukktojás?", {},
                      {answer("ami nem illik a többi közé", 1), answer("a reggeli tojás", 0)}),
                "Ebben a játékban azt kerested, ami más, mint a többi.")),

    task("Évszakok", pic(PicTree, SeasonAutumn), "Nézd meg a fát: van levele? Milyen színű?", ruleSceneParam,
         seasonRound(SeasonWinter), seasonRound(SeasonAutumn), seasonRound(SeasonSpring),
         hinted(round("Melyik évszak jön a nyár után?", {pic(PicTree, SeasonSummer)},
                      {seasonAnswer(SeasonSpring, 0), seasonAnswer(SeasonAutumn, 1), seasonAnswer(SeasonWinter, 0)}),
                "Tavasz, nyár, ősz, tél: így jönnek sorban.")),

    madeBy(task("Összeadás", pic(PicPlus), "Számold össze mindet együtt!", ruleCountAll,
                round("2 mókus meg 1 mókus. Hányan vannak együtt?", join({many(squirrel, 2), {pic(PicPlus)}, {squirrel}}),
                      {numberAnswer(2), numberAnswer(3), numberAnswer(4)}),
                round("3 nyuszi meg 2 nyuszi. Hányan vannak együtt?", join({many(rabbit, 3), {pic(PicPlus)}, many(rabbit, 2)}),
                      {numberAnswer(5), numberAnswer(4), numberAnswer(6)}),
                round("4 alma meg 3 alma. Hány alma van együtt?", join({many(apple, 4), {pic(PicPlus)}, many(apple, 3)}),
                      {numberAnswer(6), numberAnswer(8), numberAnswer(7)}),
                hinted(round("Mennyi 2 meg 2?", {}, {answer("3", 0), answer("4", 1), answer("5", 0)}),
                       "Mutass fel 2 ujjat, aztán még 2-t, és számold meg!")),
           additionRound),

    madeBy(task("Elvitte a süni", hedgehog, "Az áthúzott almákat ne számold!", ruleCount,
                round("4 alma volt, a süni elvitt 1-et. Hány maradt?", join({many(apple, 3), {takenApple}}),
                      {numberAnswer(2), numberAnswer(3), numberAnswer(4)}, apple),
                round("6 alma volt, a süni elvitt 2-t. Hány maradt?", join({many(apple, 4), many(takenApple, 2)}),
                      {numberAnswer(4), numberAnswer(6), numberAnswer(2)}, apple),
                round("8 alma volt, a süni elvitt 3-at. Hány maradt?", join({many(apple, 5), many(takenApple, 3)}),
                      {numberAnswer(3), numberAnswer(5), numberAnswer(6)}, apple),
                hinted(round("Ha 5 almából elveszel 1-et, hány marad?", {}, {answer("6", 0), answer("5", 0), answer("4", 1)}),
                       "Mutass 5 ujjat, és hajts be egyet!")),
           takeAwayRound),

    task("Ki vagyok én?", fox, "Nézd meg a fülét, a farkát és a színét!", ruleSceneKind,
         round("Ki ez az állat?", {fox}, {answer("nyuszi", PicRabbit), answer("róka", PicFox), answer("medve", PicBear)}),
         round("Ki ez az állat?", {owl}, {answer("bagoly", PicOwl), answer("béka", PicFrog), answer("sün", PicHedgehog)}),
         round("Ki ez az állat?", {hedgehog},
               {answer("mókus", PicSquirrel), answer("róka", PicFox), answer("sün", PicHedgehog)}),
         hinted(round("Melyik állat tud repülni?", {},
                      {choice(fox, "róka", 0), choice(bird, "madár", 1), choice(hedgehog, "sün", 0)}),
                "Melyiknek van szárnya?")),

    task("Vigyázz az erdőre!", pic(PicBin, BinMixed), "Mi jó az erdőnek és az állatoknak?", ruleMarked,
         round("Hova dobod a szemetet?", {},
               {warned(choice(pic(PicLitter), "a fűbe", 0), "Vigyázz! A szemét árt az állatoknak."),
                choice(pic(PicBin, BinMixed), "a kukába", 1)}),
         round("Szép virágot látsz. Mit teszel?", {},
               {choice(pic(PicFlower, ColPink), "otthagyom", 1), choice(pic(PicPickFlower), "leszakítom", 0)}),
         round("Mit teszel, ha egy kis állatot látsz?", {rabbit},
               {answer("megkergetem", 0), answer("csendben nézem", 1), answer("hazaviszem", 0)}),
         hinted(round("Szabad tüzet rakni az erdőben?", {pic(PicCampfire)},
                      {warned(answer("igen, bárhol", 0), "Vigyázz! A tűz leégetheti az erdőt."), answer("nem, soha", 1)}),
                "A tűz könnyen átterjed a fákra.")),

    task("Hány lába van?", bee, "Gondold végig, hogyan jár!", ruleLegs,
         round("Hány lába van a madárnak?", {bird}, {numberAnswer(2), numberAnswer(4), numberAnswer(6)}),
         round("Hány lába van a rókának?", {fox}, {numberAnswer(2), numberAnswer(3), numberAnswer(4)}),
         round("Hány lába van a méhecskének?", {bee}, {numberAnswer(4), numberAnswer(6), numberAnswer(8)}),
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
