// rules.cpp -- the facts the tasks teach, and the rules that judge an answer by them
#include "rules.h"

#include <algorithm>

//----------------------------------------------------------------------------------------------------------
// Facts
//----------------------------------------------------------------------------------------------------------

namespace {

struct KindPair {
    PicKind from;
    PicKind to;
};

constexpr std::array<KindPair, 10> homes{{
    {PicSquirrel, PicHollow}, {PicOwl, PicHollow}, {PicBird, PicNest}, {PicFox, PicBurrow},
    {PicBear, PicCave}, {PicBee, PicHive}, {PicFrog, PicPond},
    {PicAnt, PicAnthill}, {PicHedgehog, PicLeafPile}, // the hedgehog sleeps the winter under a heap of leaves
    {PicMouse, PicBurrow},
}};

constexpr std::array<KindPair, 11> foods{{
    {PicSquirrel, PicAcorn}, {PicRabbit, PicCarrot}, {PicBear, PicHoney}, {PicBee, PicFlower},
    {PicBird, PicWorm}, {PicFrog, PicFly},
    {PicHedgehog, PicSnail}, {PicDeer, PicGrass}, {PicMouse, PicWheat}, {PicOwl, PicMouse}, {PicFox, PicMouse},
}};

PicKind lookUp(const KindPair *first, const KindPair *last, PicKind from)
{
    for (; first != last; ++first)
        if (first->from == from) return first->to;
    return PicNone;
}

} // namespace

PicKind homeOf(PicKind animal) { return lookUp(homes.begin(), homes.end(), animal); }
PicKind foodOf(PicKind animal) { return lookUp(foods.begin(), foods.end(), animal); }

int categoryOf(Pic pic)
{
    switch (pic.kind) {
    case PicSquirrel: case PicHedgehog: case PicRabbit: case PicFox: case PicBear: case PicOwl:
    case PicBird: case PicBee: case PicFrog: case PicWorm: case PicFly:
    case PicAnt: case PicSnail: case PicSpider: case PicDeer: case PicMouse:
        return 1;
    case PicMushroom: case PicFlower: case PicLeaf: case PicTree: case PicPine: case PicAcorn:
    case PicGrass: case PicWheat: case PicSnowdrop:
        return 2;
    case PicCar: case PicBus: case PicFireTruck: case PicAmbulance: case PicPolice:
        return 3;
    case PicApple: case PicCarrot: case PicHoney: case PicBread: case PicKifli: case PicIceCream:
    case PicWatermelon: case PicGrapes:
        return 4;
    case PicHollow: case PicNest: case PicBurrow: case PicCave: case PicHive: case PicHouse:
    case PicAnthill: case PicLeafPile:
        return 5;
    default:
        return 0;
    }
}

int colourOf(Pic pic)
{
    switch (pic.kind) {
    case PicFlower: case PicLeaf: case PicCar: case PicBalloon: case PicBall: case PicSwatch:
        return pic.param;
    case PicShape:
        return pic.param % 16;
    default:
        return -1;
    }
}

BinKind binFor(Pic rubbish)
{
    switch (rubbish.kind) {
    case PicPaper: case PicBook: case PicBox: return BinPaper;
    case PicBottle: return rubbish.param ? BinGlass : BinPlastic; // a plastic bottle, or a glass one
    case PicCan: return BinPlastic;                               // metal goes with the plastic
    case PicJar: return BinGlass;
    default: return BinMixed;
    }
}

ShopKind shopFor(PicKind goods)
{
    switch (goods) {
    case PicBread: case PicKifli: return ShopBakery;
    case PicMedicine: return ShopPharmacy;
    case PicFlower: return ShopFlowers;
    case PicApple: case PicCarrot: return ShopGreengrocer;
    case PicBook: return ShopBooks;
    case PicIceCream: return ShopSweets;
    default: return ShopToys;
    }
}

int legsOf(PicKind animal)
{
    switch (animal) {
    case PicBird: case PicOwl: return 2;
    case PicSquirrel: case PicHedgehog: case PicRabbit: case PicFox: case PicBear: case PicFrog: return 4;
    case PicDeer: case PicMouse: return 4;
    case PicBee: case PicFly: case PicAnt: return 6;
    case PicSpider: return 8;
    default: return 0;
    }
}

int coinValue(Pic pic) { return pic.kind == PicCoin ? pic.param : 0; }

int sceneCount(const Round &round)
{
    int n = 0;
    while (n < MaxScene && round.scene[n].kind != PicNone) ++n;
    return n;
}

int choiceCount(const Round &round)
{
    int n = 0;
    while (n < MaxChoices && (round.choices[n].pic.kind != PicNone || round.choices[n].label)) ++n;
    return n;
}

int sceneCoinSum(const Round &round)
{
    int sum = 0;
    for (int i = 0; i < sceneCount(round); ++i) sum += coinValue(round.scene[i]);
    return sum;
}

// The shortest period p with scene[i] == scene[i - p] throughout (the trailing question mark excluded); the
// next picture is then scene[n - p]. A scene that never repeats has no next picture.
int patternNext(const Round &round, Pic *next)
{
    int n = sceneCount(round);
    if (n > 0 && round.scene[n - 1].kind == PicQuestion) --n;
    for (int p = 1; p <= n / 2; ++p) {
        bool repeats = true;
        for (int i = p; i < n && repeats; ++i) repeats = samePic(round.scene[i], round.scene[i - p]);
        if (repeats) {
            *next = round.scene[n - p];
            return 1;
        }
    }
    return 0;
}

//----------------------------------------------------------------------------------------------------------
// Rules
//----------------------------------------------------------------------------------------------------------

namespace {

bool validChoice(const Round &round, int choice) { return choice >= 0 && choice < choiceCount(round); }

bool isSign(Pic pic) { return pic.kind == PicPlus || pic.kind == PicQuestion; }

// A target with a negative parameter matches its kind with any parameter.
bool matchesTarget(Pic pic, Pic target)
{
    return pic.kind == target.kind && (target.param < 0 || pic.param == target.param);
}

} // namespace

bool sceneCounts(const Round &round, int index, bool everything)
{
    if (index < 0 || index >= sceneCount(round)) return false;
    return everything ? !isSign(round.scene[index]) : matchesTarget(round.scene[index], round.target);
}

namespace {

int countScene(const Round &round, bool everything)
{
    int n = 0;
    for (int i = 0; i < sceneCount(round); ++i) n += sceneCounts(round, i, everything) ? 1 : 0;
    return n;
}

} // namespace

bool ruleCount(const Round &round, int choice)
{
    return validChoice(round, choice) && round.choices[choice].value == countScene(round, false);
}

bool ruleCountAll(const Round &round, int choice)
{
    return validChoice(round, choice) && round.choices[choice].value == countScene(round, true);
}

namespace {

// An animal shown with its homes (or foods) to choose from, or a home (or food) shown with the animals: the
// answer is the one that belongs to the scene's picture.
bool belongs(const Round &round, int choice, PicKind (*of)(PicKind))
{
    if (!validChoice(round, choice) || sceneCount(round) == 0) return false;
    auto shown = static_cast<PicKind>(round.scene[0].kind);
    auto chosen = static_cast<PicKind>(round.choices[choice].pic.kind);
    PicKind own = of(shown);
    return own != PicNone ? chosen == own : of(chosen) == shown;
}

} // namespace

bool ruleHome(const Round &round, int choice) { return belongs(round, choice, homeOf); }

bool ruleFood(const Round &round, int choice) { return belongs(round, choice, foodOf); }

bool ruleSceneParam(const Round &round, int choice)
{
    if (!validChoice(round, choice) || sceneCount(round) == 0) return false;
    return round.choices[choice].value == round.scene[0].param;
}

bool ruleSceneKind(const Round &round, int choice)
{
    if (!validChoice(round, choice)) return false;
    // A riddle shows nothing: the picture it is about is its target.
    int kind = sceneCount(round) > 0 ? round.scene[0].kind : round.target.kind;
    return kind != PicNone && round.choices[choice].value == kind;
}

bool rulePickTarget(const Round &round, int choice)
{
    return validChoice(round, choice) && matchesTarget(round.choices[choice].pic, round.target);
}

bool ruleShape(const Round &round, int choice)
{
    if (!validChoice(round, choice)) return false;
    Pic pic = round.choices[choice].pic;
    return pic.kind == PicShape && pic.param / 16 == round.a;
}

bool ruleLegs(const Round &round, int choice)
{
    if (!validChoice(round, choice) || sceneCount(round) == 0) return false;
    // Two birds have four legs together; a picture whose legs are not known leaves the question unanswered.
    int legs = 0;
    for (int i = 0; i < sceneCount(round); ++i) {
        int own = legsOf(static_cast<PicKind>(round.scene[i].kind));
        if (own == 0) return false;
        legs += own;
    }
    return round.choices[choice].value == legs;
}

bool ruleColour(const Round &round, int choice)
{
    return validChoice(round, choice) && colourOf(round.choices[choice].pic) == round.a;
}

bool ruleBiggest(const Round &round, int choice)
{
    if (!validChoice(round, choice)) return false;
    int mine = round.choices[choice].pic.param;
    for (int i = 0; i < choiceCount(round); ++i) {
        if (i == choice) continue;
        int other = round.choices[i].pic.param;
        if (round.a == 0 ? other >= mine : other <= mine) return false;
    }
    return true;
}

bool rulePattern(const Round &round, int choice)
{
    Pic next;
    return validChoice(round, choice) && patternNext(round, &next) && samePic(round.choices[choice].pic, next);
}

bool ruleOddOne(const Round &round, int choice)
{
    if (!validChoice(round, choice)) return false;
    int mine = categoryOf(round.choices[choice].pic);
    int count = choiceCount(round);
    int shared = -1;
    for (int i = 0; i < count; ++i) {
        if (i == choice) continue;
        int other = categoryOf(round.choices[i].pic);
        if (other == mine) return false;
        if (shared == -1) shared = other;
        if (other != shared) return false;
    }
    return count > 1;
}

bool ruleCoinSum(const Round &round, int choice)
{
    return validChoice(round, choice) && round.choices[choice].value == sceneCoinSum(round);
}

bool ruleAffordable(const Round &round, int choice)
{
    if (!validChoice(round, choice)) return false;
    int mine = round.choices[choice].value;
    if (round.b > 0) return mine == (round.b < round.a ? 0 : round.b == round.a ? 1 : 2);
    if (mine > round.a) return false;
    for (int i = 0; i < choiceCount(round); ++i) {
        int other = round.choices[i].value;
        if (i != choice && other <= round.a && other >= mine) return false;
    }
    return true;
}

bool ruleSum(const Round &round, int choice)
{
    return validChoice(round, choice) && round.choices[choice].value == round.a + round.b;
}

bool ruleChange(const Round &round, int choice)
{
    return validChoice(round, choice) && round.choices[choice].value == round.a - round.b;
}

bool ruleBin(const Round &round, int choice)
{
    if (!validChoice(round, choice) || sceneCount(round) == 0) return false;
    Pic bin = round.choices[choice].pic;
    return bin.kind == PicBin && bin.param == binFor(round.scene[0]);
}

bool ruleShop(const Round &round, int choice)
{
    if (!validChoice(round, choice) || sceneCount(round) == 0) return false;
    Pic shop = round.choices[choice].pic;
    return shop.kind == PicShop && shop.param == shopFor(static_cast<PicKind>(round.scene[0].kind));
}

bool ruleOrdinal(const Round &round, int choice)
{
    if (!validChoice(round, choice)) return false;
    int n = sceneCount(round);
    bool fromRight = n > 0 && round.scene[n - 1].kind == PicLight; // the row's front waits at the light
    int place = 0;
    for (int k = 0; k < n; ++k) {
        const Pic &p = round.scene[fromRight ? n - 1 - k : k];
        if (p.kind == PicArrow || p.kind == PicLight) continue;
        ++place;
        if (matchesTarget(p, round.target)) return round.choices[choice].value == place;
    }
    return false;
}

bool ruleDayAfter(const Round &round, int choice)
{
    return validChoice(round, choice) && round.a >= 0 && round.a < 7 &&
           round.choices[choice].value == ((round.a + round.b) % 7 + 7) % 7;
}

bool ruleMarked(const Round &round, int choice)
{
    return validChoice(round, choice) && round.choices[choice].value == 1;
}
