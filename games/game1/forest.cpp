// forest.cpp -- "erdei kalandok": the fifteen forest tasks
#include "forest.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdlib>
#include <utility>
#include <vector>

#include "../common/taskdata.h"
#include "tavrin/progress.h"

namespace {

const Pic squirrel = pic(PicSquirrel), hedgehog = pic(PicHedgehog), rabbit = pic(PicRabbit), fox = pic(PicFox),
          bear = pic(PicBear), owl = pic(PicOwl), bird = pic(PicBird), bee = pic(PicBee), frog = pic(PicFrog),
          ant = pic(PicAnt), snail = pic(PicSnail), spider = pic(PicSpider), deer = pic(PicDeer), mouse = pic(PicMouse);
const Pic mushroom = pic(PicMushroom), brownMushroom = pic(PicMushroom, 1), apple = pic(PicApple),
          takenApple = pic(PicApple, 1), tenRod = pic(PicTenRod), takenRod = pic(PicTenRod, 1), acorn = pic(PicAcorn),
          carrot = pic(PicCarrot), honey = pic(PicHoney), worm = pic(PicWorm), fly = pic(PicFly), grass = pic(PicGrass),
          wheat = pic(PicWheat), grapes = pic(PicGrapes), watermelon = pic(PicWatermelon);
const Pic hollow = pic(PicHollow), nest = pic(PicNest), burrow = pic(PicBurrow), cave = pic(PicCave),
          hive = pic(PicHive), pond = pic(PicPond), anthill = pic(PicAnthill), leafPile = pic(PicLeafPile);
const Pic pine = pic(PicPine), question = pic(PicQuestion);

Pic flower(int colour) { return pic(PicFlower, colour); }
Pic leaf(int colour) { return pic(PicLeaf, colour); }
Pic deed(int what) { return pic(PicDeed, what); }
Choice swatch(int colour, const char *name) { return choice(pic(PicSwatch, colour), name, colour); }

//----------------------------------------------------------------------------------------------------------
// Counting: mushrooms, apples among other things, adding and taking away
//----------------------------------------------------------------------------------------------------------

// The largest number a level offers, right or wrong: 10 at the small level, 20 at the big one, and 100 once
// it reckons in tens.
int numberLimit(int level, bool tens) { return level != ProgressLevelBig ? 10 : tens ? 100 : 20; }

// The hints of a counting question: the first says how to count (a row at a time when there are two), the
// second comes with every counted picture numbered by the engine.
Round countingHints(Round r, const char *what)
{
    const char *first = sceneCount(r) > 7 ? "Előbb a felső sort számold, aztán folytasd az alsóval!"
                                          : "Mutass rá mindegyikre, és számolj: egy, kettő, három...";
    return hinted(r, first, keptText("Minden %s megkapta a számát. Melyik szám van az utolsón?", what));
}

// Counting mushrooms, red and brown ones mixed, so that the same number comes in many pictures: to 10 at the
// small level, to 20 at the big one. The prompt follows the number, so that the same scene asks the same.
Round mushroomRound(int level, int, Random &random)
{
    static constexpr std::array<const char *, 3> prompts{"Hány gomba nőtt itt?", "Hány gombát látsz?",
                                                         "Hány gomba van itt?"};
    bool big = level == ProgressLevelBig;
    int n = big ? randomBetween(random, 8, 20) : randomBetween(random, 2, 10);
    std::vector<Pic> scene;
    for (int i = 0; i < n; ++i) scene.push_back(randomBelow(random, 2) ? brownMushroom : mushroom);
    scene = scatter(random, scene, {}, 0);
    return countingHints(round(prompts[static_cast<std::size_t>(n % 3)], scene,
                               numberAnswers(nearMisses(random, n, 1, 1, big ? 20 : 10)), pic(PicMushroom, -1)),
                         "gomba");
}

// Counting the apples and only the apples: among mushrooms, acorns and green leaves at the small level; at the
// big one among red things and other fruit, so that the colour alone does not tell an apple.
Round onlyApplesRound(int level, int, Random &random)
{
    bool big = level == ProgressLevelBig;
    int n = big ? randomBetween(random, 5, 12) : randomBetween(random, 2, 7);
    int others = big ? randomBetween(random, 3, std::min(8, 20 - n)) : randomBetween(random, 2, std::min(4, 10 - n));
    std::vector<Pic> pool = big ? std::vector<Pic>{flower(ColRed), leaf(ColRed), mushroom, grapes, watermelon, acorn}
                                : std::vector<Pic>{mushroom, brownMushroom, acorn, leaf(ColGreen), carrot};
    Round r = round("Hány alma van a képen?", scatter(random, many(apple, n), pool, others),
                    numberAnswers(nearMisses(random, n, 1, 1, big ? 20 : 10)), apple);
    return hinted(r, "Csak az almákat számold, a többit hagyd ki!",
                  "Minden alma megkapta a számát. Melyik szám van az utolsón?");
}

// Adding two groups of one animal, shown with the plus sign between them: sums to 10 at the small level; at
// the big one sums to 20 in the first half of the pool and whole tens to 100, shown as rods of ten, after.
Round additionRound(int level, int index, Random &random)
{
    struct Animal {
        Pic pic;
        const char *name, *object; // "mókus", and as the object of a sentence, "mókust"
    };
    static const std::array<Animal, 3> animals{{
        {squirrel, "mókus", "mókust"},
        {rabbit, "nyuszi", "nyuszit"},
        {bird, "madár", "madarat"},
    }};
    const Animal &animal = animals[static_cast<std::size_t>(index % 3)];
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
    // Tens are shown as rods of ten, so that 30 and 20 are three rods and two.
    Pic shown = tens ? tenRod : animal.pic;
    int unit = tens ? 10 : 1;
    std::vector<Pic> scene = join({many(shown, a / unit), {pic(PicPlus)}, many(shown, b / unit)});
    Round r = round(keptText("%d %s meg %d %s. Hányan vannak együtt?", a, animal.name, b, animal.name), scene,
                    numberAnswers(nearMisses(random, a + b, tens ? 10 : 1, 1, numberLimit(level, tens))), Pic{}, a, b);
    if (tens)
        return hinted(r, keptText("Egy rúd tíz %s jelent. Hány rúd van együtt?", animal.object),
                      "Minden rúd megkapta a számát: annyi tízes van együtt.");
    return hinted(r, "Számold meg az első csoportot, aztán számolj tovább a másodikkal!",
                  "Minden állat megkapta a számát. Melyik szám van az utolsón?");
}

// Apples taken away by the hedgehog, the taken ones shown crossed out: from 10 apples at most at the small
// level; at the big one from 20, then whole tens from 100, shown as rods of ten.
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
    // Tens are shown as rods of ten, the taken ones crossed out as the taken apples are.
    int unit = tens ? 10 : 1;
    Pic whole = tens ? tenRod : apple, gone = tens ? takenRod : takenApple;
    std::vector<Pic> scene = join({many(whole, (total - taken) / unit), many(gone, taken / unit)});
    Round r = round(keptText("%d alma volt, a süni elvitt %d-%s. Hány maradt?", total, taken, accusativeEnding(taken)),
                    scene, numberAnswers(nearMisses(random, total - taken, unit, unit, numberLimit(level, tens))),
                    whole, total, taken);
    if (tens)
        return hinted(r, "Egy rúd tíz almát jelent. Hány rúd nincs áthúzva?",
                      "A megmaradt rudak megkapták a számukat: annyi tízes maradt.");
    return hinted(r, "Csak az egész almákat számold, az áthúzottakat hagyd ki!",
                  "A megmaradt almák megkapták a számukat. Melyik szám van az utolsón?");
}

//----------------------------------------------------------------------------------------------------------
// The seasons
//----------------------------------------------------------------------------------------------------------

// A season is answered with its sign: a blossom, the sun, an autumn leaf, a snowflake. The right one is
// marked, as the questions ask about a season in many ways.
Round seasonRound(const char *prompt, std::vector<Pic> scene, int right, const char *hint, const char *secondHint)
{
    static const std::array<Choice, 4> signs{{
        choice(flower(ColPink), "tavasz"),
        choice(pic(PicSun), "nyár"),
        choice(leaf(ColOrange), "ősz"),
        choice(pic(PicSnowflake), "tél"),
    }};
    std::array<Choice, 4> answers = signs;
    answers[static_cast<std::size_t>(right)].value = 1;
    return hinted(round(prompt, scene, {answers[0], answers[1], answers[2], answers[3]}), hint, secondHint);
}

Round monthRound(const char *prompt, std::initializer_list<const char *> months, const char *hint,
                 const char *secondHint)
{
    std::vector<Choice> answers;
    for (const char *m : months) answers.push_back(answer(m, answers.empty() ? 1 : 0)); // the first is right
    return hinted(round(prompt, {}, {answers[0], answers[1], answers[2], answers[3]}), hint, secondHint);
}

//----------------------------------------------------------------------------------------------------------
// Patterns
//----------------------------------------------------------------------------------------------------------

// A row that repeats `unit` until `shown` pictures stand, then a question mark; the second hint names the part
// that repeats.
Round patternRound(const std::vector<Pic> &unit, int shown, std::initializer_list<Choice> choices, const char *repeats,
                   bool big)
{
    std::vector<Pic> scene;
    for (int i = 0; i < shown; ++i) scene.push_back(unit[static_cast<std::size_t>(i) % unit.size()]);
    scene.push_back(question);
    return hinted(round("Mi jön ezután?", scene, choices),
                  big ? "Keresd meg, hol kezdődik elölről a sor!" : "Mutass rájuk sorban, és mondd ki a nevüket!",
                  keptText("Ez ismétlődik: %s.", repeats));
}

// How many legs: a count two off the right one comes close ("Majdnem!"), any other is plainly wrong.
Round legsRound(const char *prompt, const std::vector<Pic> &scene, std::initializer_list<int> counts, const char *hint,
                const char *secondHint)
{
    Round r = round(prompt, scene, {});
    int n = 0;
    for (int count : counts) r.choices[static_cast<std::size_t>(n++)] = answer(numberText(count), count);
    int right = -1;
    for (int k = 0; k < n; ++k)
        if (ruleLegs(r, k)) right = r.choices[k].value;
    for (int k = 0; k < n; ++k) r.choices[k].closeMiss = std::abs(r.choices[k].value - right) <= 2;
    return hinted(r, hint, secondHint);
}

//----------------------------------------------------------------------------------------------------------
// The table
//----------------------------------------------------------------------------------------------------------

const auto forestTasks = taskTable(
    madeTask("Gombaszámolás", mushroom, "Számold meg őket egyenként, ujjal mutatva!", ruleCount, mushroomRound,
             hinted(round("Melyik szám jön a 4 után?", {},
                          {closeMiss(answer("3", 0)), answer("5", 1), closeMiss(answer("6", 0))}),
                    "Számolj el 4-ig, és mondd a következőt!")),

    madeTask("Csak az almák!", apple, "Csak az almákat számold!", ruleCount, onlyApplesRound,
             hinted(round("Melyik gyümölcs?", {},
                          {choice(mushroom, "gomba", 0), choice(apple, "alma", 1), choice(carrot, "répa", 0)}),
                    "A gyümölcs édes, és fán vagy bokron terem.")),

    task("Ki hol lakik?", hollow, "Gondold végig: hol alszik ez az állat?", ruleHome,
         Levels{{
                    hinted(round("Hol lakik a mókus?", {squirrel},
                                 {choice(hollow, "odú"), choice(cave, "barlang"), choice(hive, "kaptár")}),
                           "Hol tud a mókus elbújni egy fában?", "Az odú egy üreg a fa törzsében."),
                    hinted(round("Hol lakik a madár?", {bird},
                                 {choice(cave, "barlang"), choice(nest, "fészek"), choice(pond, "tó")}),
                           "Hová rakja a madár a tojásait?", "A madár ágakból és fűből fészket épít."),
                    hinted(round("Hol lakik a róka?", {fox},
                                 {choice(hive, "kaptár"), choice(hollow, "odú"), choice(burrow, "kotorék")}),
                           "A róka jól ás. Hol lehet a lakása?", "A róka a föld alatt lakik, a kotorékban."),
                    hinted(round("Hol lakik a medve?", {bear},
                                 {choice(nest, "fészek"), choice(pond, "tó"), choice(cave, "barlang")}),
                           "A medve nagy és erős. Hol fér el?", "A medve a sziklák között, barlangban alszik."),
                    hinted(round("Hol lakik a méhecske?", {bee},
                                 {choice(hive, "kaptár"), choice(burrow, "kotorék"), choice(pond, "tó")}),
                           "Hol készítik a méhek a mézet?", "A méhek együtt laknak a kaptárban."),
                    hinted(round("Hol lakik a béka?", {frog},
                                 {choice(pond, "tó"), choice(hollow, "odú"), choice(nest, "fészek")}),
                           "A béka jól úszik. Hol szeret lenni?", "A béka a tóban és a tó partján él."),
                    hinted(round("Hol lakik a hangya?", {ant},
                                 {choice(anthill, "hangyaboly"), choice(nest, "fészek"), choice(hive, "kaptár")}),
                           "A hangyák sokan vannak, és együtt építkeznek.",
                           "A hangyák tűlevelekből építik a hangyabolyt."),
                    hinted(round("Hol alszik télen a süni?", {hedgehog},
                                 {choice(leafPile, "levélkupac"), choice(pond, "tó"), choice(hive, "kaptár")}),
                           "A süni télen elbújik, és betakarózik.", "A süni a lehullott levelek alatt alszik."),
                    hinted(round("Hol lakik a bagoly?", {owl},
                                 {choice(pond, "tó"), choice(hollow, "odú"), choice(hive, "kaptár")}),
                           "A bagoly nappal egy fában alszik. Hol?", "Az odú egy üreg a fa törzsében."),
                    hinted(round("Hol lakik az egér?", {mouse},
                                 {choice(hive, "kaptár"), choice(pond, "tó"), choice(burrow, "lyuk a földben")}),
                           "Az egér kicsi, és szeret elbújni a föld alatt.", "Az egér a földbe ás magának lyukat."),
                },
                {
                    hinted(round("Hol nevelik fiókáikat a madarak?", {bird},
                                 {choice(cave, "barlang"), choice(hive, "kaptár"), choice(nest, "fészek"),
                                  choice(burrow, "kotorék")}),
                           "Hová rakja a madár a tojásait?", "A fiókák a fészekben bújnak ki a tojásból."),
                    hinted(round("Hol tárolják a mézet a méhek?", {bee},
                                 {choice(hive, "kaptár"), choice(cave, "barlang"), choice(pond, "tó"),
                                  choice(nest, "fészek")}),
                           "Hol laknak a méhek együtt?", "A méhek a kaptárban készítik és tárolják a mézet."),
                    hinted(round("Ki lakik a kaptárban?", {hive},
                                 {choice(bird, "madár"), choice(bee, "méhecske"), choice(fox, "róka"),
                                  choice(frog, "béka")}),
                           "Ki készít mézet?", "A kaptárban a méhek laknak."),
                    hinted(round("Ki lakik a kotorékban?", {burrow},
                                 {choice(fox, "róka"), choice(owl, "bagoly"), choice(bee, "méhecske"),
                                  choice(frog, "béka")}),
                           "Ki ás magának lakást a föld alá?", "A kotorék a róka lakása."),
                    hinted(round("Ki lakik a fészekben?", {nest},
                                 {choice(bear, "medve"), choice(bird, "madár"), choice(ant, "hangya"),
                                  choice(fox, "róka")}),
                           "Kinek van szárnya, és ki rak tojást?", "A fészekben a madár költi ki a tojásait."),
                    hinted(round("Ki lakik a barlangban?", {cave},
                                 {choice(bee, "méhecske"), choice(frog, "béka"), choice(bear, "medve"),
                                  choice(bird, "madár")}),
                           "Ki alussza át a telet egy sziklaüregben?", "A barlangban a medve alszik."),
                    hinted(round("Ki lakik a tóban?", {pond},
                                 {choice(squirrel, "mókus"), choice(bear, "medve"), choice(ant, "hangya"),
                                  choice(frog, "béka")}),
                           "Ki tud úszni és brekegni?", "A tóban a béka lakik."),
                    hinted(round("Ki lakik a hangyabolyban?", {anthill},
                                 {choice(ant, "hangya"), choice(bird, "madár"), choice(bear, "medve"),
                                  choice(bee, "méhecske")}),
                           "Kik hordják össze a tűleveleket?", "A hangyabolyban ezer meg ezer hangya él."),
                    hinted(round("Ki bújik el télen a levélkupacban?", {leafPile},
                                 {choice(bird, "madár"), choice(hedgehog, "süni"), choice(bee, "méhecske"),
                                  choice(bear, "medve")}),
                           "Ki gömbölyödik össze, ha fázik?", "A süni a levelek alatt alussza át a telet."),
                    hinted(round("Ki lakik az odúban?", {hollow},
                                 {choice(fox, "róka"), choice(frog, "béka"), choice(bear, "medve"),
                                  choice(squirrel, "mókus")}),
                           "Ki lakik fent a fán, egy üregben?", "Az odúban mókus vagy bagoly lakik."),
                }},
         hinted(round("Hol alszik télen a medve?", {bear},
                      {choice(nest, "fészek"), choice(leafPile, "levélkupac"), choice(cave, "barlang")}),
                "A medve nagy. Hol fér el egész télen?"),
         ruleHome),

    task(
        "Ki mit eszik?", acorn, "Mit szeret ez az állat a legjobban?", ruleFood,
        Levels{
            {
                hinted(round("Mit eszik a mókus?", {squirrel},
                             {choice(carrot, "répa"), choice(acorn, "makk"), choice(fly, "légy")}),
                       "A mókus a fák termését gyűjti télire.", "A mókus makkot és diót rágcsál."),
                hinted(round("Mit eszik a nyuszi?", {rabbit},
                             {choice(honey, "méz"), choice(worm, "kukac"), choice(carrot, "répa")}),
                       "A nyuszi zöldséget rágcsál.", "A nyuszi kedvence a répa."),
                hinted(round("Mit keres a méhecske?", {bee},
                             {choice(flower(ColPink), "virág"), choice(carrot, "répa"), choice(worm, "kukac")}),
                       "Miből gyűjti a méhecske a nektárt?", "A méhecske a virágok nektárjából mézet készít."),
                hinted(round("Mit eszik a béka?", {frog},
                             {choice(carrot, "répa"), choice(honey, "méz"), choice(fly, "légy")}),
                       "A béka a nyelvével kap el valamit.", "A béka kis bogarakat és legyeket kap el."),
                hinted(round("Mit eszik a madár?", {bird},
                             {choice(worm, "kukac"), choice(carrot, "répa"), choice(honey, "méz")}),
                       "A madár a csőrével a földben keresgél.", "A madár kukacot visz a fiókáinak."),
                hinted(round("Mit eszik a medve?", {bear},
                             {choice(fly, "légy"), choice(honey, "méz"), choice(carrot, "répa")}),
                       "Mit lop el a medve a méhektől?", "A medve nagyon szereti a mézet."),
                hinted(
                    round("Mit eszik az őz?", {deer}, {choice(grass, "fű"), choice(honey, "méz"), choice(fly, "légy")}),
                    "Az őz a réten legel.", "Az őz füvet és leveleket eszik."),
                hinted(round("Mit eszik az egér?", {mouse},
                             {choice(fly, "légy"), choice(wheat, "búza"), choice(honey, "méz")}),
                       "Az egér apró magokat rágcsál.", "Az egér a búza szemeit szereti."),
                hinted(round("Mit eszik a süni?", {hedgehog},
                             {choice(snail, "csiga"), choice(carrot, "répa"), choice(honey, "méz")}),
                       "A süni éjjel kis állatokat keres a fűben.", "A süni csigát, bogarat és gilisztát eszik."),
                hinted(round("Mit eszik a róka?", {fox},
                             {choice(honey, "méz"), choice(mouse, "egér"), choice(carrot, "répa")}),
                       "A róka ügyes vadász.", "A róka egeret fog a mezőn."),
            },
            {
                hinted(round("Mit gyűjt ősszel a mókus?", {squirrel},
                             {choice(fly, "légy"), choice(snail, "csiga"), choice(grass, "fű"), choice(acorn, "makk")}),
                       "Mit dug el a mókus télire?", "A mókus a fák termését gyűjti: makkot, diót."),
                hinted(round("Ki gyűjt makkot télire?", {acorn},
                             {choice(frog, "béka"), choice(squirrel, "mókus"), choice(bee, "méhecske"),
                              choice(rabbit, "nyuszi")}),
                       "Ki ugrál a fák ágain?", "A mókus makkot és diót dug el télire."),
                hinted(round("Ki rágcsálja a répát?", {carrot},
                             {choice(owl, "bagoly"), choice(frog, "béka"), choice(rabbit, "nyuszi"),
                              choice(bee, "méhecske")}),
                       "Kinek van hosszú füle?", "A répa a nyuszi kedvence."),
                hinted(round("Ki kapja el a legyet?", {fly},
                             {choice(frog, "béka"), choice(rabbit, "nyuszi"), choice(bear, "medve"),
                              choice(squirrel, "mókus")}),
                       "Ki kap el valamit a hosszú nyelvével?", "A béka a nyelvével kapja el a legyet."),
                hinted(round("Ki eszi meg a kukacot?", {worm},
                             {choice(rabbit, "nyuszi"), choice(bee, "méhecske"), choice(bird, "madár"),
                              choice(deer, "őz")}),
                       "Ki keresgél a csőrével a földben?", "A madár kukacot visz a fiókáinak."),
                hinted(
                    round("Ki szereti a mézet?", {honey},
                          {choice(frog, "béka"), choice(rabbit, "nyuszi"), choice(deer, "őz"), choice(bear, "medve")}),
                    "Ki mászik fel a fára a vadméhek mézéért?", "A medve nagyon szereti a mézet."),
                hinted(
                    round("Ki legel a réten?", {grass},
                          {choice(deer, "őz"), choice(owl, "bagoly"), choice(frog, "béka"), choice(bee, "méhecske")}),
                    "Ki eszik füvet, mint a tehén?", "Az őz füvet és leveleket eszik."),
                hinted(
                    round("Ki eszi a búzaszemet?", {wheat},
                          {choice(fox, "róka"), choice(frog, "béka"), choice(mouse, "egér"), choice(bee, "méhecske")}),
                    "Ki rágcsál apró magokat?", "Az egér a búza szemeit szereti."),
                hinted(round("Ki eszi meg a csigát?", {snail},
                             {choice(hedgehog, "süni"), choice(rabbit, "nyuszi"), choice(bee, "méhecske"),
                              choice(deer, "őz")}),
                       "Ki keres éjjel kis állatokat a fűben?", "A süni csigát, bogarat és gilisztát eszik."),
                hinted(
                    round("Ki gyűjti a virágport?", {flower(ColYellow)},
                          {choice(bear, "medve"), choice(mouse, "egér"), choice(bee, "méhecske"), choice(fox, "róka")}),
                    "Ki száll virágról virágra?", "A méhecske a virágokból mézet készít."),
            }},
        hinted(
            round("Mit eszik a bagoly?", {owl}, {choice(carrot, "répa"), choice(honey, "méz"), choice(mouse, "egér")}),
            "A bagoly éjjel vadászik a mezőn."),
        ruleFood),

    task("Formák", shapePic(ShapeTriangle, ColGreen), "Nézd meg, kerek-e, és hány sarka van!", ruleShape,
         Levels{
             {
                 hinted(round("Melyik a kör?", {},
                              {choice(shapePic(ShapeSquare, ColBlue)), choice(shapePic(ShapeCircle, ColRed)),
                               choice(shapePic(ShapeTriangle, ColYellow))},
                              Pic{}, ShapeCircle),
                        "A kör kerek, mint egy labda.", "A körnek nincs egyetlen sarka sem."),
                 hinted(round("Melyik a háromszög?", {},
                              {choice(shapePic(ShapeCircle, ColGreen)), choice(shapePic(ShapeStar, ColYellow)),
                               choice(shapePic(ShapeTriangle, ColOrange)), choice(shapePic(ShapeSquare, ColPurple))},
                              Pic{}, ShapeTriangle),
                        "Számold meg a sarkait: a háromszögnek három van.", "Olyan, mint egy sátor vagy egy fenyőfa."),
                 hinted(round("Melyik a négyzet?", {},
                              {choice(shapePic(ShapeTriangle, ColGreen)), choice(shapePic(ShapeSquare, ColRed)),
                               choice(shapePic(ShapeStar, ColBlue))},
                              Pic{}, ShapeSquare),
                        "A négyzetnek négy sarka van.", "Mind a négy oldala egyforma hosszú."),
                 hinted(round("Melyik a csillag?", {},
                              {choice(shapePic(ShapeCircle, ColYellow)), choice(shapePic(ShapeTriangle, ColBlue)),
                               choice(shapePic(ShapeStar, ColOrange))},
                              Pic{}, ShapeStar),
                        "A csillagnak hegyes ágai vannak.", "Olyan, mint az égen a csillag: öt ága van."),
                 hinted(round("Melyik a téglalap?", {},
                              {choice(shapePic(ShapeRectangle, ColGreen)), choice(shapePic(ShapeCircle, ColPurple)),
                               choice(shapePic(ShapeTriangle, ColRed))},
                              Pic{}, ShapeRectangle),
                        "A téglalapnak négy sarka van, és hosszúkás.", "Olyan, mint egy tégla vagy egy könyv."),
                 hinted(round("Melyik forma olyan, mint egy labda?", {},
                              {choice(shapePic(ShapeStar, ColRed)), choice(shapePic(ShapeSquare, ColYellow)),
                               choice(shapePic(ShapeCircle, ColBlue)), choice(shapePic(ShapeTriangle, ColGreen))},
                              Pic{}, ShapeCircle),
                        "A labda gurul, mert kerek.", "Keresd azt, amelyiknek nincs sarka!"),
                 hinted(round("Melyik forma olyan, mint egy sátor?", {},
                              {choice(shapePic(ShapeTriangle, ColPurple)), choice(shapePic(ShapeCircle, ColOrange)),
                               choice(shapePic(ShapeSquare, ColGreen))},
                              Pic{}, ShapeTriangle),
                        "A sátor teteje hegyes.", "Keresd azt, amelyiknek három sarka van!"),
                 hinted(round("Melyik forma olyan, mint a dobókocka oldala?", {},
                              {choice(shapePic(ShapeRectangle, ColRed)), choice(shapePic(ShapeSquare, ColOrange)),
                               choice(shapePic(ShapeStar, ColPurple))},
                              Pic{}, ShapeSquare),
                        "A dobókocka minden oldala egyforma.", "Keresd azt, amelyiknek négy egyforma oldala van!"),
                 hinted(round("Melyik forma olyan, mint egy tányér?", {},
                              {choice(shapePic(ShapeTriangle, ColRed)), choice(shapePic(ShapeCircle, ColGreen)),
                               choice(shapePic(ShapeStar, ColBlue))},
                              Pic{}, ShapeCircle),
                        "A tányér kerek.", "Keresd azt, amelyiknek nincs sarka!"),
                 hinted(round("Melyik forma olyan, mint egy tégla?", {},
                              {choice(shapePic(ShapeCircle, ColRed)), choice(shapePic(ShapeTriangle, ColBlue)),
                               choice(shapePic(ShapeRectangle, ColOrange))},
                              Pic{}, ShapeRectangle),
                        "A tégla hosszúkás, és négy sarka van.", "A téglalap a nevét is a téglától kapta."),
             },
             {
                 hinted(round("Melyiknek nincs egyetlen sarka sem?", {},
                              {choice(shapePic(ShapeSquare, ColGreen)), choice(shapePic(ShapeStar, ColRed)),
                               choice(shapePic(ShapeCircle, ColPurple)), choice(shapePic(ShapeTriangle, ColBlue))},
                              Pic{}, ShapeCircle),
                        "Mutasd meg mindegyiknek a sarkait!", "Ami kerek, annak nincs sarka."),
                 hinted(round("Melyiknek van 3 sarka?", {},
                              {choice(shapePic(ShapeSquare, ColYellow)), choice(shapePic(ShapeRectangle, ColBlue)),
                               choice(shapePic(ShapeTriangle, ColRed)), choice(shapePic(ShapeCircle, ColGreen))},
                              Pic{}, ShapeTriangle),
                        "Számold meg mindegyiknek a sarkait!", "A háromszögnek három sarka van."),
                 hinted(round("Melyiknek van 4 egyforma oldala?", {},
                              {choice(shapePic(ShapeRectangle, ColPurple)), choice(shapePic(ShapeSquare, ColGreen)),
                               choice(shapePic(ShapeTriangle, ColOrange)), choice(shapePic(ShapeCircle, ColBlue))},
                              Pic{}, ShapeSquare),
                        "Kettőnek van négy oldala. Melyiknek egyformák?", "A négyzet oldalai egyforma hosszúak."),
                 hinted(round("Melyik a téglalap?", {},
                              {choice(shapePic(ShapeSquare, ColRed)), choice(shapePic(ShapeRectangle, ColYellow)),
                               choice(shapePic(ShapeTriangle, ColGreen)), choice(shapePic(ShapeStar, ColBlue))},
                              Pic{}, ShapeRectangle),
                        "A téglalapnak négy sarka van, és hosszúkás.", "Két oldala hosszabb, kettő rövidebb."),
                 hinted(round("Melyik a négyzet?", {},
                              {choice(shapePic(ShapeRectangle, ColBlue)), choice(shapePic(ShapeSquare, ColPurple)),
                               choice(shapePic(ShapeCircle, ColYellow)), choice(shapePic(ShapeStar, ColGreen))},
                              Pic{}, ShapeSquare),
                        "A négyzetnek négy sarka van, mint a téglalapnak.", "A négyzet minden oldala egyforma hosszú."),
                 hinted(round("Melyiknek van 5 hegyes ága?", {},
                              {choice(shapePic(ShapeTriangle, ColYellow)), choice(shapePic(ShapeSquare, ColOrange)),
                               choice(shapePic(ShapeCircle, ColRed)), choice(shapePic(ShapeStar, ColPurple))},
                              Pic{}, ShapeStar),
                        "Keresd azt, amelyiknek ágai vannak!", "A csillagnak öt hegyes ága van."),
                 hinted(round("Melyiknek van 2 hosszabb és 2 rövidebb oldala?", {},
                              {choice(shapePic(ShapeRectangle, ColRed)), choice(shapePic(ShapeSquare, ColBlue)),
                               choice(shapePic(ShapeTriangle, ColPurple)), choice(shapePic(ShapeCircle, ColOrange))},
                              Pic{}, ShapeRectangle),
                        "Hasonlítsd össze az oldalak hosszát!", "A négyzet oldalai egyformák, a téglalapéi nem."),
                 hinted(round("Melyik formának van a legtöbb sarka?", {},
                              {choice(shapePic(ShapeCircle, ColGreen)), choice(shapePic(ShapeTriangle, ColYellow)),
                               choice(shapePic(ShapeSquare, ColRed)), choice(shapePic(ShapeStar, ColBlue))},
                              Pic{}, ShapeStar),
                        "Számold meg mindegyiknek a sarkait!", "A csillag ágai között is van egy-egy sarok."),
                 hinted(round("Melyiknek van kevesebb sarka, mint a négyzetnek?", {},
                              {choice(shapePic(ShapeRectangle, ColGreen)), choice(shapePic(ShapeStar, ColOrange)),
                               choice(shapePic(ShapeSquare, ColPurple)), choice(shapePic(ShapeTriangle, ColRed))},
                              Pic{}, ShapeTriangle),
                        "A négyzetnek négy sarka van. Melyiknek van kevesebb?", "Három kevesebb, mint négy."),
                 hinted(round("Melyik forma gurul el, ha meglököd?", {},
                              {choice(shapePic(ShapeSquare, ColBlue)), choice(shapePic(ShapeCircle, ColYellow)),
                               choice(shapePic(ShapeTriangle, ColGreen)), choice(shapePic(ShapeRectangle, ColRed))},
                              Pic{}, ShapeCircle),
                        "Mi akad meg a sarkain?", "Ami kerek, az gurul: mint a labda vagy a kerék."),
             }},
         hinted(round("Hány sarka van a háromszögnek?", {shapePic(ShapeTriangle, ColOrange)},
                      {closeMiss(answer("2", 0)), answer("3", 1), closeMiss(answer("4", 0))}),
                "Számold meg a hegyes sarkait!")),

    task(
        "Színes virágok", flower(ColRed), "Nézd meg jól a színeket!", ruleColour,
        Levels{
            {
                hinted(round("Melyik a piros virág?", {},
                             {choice(flower(ColYellow)), choice(flower(ColRed)), choice(flower(ColBlue))}, Pic{},
                             ColRed),
                       "Gondolj az érett eperre!", "A piros az eper és a katicabogár színe."),
                hinted(round("Melyik a kék virág?", {},
                             {choice(flower(ColPurple)), choice(flower(ColPink)), choice(flower(ColYellow)),
                              choice(flower(ColBlue))},
                             Pic{}, ColBlue),
                       "Gondolj a tiszta égre!", "A kék az ég és a víz színe."),
                hinted(round("Melyik levél sárga?", {},
                             {choice(leaf(ColYellow)), choice(leaf(ColGreen)), choice(leaf(ColRed))}, Pic{}, ColYellow),
                       "Gondolj a citromra!", "A sárga a citrom és a napocska színe."),
                hinted(round("Melyik a fehér virág?", {},
                             {choice(flower(ColPink)), choice(flower(ColWhite)), choice(flower(ColYellow))}, Pic{},
                             ColWhite),
                       "Gondolj a hóra!", "A fehér a hó és a tej színe."),
                hinted(round("Melyik levél zöld?", {},
                             {choice(leaf(ColOrange)), choice(leaf(ColRed)), choice(leaf(ColGreen))}, Pic{}, ColGreen),
                       "Gondolj a nyári fűre!", "A zöld a fű és a béka színe."),
                hinted(round("Melyik a lila virág?", {},
                             {choice(flower(ColPurple)), choice(flower(ColRed)), choice(flower(ColYellow))}, Pic{},
                             ColPurple),
                       "Gondolj a szőlőre!", "A lila a szőlő és a szilva színe."),
                hinted(round("Melyik a rózsaszín virág?", {},
                             {choice(flower(ColBlue)), choice(flower(ColPink)), choice(flower(ColYellow))}, Pic{},
                             ColPink),
                       "Gondolj a malacka színére!", "A rózsaszín világos, mint a malacka."),
                hinted(round("Melyik a sárga virág?", {},
                             {choice(flower(ColRed)), choice(flower(ColBlue)), choice(flower(ColYellow))}, Pic{},
                             ColYellow),
                       "Gondolj a napocskára!", "A sárga a citrom és a napocska színe."),
                hinted(round("Melyik levél piros?", {},
                             {choice(leaf(ColGreen)), choice(leaf(ColRed)), choice(leaf(ColYellow))}, Pic{}, ColRed),
                       "Gondolj az érett eperre!", "A piros az eper és a katicabogár színe."),
                hinted(round("Melyik a narancssárga virág?", {},
                             {choice(flower(ColOrange)), choice(flower(ColBlue)), choice(flower(ColPurple))}, Pic{},
                             ColOrange),
                       "Gondolj a narancsra!", "A narancssárga a répa és a narancs színe."),
            },
            {
                hinted(round("Melyik levél narancssárga?", {},
                             {choice(leaf(ColRed)), choice(leaf(ColOrange)), choice(leaf(ColYellow)),
                              choice(leaf(ColBrown))},
                             Pic{}, ColOrange),
                       "Gondolj a narancsra!", "A narancssárga a piros és a sárga között van."),
                hinted(round("Melyik virág rózsaszín?", {},
                             {choice(flower(ColRed)), choice(flower(ColPurple)), choice(flower(ColPink)),
                              choice(flower(ColWhite))},
                             Pic{}, ColPink),
                       "A rózsaszín világosabb a pirosnál.", "A rózsaszín olyan, mint a malacka."),
                hinted(round("Melyik virág lila?", {},
                             {choice(flower(ColBlue)), choice(flower(ColPink)), choice(flower(ColPurple)),
                              choice(flower(ColRed))},
                             Pic{}, ColPurple),
                       "Gondolj a szőlőre és a szilvára!", "A lila a kék és a piros között van."),
                hinted(round("Melyik levél barna?", {},
                             {choice(leaf(ColOrange)), choice(leaf(ColRed)), choice(leaf(ColYellow)),
                              choice(leaf(ColBrown))},
                             Pic{}, ColBrown),
                       "Gondolj a fa törzsére!", "A barna a makk és a fa kérgének színe."),
                hinted(round("Milyen színű a hó?", {},
                             {swatch(ColBlue, "kék"), swatch(ColWhite, "fehér"), swatch(ColYellow, "sárga"),
                              swatch(ColPink, "rózsaszín")},
                             Pic{}, ColWhite),
                       "Gondolj egy téli napra!", "A hó olyan színű, mint a tej."),
                hinted(round("Milyen színű a tiszta ég?", {},
                             {swatch(ColGreen, "zöld"), swatch(ColPurple, "lila"), swatch(ColBlue, "kék"),
                              swatch(ColBrown, "barna")},
                             Pic{}, ColBlue),
                       "Nézz fel egy napos délelőtt!", "Az ég olyan színű, mint a tenger."),
                hinted(round("Milyen színű a répa?", {},
                             {swatch(ColOrange, "narancssárga"), swatch(ColBlue, "kék"), swatch(ColGreen, "zöld"),
                              swatch(ColPink, "rózsaszín")},
                             Pic{}, ColOrange),
                       "Gondolj a nyuszi kedvencére!", "A répa olyan színű, mint a narancs."),
                hinted(round("Milyen színű a fenyő télen is?", {},
                             {swatch(ColBrown, "barna"), swatch(ColGreen, "zöld"), swatch(ColYellow, "sárga"),
                              swatch(ColRed, "piros")},
                             Pic{}, ColGreen),
                       "A fenyő télen sem hullatja le a tűleveleit.", "A fenyő tűlevelei egész évben zöldek."),
                hinted(round("Milyen színű a katicabogár?", {},
                             {swatch(ColRed, "piros"), swatch(ColGreen, "zöld"), swatch(ColBlue, "kék"),
                              swatch(ColWhite, "fehér")},
                             Pic{}, ColRed),
                       "Gondolj a pöttyös hátára!", "A katicabogár háta olyan, mint az érett eper."),
                hinted(round("Milyen színű az érett makk?", {},
                             {swatch(ColBlue, "kék"), swatch(ColPurple, "lila"), swatch(ColBrown, "barna"),
                              swatch(ColPink, "rózsaszín")},
                             Pic{}, ColBrown),
                       "Gondolj arra, amit a mókus gyűjt!", "Az érett makk olyan színű, mint a fa kérge."),
            }},
        hinted(round("Milyen színű a fű?", {},
                     {swatch(ColRed, "piros"), swatch(ColGreen, "zöld"), swatch(ColBlue, "kék")}, Pic{}, ColGreen),
               "Gondolj a rétre, amin szaladgálsz!"),
        ruleColour),

    task("Nagy és kicsi", pic(PicPine, 100), "Hasonlítsd össze őket egymással!", ruleBiggest,
         Levels{{
                    hinted(round("Melyik fenyő a legnagyobb?", {},
                                 {choice(pic(PicPine, 60)), choice(pic(PicPine, 100)), choice(pic(PicPine, 40))}),
                           "Nézd meg, melyik ér a legmagasabbra!", "A legnagyobb fenyő csúcsa van a legmagasabban."),
                    hinted(round("Melyik fenyő a legkisebb?", {},
                                 {choice(pic(PicPine, 80)), choice(pic(PicPine, 100)), choice(pic(PicPine, 45))}, Pic{},
                                 1),
                           "Keresd azt, amelyik a legalacsonyabb!", "A legkisebb fenyő csúcsa van a legalacsonyabban."),
                    hinted(round("Melyik kosárban van a legtöbb alma?", {},
                                 {choice(pic(PicBasket, 2)), choice(pic(PicBasket, 3)), choice(pic(PicBasket, 6))}),
                           "Számold meg az almákat minden kosárban!", "Ahol a legtöbbet számoltad, ott van a legtöbb."),
                    hinted(round("Melyik kosárban van a legkevesebb alma?", {},
                                 {choice(pic(PicBasket, 4)), choice(pic(PicBasket, 1)), choice(pic(PicBasket, 7))},
                                 Pic{}, 1),
                           "Számold meg az almákat minden kosárban!", "Ahol a legkevesebbet számoltad, az a válasz."),
                    hinted(round("Melyik fenyő a legnagyobb?", {},
                                 {choice(pic(PicPine, 30)), choice(pic(PicPine, 90)), choice(pic(PicPine, 50)),
                                  choice(pic(PicPine, 70))}),
                           "Nézd meg, melyik ér a legmagasabbra!", "A legnagyobb fenyő csúcsa van a legmagasabban."),
                    hinted(round("Melyik fenyő a legkisebb?", {},
                                 {choice(pic(PicPine, 70)), choice(pic(PicPine, 95)), choice(pic(PicPine, 40)),
                                  choice(pic(PicPine, 55))},
                                 Pic{}, 1),
                           "Keresd azt, amelyik a legalacsonyabb!", "A legkisebb fenyő csúcsa van a legalacsonyabban."),
                    hinted(round("Melyik kosárban van a legtöbb alma?", {},
                                 {choice(pic(PicBasket, 5)), choice(pic(PicBasket, 1)), choice(pic(PicBasket, 3))}),
                           "Számold meg az almákat minden kosárban!", "Ahol a legtöbbet számoltad, ott van a legtöbb."),
                    hinted(round("Melyik kosárban van a legkevesebb alma?", {},
                                 {choice(pic(PicBasket, 8)), choice(pic(PicBasket, 5)), choice(pic(PicBasket, 2))},
                                 Pic{}, 1),
                           "Számold meg az almákat minden kosárban!", "Ahol a legkevesebbet számoltad, az a válasz."),
                    hinted(round("Melyik fenyő a legnagyobb?", {},
                                 {choice(pic(PicPine, 50)), choice(pic(PicPine, 80)), choice(pic(PicPine, 35))}),
                           "Nézd meg, melyik ér a legmagasabbra!", "A legnagyobb fenyő csúcsa van a legmagasabban."),
                    hinted(round("Melyik kosárban van a legtöbb alma?", {},
                                 {choice(pic(PicBasket, 2)), choice(pic(PicBasket, 4)), choice(pic(PicBasket, 1))}),
                           "Számold meg az almákat minden kosárban!", "Ahol a legtöbbet számoltad, ott van a legtöbb."),
                },
                {
                    hinted(round("Melyik fenyő a legnagyobb?", {},
                                 {choice(pic(PicPine, 85)), choice(pic(PicPine, 100)), choice(pic(PicPine, 90)),
                                  choice(pic(PicPine, 75))}),
                           "Nézd meg a csúcsukat: melyik a legmagasabb?",
                           "Hasonlítsd össze kettesével, és a nagyobbat tartsd meg!"),
                    hinted(round("Melyik fenyő a legkisebb?", {},
                                 {choice(pic(PicPine, 60)), choice(pic(PicPine, 55)), choice(pic(PicPine, 70)),
                                  choice(pic(PicPine, 65))},
                                 Pic{}, 1),
                           "Nézd meg a csúcsukat: melyik a legalacsonyabb?",
                           "Hasonlítsd össze kettesével, és a kisebbet tartsd meg!"),
                    hinted(round("Melyik kosárban van a legtöbb alma?", {},
                                 {choice(pic(PicBasket, 6)), choice(pic(PicBasket, 7)), choice(pic(PicBasket, 5)),
                                  choice(pic(PicBasket, 8))}),
                           "Számold meg pontosan, mennyi van mindegyikben!",
                           "Írd fel magadnak a számokat, és keresd a legnagyobbat!"),
                    hinted(round("Melyik kosárban van a legkevesebb alma?", {},
                                 {choice(pic(PicBasket, 7)), choice(pic(PicBasket, 6)), choice(pic(PicBasket, 9)),
                                  choice(pic(PicBasket, 5))},
                                 Pic{}, 1),
                           "Számold meg pontosan, mennyi van mindegyikben!",
                           "Írd fel magadnak a számokat, és keresd a legkisebbet!"),
                    hinted(round("Melyik fenyő a legnagyobb?", {},
                                 {choice(pic(PicPine, 70)), choice(pic(PicPine, 80)), choice(pic(PicPine, 95)),
                                  choice(pic(PicPine, 88))}),
                           "Nézd meg a csúcsukat: melyik a legmagasabb?",
                           "Hasonlítsd össze kettesével, és a nagyobbat tartsd meg!"),
                    hinted(round("Melyik fenyő a legkisebb?", {},
                                 {choice(pic(PicPine, 52)), choice(pic(PicPine, 48)), choice(pic(PicPine, 60)),
                                  choice(pic(PicPine, 56))},
                                 Pic{}, 1),
                           "Nézd meg a csúcsukat: melyik a legalacsonyabb?",
                           "Hasonlítsd össze kettesével, és a kisebbet tartsd meg!"),
                    hinted(round("Melyik kosárban van a legtöbb alma?", {},
                                 {choice(pic(PicBasket, 8)), choice(pic(PicBasket, 9)), choice(pic(PicBasket, 7)),
                                  choice(pic(PicBasket, 6))}),
                           "Számold meg pontosan, mennyi van mindegyikben!",
                           "Írd fel magadnak a számokat, és keresd a legnagyobbat!"),
                    hinted(round("Melyik kosárban van a legkevesebb alma?", {},
                                 {choice(pic(PicBasket, 6)), choice(pic(PicBasket, 5)), choice(pic(PicBasket, 7)),
                                  choice(pic(PicBasket, 4))},
                                 Pic{}, 1),
                           "Számold meg pontosan, mennyi van mindegyikben!",
                           "Írd fel magadnak a számokat, és keresd a legkisebbet!"),
                    hinted(round("Melyik fenyő a legnagyobb?", {},
                                 {choice(pic(PicPine, 92)), choice(pic(PicPine, 84)), choice(pic(PicPine, 96)),
                                  choice(pic(PicPine, 88))}),
                           "Nézd meg a csúcsukat: melyik a legmagasabb?",
                           "Hasonlítsd össze kettesével, és a nagyobbat tartsd meg!"),
                    hinted(round("Melyik kosárban van a legkevesebb alma?", {},
                                 {choice(pic(PicBasket, 9)), choice(pic(PicBasket, 8)), choice(pic(PicBasket, 10)),
                                  choice(pic(PicBasket, 7))},
                                 Pic{}, 1),
                           "Számold meg pontosan, mennyi van mindegyikben!",
                           "Írd fel magadnak a számokat, és keresd a legkisebbet!"),
                }},
         hinted(round("Melyik a legnagyobb állat?", {},
                      {choice(bee, "méhecske", 0), choice(bear, "medve", 1), choice(squirrel, "mókus", 0)}),
                "Gondolj arra, mekkorák a valóságban!")),

    task("Mi jön ezután?", leaf(ColOrange), "Keresd meg, mi ismétlődik!", rulePattern,
         Levels{
             {
                 patternRound({leaf(ColGreen), acorn}, 5, {choice(leaf(ColGreen)), choice(mushroom), choice(acorn)},
                              "levél, makk", false),
                 patternRound({flower(ColRed), flower(ColYellow)}, 4,
                              {choice(flower(ColYellow)), choice(flower(ColRed)), choice(flower(ColBlue))},
                              "piros virág, sárga virág", false),
                 patternRound({squirrel, rabbit}, 5, {choice(squirrel), choice(rabbit), choice(fox)}, "mókus, nyuszi",
                              false),
                 patternRound({apple, mushroom}, 5, {choice(apple), choice(acorn), choice(mushroom)}, "alma, gomba",
                              false),
                 patternRound({pine, pic(PicTree, SeasonSummer)}, 4,
                              {choice(pic(PicTree, SeasonSummer)), choice(pine), choice(flower(ColPink))},
                              "fenyő, lombos fa", false),
                 patternRound({bee, flower(ColPink)}, 5, {choice(bee), choice(flower(ColPink)), choice(leaf(ColGreen))},
                              "méhecske, virág", false),
                 patternRound({mushroom, brownMushroom}, 5, {choice(mushroom), choice(acorn), choice(brownMushroom)},
                              "piros gomba, barna gomba", false),
                 patternRound({frog, bird}, 4, {choice(bird), choice(frog), choice(bee)}, "béka, madár", false),
                 patternRound({rabbit, carrot}, 5, {choice(carrot), choice(rabbit), choice(apple)}, "nyuszi, répa",
                              false),
                 patternRound({leaf(ColRed), leaf(ColYellow)}, 4,
                              {choice(leaf(ColGreen)), choice(leaf(ColYellow)), choice(leaf(ColRed))},
                              "piros levél, sárga levél", false),
             },
             {
                 patternRound({apple, mushroom, mushroom}, 6,
                              {choice(mushroom), choice(acorn), choice(apple), choice(leaf(ColGreen))},
                              "alma, gomba, gomba", true),
                 patternRound({flower(ColRed), flower(ColYellow), flower(ColBlue)}, 6,
                              {choice(flower(ColYellow)), choice(flower(ColBlue)), choice(flower(ColPink)),
                               choice(flower(ColRed))},
                              "piros, sárga, kék", true),
                 patternRound({bird, bird, bee}, 6, {choice(bee), choice(bird), choice(frog), choice(owl)},
                              "madár, madár, méhecske", true),
                 patternRound({rabbit, bear, fox}, 6, {choice(fox), choice(bear), choice(rabbit), choice(squirrel)},
                              "nyuszi, medve, róka", true),
                 patternRound(
                     {leaf(ColGreen), leaf(ColRed), leaf(ColRed)}, 6,
                     {choice(leaf(ColRed)), choice(leaf(ColYellow)), choice(leaf(ColGreen)), choice(leaf(ColOrange))},
                     "zöld, piros, piros", true),
                 patternRound(
                     {pic(PicPine, 100), pic(PicPine, 50), pic(PicPine, 50)}, 6,
                     {choice(pic(PicPine, 50)), choice(pic(PicPine, 100)), choice(pic(PicPine, 75)), choice(acorn)},
                     "nagy fenyő, kis fenyő, kis fenyő", true),
                 patternRound({acorn, leaf(ColOrange), brownMushroom}, 6,
                              {choice(leaf(ColOrange)), choice(brownMushroom), choice(acorn), choice(apple)},
                              "makk, levél, gomba", true),
                 patternRound({snail, snail, ant}, 6, {choice(ant), choice(spider), choice(snail), choice(bee)},
                              "csiga, csiga, hangya", true),
                 patternRound({owl, squirrel}, 5, {choice(owl), choice(squirrel), choice(bird), choice(hedgehog)},
                              "bagoly, mókus", true),
                 patternRound({bee, flower(ColYellow), flower(ColYellow)}, 6,
                              {choice(flower(ColYellow)), choice(bee), choice(flower(ColPink)), choice(leaf(ColGreen))},
                              "méhecske, virág, virág", true),
             }},
         hinted(round("Mi jön ezután: piros, kék, piros, kék...?", {},
                      {swatch(ColGreen, "zöld"), swatch(ColRed, "piros"), swatch(ColBlue, "kék")}, Pic{}, ColRed),
                "Mondd ki hangosan a színeket sorban!"),
         ruleColour),

    task("Kakukktojás", owl, "Három összetartozik. Melyik lóg ki a sorból?", ruleOddOne,
         Levels{
             {
                 hinted(round("Melyik nem állat?", {},
                              {choice(fox, "róka"), choice(rabbit, "nyuszi"), choice(pic(PicCar, ColRed), "autó"),
                               choice(owl, "bagoly")}),
                        "Három közülük az erdőben él. Melyik nem?", "Az állatoknak lábuk van, nem kerekük."),
                 hinted(round("Melyik nem állat?", {},
                              {choice(squirrel, "mókus"), choice(frog, "béka"), choice(apple, "alma"),
                               choice(bee, "méhecske")}),
                        "Melyik nem tud magától mozogni?", "Az állat eszik, mozog és nő. Melyik nem ilyen?"),
                 hinted(round("Melyik nem növény?", {},
                              {choice(flower(ColYellow), "virág"), choice(leaf(ColGreen), "levél"),
                               choice(pine, "fenyő"), choice(bear, "medve")}),
                        "A növények a földből nőnek ki.", "Melyik tud járni közülük?"),
                 hinted(round("Melyik nem állatok otthona?", {},
                              {choice(hollow, "odú"), choice(nest, "fészek"), choice(cave, "barlang"),
                               choice(carrot, "répa")}),
                        "Három közülük egy állat lakása.", "Melyikben nem lakhat senki?"),
                 hinted(round("Melyik nem jármű?", {},
                              {choice(pic(PicBus, 5), "busz"), choice(pic(PicCar, ColBlue), "autó"),
                               choice(pic(PicFireTruck), "tűzoltóautó"), choice(hedgehog, "süni")}),
                        "Három közülük kerekeken gurul.", "Melyiknek nincs kereke?"),
                 hinted(round("Melyik nem ennivaló?", {},
                              {choice(apple, "alma"), choice(carrot, "répa"), choice(honey, "méz"),
                               choice(cave, "barlang")}),
                        "Három közülük finom uzsonna lehet.", "Melyiket nem lehet megenni?"),
                 hinted(round("Melyik nem állat?", {},
                              {choice(bear, "medve"), choice(hedgehog, "süni"), choice(pine, "fenyő"),
                               choice(bird, "madár")}),
                        "Melyik nem tud elszaladni?", "Az állat eszik, mozog és nő. Melyik nem mozog?"),
                 hinted(round("Melyik nem növény?", {},
                              {choice(pic(PicTree, SeasonSummer), "fa"), choice(flower(ColRed), "virág"),
                               choice(pic(PicBus, 3), "busz"), choice(grass, "fű")}),
                        "A növények a földből nőnek ki.", "Melyik gurul kerekeken?"),
                 hinted(round("Melyik nem gyümölcs?", {},
                              {choice(apple, "alma"), choice(grapes, "szőlő"), choice(bee, "méhecske"),
                               choice(watermelon, "dinnye")}),
                        "Három közülük édes, és meg lehet enni.", "Melyik tud repülni?"),
                 hinted(round("Melyik nem jármű?", {},
                              {choice(pic(PicAmbulance), "mentőautó"), choice(rabbit, "nyuszi"),
                               choice(pic(PicPolice), "rendőrautó"), choice(pic(PicBus, 9), "busz")}),
                        "Három közülük kerekeken gurul.", "Melyiknek nincs kereke?"),
             },
             {
                 hinted(round("Melyik a kakukktojás?", {},
                              {choice(hollow, "odú"), choice(nest, "fészek"), choice(burrow, "kotorék"),
                               choice(bee, "méhecske")}),
                        "Keresd meg, mi közös hármukban!", "Három közülük egy állat lakása."),
                 hinted(round("Melyik a kakukktojás?", {},
                              {choice(leaf(ColGreen), "levél"), choice(honey, "méz"),
                               choice(flower(ColPurple), "virág"), choice(pine, "fenyő")}),
                        "Keresd meg, mi közös hármukban!", "Három közülük növény."),
                 hinted(round("Melyik lóg ki a sorból?", {},
                              {choice(carrot, "répa"), choice(apple, "alma"), choice(grapes, "szőlő"),
                               choice(cave, "barlang")}),
                        "Keresd meg, mi közös hármukban!", "Három közülük ennivaló."),
                 hinted(round("Melyik lóg ki a sorból?", {},
                              {choice(frog, "béka"), choice(brownMushroom, "gomba"), choice(fly, "légy"),
                               choice(worm, "kukac")}),
                        "Keresd meg, mi közös hármukban!", "Három közülük állat."),
                 hinted(round("Melyik a kakukktojás?", {},
                              {choice(pic(PicAmbulance), "mentőautó"), choice(bear, "medve"),
                               choice(pic(PicFireTruck), "tűzoltóautó"), choice(pic(PicBus, 7), "busz")}),
                        "Keresd meg, mi közös hármukban!", "Három közülük jármű."),
                 hinted(round("Melyik a kakukktojás?", {},
                              {choice(anthill, "hangyaboly"), choice(hive, "kaptár"), choice(ant, "hangya"),
                               choice(cave, "barlang")}),
                        "Keresd meg, mi közös hármukban!", "Három közülük lakóhely."),
                 hinted(round("Melyik lóg ki a sorból?", {},
                              {choice(deer, "őz"), choice(mouse, "egér"), choice(grass, "fű"), choice(spider, "pók")}),
                        "Keresd meg, mi közös hármukban!", "Három közülük állat."),
                 hinted(round("Melyik lóg ki a sorból?", {},
                              {choice(watermelon, "dinnye"), choice(snail, "csiga"), choice(grapes, "szőlő"),
                               choice(apple, "alma")}),
                        "Keresd meg, mi közös hármukban!", "Három közülük gyümölcs."),
                 hinted(round("Melyik a kakukktojás?", {},
                              {choice(pic(PicSnowdrop), "hóvirág"), choice(wheat, "búza"), choice(squirrel, "mókus"),
                               choice(grass, "fű")}),
                        "Keresd meg, mi közös hármukban!", "Három közülük növény."),
                 hinted(round("Melyik lóg ki a sorból?", {},
                              {choice(hollow, "odú"), choice(owl, "bagoly"), choice(anthill, "hangyaboly"),
                               choice(leafPile, "levélkupac")}),
                        "Keresd meg, mi közös hármukban!", "Három közülük lakóhely."),
             }},
         hinted(round("A kakukk más madarak fészkébe tojik. Melyik a kakukk tojása?", {nest},
                      {choice(pic(PicEgg), nullptr, 0), choice(pic(PicEgg, 1), nullptr, 1),
                       choice(pic(PicEgg), nullptr, 0)}),
                "Két tojás egyforma. Melyik más?")),

    task("Évszakok", pic(PicTree, SeasonAutumn), "Nézd meg a fát: van levele? Milyen színű?", ruleMarked,
         Levels{
             {
                 seasonRound("Milyen évszak van?", {pic(PicTree, SeasonWinter)}, SeasonWinter,
                             "Nézd meg a fát: van levele?", "Csupasz a fa, és hull a hó."),
                 seasonRound("Milyen évszak van?", {pic(PicTree, SeasonAutumn)}, SeasonAutumn,
                             "Milyen színűek a fa levelei?", "A levelek sárgák és pirosak, és lehullanak."),
                 seasonRound("Milyen évszak van?", {pic(PicTree, SeasonSpring)}, SeasonSpring, "Mi nyílik a fa ágain?",
                             "A fa virágzik: felébred a természet."),
                 seasonRound("Milyen évszak van?", {pic(PicTree, SeasonSummer)}, SeasonSummer, "Mi érik a fán?",
                             "A fa zöld, és érik rajta a gyümölcs."),
                 seasonRound("Mikor építünk hóembert?", {pic(PicSnowman)}, SeasonWinter, "Mikor esik sok hó?",
                             "Hóembert akkor építünk, amikor hideg van, és havazik."),
                 seasonRound("Mikor nyílik a hóvirág?", {pic(PicSnowdrop)}, SeasonSpring,
                             "A hóvirág az első virág a hideg után.", "Akkor nyílik, amikor elolvad a hó."),
                 seasonRound("Mikor érik a görögdinnye?", {watermelon}, SeasonSummer, "Mikor van a legmelegebb?",
                             "A görögdinnye a forró napokon érik."),
                 seasonRound("Mikor szüretelik a szőlőt?", {grapes}, SeasonAutumn,
                             "A szőlő a forró nyár után érik meg.", "A szüret akkor van, amikor sárgulnak a levelek."),
                 seasonRound("Mikor hullanak le a levelek a fákról?", {leafPile}, SeasonAutumn,
                             "Mikor sárgulnak meg a levelek?", "A nyár után, amikor hűvösebb lesz."),
                 seasonRound("Mikor fürdünk a tóban?", {pond}, SeasonSummer, "Mikor meleg a víz?",
                             "A tóban a forró napokon fürdünk, a nyári szünetben."),
             },
             {
                 seasonRound("Melyik évszak jön a tél után?", {pic(PicTree, SeasonWinter)}, SeasonSpring,
                             "Mondd el sorban az évszakokat!", "Tavasz, nyár, ősz, tél, és újra tavasz."),
                 seasonRound("Melyik évszak jön a tavasz után?", {pic(PicTree, SeasonSpring)}, SeasonSummer,
                             "Mondd el sorban az évszakokat!", "Tavasz, nyár, ősz, tél, és újra tavasz."),
                 seasonRound("Melyik évszak jön a nyár után?", {pic(PicTree, SeasonSummer)}, SeasonAutumn,
                             "Mondd el sorban az évszakokat!", "Tavasz, nyár, ősz, tél, és újra tavasz."),
                 seasonRound("Melyik évszak jön az ősz után?", {pic(PicTree, SeasonAutumn)}, SeasonWinter,
                             "Mondd el sorban az évszakokat!", "Tavasz, nyár, ősz, tél, és újra tavasz."),
                 seasonRound("Melyik évszakban van a karácsony?", {}, SeasonWinter,
                             "Karácsonykor fenyőt díszítünk, és hideg van.", "Karácsony december végén van."),
                 seasonRound("Melyik évszakban kezdődik az iskola?", {}, SeasonAutumn,
                             "Az iskola a nyári szünet után kezdődik.", "Szeptember már az ősz első hónapja."),
                 seasonRound("Melyik évszakban van a húsvét?", {}, SeasonSpring, "Húsvétkor nyílnak az első virágok.",
                             "Húsvét márciusban vagy áprilisban van."),
                 seasonRound("Melyik évszakban van a leghosszabb szünet az iskolában?", {}, SeasonSummer,
                             "Mikor van a legmelegebb, és mikor strandolunk?", "Júniustól augusztusig tart a szünet."),
                 monthRound("Melyik hónap van télen?", {"december", "május", "július", "szeptember"},
                            "Melyik hónapban van a karácsony?", "A tél hónapjai: december, január, február."),
                 monthRound("Melyik hónap van nyáron?", {"július", "január", "október", "április"},
                            "Melyik hónapban van a legmelegebb?", "A nyár hónapjai: június, július, augusztus."),
             }},
         hinted(round("Hány évszak van egy évben?", {},
                      {closeMiss(answer("3", 0)), answer("4", 1), closeMiss(answer("5", 0))}),
                "Sorold fel őket, és számold meg!")),

    madeTask(
        "Összeadás", pic(PicPlus), "Számold össze mindet együtt!", ruleSum, additionRound,
        hinted(round("Mennyi 2 meg 2?", {}, {closeMiss(answer("3", 0)), answer("4", 1), closeMiss(answer("5", 0))}),
               "Mutass fel 2 ujjat, aztán még 2-t, és számold meg!")),

    madeTask("Elvitte a süni", hedgehog, "Az áthúzott almákat ne számold!", ruleChange, takeAwayRound,
             hinted(round("Ha 5 almából elveszel 1-et, hány marad?", {},
                          {answer("6", 0), closeMiss(answer("5", 0)), answer("4", 1)}),
                    "Mutass 5 ujjat, és hajts be egyet!")),

    task("Ki vagyok én?", fox, "Figyeld meg, mit mond magáról!", ruleSceneKind,
         Levels{{
                    hinted(round("Vörös a bundám, bozontos a farkam, és a kotorékban lakom. Ki vagyok én?", {},
                                 {choice(rabbit, "nyuszi", PicRabbit), choice(fox, "róka", PicFox),
                                  choice(bear, "medve", PicBear)},
                                 fox),
                           "Keresd a vörös bundát!", "A kotorékban a ravasz róka lakik."),
                    hinted(round("Hosszú a fülem, répát rágcsálok, és nagyokat ugrok. Ki vagyok én?", {},
                                 {choice(squirrel, "mókus", PicSquirrel), choice(mouse, "egér", PicMouse),
                                  choice(rabbit, "nyuszi", PicRabbit)},
                                 rabbit),
                           "Keresd a hosszú fület!", "A répát a nyuszi szereti."),
                    hinted(round("Nagy vagyok és bundás, szeretem a mézet, és télen alszom. Ki vagyok én?", {},
                                 {choice(bear, "medve", PicBear), choice(fox, "róka", PicFox),
                                  choice(deer, "őz", PicDeer)},
                                 bear),
                           "Ki a legnagyobb és a legbundásabb?", "A mézet a mackó szereti."),
                    hinted(round("Tüskés a hátam, és ha félek, gombóccá gömbölyödöm. Ki vagyok én?", {},
                                 {choice(snail, "csiga", PicSnail), choice(hedgehog, "süni", PicHedgehog),
                                  choice(mouse, "egér", PicMouse)},
                                 hedgehog),
                           "Keresd a tüskéket!", "A süni hátán tüskék vannak."),
                    hinted(round("Éjjel vadászom, nagy a szemem, és azt mondom: huhu. Ki vagyok én?", {},
                                 {choice(bird, "madár", PicBird), choice(bee, "méhecske", PicBee),
                                  choice(owl, "bagoly", PicOwl)},
                                 owl),
                           "Keresd a nagy, kerek szemeket!", "A bagoly éjjel is jól lát."),
                    hinted(round("Zöld vagyok, a tóban lakom, és azt mondom: brekeke. Ki vagyok én?", {},
                                 {choice(frog, "béka", PicFrog), choice(snail, "csiga", PicSnail),
                                  choice(bird, "madár", PicBird)},
                                 frog),
                           "Ki lakik a vízben?", "A béka brekeg a tóban."),
                    hinted(round("Zümmögök, virágról virágra szállok, és mézet készítek. Ki vagyok én?", {},
                                 {choice(ant, "hangya", PicAnt), choice(bee, "méhecske", PicBee),
                                  choice(spider, "pók", PicSpider)},
                                 bee),
                           "Ki tud repülni közülük?", "A mézet a méhecske készíti."),
                    hinted(round("Fáról fára ugrálok, és makkot gyűjtök télire. Ki vagyok én?", {},
                                 {choice(fox, "róka", PicFox), choice(frog, "béka", PicFrog),
                                  choice(squirrel, "mókus", PicSquirrel)},
                                 squirrel),
                           "Ki tud fára mászni közülük?", "A bozontos farkú mókus ugrál a fákon."),
                    hinted(round("A házamat a hátamon hordom, és lassan mászom. Ki vagyok én?", {},
                                 {choice(snail, "csiga", PicSnail), choice(ant, "hangya", PicAnt),
                                  choice(hedgehog, "süni", PicHedgehog)},
                                 snail),
                           "Keresd, kinek van háza a hátán!", "A csiga a házát mindig magával viszi."),
                    hinted(round("Nyolc lábam van, és hálót szövök. Ki vagyok én?", {},
                                 {choice(bee, "méhecske", PicBee), choice(spider, "pók", PicSpider),
                                  choice(ant, "hangya", PicAnt)},
                                 spider),
                           "Számold meg a lábaikat!", "A pók hálót sző, és abban vár."),
                },
                {
                    hinted(round("Milyen állat ez?", {fox},
                                 {answer("nyuszi", PicRabbit), answer("róka", PicFox), answer("medve", PicBear),
                                  answer("mókus", PicSquirrel)}),
                           "Nézd meg a színét és a farkát!", "Vörös a bundája, és a kotorékban lakik."),
                    hinted(round("Milyen állat ez?", {owl},
                                 {answer("bagoly", PicOwl), answer("béka", PicFrog), answer("süni", PicHedgehog),
                                  answer("madár", PicBird)}),
                           "Nézd meg a szemét és a fülét!", "Éjjel vadászik, és azt mondja: huhu."),
                    hinted(round("Milyen állat ez?", {hedgehog},
                                 {answer("mókus", PicSquirrel), answer("róka", PicFox), answer("süni", PicHedgehog),
                                  answer("egér", PicMouse)}),
                           "Nézd meg a hátát!", "Tüskés, és gombóccá gömbölyödik."),
                    hinted(round("Milyen állat ez?", {deer},
                                 {answer("őz", PicDeer), answer("róka", PicFox), answer("nyuszi", PicRabbit),
                                  answer("medve", PicBear)}),
                           "Nézd meg a lábait és a fejét!", "Füvet legel, és gyorsan fut."),
                    hinted(round("Milyen állat ez?", {mouse},
                                 {answer("mókus", PicSquirrel), answer("süni", PicHedgehog),
                                  answer("nyuszi", PicRabbit), answer("egér", PicMouse)}),
                           "Nézd meg a fülét és a farkát!", "Kicsi és szürke, és a magokat szereti."),
                    hinted(round("Milyen állat ez?", {snail},
                                 {answer("csiga", PicSnail), answer("hangya", PicAnt), answer("pók", PicSpider),
                                  answer("béka", PicFrog)}),
                           "Nézd meg, mit hord a hátán!", "A házát a hátán hordja, és lassan mászik."),
                    hinted(round("Milyen állat ez?", {spider},
                                 {answer("hangya", PicAnt), answer("pók", PicSpider), answer("méhecske", PicBee),
                                  answer("légy", PicFly)}),
                           "Számold meg a lábait!", "Nyolc lába van, és hálót sző."),
                    hinted(round("Milyen állat ez?", {ant},
                                 {answer("pók", PicSpider), answer("légy", PicFly), answer("hangya", PicAnt),
                                  answer("méhecske", PicBee)}),
                           "Számold meg a lábait: hat van?", "Sokan élnek együtt a bolyban."),
                    hinted(round("Milyen állat ez?", {frog},
                                 {answer("béka", PicFrog), answer("csiga", PicSnail), answer("egér", PicMouse),
                                  answer("madár", PicBird)}),
                           "Nézd meg a színét és a szemét!", "Zöld, a tóban lakik, és brekeg."),
                    hinted(round("Milyen állat ez?", {squirrel},
                                 {answer("róka", PicFox), answer("mókus", PicSquirrel), answer("egér", PicMouse),
                                  answer("süni", PicHedgehog)}),
                           "Nézd meg a farkát!", "Bozontos a farka, és fáról fára ugrál."),
                }},
         hinted(round("Melyik állat tud repülni?", {},
                      {choice(fox, "róka", 0), choice(bird, "madár", 1), choice(hedgehog, "süni", 0)}),
                "Melyiknek van szárnya?")),

    task(
        "Vigyázz az erdőre!", pic(PicBin, BinMixed), "Mi jó az erdőnek és az állatoknak?", ruleMarked,
        Levels{
            {
                hinted(round("Hova dobod a szemetet?", {},
                             {warned(choice(pic(PicLitter), "a fűbe", 0), "Vigyázz! A szemét árt az állatoknak."),
                              choice(pic(PicBin, BinMixed), "a kukába", 1),
                              warned(choice(pond, "a tóba", 0), "Vigyázz! A szemét bepiszkítja a vizet.")}),
                       "Hol nem árt senkinek a szemét?", "A szemetet a kukába dobjuk."),
                hinted(
                    round(
                        "Szép virágot látsz. Mit teszel?", {},
                        {choice(flower(ColPink), "otthagyom", 1),
                         warned(choice(pic(PicPickFlower), "leszakítom", 0), "Vigyázz! A leszakított virág elhervad."),
                         warned(choice(deed(DeedTrample), "rálépek", 0), "Vigyázz! Ha rálépsz, eltörik a virág.")}),
                    "Hogyan maradhat szép a virág?", "Hagyd nőni a virágot, hogy más is lássa!"),
                hinted(
                    round(
                        "Mit teszel, ha egy kis állatot látsz?", {rabbit},
                        {warned(choice(deed(DeedChase), "megkergetem", 0), "Vigyázz! Az állat megijed, ha kergetik."),
                         choice(deed(DeedHush), "csendben nézem", 1),
                         warned(choice(deed(DeedCarryOff), "hazaviszem", 0), "Vigyázz! A kis állat otthona az erdő.")}),
                    "Hogyan nem ijed meg a kis állat?", "Az állatokat messziről, csendben nézzük."),
                hinted(
                    round("Tüzet szeretnél rakni. Mit teszel?", {},
                          {choice(deed(DeedTellAdult), "felnőttnek szólok", 1),
                           warned(choice(deed(DeedMatch), "gyufát gyújtok", 0), "Vigyázz! Gyerek nem gyújt tüzet."),
                           warned(choice(pic(PicBlaze), "a fa alá rakom", 0), "Vigyázz! A tűz átterjedhet a fára.")}),
                    "Ki vigyázhat a tűzre az erdőben?", "Tüzet csak felnőtt rakhat, a kijelölt helyen."),
                hinted(round("Füstöt látsz az erdőben. Mit teszel?", {pic(PicBlaze)},
                             {warned(choice(deed(DeedApproach), "közelebb megyek", 0),
                                     "Vigyázz! A tűz és a füst veszélyes."),
                              warned(choice(deed(DeedHide), "elbújok", 0), "Vigyázz! Ne bújj el, szólj valakinek!"),
                              choice(deed(DeedTellAdult), "felnőttnek szólok", 1)}),
                       "Ki tud segíteni, ha baj van?", "Szólj gyorsan egy felnőttnek, ő hívja a tűzoltókat!"),
                hinted(round("Gombát találsz. Mit teszel?", {mushroom},
                             {warned(choice(deed(DeedTaste), "megkóstolom", 0), "Vigyázz! A gomba mérgező lehet!"),
                              choice(mushroom, "nem nyúlok hozzá", 1),
                              warned(choice(deed(DeedKick), "szétrúgom", 0), "Vigyázz! A gomba is az erdő része.")}),
                       "Tudod, melyik gomba mérgező?", "Gombát csak felnőtt szed, aki ismeri őket."),
                hinted(round("Fészket látsz a bokorban. Mit teszel?", {nest},
                             {choice(deed(DeedHush), "messziről nézem", 1),
                              warned(choice(deed(DeedTakeEgg), "kiveszem a tojást", 0),
                                     "Vigyázz! A madár elhagyja a fészkét."),
                              warned(choice(deed(DeedShout), "kiabálok", 0), "Vigyázz! A zaj megijeszti a madarat.")}),
                       "Mitől nem ijed meg a madár?", "A fészekhez nem nyúlunk, csak nézzük."),
                hinted(round("Hogyan sétálunk az erdőben?", {},
                             {warned(choice(deed(DeedShout), "kiabálva", 0), "Vigyázz! A zaj megijeszti az állatokat."),
                              warned(choice(deed(DeedChase), "állatot kergetve", 0),
                                     "Vigyázz! Az állat megijed, ha kergetik."),
                              choice(deed(DeedHush), "csendben", 1)}),
                       "Az erdő az állatok otthona. Hogyan illik?", "Csendben sétálunk, hogy ne zavarjuk őket."),
                hinted(
                    round("Egy méhecske repül körülötted. Mit teszel?", {bee},
                          {warned(choice(deed(DeedSwat), "csapkodok", 0), "Vigyázz! Ha csapkodsz, megcsíphet."),
                           choice(deed(DeedStill), "nyugodtan állok", 1),
                           warned(choice(deed(DeedShout), "kiabálok", 0), "Vigyázz! A zajtól csak jobban megijed.")}),
                    "Mitől ijed meg a méhecske?", "Ha nyugodtan állsz, a méhecske továbbrepül."),
                hinted(round("Szép ágat látsz a fán. Mit teszel?", {},
                             {warned(choice(deed(DeedBreak), "letöröm", 0), "Vigyázz! A letört ág nem nő vissza."),
                              warned(choice(deed(DeedClimb), "felmászok érte", 0), "Vigyázz! Leeshetsz a fáról!"),
                              choice(pic(PicTree, SeasonSummer), "a fán hagyom", 1)}),
                       "Hol a legjobb helye az ágnak?", "Az ág a fán marad, a fa így nő tovább."),
            },
            {
                hinted(round("Szabad tüzet rakni az erdőben?", {pic(PicCampfire)},
                             {warned(answer("igen, bárhol", 0), "Vigyázz! A tűz leégetheti az erdőt."),
                              answer("csak felnőttel, a kijelölt helyen", 1),
                              warned(answer("gyerekek egyedül is", 0), "Vigyázz! Gyerek nem gyújt tüzet.")}),
                       "Ki vigyáz a tűzre, és hol nem terjed tovább?",
                       "Tüzet csak felnőtt rakhat, a kijelölt tűzrakó helyen."),
                hinted(round("Nagy a szárazság, tűzgyújtási tilalom van. Rakhatunk tüzet?", {pic(PicCampfire)},
                             {warned(answer("igen, a kijelölt helyen", 0), "Vigyázz! Tilalomkor ott sem szabad."),
                              warned(answer("felnőttel igen", 0), "Vigyázz! Tilalomkor senki sem rakhat."),
                              answer("nem, most senki sem", 1)}),
                       "Mit jelent a tilalom?", "Tilalom idején senki, sehol nem rakhat tüzet."),
                hinted(round("Nincs kuka az erdőben. Mit teszel a szeméttel?", {pic(PicLitter)},
                             {answer("hazaviszem magammal", 1),
                              warned(answer("elásom a földbe", 0), "Vigyázz! Az elásott szemét is árt."),
                              warned(answer("bedobom a bokorba", 0), "Vigyázz! A szemét árt az állatoknak.")}),
                       "Hol van a szemét helye, ha nincs kuka?", "Amit bevittél az erdőbe, azt hozd is ki!"),
                hinted(round("Egy kis őzgidát látsz egyedül a fűben. Mit teszel?", {pic(PicDeer, 1)},
                             {warned(answer("megfogom", 0), "Vigyázz! Ne nyúlj hozzá, az anyja visszajön érte."),
                              answer("messziről nézem, nem nyúlok hozzá", 1),
                              warned(answer("hazaviszem", 0), "Vigyázz! A gida az erdőben él.")}),
                       "Hol lehet a gida anyukája?", "Az anyja a közelben legel. Hagyd a gidát!"),
                hinted(round("Egy süni jár a kertben. Mit adhatsz neki inni?", {hedgehog},
                             {warned(answer("tejet", 0), "Vigyázz! A tejtől a süni beteg lesz."),
                              warned(answer("szörpöt", 0), "Vigyázz! A cukros ital árt a süninek."),
                              answer("egy tál vizet", 1)}),
                       "Mit iszik az erdőben minden állat?", "A süninek a tiszta víz a legjobb."),
                hinted(round("Eltévedtél az erdőben. Mit teszel?", {},
                             {answer("egy helyben maradok, és kiabálok", 1),
                              warned(answer("elindulok egyedül", 0), "Vigyázz! Így még messzebbre kerülsz."),
                              warned(answer("elbújok egy bokorban", 0), "Vigyázz! Maradj ott, ahol megtalálnak!")}),
                       "Hol találnak meg a legkönnyebben?", "Maradj egy helyben, és kiabálj, hogy halljanak!"),
                hinted(round("Merre sétálunk az erdőben?", {},
                             {warned(answer("a sűrű bozótban", 0), "Vigyázz! Ott könnyen eltévedsz."),
                              answer("a kijelölt ösvényen", 1),
                              warned(answer("egyedül, messzire", 0), "Vigyázz! Egyedül ne menj az erdőbe.")}),
                       "Hol nem tévedsz el?", "Az ösvény jelzései hazavezetnek."),
                hinted(round("Füstöt látsz az erdőben. Mit teszel?", {pic(PicBlaze)},
                             {answer("szólok egy felnőttnek, ő hívja a 112-t", 1),
                              warned(answer("közelebb megyek megnézni", 0), "Vigyázz! A tűz és a füst veszélyes."),
                              warned(answer("egyedül oltom el", 0), "Vigyázz! A tüzet a tűzoltók oltják.")}),
                       "Ki hívja a tűzoltókat?", "A 112 a segélyhívó szám: egy felnőtt hívja."),
                hinted(round("Kullancsot találsz a bőrödön. Mit teszel?", {},
                             {warned(answer("megvakarom", 0), "Vigyázz! Felnőtt veszi ki, csipesszel."),
                              answer("szólok egy felnőttnek", 1),
                              warned(answer("nem törődöm vele", 0), "Vigyázz! A kullancs betegséget okozhat.")}),
                       "Ki tud segíteni ilyenkor?", "A kullancsot egy felnőtt veszi ki, csipesszel."),
                hinted(round("Mit veszel fel egy erdei sétára?", {},
                             {warned(answer("papucsot", 0), "Vigyázz! Könnyen megbotlasz benne."),
                              answer("hosszú nadrágot, zárt cipőt", 1),
                              warned(answer("rövid nadrágot, szandált", 0), "Vigyázz! Így rád mászhat a kullancs.")}),
                       "Mi véd a tüskés bokroktól és a kullancstól?",
                       "A hosszú nadrág és a zárt cipő véd a legjobban."),
            }},
        hinted(round("Mit viszünk haza az erdőből?", {},
                     {warned(choice(pic(PicPickFlower), "virágot", 0), "Vigyázz! A virág maradjon a helyén."),
                      choice(pic(PicLitter), "a szemetünket", 1),
                      warned(choice(deed(DeedCarryOff), "kis állatot", 0), "Vigyázz! A kis állat otthona az erdő.")}),
               "Mi nem való az erdőbe?")),

    task("Hány lába van?", bee, "Gondold végig, hogyan jár!", ruleLegs,
         Levels{{
                    legsRound("Hány lába van a madárnak?", {bird}, {2, 4, 6}, "Számold meg a lábait a képen!",
                              "A madár két lábon ugrál, a szárnya nem láb."),
                    legsRound("Hány lába van a rókának?", {fox}, {2, 3, 4}, "Számold meg a lábait a képen!",
                              "Két lába elöl, kettő hátul."),
                    legsRound("Hány lába van a méhecskének?", {bee}, {4, 6, 8}, "Számold meg a lábait a képen!",
                              "Mindkét oldalán három lába van."),
                    legsRound("Hány lába van a nyuszinak?", {rabbit}, {6, 2, 4}, "Számold meg a mancsait a képen!",
                              "Két mancsa elöl, kettő hátul."),
                    legsRound("Hány lába van a bagolynak?", {owl}, {2, 3, 4}, "Számold meg a lábait a képen!",
                              "A bagoly madár: a szárnya nem láb."),
                    legsRound("Hány lába van a hangyának?", {ant}, {4, 8, 6}, "Számold meg a lábait a képen!",
                              "Mindkét oldalán három lába van."),
                    legsRound("Hány lába van a póknak?", {spider}, {8, 6, 10}, "Számold meg a lábait a képen!",
                              "Mindkét oldalán négy lába van."),
                    legsRound("Hány lába van az őznek?", {deer}, {2, 4, 6}, "Számold meg a lábait a képen!",
                              "Két lába elöl, kettő hátul."),
                    legsRound("Hány lába van az egérnek?", {mouse}, {3, 4, 5}, "Számold meg a lábait a képen!",
                              "Két lába elöl, kettő hátul."),
                    legsRound("Hány lába van a 2 madárnak együtt?", {bird, bird}, {2, 4, 6},
                              "Számold meg mindkét madár lábait!", "Egy madárnak kettő, a másiknak is kettő."),
                },
                {
                    legsRound("Hány lába van a medvének?", {bear}, {2, 4, 6, 8}, "Gondold végig, hogyan jár a medve!",
                              "A medve négy lábon jár, csak néha áll fel."),
                    legsRound("Hány lába van a békának?", {frog}, {2, 6, 3, 4}, "Gondold végig, hogyan ugrik a béka!",
                              "Két rövid lába elöl, két hosszú hátul."),
                    legsRound("Hány lába van a mókusnak?", {squirrel}, {6, 4, 2, 3},
                              "Gondold végig, hogyan mászik fel a fára!", "Az első lábaival fogja a makkot."),
                    legsRound("Hány lába van a süninek?", {hedgehog}, {2, 3, 4, 6}, "Gondold végig, hogyan jár a süni!",
                              "A süni négy rövid lábon tipeg."),
                    legsRound("Hány lába van a légynek?", {fly}, {4, 6, 8, 2}, "A légy rovar, mint a méhecske.",
                              "A rovaroknak hat lábuk van."),
                    legsRound("Hány lába van a póknak?", {spider}, {6, 10, 4, 8},
                              "Számold meg a lábait mindkét oldalon!", "A pók nem rovar: neki nyolc lába van."),
                    legsRound("Hány lába van a méhecskének?", {bee}, {8, 4, 6, 2},
                              "Számold meg a lábait mindkét oldalon!", "A méhecske rovar: hat lába van."),
                    legsRound("Hány lába van a hangyának?", {ant}, {6, 8, 4, 10},
                              "Számold meg a lábait mindkét oldalon!", "A hangya rovar: hat lába van."),
                    legsRound("Hány lába van a 2 nyuszinak együtt?", {rabbit, rabbit}, {6, 8, 10, 4},
                              "Hány lába van egy nyuszinak? És kettőnek?", "Négy meg négy: számolj tovább a négytől!"),
                    legsRound("Hány lába van a 3 madárnak együtt?", {bird, bird, bird}, {5, 6, 4, 8},
                              "Minden madárnak két lába van.", "Kettő, négy, hat: számolj kettesével!"),
                }},
         hinted(round("Melyik állatnak van a legtöbb lába?", {},
                      {choice(bird, "madár", 0), choice(rabbit, "nyuszi", 0), choice(spider, "pók", 1)}),
                "Számold meg mindegyiknek a lábait!")));

// A task's place in the table names its stored value, and the menu counts exactly this many.
static_assert(std::tuple_size<decltype(forestTasks)>::value == FirstGameTaskCount,
              "the menu counts 15 tasks of this game");

const GameDef forestGame{"erdei kalandok",  TAVRIN_FIRST_GAME_VALUE_FORMAT, "g1s%d", ThemeForest, FirstGameTaskCount,
                         forestTasks.data()};

} // namespace

const GameDef &forestDefinition() { return forestGame; }
