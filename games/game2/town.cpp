// town.cpp -- "városi kalandok": the twenty-five town tasks
#include "town.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "../common/taskdata.h"
#include "tavrin/progress.h"

namespace {

Pic car(int colour) { return pic(PicCar, colour); }
Pic bus(int number) { return pic(PicBus, number); }
Pic coin(int value) { return pic(PicCoin, value); }
Pic clock(int hours, int minutes) { return pic(PicClock, hours * 60 + minutes); }
Pic sign(int kind) { return pic(PicSign, kind); }
Pic shop(int kind) { return pic(PicShop, kind); }
Pic bin(int kind) { return pic(PicBin, kind); }
Pic house(int windows) { return pic(PicHouse, windows); }

const Pic fromLeft = pic(PicArrow, DirRight);

// Going at a red or a yellow light is a danger, not a slip: it gets a warning of its own.
Round lightRound(int light)
{
    Choice go = choice(pic(PicAction, ActionGo), "Mehetek", ActionGo);
    if (light == LightRed) go = warned(go, "Vigyázz! Piros lámpánál megállunk.");
    if (light == LightYellow) go = warned(go, "Vigyázz! Sárgánál még nem indulunk.");
    return round("Mit teszel, ha ilyen a lámpa?", {pic(PicLight, light)},
                 {choice(pic(PicAction, ActionStop), "Megállok", ActionStop),
                  choice(pic(PicAction, ActionWait), "Figyelek, várok", ActionWait), go});
}

Round walkRound(const char *prompt, int green)
{
    Choice go = choice(pic(PicAction, ActionGo), "Átmegyek", ActionGo);
    if (!green) go = warned(go, "Vigyázz! Ha piros az emberke, megállunk.");
    return round(prompt, {pic(PicWalkLight, green)}, {go, choice(pic(PicAction, ActionStop), "Várok", ActionStop)});
}

Round signMeaning(int kind)
{
    return round("Mit jelent ez a tábla?", {sign(kind)},
                 {answer("Állj meg!", SignStop), answer("Itt átkelhetsz", SignCrossing),
                  answer("Itt biciklizhetsz", SignBikePath)});
}

// The first hint points at the lids' colours; the second tells which colour takes what.
Round binRound(const char *prompt, PicKind rubbish)
{
    return hinted(round(prompt, {pic(rubbish)},
                        {choice(bin(BinPaper), "kék"), choice(bin(BinPlastic), "sárga"), choice(bin(BinGlass), "zöld")}),
                  "Nézd meg, milyen színű a gyűjtők fedele!", "Kék: papír, sárga: műanyag, zöld: üveg.");
}

Choice swatch(int colour, const char *name) { return choice(pic(PicSwatch, colour), name, colour); }

// The day asked about on a strip with the two days before it, and a question mark for the day after.
Round dayRound(const char *prompt, int day, std::initializer_list<Choice> answers)
{
    return round(prompt, {pic(PicDay, (day + 5) % 7), pic(PicDay, (day + 6) % 7), pic(PicDay, day), pic(PicQuestion)},
                 answers, Pic{}, day);
}

//----------------------------------------------------------------------------------------------------------
// Rounds made afresh for every play
//----------------------------------------------------------------------------------------------------------

// Coins to add up, the larger coins first: 5 and 10 Ft coins to 20 Ft at the small level; at the big one 5,
// 10 and 20 Ft coins to 60 Ft, then with 50 Ft coins as well to 100 Ft in the second half of the pool.
Round coinRound(int level, int index, Random &random)
{
    static constexpr std::array<int, 4> values{5, 10, 20, 50};
    bool big = level == ProgressLevelBig, dear = big && index >= MadePool / 2;
    int kinds = dear ? 4 : big ? 3 : 2, limit = dear ? 100 : big ? 60 : 20;
    int count = dear ? randomBetween(random, 3, 4) : big ? randomBetween(random, 2, 3) : randomBetween(random, 2, 4);
    std::array<int, 4> coins{};
    int sum = 0;
    for (int i = 0; i < count; ++i) {
        int room = limit - sum - values[0] * (count - i - 1); // room for the smallest coin of each still to come
        int fitting = 1;
        while (fitting < kinds && values[static_cast<size_t>(fitting)] <= room) ++fitting;
        sum += coins[static_cast<size_t>(i)] = values[static_cast<size_t>(randomBelow(random, fitting))];
    }
    std::sort(coins.begin(), coins.end(), [](int x, int y) { return x > y; }); // the coins not given, 0, go last
    std::vector<Pic> scene;
    for (int i = 0; i < count; ++i) scene.push_back(coin(coins[i]));
    return round("Mennyi pénz van itt?", scene, forintAnswers(nearMisses(random, sum, sum % 10 == 0 ? 10 : 5, 5)));
}

struct Goods {
    Pic pic;
    const char *name; // with its article, as a sentence starts
};

const std::array<Goods, 4> &goods()
{
    static const std::array<Goods, 4> all{{
        {pic(PicKifli), "A kifli"}, {pic(PicBalloon, ColBlue), "A lufi"}, {pic(PicIceCream), "A fagyi"},
        {pic(PicBall, ColRed), "A labda"},
    }};
    return all;
}

// Paying for one thing with a larger coin: how much comes back. Within 20 Ft at the small level (a 5 to 15 Ft
// thing paid with 10 or 20 Ft); at the big one whole tens paid with 20, 50 or 100 Ft.
Round changeRound(int level, int, Random &random)
{
    const Goods &thing = goods()[static_cast<size_t>(randomBelow(random, 4))];
    int price = 0, coinPaid = 0;
    if (level == ProgressLevelBig) {
        static constexpr std::array<int, 3> paid{20, 50, 100};
        price = 10 * randomBetween(random, 1, 9);
        int first = price < 20 ? 0 : price < 50 ? 1 : 2;
        coinPaid = paid[static_cast<size_t>(randomBetween(random, first, 2))];
    } else {
        price = 5 * randomBetween(random, 1, 3);
        coinPaid = price < 10 && randomBelow(random, 2) == 0 ? 10 : 20;
    }
    int step = coinPaid - price >= 10 && (coinPaid - price) % 10 == 0 ? 10 : 5;
    return round(keptText("%s %d Ft. %d Ft-tal fizetsz. Mennyit kapsz vissza?", thing.name, price, coinPaid),
                 {thing.pic, coin(coinPaid)}, forintAnswers(nearMisses(random, coinPaid - price, step, step)), Pic{},
                 coinPaid, price);
}

// One coin and three price tags, of which exactly one is not more than the coin: a 10 or 20 Ft coin at the
// small level, a 50 or 100 Ft coin at the big one.
Round shoppingRound(int level, int, Random &random)
{
    static const std::array<Pic, 5> things{pic(PicBalloon, ColRed), pic(PicIceCream), pic(PicBall, ColBlue),
                                           pic(PicKifli), pic(PicBook)};
    bool big = level == ProgressLevelBig;
    int m = big ? (randomBelow(random, 2) ? 100 : 50) : (randomBelow(random, 2) ? 20 : 10);
    int unit = big ? 10 : 5;
    std::array<int, 5> order{0, 1, 2, 3, 4};
    for (int i = 4; i > 0; --i) std::swap(order[static_cast<size_t>(i)], order[static_cast<size_t>(randomBelow(random, i + 1))]);
    int over = randomBetween(random, 1, 4); // the two dearer things cost 1 to 4 units more, never the same
    std::array<int, 3> prices{m - 5 * randomBelow(random, m > 10 ? 3 : 2), m + unit * over, m + unit * (over % 4 + 1)};
    std::array<Choice, 3> c;
    for (size_t i = 0; i < 3; ++i) c[i] = choice(things[static_cast<size_t>(order[i])], forintText(prices[i]), prices[i]);
    return round(keptText("%d Ft-od van. Mit tudsz megvenni?", m), {coin(m)}, c, Pic{}, m);
}

// The parts of an hour a clock is read in: "fél 4" is 3:30, "negyed 4" 3:15, "háromnegyed 4" 3:45.
enum HourPart { PartWhole, PartHalf, PartQuarter, PartThreeQuarters };

// The minutes past the hour of a part.
int partMinutes(int part)
{
    static constexpr std::array<int, 4> minutes{0, 30, 15, 45};
    return minutes[static_cast<size_t>(part)];
}

constexpr std::array<const char *, 4> partNames{"", "fél", "negyed", "háromnegyed"};

// A time said as a child says it: "3 óra", or a part of the hour before `hour`, "fél 4"; its value is the
// minutes the clock of that time has as its parameter.
Choice timeAnswer(int part, int hour)
{
    if (part == PartWhole) return answer(keptText("%d óra", hour), hour * 60);
    return answer(keptText("%s %d", partNames[static_cast<size_t>(part)], hour), (hour - 1) * 60 + partMinutes(part));
}

// Three different hours from 1 to 12, in a random order.
std::array<int, 3> threeHours(Random &random)
{
    // Two steps of 1 to 5 hours round the dial never come back to where they started.
    int a = randomBetween(random, 1, 12), b = 1 + (a + randomBetween(random, 1, 5) - 1) % 12;
    int c = 1 + (b + randomBetween(random, 1, 5) - 1) % 12;
    return {a, b, c};
}

// Reading a clock: whole hours at the small level; at the big one half hours too, from the second half of
// the pool on.
Round hourRound(int level, int index, Random &random)
{
    auto h = threeHours(random);
    if (level == ProgressLevelBig && index >= MadePool / 2) {
        // Half past: the hour named is the next one; "fél 5" beside "fél 4" and "4 óra" for 3:30 reads 4.
        int next = randomBetween(random, 2, 12), other = next == 12 ? 11 : next + 1;
        return round("Hány óra van?", {clock(next - 1, 30)},
                     {timeAnswer(PartHalf, next), timeAnswer(PartHalf, other), timeAnswer(PartWhole, next)});
    }
    return round("Hány óra van?", {clock(h[0], 0)},
                 {timeAnswer(PartWhole, h[0]), timeAnswer(PartWhole, h[1]), timeAnswer(PartWhole, h[2])});
}

// Half past, quarter past and quarter to: half hours alone at the small level, all three at the big one.
Round partRound(int level, int index, Random &random)
{
    int part = level == ProgressLevelBig ? PartHalf + index % 3 : PartHalf;
    int next = randomBetween(random, 2, 12), other = next == 12 ? 11 : next + 1;
    // The third answer names the same hour with another part, or at the small level the whole hour.
    int otherPart = level == ProgressLevelBig ? PartHalf + (part - PartHalf + 1 + randomBelow(random, 2)) % 3 : PartWhole;
    Round r = round("Hány óra van?", {clock(next - 1, partMinutes(part))},
                    {timeAnswer(part, next), timeAnswer(part, other), timeAnswer(otherPart, next)});
    // The first hint points at the long hand; the second tells what the right answer means.
    return hinted(r, "A nagy mutató a perceket mutatja.",
                  keptText("A %s %d azt jelenti: %d óra %d perc.", partNames[static_cast<size_t>(part)], next, next - 1,
                           partMinutes(part)));
}

// Finding the clock that shows a time: whole hours at the small level; at the big one half hours, quarter
// past and quarter to as well.
Round findClockRound(int level, int index, Random &random)
{
    auto h = threeHours(random);
    int part = level == ProgressLevelBig ? index % 4 : PartWhole;
    int m = partMinutes(part), next = h[0] % 12 + 1;
    static constexpr std::array<const char *, 4> formats{"", "Melyik óra mutat fél %d-%s?", "Melyik óra mutat negyed %d-%s?",
                                                         "Melyik óra mutat háromnegyed %d-%s?"};
    const char *prompt = part == PartWhole ? keptText("Melyik óra mutat %d órát?", h[0])
                                           : keptText(formats[static_cast<size_t>(part)], next, accusativeEnding(next));
    return round(prompt, {}, {choice(clock(h[0], m)), choice(clock(h[1], m)), choice(clock(h[2], m))}, clock(h[0], m));
}

// Counting the cars of one colour among others, the colours in turn through the pool: to 10 cars in all at
// the small level, to 20 at the big one.
Round carCountRound(int level, int index, Random &random)
{
    struct Asked {
        int colour;
        const char *prompt;
    };
    static constexpr std::array<Asked, 4> asked{{
        {ColRed, "Hány piros autó parkol itt?"}, {ColBlue, "Hány kék autót látsz?"},
        {ColYellow, "Hány sárga autót látsz?"}, {ColGreen, "Hány zöld autót látsz?"},
    }};
    const Asked &a = asked[static_cast<size_t>(index % 4)];
    bool big = level == ProgressLevelBig;
    int n = big ? randomBetween(random, 4, 10) : randomBetween(random, 1, 5);
    int others = big ? randomBetween(random, 4, std::min(10, 20 - n)) : randomBetween(random, 2, std::min(5, 10 - n));
    std::vector<Pic> otherCars;
    for (const Asked &o : asked)
        if (o.colour != a.colour) otherCars.push_back(car(o.colour));
    auto c = numberAnswers(nearMisses(random, n, 1, 1));
    return round(a.prompt, scatter(random, std::vector<Pic>(static_cast<size_t>(n), car(a.colour)), otherCars, others), c,
                 car(a.colour));
}

// Counting a house's windows: 2 to 9 at the small level, 6 to 12 at the big one.
Round windowRound(int level, int, Random &random)
{
    int n = level == ProgressLevelBig ? randomBetween(random, 6, 12) : randomBetween(random, 2, 9);
    return round("Hány ablaka van a háznak?", {house(n)}, numberAnswers(nearMisses(random, n, 1, 1)));
}

Round arrowRound(int direction)
{
    return round("Merre mutat a nyíl?", {pic(PicArrow, direction)},
                 {answer("balra", DirLeft), answer("egyenesen", DirAhead), answer("jobbra", DirRight)});
}

const auto townTasks = taskTable(
    task("A közlekedési lámpa", pic(PicLight, LightRed), "Piros: állj! Sárga: figyelj! Zöld: mehetsz!", ruleLight, bothLevels({
         lightRound(LightRed), lightRound(LightGreen), lightRound(LightYellow)}),
         hinted(round("Melyik színnél kell megállni?", {},
                      {choice(pic(PicLight, LightGreen), "zöld", 0), choice(pic(PicLight, LightRed), "piros", 1),
                       choice(pic(PicLight, LightYellow), "sárga", 0)}),
                "Melyik szín jelenti azt, hogy állj?")),

    task("A gyalogos lámpa", pic(PicWalkLight, 1), "Zöld emberke: mehetsz. Piros emberke: várj!",
         ruleLight, bothLevels({walkRound("Mit teszel, ha ilyen a lámpa?", 0), walkRound("És most mit teszel?", 1),
                                walkRound("Siet a barátod. Te mit teszel?", 0)}),
         hinted(round("Mit teszel, mielőtt lelépsz a járdáról?", {},
                      {answer("balra és jobbra nézek", 1), answer("az eget nézem", 0),
                       warned(answer("szaladok", 0), "Vigyázz! Az úton soha nem szaladunk át.")}),
                "Jön-e autó? Ezt kell megnézned.")),

    task("Hol kelj át?", pic(PicZebra), "A zebrán, körülnézve a legbiztonságosabb átkelni.", ruleMarked, bothLevels({
         round("Hol kelsz át az úton?", {},
               {warned(choice(pic(PicRoad), "az autók között", 0), "Vigyázz! Az autók között nem kelünk át."),
                choice(pic(PicZebra), "a zebrán", 1)}),
         hinted(round("Melyik a zebra?", {},
                      {choice(sign(SignBikePath), "bicikliút", 0), choice(pic(PicRoad), "úttest", 0),
                       choice(pic(PicZebra), "zebra", 1)}),
                "A zebra fehér csíkos, mint az állat."),
         round("Hogyan mész át a zebrán?", {pic(PicZebra)},
               {answer("nyugodtan, körülnézve", 1),
                warned(answer("szaladva, nem nézek oda", 0), "Vigyázz! Nézz körül, és ne szaladj!")})}),
         hinted(round("Hol szabad labdázni?", {pic(PicBall, ColRed)},
                      {warned(answer("az úttesten", 0), "Vigyázz! Az úttesten autók járnak."), answer("a játszótéren", 1)}),
                "Hol vannak hinták és csúszdák?")),

    task("Közlekedési táblák", sign(SignStop), "Nézd meg a tábla alakját és színét!", rulePickTarget, bothLevels({
         round("Melyik a STOP tábla?", {}, {choice(sign(SignNoEntry)), choice(sign(SignStop)), choice(sign(SignGiveWay))},
               sign(SignStop)),
         hinted(round("Melyik tábla mutatja, hol kelhetnek át a gyalogosok?", {},
                      {choice(sign(SignCrossing)), choice(sign(SignBikePath)), choice(sign(SignStop))}, sign(SignCrossing)),
                "Keresd a táblát, amelyen egy ember megy át a zebrán!"),
         hinted(round("Melyik táblánál nem szabad behajtani?", {},
                      {choice(sign(SignGiveWay)), choice(sign(SignCrossing)), choice(sign(SignNoEntry))}, sign(SignNoEntry)),
                "Ez a tábla piros kör, benne egy fehér csík.")}),
         hinted(round("Milyen színű a STOP tábla?", {}, {swatch(ColBlue, "kék"), swatch(ColRed, "piros"), swatch(ColGreen, "zöld")},
                      Pic{}, ColRed),
                "Olyan színű, mint a lámpa, amikor meg kell állni."),
         ruleColour),

    task("Mit jelent a tábla?", sign(SignGiveWay), "Gondolj arra, hol láttál már ilyen táblát!", ruleSceneParam, bothLevels({
         signMeaning(SignStop), signMeaning(SignCrossing), signMeaning(SignBikePath)}),
         hinted(round("Mit jelent ez a háromszög alakú tábla?", {sign(SignGiveWay)},
                      {answer("Adj elsőbbséget!", 1), answer("Itt parkolhatsz", 0), answer("Itt a bolt", 0)}),
                "Ennél a táblánál előre engedjük a többieket.")),

    madeTask("Pénzérmék", coin(20), "Add össze az érmék értékét!", ruleCoinSum, coinRound,
             hinted(round("Melyik érme ér többet?", {}, {choice(coin(20)), choice(coin(50))}),
                    "Nézd meg a számokat az érméken: melyik a nagyobb?"),
             ruleBiggest),

    madeTask("Vásárlás", pic(PicIceCream), "Ne kerüljön többe, mint amennyi pénzed van!", ruleAffordable, shoppingRound,
             hinted(round("30 Ft-od van. Megveheted a 40 Ft-os labdát?", {pic(PicBall, ColBlue)},
                          {answer("igen", 0), answer("nem", 1)}),
                    "Több a 40, mint a 30?")),

    madeTask("Visszajáró", pic(PicPurse), "Vond ki az árat abból, amennyivel fizettél!", ruleChange, changeRound,
             hinted(round("Ha pontosan annyit fizetsz, amennyi az ár, mennyit kapsz vissza?", {},
                          {answer("10 Ft", 0), answer("0 Ft", 1), answer("5 Ft", 0)}),
                    "Ha nem fizetsz többet, nem jár vissza semmi.")),

    madeTask("Hány óra van?", clock(3, 0), "A kis mutató az órát mutatja, a nagy a perceket.", ruleSceneParam, hourRound,
             hinted(round("Melyik mutató mutatja az órát?", {}, {answer("a kis mutató", 1), answer("a nagy mutató", 0)}),
                    "A nagy mutató a perceket mutatja.")),

    madeTask("Fél és negyed", pic(PicWatch), "A fél 4 azt jelenti: 3 óra 30 perc.", ruleSceneParam, partRound,
             hinted(round("Hány perc van egy órában?", {}, {answer("30", 0), answer("60", 1), answer("100", 0)}),
                    "A fél óra 30 perc. Kétszer ennyi az egész óra.")),

    madeTask("Keresd az órát!", pic(PicMagnifier), "Nézd meg, hova mutat a kis és a nagy mutató!", rulePickTarget, findClockRound,
             hinted(round("Hány óra van délben?", {pic(PicSun)}, {answer("6 óra", 0), answer("9 óra", 0), answer("12 óra", 1)}),
                    "Délben mindkét mutató felfelé mutat.")),

    task("Napszakok", pic(PicSun), "Gondold végig, mit csinálsz egy nap!", ruleMarked, bothLevels({
         round("Mikor reggelizünk?", {pic(PicKifli)}, {choice(pic(PicSun), "reggel", 1), choice(pic(PicMoon), "éjjel", 0)}),
         round("Mikor alszunk?", {}, {choice(pic(PicSun), "délben", 0), choice(pic(PicMoon), "éjjel", 1)}),
         round("Mikor ebédelünk?", {}, {answer("éjfélkor", 0), answer("délben", 1), answer("hajnalban", 0)})}),
         hinted(round("Mi világít éjjel az égen?", {}, {choice(pic(PicMoon), "a Hold", 1), choice(pic(PicSun), "a Nap", 0)}),
                "A Nap nappal süt. Éjjel mást látsz az égen.")),

    task("Járművek", pic(PicFireTruck), "Gondold végig, mire való ez a jármű!", ruleMarked, bothLevels({
         round("Melyik autó megy tüzet oltani?", {},
               {choice(bus(5), "busz", 0), choice(pic(PicFireTruck), "tűzoltóautó", 1), choice(pic(PicAmbulance), "mentőautó", 0)}),
         round("Melyik autó visz kórházba, ha baj van?", {},
               {choice(pic(PicAmbulance), "mentőautó", 1), choice(pic(PicPolice), "rendőrautó", 0), choice(bus(9), "busz", 0)}),
         round("Melyikkel utazik sok ember együtt?", {},
               {choice(car(ColRed), "autó", 0), choice(pic(PicFireTruck), "tűzoltóautó", 0), choice(bus(3), "busz", 1)})}),
         hinted(round("Melyik autóval jár a rendőr?", {},
                      {choice(pic(PicPolice), "rendőrautó", 1), choice(bus(2), "busz", 0), choice(car(ColBlue), "autó", 0)}),
                "A rendőrautó fehér-kék, és villog a teteje.")),

    task("Segítséget hívok", pic(PicPhone), "Hívd a 112-t, és mondd meg, hol vagy!", ruleMarked, bothLevels({
         round("Melyik számot hívod, ha nagy baj van?", {pic(PicPhone)},
               {answer(said("123", "egy kettő három"), 0), answer("112", 1), answer(said("555", "öt öt öt"), 0)}),
         round("Mit mondasz el, amikor segítséget hívsz?", {pic(PicPhone)},
               {answer("a nevem, és hol vagyok", 1), answer("egy mesét", 0)}),
         hinted(round("Tűz van! Kiket hívsz?", {pic(PicCampfire)},
                      {answer("a tűzoltókat", 1), answer("a postást", 0), answer("senkit", 0)}),
                "Kik oltják el a tüzet?")}),
         hinted(round("Szabad játékból felhívni a 112-t?", {},
                      {warned(answer("igen", 0), "Vigyázz! A 112-t csak nagy bajban hívjuk."), answer("nem", 1)}),
                "A 112-t a bajban lévők hívják: nekik kell a vonal.")),

    task("Melyik busz?", bus(7), "Nézd meg a számot a busz oldalán!", rulePickTarget, bothLevels({
         round("Melyik a 7-es busz?", {}, {choice(bus(1)), choice(bus(7)), choice(bus(4))}, bus(7)),
         round("Melyik a 12-es busz?", {}, {choice(bus(21)), choice(bus(2)), choice(bus(12))}, bus(12)),
         round("Melyik a 30-as busz?", {}, {choice(bus(30)), choice(bus(13)), choice(bus(3))}, bus(30))}),
         hinted(round("Hol szállsz fel a buszra?", {},
                      {answer("a megállóban", 1), warned(answer("az út közepén", 0), "Vigyázz! Az út közepén autók járnak.")}),
                "A busz csak ott áll meg, ahol tábla van.")),

    task("Boltok", shop(ShopBakery), "Nézd meg, mi van a bolt cégtábláján!", ruleShop, bothLevels({
         round("Hol veszel kenyeret?", {pic(PicBread)},
               {choice(shop(ShopPharmacy), "gyógyszertár"), choice(shop(ShopBakery), "pékség"),
                choice(shop(ShopToys), "játékbolt")}),
         round("Hol veszel gyógyszert?", {pic(PicMedicine)},
               {choice(shop(ShopFlowers), "virágbolt"), choice(shop(ShopBakery), "pékség"),
                choice(shop(ShopPharmacy), "gyógyszertár")}),
         round("Hol veszel virágot?", {pic(PicFlower, ColRed)},
               {choice(shop(ShopFlowers), "virágbolt"), choice(shop(ShopToys), "játékbolt"),
                choice(shop(ShopBakery), "pékség")})}),
         hinted(round("Hol veszel labdát?", {pic(PicBall, ColBlue)},
                      {choice(shop(ShopBakery), "pékség"), choice(shop(ShopToys), "játékbolt"),
                       choice(shop(ShopPharmacy), "gyógyszertár")}),
                "A labda játék. Hol árulnak játékot?"),
         ruleShop),

    madeTask("Ablakok", house(6), "Számold meg az ablakokat soronként!", ruleSceneParam, windowRound,
             hinted(round("Egy sorban 3 ablak van. Hány ablak van 2 sorban?", {},
                          {answer("5", 0), answer("6", 1), answer("8", 0)}),
                    "Számolj 3-at, aztán még 3-at!")),

    madeTask("Színes autók", car(ColRed), "Csak a kérdezett színű autókat számold!", ruleCount, carCountRound,
             hinted(round("Melyik autó kék?", {}, {choice(car(ColRed)), choice(car(ColGreen)), choice(car(ColBlue))}, Pic{},
                          ColBlue),
                    "Kék, mint az ég."),
             ruleColour),

    task("Szelektív gyűjtés", bin(BinPlastic), "Kék: papír, sárga: műanyag, zöld: üveg.", ruleBin, bothLevels({
         binRound("Melyik gyűjtőbe való az újság?", PicPaper),
         binRound("Hova dobod a műanyag palackot?", PicBottle),
         binRound("Hova kerül az üres befőttesüveg?", PicJar)}),
         hinted(binRound("Hova való a régi füzet?", PicBook), "A füzet papírból van."), ruleBin),

    task("Merre menjünk?", pic(PicArrow, DirRight), "Nézd meg, merre néz a nyíl hegye!", ruleSceneParam, bothLevels({
         arrowRound(DirLeft), arrowRound(DirAhead), arrowRound(DirRight)}),
         hinted(round("Biciklin jobbra fordulsz. Melyik kezeddel jelzel?", {pic(PicArrow, DirRight)},
                      {answer("a bal kezemmel", 0), answer("a jobb kezemmel", 1)}),
                "Arra mutatsz, amerre fordulsz.")),

    task("Biztonságban", pic(PicHelmet), "Gondold végig, mi véd meg a bajtól!", ruleMarked, bothLevels({
         round("Mit veszel fel, ha biciklizel?", {},
               {choice(pic(PicBall, ColRed), "labda", 0), choice(pic(PicHelmet), "bukósisak", 1), choice(pic(PicBook), "könyv", 0)}),
         round("Mit csatolsz be az autóban?", {},
               {choice(pic(PicBelt), "biztonsági öv", 1), choice(pic(PicKifli), "kifli", 0),
                choice(pic(PicBalloon, ColGreen), "lufi", 0)}),
         round("Hol utazol az autóban?", {car(ColBlue)},
               {answer("hátul, gyerekülésben", 1),
                warned(answer("a sofőr ölében", 0), "Vigyázz! Gyerekülésben utazunk.")})}),
         hinted(round("Miért kell bukósisak?", {pic(PicHelmet)}, {answer("mert szép", 0), answer("védi a fejemet", 1)}),
                "Mi történik, ha elesel a biciklivel?")),

    // The arrow in front of each row shows where counting starts: the vehicles face right, so "first" is
    // asked from the left, never as the front of the queue.
    task("Hányadik?", pic(PicPodium), "Kezdd a nyílnál: első, második, harmadik...", ruleOrdinal, bothLevels({
         round("Balról hányadik a piros autó?", {fromLeft, car(ColBlue), car(ColRed), car(ColYellow)},
               {answer("első", 1), answer("második", 2), answer("harmadik", 3)}, car(ColRed)),
         round("Balról hányadik a zöld autó?", {fromLeft, car(ColYellow), car(ColBlue), car(ColGreen), car(ColRed)},
               {answer("második", 2), answer("harmadik", 3), answer("negyedik", 4)}, car(ColGreen)),
         round("Balról hányadik a busz?", {fromLeft, car(ColRed), car(ColBlue), bus(5)},
               {answer("első", 1), answer("második", 2), answer("harmadik", 3)}, pic(PicBus, -1))}),
         hinted(round("A sorban állók közül ki jut be elsőnek?", {},
                      {answer("aki a sor végén áll", 0), answer("aki a sor elején áll", 1)}),
                "Az jut be elsőnek, aki legelöl áll.")),

    task("A hét napjai", pic(PicDay, 0), "Mondd el sorban a hét napjait, hétfőtől!", ruleNextDay, bothLevels({
         dayRound("Melyik nap jön hétfő után?", 0, {answer("vasárnap", 6), answer("kedd", 1), answer("szerda", 2)}),
         dayRound("Melyik nap jön csütörtök után?", 3, {answer("szerda", 2), answer("szombat", 5), answer("péntek", 4)}),
         dayRound("Melyik nap jön vasárnap után?", 6, {answer("hétfő", 0), answer("szombat", 5), answer("kedd", 1)})}),
         hinted(round("Hány napból áll egy hét?", {}, {answer("5", 0), answer("7", 1), answer("10", 0)}),
                "Hétfő, kedd, szerda... számold végig ujjal!")),

    task("Magas házak", pic(PicTower), "Hasonlítsd össze a házak magasságát!", ruleBiggest, bothLevels({
         round("Melyik a legmagasabb ház?", {}, {choice(house(3)), choice(house(9)), choice(house(6))}),
         round("Melyik a legalacsonyabb ház?", {}, {choice(house(6)), choice(house(12)), choice(house(3))}, Pic{}, 1),
         round("Melyik a legmagasabb ház?", {}, {choice(house(12)), choice(house(6)), choice(house(9))})}),
         hinted(round("Mivel jutsz fel gyorsan egy magas ház tetejére?", {},
                      {answer("biciklivel", 0), answer("lifttel", 1)}),
                "Egy kis szoba, ami fel-le jár a házban.")),

    task("Színes lufik", pic(PicBalloon, ColGreen), "Nézd meg jól a színeket!", ruleColour, bothLevels({
         round("Melyik a zöld lufi?", {},
               {choice(pic(PicBalloon, ColRed)), choice(pic(PicBalloon, ColGreen)), choice(pic(PicBalloon, ColBlue))},
               Pic{}, ColGreen),
         round("Melyik a lila lufi?", {},
               {choice(pic(PicBalloon, ColPurple)), choice(pic(PicBalloon, ColPink)), choice(pic(PicBalloon, ColBlue))},
               Pic{}, ColPurple),
         round("Melyik labda narancssárga?", {},
               {choice(pic(PicBall, ColYellow)), choice(pic(PicBall, ColRed)), choice(pic(PicBall, ColOrange))},
               Pic{}, ColOrange)}),
         hinted(round("Milyen színt kapsz, ha a sárgát és a kéket összekevered?",
                      {pic(PicSwatch, ColYellow), pic(PicPlus), pic(PicSwatch, ColBlue)},
                      {swatch(ColRed, "piros"), swatch(ColGreen, "zöld"), swatch(ColPurple, "lila")}, Pic{}, ColGreen),
                "Olyan színt, mint a fű."),
         ruleColour));

// A task's place in the table names its stored value, and the menu counts exactly this many.
static_assert(std::tuple_size<decltype(townTasks)>::value == SecondGameTaskCount,
              "the menu counts 25 tasks of this game");

// The map shows the tasks by theme; the table keeps its order, because a task's place in it names its stored value.
constexpr MapGroup T = GroupTraffic, M = GroupMoney, H = GroupTime, C = GroupCity;
constexpr std::array<MapGroup, townTasks.size()> townGroups{{
    T, T, T, T, T, // lights, crossing, signs
    M, M, M,       // coins, shopping, change
    H, H, H, H,    // clocks, times of day
    C, C, C, M, C, // vehicles, help, buses, shops (money), windows
    C, C, T, T,    // coloured cars, recycling, directions (traffic), safety (traffic)
    C, H, C, C,    // places in a row, days of the week (time), tall houses, balloons
}};

const GameDef townGame{"városi kalandok", TAVRIN_SECOND_GAME_VALUE_FORMAT, "g2s%d", ThemeTown, SecondGameTaskCount,
                       townTasks.data(), townGroups.data()};

} // namespace

const GameDef &townDefinition() { return townGame; }
