// tasks.h -- what a task is made of: pictures, choices, rounds, the rule that judges an answer, and a game's table
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "tavrin/progress.h"

// Every picture the games draw, named by what it shows; a picture is a kind plus one parameter (a colour,
// a number, a time, a season...), so that "a red car" and "a blue car" are two pictures of one kind.
enum PicKind : int16_t {
    PicNone = 0,
    PicQuestion, PicPlus,
    // forest animals and what belongs to them
    PicSquirrel, PicHedgehog, PicRabbit, PicFox, PicBear, PicOwl, PicBird, PicBee, PicFrog,
    PicHollow, PicNest, PicBurrow, PicCave, PicHive, PicPond,
    PicAcorn, PicCarrot, PicHoney, PicWorm, PicFly,
    PicMushroom, PicApple, PicFlower, PicLeaf, PicTree, PicPine, PicBasket,
    PicShape, PicLitter, PicCampfire, PicPickFlower,
    PicBlaze, PicDeed, PicAnt, PicAnthill, PicSnail, PicSpider, PicLeafPile, PicDeer, PicGrass, PicMouse, PicWheat,
    PicSnowman, PicSnowdrop, PicWatermelon, PicGrapes, PicEgg, PicTenRod,
    // town
    PicLight, PicWalkLight, PicCar, PicBus, PicFireTruck, PicAmbulance, PicPolice,
    PicCoin, PicClock, PicHouse, PicShop, PicSign, PicPaper, PicBottle, PicJar, PicBin, PicArrow,
    PicZebra, PicRoad, PicHelmet, PicBelt, PicBread, PicMedicine, PicBall, PicIceCream, PicKifli, PicBalloon,
    PicBook, PicSun, PicMoon, PicPhone,
    PicDayPart, PicHouseFire, PicBike, PicTram, PicGarbageTruck, PicTeddy, PicCan, PicBox, PicVest, PicPlace,
    // answers shown as pictures, and the town map's icons
    PicSwatch, PicAction, PicSnowflake, PicDay, PicPurse, PicWatch, PicMagnifier, PicPodium, PicTower,
    PicKindCount
};

struct Pic {
    int16_t kind = PicNone;
    int16_t param = 0;
};

inline bool samePic(Pic a, Pic b) { return a.kind == b.kind && a.param == b.param; }

// Colours a picture can take, as its parameter.
enum Colour : int16_t { ColRed, ColYellow, ColGreen, ColBlue, ColOrange, ColPurple, ColPink, ColBrown, ColWhite, ColourCount };
// Shapes: the parameter of PicShape is shape * 16 + colour.
enum Shape : int16_t { ShapeCircle, ShapeSquare, ShapeTriangle, ShapeStar, ShapeRectangle, ShapeCount };
inline Pic shapePic(int shape, int colour) { return Pic{PicShape, static_cast<int16_t>(shape * 16 + colour)}; }
// Seasons, the parameter of PicTree.
enum Season : int16_t { SeasonSpring, SeasonSummer, SeasonAutumn, SeasonWinter };
// What a child does in the forest, the parameter of PicDeed: a small scene with the child in it.
enum Deed : int16_t {
    DeedHush, DeedChase, DeedCarryOff, DeedTrample, DeedTellAdult, DeedMatch, DeedApproach, DeedHide, DeedTaste,
    DeedTakeEgg, DeedShout, DeedKick, DeedStill, DeedSwat, DeedBreak, DeedClimb, DeedCount
};
// Mushrooms (PicMushroom): 0 red with white spots, 1 brown; deer (PicDeer): 0 a grown roe deer, 1 a spotted fawn;
// eggs (PicEgg): 0 a plain pale blue one, 1 the cuckoo's, bigger and speckled; a rod of ten cubes (PicTenRod):
// 0 whole, 1 crossed out (taken away).
// Clocks: the parameter of PicClock is hours * 60 + minutes.
// Traffic lights: PicLight 0 red, 1 yellow, 2 green, 3 dark (the colours' places alone); PicWalkLight 0 red,
// 1 green, 2 green flashing.
enum LightColour : int16_t { LightRed, LightYellow, LightGreen };
// Road signs, the parameter of PicSign.
enum SignKind : int16_t {
    SignStop, SignCrossing, SignNoEntry, SignGiveWay, SignBikePath, SignChildren, SignFootPath, SignBusStop, SignParking,
    SignKindCount
};
// Shops, the parameter of PicShop.
enum ShopKind : int16_t {
    ShopBakery, ShopPharmacy, ShopFlowers, ShopToys, ShopGreengrocer, ShopBooks, ShopSweets, ShopKindCount
};
// Recycling bins by colour: blue paper, yellow plastic and metal, green glass, grey everything else.
enum BinKind : int16_t { BinPaper, BinPlastic, BinGlass, BinMixed };
// What a walker does at the kerb, the parameter of PicAction: waits on the pavement, looks both ways and
// crosses, runs across, or looks both ways before stepping off.
enum WalkerAction : int16_t { ActionWait, ActionLookAndGo, ActionRun, ActionLook };
// The parts of the day, the parameter of PicDayPart: the sun rising, high, setting, and the moon and stars.
enum DayPart : int16_t { PartMorning, PartNoon, PartEvening, PartNight };
// Books: PicBook 0 an open book, 1 a school notebook. Bottles: PicBottle 0 plastic, 1 glass. PicBelt 0 a
// car seat with its belt, 1 a child's seat. PicTower: a block of flats with as many floors as its parameter.
// PicPlace: the badge of a place in a row, "1." to "9.".
// Days of the week, the parameter of PicDay: 0 Monday ... 6 Sunday.
// Arrows, the parameter of PicArrow.
enum Direction : int16_t { DirLeft, DirRight, DirAhead };

constexpr int MaxScene = 20;   // two rows of ten: counting goes up to 20 at the big level
constexpr int MaxChoices = 4;

// One answer the child can click: a picture, a label, or both; value is what the rule reads. An answer
// that would be dangerous in the street or the forest carries its own kind warning, said instead of
// "try again" when it is chosen. A wrong answer that comes close (a number one step off, the next colour)
// is met with "Majdnem!"; any other harmless wrong answer with a plain "Nem ez.".
struct Choice {
    Pic pic;
    const char *label = nullptr;
    int value = 0;
    const char *warning = nullptr;
    bool closeMiss = false;
};

// One question: the prompt, the pictures of the scene, the answers, and the numbers the rule compares with.
// A wrong answer gets the first hint, which points the way without giving the answer; a second wrong answer
// gets the second hint, which may show more (with the task's hint as the fallback of both).
struct Round {
    const char *prompt = nullptr;
    std::array<Pic, MaxScene> scene{};   // a PicNone ends the scene
    std::array<Choice, MaxChoices> choices{};
    Pic target;                          // the picture the rule looks for, when it looks for one
    int a = 0;                           // a number the rule reads: a price, a colour, a day...
    int b = 0;
    const char *hint = nullptr;          // after the first wrong answer
    const char *secondHint = nullptr;    // after the second; the first hint again when there is none
};

int sceneCount(const Round &round);
int choiceCount(const Round &round);

// A rule tells whether choice number `choice` answers the round.
using RuleFn = bool (*)(const Round &round, int choice);

// Whether two rounds ask the same question: the same words, the same pictures in any order, the same
// numbers and the same right answer (the other answers and their order may differ).
bool sameQuestion(const Round &x, const Round &y, RuleFn rule);

// The questions of one play of a task: fewer only when the task has fewer at the player's level.
constexpr int RoundsPerTask = 5;

// A task is played at one of two levels, ProgressLevelSmall ("kicsi", 5 to 6 years) or ProgressLevelBig
// ("nagy", 7 to 9), chosen for each player and task by how the player did.
constexpr int LevelCount = ProgressLevelBig + 1;

// A task remembers the questions of its last plays as one bit per question of its pool, in a 4-byte value,
// so a pool holds 32 questions at most.
constexpr int MaxPool = 32;
// The questions made at start for each level of a task that makes its own: three plays' worth, so that a
// play avoids the questions of the two plays before it.
constexpr int MadePool = 3 * RoundsPerTask + 1;

// A small random generator of the games' own (a 32-bit xorshift), so that a test can replay a seed.
struct Random {
    uint32_t state = 2463534242u;
};
// A number from 0 to n - 1 (0 when n < 1).
int randomBelow(Random &random, int n);
// A number from low to high, both included.
inline int randomBetween(Random &random, int low, int high) { return low + randomBelow(random, high - low + 1); }
Random randomSeeded(uint32_t seed);

// Makes question number `index` (0 to MadePool - 1) of a task's pool at a level from random values, within
// what the task teaches at that level; a pool is asked in its order, so a later index may ask more. Every
// text it uses lives as long as the library.
using RoundMaker = Round (*)(int level, int index, Random &random);

struct Task {
    const char *title = nullptr;
    Pic icon;
    const char *hint = nullptr;          // the fallback of a round without hints of its own
    RuleFn rule = nullptr;
    // The questions of each level, easiest first, at most MaxPool of them; a play asks RoundsPerTask of
    // them in this order. Empty for a task with a maker.
    std::array<std::vector<Round>, LevelCount> pools;
    Round quiz;                          // the extra question asked when the quiz setting is on
    RuleFn quizRule = nullptr;
    RoundMaker maker = nullptr;          // when set, each level's pool is made at start
};

// The questions of a level of a task with a maker, the same at every start: made from a seed of the task's
// place in its table and the level alone, a question the maker makes twice kept once. Returns how many.
int makePool(const Task &task, int place, int level, std::array<Round, MadePool> &pool);

enum Theme { ThemeForest, ThemeTown };

constexpr int MaxTasks = 25;

// Tasks on the map can be grouped by what they teach: a group's tiles stand together, in one colour.
enum MapGroup : int8_t { GroupNone, GroupTraffic, GroupMoney, GroupTime, GroupCity, MapGroupCount };

struct GameDef {
    const char *title;
    const char *valueFormat;             // "g1a%d" or "g2a%d": 2 when the task is done, read by the shell too
    const char *starFormat;              // "g1s%d" or "g2s%d": the best stars earned, 1 to 3, the game's own
    Theme theme;
    int taskCount;
    const Task *tasks;
    const MapGroup *groups = nullptr;    // each task's group, in the table's order; none when null
};

// The places on the game's map: the task standing at each place (taskCount of them). A group's tasks come
// together, groups in their order, each in the table's order.
void mapOrder(const GameDef &game, std::array<int, MaxTasks> &taskAt);
