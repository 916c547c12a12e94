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

Round binRound(const char *prompt, PicKind rubbish)
{
    return round(prompt, {pic(rubbish)},
                 {choice(bin(BinPaper), "kék"), choice(bin(BinPlastic), "sárga"), choice(bin(BinGlass), "zöld")});
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

// Two or three coins to add up, the larger coins first.
Round coinRound(int index, Random &random)
{
    static constexpr std::array<int, 4> values{5, 10, 20, 50};
    std::array<int, 3> coins{};
    int count = index == 0 ? 2 : 3, sum = 0;
    for (int i = 0; i < count; ++i) sum += coins[i] = values[static_cast<size_t>(randomBelow(random, 4))];
    std::sort(coins.begin(), coins.begin() + count, [](int x, int y) { return x > y; });
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

// Paying for one thing with a larger coin: how much comes back.
Round changeRound(int, Random &random)
{
    const Goods &thing = goods()[static_cast<size_t>(randomBelow(random, 4))];
    int price = 10 * randomBetween(random, 1, 4);
    static constexpr std::array<int, 3> paid{20, 50, 100};
    int first = price < 20 ? 0 : price < 50 ? 1 : 2;
    int coinPaid = paid[static_cast<size_t>(randomBetween(random, first, 2))];
    return round(keptText("%s %d Ft. %d Ft-tal fizetsz. Mennyit kapsz vissza?", thing.name, price, coinPaid),
                 {thing.pic, coin(coinPaid)}, forintAnswers(nearMisses(random, coinPaid - price, 10, 10)), Pic{},
                 coinPaid, price);
}

// One coin and three price tags, of which exactly one is not more than the coin.
Round shoppingRound(int index, Random &random)
{
    static constexpr std::array<int, 3> money{20, 50, 100};
    static const std::array<Pic, 5> things{pic(PicBalloon, ColRed), pic(PicIceCream), pic(PicBall, ColBlue),
                                           pic(PicKifli), pic(PicBook)};
    int m = money[static_cast<size_t>(index)];
    std::array<int, 5> order{0, 1, 2, 3, 4};
    for (int i = 4; i > 0; --i) std::swap(order[static_cast<size_t>(i)], order[static_cast<size_t>(randomBelow(random, i + 1))]);
    int over = randomBetween(random, 1, 4); // the two dearer things cost 10 to 40 Ft more, never the same
    std::array<int, 3> prices{m - 5 * randomBelow(random, 3), m + 10 * over, m + 10 * (over % 4 + 1)};
    std::array<Choice, 3> c;
    for (size_t i = 0; i < 3; ++i) c[i] = choice(things[static_cast<size_t>(order[i])], forintText(prices[i]), prices[i]);
    return round(keptText("%d Ft-od van. Mit tudsz megvenni?", m), {coin(m)}, c, Pic{}, m);
}

// Three different hours from 1 to 12, in a random order.
std::array<int, 3> threeHours(Random &random)
{
    // Two steps of 1 to 5 hours round the dial never come back to where they started.
    int a = randomBetween(random, 1, 12), b = 1 + (a + randomBetween(random, 1, 5) - 1) % 12;
    int c = 1 + (b + randomBetween(random, 1, 5) - 1) % 12;
    return {a, b, c};
}

// Reading a clock at a full hour.
Round hourRound(int, Random &random)
{
    auto h = threeHours(random);
    return round("Hány óra van?", {clock(h[0], 0)},
                 {answer(keptText("%d óra", h[0]), h[0] * 60), answer(keptText("%d óra", h[1]), h[1] * 60),
                  answer(keptText("%d óra", h[2]), h[2] * 60)});
}

// Half past, quarter past and quarter to: "fél 4" is 3:30, "negyed 4" 3:15, "háromnegyed 4" 3:45.
Round partRound(int index, Random &random)
{
    static constexpr std::array<const char *, 3> names{"fél", "negyed", "háromnegyed"};
    static constexpr std::array<int, 3> minutes{30, 15, 45};
    int next = randomBetween(random, 2, 12), other = next == 12 ? 11 : next + 1;
    int otherPart = (index + 1 + randomBelow(random, 2)) % 3;
    auto text = [&](int part, int hour) { return keptText("%s %d", names[static_cast<size_t>(part)], hour); };
    auto value = [&](int part, int hour) { return (hour - 1) * 60 + minutes[static_cast<size_t>(part)]; };
    return hinted(round("Hány óra van?", {clock(next - 1, minutes[static_cast<size_t>(index)])},
                        {answer(text(index, next), value(index, next)), answer(text(index, other), value(index, other)),
                         answer(text(otherPart, next), value(otherPart, next))}),
                  keptText("A %s %d azt jelenti: %d óra %d perc.", names[static_cast<size_t>(index)], next, next - 1,
                           minutes[static_cast<size_t>(index)]));
}

// Finding the clock that shows a time: a full hour, then half past, then a full hour again.
Round findClockRound(int index, Random &random)
{
    auto h = threeHours(random);
    int m = index == 1 ? 30 : 0;
    const char *prompt = m ? keptText("Melyik óra mutat fél %d-%s?", h[0] % 12 + 1, accusativeEnding(h[0] % 12 + 1))
                           : keptText("Melyik óra mutat %d órát?", h[0]);
    return round(prompt, {}, {choice(clock(h[0], m)), choice(clock(h[1], m)), choice(clock(h[2], m))}, clock(h[0], m));
}

// Counting the cars of one colour among others, a different colour in each round.
Round carCountRound(int index, Random &random)
{
    struct Asked {
        int colour;
        const char *prompt;
    };
    static constexpr std::array<Asked, 4> asked{{
        {ColRed, "Hány piros autó parkol itt?"}, {ColBlue, "Hány kék autót látsz?"},
        {ColYellow, "Hány sárga autót látsz?"}, {ColGreen, "Hány zöld autót látsz?"},
    }};
    // Red or green cars first, then blue, then yellow: three colours, never one twice.
    const Asked &a = asked[index == 0 ? static_cast<size_t>(3 * randomBelow(random, 2)) : static_cast<size_t>(index)];
    int n = randomBetween(random, 1 + index, 3 + index);
    std::vector<Pic> others;
    for (const Asked &o : asked)
        if (o.colour != a.colour) others.push_back(car(o.colour));
    auto c = numberAnswers(nearMisses(random, n, 1, 1));
    return round(a.prompt, scatter(random, std::vector<Pic>(static_cast<size_t>(n), car(a.colour)), others,
                                   randomBetween(random, 2, 7 - n)),
                 c, car(a.colour));
}

// Counting a house's windows, more of them in each round.
Round windowRound(int index, Random &random)
{
    static constexpr std::array<std::array<int, 2>, RoundsPerTask> ranges{{{{3, 5}}, {{5, 8}}, {{8, 12}}}};
    int n = randomBetween(random, ranges[static_cast<size_t>(index)][0], ranges[static_cast<size_t>(index)][1]);
    return round("Hány ablaka van a háznak?", {house(n)}, numberAnswers(nearMisses(random, n, 1, 1)));
}

Round arrowRound(int direction)
{
    return round("Merre mutat a nyíl?", {pic(PicArrow, direction)},
                 {answer("balra", DirLeft), answer("egyenesen", DirAhead), answer("jobbra", DirRight)});
}

const auto townTasks = taskTable(
    task("A közlekedési lámpa", pic(PicLight, LightRed), "Piros: állj! Sárga: figyelj! Zöld: mehetsz!", ruleLight,
         lightRound(LightRed), lightRound(LightGreen), lightRound(LightYellow),
         hinted(round("Melyik színnél kell megállni?", {},
                      {choice(pic(PicLight, LightGreen), "zöld", 0), choice(pic(PicLight, LightRed), "piros", 1),
                       choice(pic(PicLight, LightYellow), "sárga", 0)}),
                "Melyik szín jelenti azt, hogy állj?")),

    task("A gyalogos lámpa", pic(PicWalkLight, 1), "Zöld emberke: mehetsz. Piros emberke: várj!",
         ruleLight, walkRound("Mit teszel, ha ilyen a lámpa?", 0), walkRound("És most mit teszel?", 1),
         walkRound("Siet a barátod. Te mit teszel?", 0),
         hinted(round("Mit teszel, mielőtt lelépsz a járdáról?", {},
                      {answer("balra és jobbra nézek", 1), answer("az eget nézem", 0),
                       warned(answer("szaladok", 0), "Vigyázz! Az úton soha nem szaladunk át.")}),
                "Jön-e autó? Ezt kell megnézned.")),

    task("Hol kelj át?", pic(PicZebra), "A zebrán, körülnézve a legbiztonságosabb átkelni.", ruleMarked,
         round("Hol kelsz át az úton?", {},
               {warned(choice(pic(PicRoad), "az autók között", 0), "Vigyázz! Az autók között nem kelünk át."),
                choice(pic(PicZebra), "a zebrán", 1)}),
         hinted(round("Melyik a zebra?", {},
                      {choice(sign(SignBikePath), "bicikliút", 0), choice(pic(PicRoad), "úttest", 0),
                       choice(pic(PicZebra), "zebra", 1)}),
                "A zebra fehér csíkos, mint az állat."),
         round("Hogyan mész át a zebrán?", {pic(PicZebra)},
               {answer("nyugodtan, körülnézve", 1),
                warned(answer("szaladva, nem nézek oda", 0), "Vigyázz! Nézz körül, és ne szaladj!")}),
         hinted(round("Hol szabad labdázni?", {pic(PicBall, ColRed)},
                      {warned(answer("az úttesten", 0), "Vigyázz! Az úttesten autók járnak."), answer("a játszótéren", 1)}),
                "Hol vannak hinták és csúszdák?")),

    task("Közlekedési táblák", sign(SignStop), "Nézd meg a tábla alakját és színét!", rulePickTarget,
         round("Melyik a STOP tábla?", {}, {choice(sign(SignNoEntry)), choice(sign(SignStop)), choice(sign(SignGiveWay))},
               sign(SignStop)),
         hinted(round("Melyik tábla mutatja, hol kelhetnek át a gyalogosok?", {},
                      {choice(sign(SignCrossing)), choice(sign(SignBikePath)), choice(sign(SignStop))}, sign(SignCrossing)),
                "Keresd a táblát, amelyen egy ember megy át a zebrán!"),
         hinted(round("Melyik táblánál nem szabad behajtani?", {},
                      {choice(sign(SignGiveWay)), choice(sign(SignCrossing)), choice(sign(SignNoEntry))}, sign(SignNoEntry)),
                "Ez a tábla piros kör, benne egy fehér csík."),
         hinted(round("Milyen színű a STOP tábla?", {}, {swatch(ColBlue, "kék"), swatch(ColRed, "piros"), swatch(ColGreen, "zöld")},
                      Pic{}, ColRed),
                "Olyan színű, mint a lámpa, amikor meg kell állni."),
         ruleColour),

    task("Mit jelent a tábla?", sign(SignGiveWay), "Gondolj arra, hol láttál már ilyen táblát!", ruleSceneParam,
         signMeaning(SignStop), signMeaning(SignCrossing), signMeaning(SignBikePath),
         hinted(round("Mit jelent ez a háromszög alakú tábla?", {sign(SignGiveWay)},
                      {answer("Adj elsőbbséget!", 1), answer("Itt parkolhatsz", 0), answer("Itt a bolt", 0)}),
                "Ennél a táblánál előre engedjük a többieket.")),

    madeBy(task("Pénzérmék", coin(20), "Add össze az érmék értékét!", ruleCoinSum,
                round("Mennyi pénz van itt?", {coin(10), coin(10)}, {forintAnswer(10), forintAnswer(20), forintAnswer(30)}),
                round("Mennyi pénz van itt?", {coin(20), coin(5), coin(5)}, {forintAnswer(25), forintAnswer(35), forintAnswer(30)}),
                round("Mennyi pénz van itt?", {coin(50), coin(20), coin(10)}, {forintAnswer(80), forintAnswer(70), forintAnswer(90)}),
                hinted(round("Melyik érme ér többet?", {}, {choice(coin(20)), choice(coin(50))}),
                       "Nézd meg a számokat az érméken: melyik a nagyobb?"),
                ruleBiggest),
           coinRound),

    madeBy(task("Vásárlás", pic(PicIceCream), "Ne kerüljön többe, mint amennyi pénzed van!",
                ruleAffordable,
                round("20 Ft-od van. Mit tudsz megvenni?", {coin(20)},
                      {choice(pic(PicBalloon, ColRed), "30 Ft", 30), choice(pic(PicIceCream), "20 Ft", 20),
                       choice(pic(PicBall, ColBlue), "50 Ft", 50)},
                      Pic{}, 20),
                round("10 Ft-od van. Mit veszel?", {coin(10)},
                      {choice(pic(PicBook), "80 Ft", 80), choice(pic(PicBall, ColGreen), "40 Ft", 40),
                       choice(pic(PicKifli), "10 Ft", 10)},
                      Pic{}, 10),
                round("50 Ft-od van. Mit tudsz megvenni?", {coin(50)},
                      {choice(pic(PicBall, ColRed), "60 Ft", 60), choice(pic(PicBalloon, ColYellow), "45 Ft", 45),
                       choice(pic(PicIceCream), "55 Ft", 55), choice(pic(PicBook), "90 Ft", 90)},
                      Pic{}, 50),
                hinted(round("30 Ft-od van. Megveheted a 40 Ft-os labdát?", {pic(PicBall, ColBlue)},
                             {answer("igen", 0), answer("nem", 1)}),
                       "Több a 40, mint a 30?")),
           shoppingRound),

    madeBy(task("Visszajáró", pic(PicPurse), "Vond ki az árat abból, amennyivel fizettél!", ruleChange,
                round("A kifli 10 Ft. 20 Ft-tal fizetsz. Mennyit kapsz vissza?", {pic(PicKifli), coin(20)},
                      {forintAnswer(5), forintAnswer(10), forintAnswer(20)}, Pic{}, 20, 10),
                round("A lufi 30 Ft. 50 Ft-tal fizetsz. Mennyit kapsz vissza?", {pic(PicBalloon, ColBlue), coin(50)},
                      {forintAnswer(30), forintAnswer(10), forintAnswer(20)}, Pic{}, 50, 30),
                round("A fagyi 40 Ft. 100 Ft-tal fizetsz. Mennyit kapsz vissza?", {pic(PicIceCream), coin(100)},
                      {forintAnswer(60), forintAnswer(50), forintAnswer(70)}, Pic{}, 100, 40),
                hinted(round("Ha pontosan annyit fizetsz, amennyi az ár, mennyit kapsz vissza?", {},
                             {answer("10 Ft", 0), answer("0 Ft", 1), answer("5 Ft", 0)}),
                       "Ha nem fizetsz többet, nem jár vissza semmi.")),
           changeRound),

    madeBy(task("Hány óra van?", clock(3, 0), "A kis mutató az órát mutatja, a nagy a perceket.", ruleSceneParam,
                round("Hány óra van?", {clock(3, 0)}, {answer("2 óra", 120), answer("3 óra", 180), answer("9 óra", 540)}),
                round("Hány óra van?", {clock(8, 0)}, {answer("8 óra", 480), answer("4 óra", 240), answer("12 óra", 0)}),
                round("Hány óra van?", {clock(11, 0)}, {answer("1 óra", 60), answer("10 óra", 600), answer("11 óra", 660)}),
                hinted(round("Melyik mutató mutatja az órát?", {}, {answer("a kis mutató", 1), answer("a nagy mutató", 0)}),
                       "A nagy mutató a perceket mutatja.")),
           hourRound),

    madeBy(task("Fél és negyed", pic(PicWatch), "A fél 4 azt jelenti: 3 óra 30 perc.", ruleSceneParam,
                round("Hány óra van?", {clock(3, 30)}, {answer("fél 3", 150), answer("fél 4", 210), answer("negyed 4", 195)}),
                hinted(round("Hány óra van?", {clock(4, 15)},
                             {answer("negyed 5", 255), answer("negyed 4", 195), answer("fél 5", 270)}),
                       "A negyed 5 azt jelenti: 4 óra 15 perc."),
                hinted(round("Hány óra van?", {clock(5, 45)},
                             {answer("negyed 6", 315), answer("fél 6", 330), answer("háromnegyed 6", 345)}),
                       "A háromnegyed 6 azt jelenti: 5 óra 45 perc."),
                hinted(round("Hány perc van egy órában?", {}, {answer("30", 0), answer("60", 1), answer("100", 0)}),
                       "A fél óra 30 perc. Kétszer ennyi az egész óra.")),
           partRound),

    madeBy(task("Keresd az órát!", pic(PicMagnifier), "Nézd meg, hova mutat a kis és a nagy mutató!", rulePickTarget,
                round("Melyik óra mutat 8 órát?", {}, {choice(clock(4, 0)), choice(clock(8, 0)), choice(clock(10, 0))},
                      clock(8, 0)),
                round("Melyik óra mutat fél 2-t?", {}, {choice(clock(1, 0)), choice(clock(2, 30)), choice(clock(1, 30))},
                      clock(1, 30)),
                round("Melyik óra mutat 12 órát?", {}, {choice(clock(0, 0)), choice(clock(6, 0)), choice(clock(0, 15))},
                      clock(0, 0)),
                hinted(round("Hány óra van délben?", {pic(PicSun)}, {answer("6 óra", 0), answer("9 óra", 0), answer("12 óra", 1)}),
                       "Délben mindkét mutató felfelé mutat.")),
           findClockRound),

    task("Napszakok", pic(PicSun), "Gondold végig, mit csinálsz egy nap!", ruleMarked,
         round("Mikor reggelizünk?", {pic(PicKifli)}, {choice(pic(PicSun), "reggel", 1), choice(pic(PicMoon), "éjjel", 0)}),
         round("Mikor alszunk?", {}, {choice(pic(PicSun), "délben", 0), choice(pic(PicMoon), "éjjel", 1)}),
         round("Mikor ebédelünk?", {}, {answer("éjfélkor", 0), answer("délben", 1), answer("hajnalban", 0)}),
         hinted(round("Mi világít éjjel az égen?", {}, {choice(pic(PicMoon), "a Hold", 1), choice(pic(PicSun), "a Nap", 0)}),
                "A Nap nappal süt. Éjjel mást látsz az égen.")),

    task("Járművek", pic(PicFireTruck), "Gondold végig, mire való ez a jármű!", ruleMarked,
         round("Melyik autó megy tüzet oltani?", {},
               {choice(bus(5), "busz", 0), choice(pic(PicFireTruck), "tűzoltóautó", 1), choice(pic(PicAmbulance), "mentőautó", 0)}),
         round("Melyik autó visz kórházba, ha baj van?", {},
               {choice(pic(PicAmbulance), "mentőautó", 1), choice(pic(PicPolice), "rendőrautó", 0), choice(bus(9), "busz", 0)}),
         round("Melyikkel utazik sok ember együtt?", {},
               {choice(car(ColRed), "autó", 0), choice(pic(PicFireTruck), "tűzoltóautó", 0), choice(bus(3), "busz", 1)}),
         hinted(round("Melyik autóval jár a rendőr?", {},
                      {choice(pic(PicPolice), "rendőrautó", 1), choice(bus(2), "busz", 0), choice(car(ColBlue), "autó", 0)}),
                "A rendőrautó fehér-kék, és villog a teteje.")),

    task("Segítséget hívok", pic(PicPhone), "Hívd a 112-t, és mondd meg, hol vagy!", ruleMarked,
         round("Melyik számot hívod, ha nagy baj van?", {pic(PicPhone)},
               {answer(said("123", "egy kettő három"), 0), answer("112", 1), answer(said("555", "öt öt öt"), 0)}),
         round("Mit mondasz el, amikor segítséget hívsz?", {pic(PicPhone)},
               {answer("a nevem, és hol vagyok", 1), answer("egy mesét", 0)}),
         hinted(round("Tűz van! Kiket hívsz?", {pic(PicCampfire)},
                      {answer("a tűzoltókat", 1), answer("a postást", 0), answer("senkit", 0)}),
                "Kik oltják el a tüzet?"),
         hinted(round("Szabad játékból felhívni a 112-t?", {},
                      {warned(answer("igen", 0), "Vigyázz! A 112-t csak nagy bajban hívjuk."), answer("nem", 1)}),
                "A 112-t a bajban lévők hívják: nekik kell a vonal.")),

    task("Melyik busz?", bus(7), "Nézd meg a számot a busz oldalán!", rulePickTarget,
         round("Melyik a 7-es busz?", {}, {choice(bus(1)), choice(bus(7)), choice(bus(4))}, bus(7)),
         round("Melyik a 12-es busz?", {}, {choice(bus(21)), choice(bus(2)), choice(bus(12))}, bus(12)),
         round("Melyik a 30-as busz?", {}, {choice(bus(30)), choice(bus(13)), choice(bus(3))}, bus(30)),
         hinted(round("Hol szállsz fel a buszra?", {},
                      {answer("a megállóban", 1), warned(answer("az út közepén", 0), "Vigyázz! Az út közepén autók járnak.")}),
                "A busz csak ott áll meg, ahol tábla van.")),

    task("Boltok", shop(ShopBakery), "Nézd meg, mi van a bolt cégtábláján!", ruleShop,
         round("Hol veszel kenyeret?", {pic(PicBread)},
               {choice(shop(ShopPharmacy), "gyógyszertár"), choice(shop(ShopBakery), "pékség"),
                choice(shop(ShopToys), "játékbolt")}),
         round("Hol veszel gyógyszert?", {pic(PicMedicine)},
               {choice(shop(ShopFlowers), "virágbolt"), choice(shop(ShopBakery), "pékség"),
                choice(shop(ShopPharmacy), "gyógyszertár")}),
         round("Hol veszel virágot?", {pic(PicFlower, ColRed)},
               {choice(shop(ShopFlowers), "virágbolt"), choice(shop(ShopToys), "játékbolt"),
                choice(shop(ShopBakery), "pékség")}),
         hinted(round("Hol veszel labdát?", {pic(PicBall, ColBlue)},
                      {choice(shop(ShopBakery), "pékség"), choice(shop(ShopToys), "játékbolt"),
                       choice(shop(ShopPharmacy), "gyógyszertár")}),
                "A labda játék. Hol árulnak játékot?"),
         ruleShop),

    madeBy(task("Ablakok", house(6), "Számold meg az ablakokat soronként!", ruleSceneParam,
                round("Hány ablaka van a háznak?", {house(4)}, {numberAnswer(3), numberAnswer(4), numberAnswer(5)}),
                round("Hány ablaka van a háznak?", {house(6)}, {numberAnswer(6), numberAnswer(5), numberAnswer(7)}),
                round("Hány ablaka van a háznak?", {house(9)}, {numberAnswer(8), numberAnswer(10), numberAnswer(9)}),
                hinted(round("Egy sorban 3 ablak van. Hány ablak van 2 sorban?", {},
                             {answer("5", 0), answer("6", 1), answer("8", 0)}),
                       "Számolj 3-at, aztán még 3-at!")),
           windowRound),

    madeBy(task("Színes autók", car(ColRed), "Csak a kérdezett színű autókat számold!", ruleCount,
                round("Hány piros autó parkol itt?", {car(ColRed), car(ColBlue), car(ColRed), car(ColYellow)},
                      {numberAnswer(1), numberAnswer(2), numberAnswer(3)}, car(ColRed)),
                round("Hány kék autót látsz?", {car(ColBlue), car(ColRed), car(ColBlue), car(ColGreen), car(ColBlue)},
                      {numberAnswer(2), numberAnswer(4), numberAnswer(3)}, car(ColBlue)),
                round("Hány sárga autót látsz?",
                      {car(ColYellow), car(ColRed), car(ColYellow), car(ColYellow), car(ColBlue), car(ColRed), car(ColYellow)},
                      {numberAnswer(4), numberAnswer(3), numberAnswer(5)}, car(ColYellow)),
                hinted(round("Melyik autó kék?", {}, {choice(car(ColRed)), choice(car(ColGreen)), choice(car(ColBlue))}, Pic{},
                             ColBlue),
                       "Kék, mint az ég."),
                ruleColour),
           carCountRound),

    task("Szelektív gyűjtés", bin(BinPlastic), "Kék: papír, sárga: műanyag, zöld: üveg.", ruleBin,
         binRound("Melyik gyűjtőbe való az újság?", PicPaper),
         binRound("Hova dobod a műanyag palackot?", PicBottle),
         binRound("Hova kerül az üres befőttesüveg?", PicJar),
         hinted(binRound("Hova való a régi füzet?", PicBook), "A füzet papírból van."), ruleBin),

    task("Merre menjünk?", pic(PicArrow, DirRight), "Nézd meg, merre néz a nyíl hegye!", ruleSceneParam,
         arrowRound(DirLeft), arrowRound(DirAhead), arrowRound(DirRight),
         hinted(round("Biciklin jobbra fordulsz. Melyik kezeddel jelzel?", {pic(PicArrow, DirRight)},
                      {answer("a bal kezemmel", 0), answer("a jobb kezemmel", 1)}),
                "Arra mutatsz, amerre fordulsz.")),

    task("Biztonságban", pic(PicHelmet), "Gondold végig, mi véd meg a bajtól!", ruleMarked,
         round("Mit veszel fel, ha biciklizel?", {},
               {choice(pic(PicBall, ColRed), "labda", 0), choice(pic(PicHelmet), "bukósisak", 1), choice(pic(PicBook), "könyv", 0)}),
         round("Mit csatolsz be az autóban?", {},
               {choice(pic(PicBelt), "biztonsági öv", 1), choice(pic(PicKifli), "kifli", 0),
                choice(pic(PicBalloon, ColGreen), "lufi", 0)}),
         round("Hol utazol az autóban?", {car(ColBlue)},
               {answer("hátul, gyerekülésben", 1),
                warned(answer("a sofőr ölében", 0), "Vigyázz! Gyerekülésben utazunk.")}),
         hinted(round("Miért kell bukósisak?", {pic(PicHelmet)}, {answer("mert szép", 0), answer("védi a fejemet", 1)}),
                "Mi történik, ha elesel a biciklivel?")),

    // The arrow in front of each row shows where counting starts: the vehicles face right, so "first" is
    // asked from the left, never as the front of the queue.
    task("Hányadik?", pic(PicPodium), "Kezdd a nyílnál: első, második, harmadik...", ruleOrdinal,
         round("Balról hányadik a piros autó?", {fromLeft, car(ColBlue), car(ColRed), car(ColYellow)},
               {answer("első", 1), answer("második", 2), answer("harmadik", 3)}, car(ColRed)),
         round("Balról hányadik a zöld autó?", {fromLeft, car(ColYellow), car(ColBlue), car(ColGreen), car(ColRed)},
               {answer("második", 2), answer("harmadik", 3), answer("negyedik", 4)}, car(ColGreen)),
         round("Balról hányadik a busz?", {fromLeft, car(ColRed), car(ColBlue), bus(5)},
               {answer("első", 1), answer("második", 2), answer("harmadik", 3)}, pic(PicBus, -1)),
         hinted(round("A sorban állók közül ki jut be elsőnek?", {},
                      {answer("aki a sor végén áll", 0), answer("aki a sor elején áll", 1)}),
                "Az jut be elsőnek, aki legelöl áll.")),

    task("A hét napjai", pic(PicDay, 0), "Mondd el sorban a hét napjait, hétfőtől!", ruleNextDay,
         dayRound("Melyik nap jön hétfő után?", 0, {answer("vasárnap", 6), answer("kedd", 1), answer("szerda", 2)}),
         dayRound("Melyik nap jön csütörtök után?", 3, {answer("szerda", 2), answer("szombat", 5), answer("péntek", 4)}),
         dayRound("Melyik nap jön vasárnap után?", 6, {answer("hétfő", 0), answer("szombat", 5), answer("kedd", 1)}),
         hinted(round("Hány napból áll egy hét?", {}, {answer("5", 0), answer("7", 1), answer("10", 0)}),
                "Hétfő, kedd, szerda... számold végig ujjal!")),

    task("Magas házak", pic(PicTower), "Hasonlítsd össze a házak magasságát!", ruleBiggest,
         round("Melyik a legmagasabb ház?", {}, {choice(house(3)), choice(house(9)), choice(house(6))}),
         round("Melyik a legalacsonyabb ház?", {}, {choice(house(6)), choice(house(12)), choice(house(3))}, Pic{}, 1),
         round("Melyik a legmagasabb ház?", {}, {choice(house(12)), choice(house(6)), choice(house(9))}),
         hinted(round("Mivel jutsz fel gyorsan egy magas ház tetejére?", {},
                      {answer("biciklivel", 0), answer("lifttel", 1)}),
                "Egy kis szoba, ami fel-le jár a házban.")),

    task("Színes lufik", pic(PicBalloon, ColGreen), "Nézd meg jól a színeket!", ruleColour,
         round("Melyik a zöld lufi?", {},
               {choice(pic(PicBalloon, ColRed)), choice(pic(PicBalloon, ColGreen)), choice(pic(PicBalloon, ColBlue))},
               Pic{}, ColGreen),
         round("Melyik a lila lufi?", {},
               {choice(pic(PicBalloon, ColPurple)), choice(pic(PicBalloon, ColPink)), choice(pic(PicBalloon, ColBlue))},
               Pic{}, ColPurple),
         round("Melyik labda narancssárga?", {},
               {choice(pic(PicBall, ColYellow)), choice(pic(PicBall, ColRed)), choice(pic(PicBall, ColOrange))},
               Pic{}, ColOrange),
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
