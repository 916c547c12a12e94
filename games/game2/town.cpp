// town.cpp -- "városi kalandok": the twenty-five town tasks, each with its questions for the small and the big
#include "town.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "../common/taskdata.h"
#include "tavrin/progress.h"

namespace {

//----------------------------------------------------------------------------------------------------------
// Pictures, answers and words used by many tasks
//----------------------------------------------------------------------------------------------------------

Pic car(int colour) { return pic(PicCar, colour); }
Pic bus(int number) { return pic(PicBus, number); }
Pic coin(int value) { return pic(PicCoin, value); }
Pic clock(int hours, int minutes) { return pic(PicClock, hours * 60 + minutes); }
Pic sign(int kind) { return pic(PicSign, kind); }
Pic shop(int kind) { return pic(PicShop, kind); }
Pic bin(int kind) { return pic(PicBin, kind); }
Pic house(int windows) { return pic(PicHouse, windows); }
Pic tower(int floors) { return pic(PicTower, floors); }
Pic light(int colour) { return pic(PicLight, colour); }
Pic walkLight(int state) { return pic(PicWalkLight, state); }
Pic dayPart(int part) { return pic(PicDayPart, part); }
Pic arrow(int direction) { return pic(PicArrow, direction); }

// The answer a task judged by marks takes as its right one.
Choice right(Choice c)
{
    c.value = 1;
    return c;
}

// An answer in words alone, wrong unless marked right.
Choice words(const char *text) { return answer(text, 0); }

// A number as an answer of a task judged by marks: a wrong one a step off comes close.
Choice numeral(int n) { return closeMiss(words(numberText(n))); }

// What a child does at the kerb, as a picture with its words; none of them shows a traffic light's colour.
Choice waitAnswer(const char *words = "Megállok, várok") { return choice(pic(PicAction, ActionWait), words); }
Choice crossAnswer(const char *words = "Körülnézek, átmegyek") { return choice(pic(PicAction, ActionLookAndGo), words); }
Choice runAnswer(const char *words = "Átszaladok") { return choice(pic(PicAction, ActionRun), words); }

// "a" or "az" before a number, as it is said: "az 5", "a 12", "az 50".
const char *article(int n) { return n == 1 || n == 5 || (n >= 50 && n < 60) ? "az" : "a"; }

// The ending a number takes as a name, "a 7-es busz", "a 30-as busz", "az 5-ös", "a 6-os".
const char *nameEnding(int n)
{
    // egyes, kettes, hármas, négyes, ötös, hatos, hetes, nyolcas, kilences; tízes, húszas, harmincas, negyvenes,
    // ötvenes, hatvanas, hetvenes, nyolcvanas, kilencvenes; százas.
    static constexpr std::array<const char *, 10> byLastDigit{"", "es", "es", "as", "es", "ös", "os", "es", "as", "es"};
    static constexpr std::array<const char *, 10> byTens{"as", "es", "as", "as", "es", "es", "as", "es", "as", "es"};
    if (n % 10 != 0) return byLastDigit[static_cast<size_t>(n % 10)];
    if (n % 100 != 0) return byTens[static_cast<size_t>(n / 10 % 10)];
    return "as";
}

//----------------------------------------------------------------------------------------------------------
// A közlekedési lámpa, A gyalogos lámpa: red and yellow mean waiting on the pavement, green crossing after a
// look both ways; the flashing green means that no one sets off any more
//----------------------------------------------------------------------------------------------------------

// Warnings and hints the traffic tasks share.
constexpr const char *waitAtRed = "Vigyázz! Pirosnál várunk.";
constexpr const char *noRunning = "Vigyázz! Az úton nem szaladunk.";
constexpr const char *letItStop = "Vigyázz! Megvárjuk, hogy megálljon.";
constexpr const char *notOnTheRoad = "Vigyázz! Az úton nem állunk meg.";
constexpr const char *lookAtTheRoad = "Vigyázz! Az utat nézzük, nem az eget.";
constexpr const char *beforeCrossing = "Mit csinálunk, mielőtt átmegyünk?";
constexpr const char *lookFirst = "Zöldnél is körülnézünk, aztán megyünk.";
constexpr const char *leftRightLeft = "Balra, jobbra, majd újra balra nézünk.";
constexpr const char *hasItStopped = "Megállt már az autó?";
constexpr const char *waitTillItStops = "Várunk, amíg az autó megáll.";
constexpr const char *colourRhyme = "Piros: állj! Sárga: figyelj! Zöld: mehetsz.";

Task lightTask()
{
    const char *notAtYellow = "Vigyázz! Sárgánál már nem indulunk.";
    const char *siren = "Vigyázz! A szirénázó autót elengedjük.";
    Round red = hinted(round("Mit teszel, ha ilyen a lámpa?", {light(LightRed)},
                             {right(waitAnswer()), warned(crossAnswer(), waitAtRed), warned(runAnswer(), waitAtRed)}),
                       "Mit mond a piros lámpa?", "Piros: állj! A járdán várunk.");
    Round green = hinted(round("És ha ilyen a lámpa, mit teszel?", {light(LightGreen)},
                               {right(crossAnswer()), warned(runAnswer(), noRunning), closeMiss(waitAnswer())}),
                         beforeCrossing, lookFirst);
    Round yellow = hinted(round("Sárga lett a lámpa. Mit teszel?", {light(LightYellow)},
                                {right(waitAnswer()), warned(runAnswer(), notAtYellow), warned(crossAnswer(), notAtYellow)}),
                          "Sárga: figyelj, mindjárt piros lesz!", "Sárgánál a járdán várunk.");
    Round noCar = hinted(round("Piros a lámpa, de nem jön autó. Mit teszel?", {light(LightRed)},
                               {right(waitAnswer()), warned(crossAnswer(), waitAtRed), warned(runAnswer(), waitAtRed)}),
                         "Mit mond a piros lámpa?", "Piros: állj! A járdán várunk.");
    Round carComing = hinted(round("Zöld a lámpa, de egy autó nem állt meg. Mit teszel?", {light(LightGreen)},
                                   {right(waitAnswer()), warned(crossAnswer(), letItStop), warned(runAnswer(), letItStop)}),
                             hasItStopped, waitTillItStops);
    Round whichGo = hinted(round("Melyik lámpánál mehetsz át, ha körülnéztél?", {pic(PicZebra)},
                                 {warned(choice(light(LightRed), "piros"), waitAtRed),
                                  warned(choice(light(LightYellow), "sárga"), notAtYellow),
                                  right(choice(light(LightGreen), "zöld"))}),
                           "Melyik szín mondja: szabad az út?", colourRhyme);
    Round colours = hinted(round("Hány színe van a közlekedési lámpának?", {light(3)},
                                 {numeral(2), right(numeral(3)), numeral(4)}),
                           "Számold meg a lámpa köreit!", "Piros, sárga, zöld: számold az ujjadon!");
    Round afterGreen = hinted(round("Melyik szín jön a zöld után?", {light(LightGreen)},
                                    {right(choice(light(LightYellow), "sárga")), closeMiss(choice(light(LightRed), "piros")),
                                     choice(light(3), "egyik sem")}),
                              "A zöld után még figyelmeztet a lámpa.", "Zöld, sárga, aztán piros.");
    Round ambulance = hinted(round("Zöld a lámpa, és szirénázó mentőautó jön. Mit teszel?", {light(LightGreen)},
                                   {right(waitAnswer("Elengedem")), warned(crossAnswer("Átmegyek, mert zöld"), siren),
                                    warned(runAnswer("Előtte átszaladok"), siren)}),
                             "A mentő beteghez siet.", "Előbb a mentő megy, aztán mi.");
    return task("A közlekedési lámpa", light(LightRed), "Piros: állj! Zöld: körülnézek, és mehetek.",
                ruleMarked, Levels{{red, green, yellow, whichGo, colours, noCar, carComing},
                                   {red, green, yellow, noCar, carComing, afterGreen, ambulance}},
                hinted(round("Melyik szín azt jelenti: állj?", {},
                             {choice(light(LightGreen), "zöld"), right(choice(light(LightRed), "piros")),
                              closeMiss(choice(light(LightYellow), "sárga"))}),
                       "Ennél a színnél mindenki megáll.", colourRhyme));
}

Task walkLightTask()
{
    const char *waitAtRedWalker = "Vigyázz! Piros emberkénél várunk.";
    const char *notAtFlashing = "Vigyázz! Villogó zöldnél nem indulunk.";
    const char *redWalker = "Milyen színű az emberke?", *waitOnThePavement = "Piros emberke: várj a járdán!";
    Round red = hinted(round("Mit teszel, ha ilyen a lámpa?", {walkLight(0)},
                             {right(waitAnswer()), warned(crossAnswer(), waitAtRedWalker), warned(runAnswer(), waitAtRedWalker)}),
                       redWalker, waitOnThePavement);
    Round green = hinted(round("Zöld az emberke. Mit teszel?", {walkLight(1)},
                               {right(crossAnswer()), warned(runAnswer(), noRunning), closeMiss(waitAnswer())}),
                         beforeCrossing, lookFirst);
    Round hurry = hinted(round("Siet a barátod. Te mit teszel?", {walkLight(0)},
                               {right(waitAnswer()), warned(runAnswer(), waitAtRedWalker), warned(crossAnswer(), waitAtRedWalker)}),
                         redWalker, waitOnThePavement);
    Round which = hinted(round("Melyik lámpánál mehetsz át?", {pic(PicZebra)},
                               {warned(choice(walkLight(0), "piros emberke"), waitAtRedWalker),
                                right(choice(walkLight(1), "zöld emberke")),
                                warned(choice(walkLight(2), "villogó zöld"), notAtFlashing)}),
                         "Melyik emberke lépked?", "Zöld emberke: mehetsz. Piros: várj!");
    Round look = hinted(round("Mit teszel, mielőtt lelépsz a járdáról?", {walkLight(1)},
                              {right(choice(pic(PicAction, ActionLook), "Körülnézek")),
                               warned(runAnswer(), "Vigyázz! Előbb mindig körülnézünk."),
                               warned(choice(pic(PicSun), "Az eget nézem"), lookAtTheRoad)}),
                        "Mit kell megnézni az út előtt?", leftRightLeft);
    Round carComing = hinted(round("Zöld az emberke, de egy autó még jön. Mit teszel?", {walkLight(1)},
                                   {right(waitAnswer()), warned(crossAnswer(), letItStop), warned(runAnswer(), letItStop)}),
                             hasItStopped, waitTillItStops);
    Round where = hinted(round("Hol várod meg a zöld emberkét?", {walkLight(0)},
                               {right(choice(pic(PicAction, ActionWait), "a járdán")),
                                warned(choice(pic(PicRoad), "az úttesten"), "Vigyázz! Az úttesten autók járnak."),
                                warned(choice(pic(PicZebra), "a zebra közepén"), notOnTheRoad)}),
                         "Hol nem járnak autók?");
    Round flashing = hinted(round("Villog a zöld emberke, és még a járdán vagy. Mit teszel?", {walkLight(2)},
                                  {right(waitAnswer()), warned(crossAnswer(), notAtFlashing),
                                   warned(runAnswer(), noRunning)}),
                            "Villogó zöld: mindjárt piros lesz.", "Aki még a járdán áll, az vár.");
    Round halfway = hinted(round("Villog a zöld emberke, és már a zebra közepén vagy. Mit teszel?", {walkLight(2)},
                                 {right(words("nyugodtan átmegyek a túloldalra")), warned(words("megállok az út közepén"), notOnTheRoad),
                                  warned(words("visszaszaladok"), noRunning)}),
                           "Hol leszel hamarabb biztonságban?", "Aki már elindult, nyugodtan átmegy.");
    return task("A gyalogos lámpa", walkLight(1), "Zöld emberke: mehetek. Piros: várok.", ruleMarked,
                Levels{{red, green, hurry, which, look, carComing, where},
                       {red, green, hurry, look, carComing, where, flashing, halfway}},
                hinted(round("Hány emberke van a gyalogos lámpán?", {}, {numeral(1), right(numeral(2)), numeral(3)}),
                       "Egyik felül áll, a másik alul lépked.", "Egy piros és egy zöld: számold meg!"));
}

//----------------------------------------------------------------------------------------------------------
// Hol kelj át?: the zebra crossing, looking left, right and left again, and never between parked cars
//----------------------------------------------------------------------------------------------------------

Task crossingTask()
{
    const char *watchTheRoad = "Vigyázz! Átkeléskor az utat figyeljük.";
    const char *busHides = "Vigyázz! A busz eltakar, nem látnak.";
    const Pic atTheKerb = pic(PicAction, ActionLook);
    Round where = hinted(round("Hol kelsz át az úton?", {atTheKerb},
                               {right(choice(pic(PicZebra), "a zebrán")),
                                warned(choice(pic(PicRoad), "az autók között"), "Vigyázz! Az autók között nem kelünk át."),
                                warned(choice(bus(5), "a busz előtt"), busHides)}),
                         "Hol van fehér csíkos átkelő?", "A zebrán kelünk át, körülnézés után.");
    Round which = hinted(round("Melyik a zebra?", {atTheKerb},
                               {choice(sign(SignBikePath), "bicikliút"), choice(pic(PicRoad), "úttest"),
                                right(choice(pic(PicZebra), "zebra"))}),
                         "Olyan csíkos, mint az állat.", "Keresd a fehér csíkokat az úton!");
    const char *eyes = "Mit csinálsz a szemeddel?", *calmly = "Körülnézünk, és lépésben megyünk át.";
    Round how = hinted(round("Hogyan mész át a zebrán?", {pic(PicZebra)},
                             {right(crossAnswer("körülnézve")), warned(runAnswer("szaladva"), noRunning),
                              warned(choice(pic(PicPhone), "telefonozva"), watchTheRoad)}),
                       eyes, calmly);
    Round howInWords = hinted(round("Hogyan mész át a zebrán?", {pic(PicZebra)},
                                    {right(words("nyugodtan, körülnézve")),
                                     warned(words("szaladva, oda sem nézve"), "Vigyázz! Nézz körül, és ne szaladj!"),
                                     warned(words("a telefonomat nézve"), watchTheRoad)}),
                              eyes, calmly);
    Round what = hinted(round("Mit nézel meg, mielőtt lelépsz a járdáról?", {atTheKerb},
                              {right(choice(car(ColBlue), "jön-e autó")), warned(choice(pic(PicSun), "az eget"), lookAtTheRoad),
                               warned(choice(pic(PicPhone), "a telefonomat"), watchTheRoad)}),
                        "Mi jöhet az úton?", "Megnézzük, jön-e autó.");
    const char *nearest = "Honnan jönnek a legközelebbi autók?";
    Round first = hinted(round("Merre nézel először a járda szélén?", {atTheKerb},
                               {right(choice(arrow(DirLeft), "balra")), closeMiss(choice(arrow(DirRight), "jobbra")),
                                choice(arrow(DirAhead), "előre")}),
                         nearest, leftRightLeft);
    Round again = hinted(round("Balra és jobbra már néztél. Merre nézel még egyszer?", {atTheKerb},
                               {right(choice(arrow(DirLeft), "balra")), closeMiss(choice(arrow(DirRight), "jobbra")),
                                choice(arrow(DirAhead), "előre")}),
                         nearest, leftRightLeft);
    Round parked = hinted(round("Autók parkolnak az út szélén. Hol kelsz át?", {car(ColRed), car(ColYellow)},
                                {right(choice(pic(PicZebra), "a zebrán")),
                                 warned(choice(car(ColBlue), "az autók mögül"), "Vigyázz! Az autók mögül nem látnak."),
                                 warned(choice(bus(5), "a busz előtt"), busHides)}),
                          "Lát az autós, ha egy autó mögül lépsz ki?", "A zebrán kelünk át, ott mindenki lát.");
    Round mum = hinted(round("Az út túloldalán áll anya, és hív. Mit teszel?", {pic(PicZebra)},
                             {right(words("körülnézek, és a zebrán megyek át")),
                              warned(words("átszaladok hozzá"), "Vigyázz! Hívásra sem szaladunk át."),
                              warned(words("ott megyek át, ahol állok"), "Vigyázz! Csak a zebrán kelünk át.")}),
                       "Anya megvár téged.", "Körülnézünk, és a zebrán megyünk át.");
    return task("Hol kelj át?", pic(PicZebra), "A zebrán kelünk át, miután körülnéztünk.", ruleMarked,
                Levels{{where, which, how, what, first, again, parked},
                       {where, howInWords, what, first, again, parked, mum}},
                hinted(round("Hol szabad labdázni?", {pic(PicBall, ColRed)},
                             {warned(words("az úttesten"), "Vigyázz! Az úttesten autók járnak."), right(words("a játszótéren")),
                              warned(words("a parkolóban"), "Vigyázz! A parkolóban autók járnak.")}),
                       "Hol vannak hinták és csúszdák?", "A játszótéren nem járnak autók."));
}

//----------------------------------------------------------------------------------------------------------
// Közlekedési táblák: a sign picked by what it tells, never by a word the question names
//----------------------------------------------------------------------------------------------------------

struct SignFacts {
    const char *prompt;  // which sign tells this
    const char *shows;   // what is drawn on it
    const char *meaning; // what it tells, for the big
    const char *short_;  // what it tells, under a picture for the small
};

const SignFacts &signFacts(int kind)
{
    static const std::array<SignFacts, SignKindCount> facts{{
        {"Melyik táblánál kell mindig megállni?", "Piros, és fehér betűk vannak rajta.", "Mindig meg kell állni.", "Állj meg!"},
        {"Melyik tábla mutatja a gyalogos átkelőt?", "Egy ember megy át a zebrán.", "Itt átkelhetnek a gyalogosok.",
         "Átkelhetsz"},
        {"Melyik tábla tiltja, hogy ide behajts?", "Piros kör, benne fehér csík.", "Ide nem szabad behajtani.", ""},
        {"Melyik tábla mondja: engedd előre a többit?", "Fejjel lefelé álló háromszög.", "Engedd előre a többit!", ""},
        {"Melyik tábla mutatja, hol biciklizhetsz?", "Egy biciklis van rajta.", "Itt biciklizhetsz.", "Biciklizhetsz"},
        {"Melyik tábla figyelmeztet: gyerekek jönnek?", "Két gyerek szalad rajta.", "Vigyázz, gyerekek!", ""},
        {"Melyik tábla mutatja a gyalogosok útját?", "Egy felnőtt és egy gyerek sétál rajta.", "Itt a gyalogosok járnak.", ""},
        {"Melyik tábla mutatja a buszmegállót?", "Egy busz van rajta.", "Itt áll meg a busz.", "Buszmegálló"},
        {"Melyik tábla mutatja a parkolót?", "Egy nagy P betű van rajta.", "Itt parkolhatnak az autók.", "Parkoló"},
    }};
    return facts[static_cast<size_t>(std::clamp(kind, 0, SignKindCount - 1))];
}

// Where a sign's shape and colour put it: a red ring forbids, a triangle warns, a blue disc says who may go
// there, a blue square shows where something is.
const char *signFamily(int kind)
{
    switch (kind) {
    case SignNoEntry: return "A piros kör valamit megtilt.";
    case SignGiveWay: case SignChildren: return "A háromszög figyelmeztet.";
    case SignBikePath: case SignFootPath: return "A kék kör megmondja, ki járhat ott.";
    case SignCrossing: case SignBusStop: case SignParking: return "A kék négyszög megmutat valamit.";
    default: return "Ennek a táblának nyolc sarka van.";
    }
}

// Picking the sign that tells something, on the road where signs stand.
Round pickSign(int kind, std::initializer_list<int> others)
{
    Round r = round(signFacts(kind).prompt, {pic(PicRoad)}, {choice(sign(kind))}, sign(kind));
    int i = 1;
    for (int o : others) r.choices[static_cast<size_t>(i++)] = choice(sign(o));
    return hinted(r, signFamily(kind), signFacts(kind).shows);
}

Task signsTask()
{
    return task("Közlekedési táblák", sign(SignStop), "Nézd meg a tábla rajzát!", rulePickTarget,
                Levels{{pickSign(SignStop, {SignCrossing, SignBikePath}), pickSign(SignCrossing, {SignStop, SignGiveWay}),
                        pickSign(SignBikePath, {SignNoEntry, SignBusStop}), pickSign(SignBusStop, {SignNoEntry, SignChildren}),
                        pickSign(SignParking, {SignStop, SignChildren}), pickSign(SignChildren, {SignParking, SignFootPath}),
                        pickSign(SignFootPath, {SignStop, SignGiveWay}), pickSign(SignGiveWay, {SignCrossing, SignBikePath})},
                       {pickSign(SignStop, {SignNoEntry, SignGiveWay, SignChildren}),
                        pickSign(SignCrossing, {SignFootPath, SignBikePath, SignParking}),
                        pickSign(SignNoEntry, {SignStop, SignGiveWay, SignBikePath}),
                        pickSign(SignGiveWay, {SignChildren, SignStop, SignNoEntry}),
                        pickSign(SignBikePath, {SignFootPath, SignCrossing, SignNoEntry}),
                        pickSign(SignChildren, {SignGiveWay, SignCrossing, SignStop}),
                        pickSign(SignFootPath, {SignBikePath, SignCrossing, SignBusStop}),
                        pickSign(SignBusStop, {SignParking, SignCrossing, SignFootPath}),
                        pickSign(SignParking, {SignBusStop, SignCrossing, SignNoEntry})}},
                hinted(round("Milyen színű a STOP tábla?", {},
                             {choice(pic(PicSwatch, ColBlue), "kék", ColBlue), choice(pic(PicSwatch, ColRed), "piros", ColRed),
                              choice(pic(PicSwatch, ColGreen), "zöld", ColGreen)},
                             Pic{}, ColRed),
                       "Olyan, mint a lámpa, amikor megállunk.", "A STOP tábla piros, fehér betűkkel."),
                ruleColour);
}

//----------------------------------------------------------------------------------------------------------
// Mit jelent a tábla?: a sign shown, its meaning picked: in pictures for the small, in words for the big
//----------------------------------------------------------------------------------------------------------

// The meaning of a sign for the small: a picture of it with a few words. Its value is the sign's kind.
Choice signPicture(int kind)
{
    Pic p = kind == SignStop       ? pic(PicAction, ActionWait)
            : kind == SignCrossing ? pic(PicZebra)
            : kind == SignBikePath ? pic(PicBike)
            : kind == SignBusStop  ? bus(5)
                                   : car(ColBlue);
    return choice(p, signFacts(kind).short_, kind);
}

Round meaningInPictures(int kind, std::initializer_list<int> others)
{
    Round r = round("Mit jelent ez a tábla?", {sign(kind)}, {signPicture(kind)});
    int i = 1;
    for (int o : others) r.choices[static_cast<size_t>(i++)] = signPicture(o);
    return hinted(r, signFamily(kind), signFacts(kind).shows);
}

Round meaningInWords(int kind, std::initializer_list<int> others, int close = -1)
{
    Round r = round("Mit jelent ez a tábla?", {sign(kind)}, {answer(signFacts(kind).meaning, kind)});
    int i = 1;
    for (int o : others) {
        Choice c = answer(signFacts(o).meaning, o);
        r.choices[static_cast<size_t>(i++)] = o == close ? closeMiss(c) : c;
    }
    return hinted(r, signFamily(kind), signFacts(kind).shows);
}

Task meaningTask()
{
    return task("Mit jelent a tábla?", sign(SignGiveWay), "Mi van a táblára rajzolva?", ruleSceneParam,
                Levels{{meaningInPictures(SignStop, {SignCrossing, SignBikePath}),
                        meaningInPictures(SignCrossing, {SignBusStop, SignStop}),
                        meaningInPictures(SignBikePath, {SignParking, SignCrossing}),
                        meaningInPictures(SignBusStop, {SignBikePath, SignStop}),
                        meaningInPictures(SignParking, {SignStop, SignBusStop})},
                       {meaningInWords(SignStop, {SignCrossing, SignGiveWay, SignParking}, SignGiveWay),
                        meaningInWords(SignCrossing, {SignFootPath, SignNoEntry, SignBusStop}, SignFootPath),
                        meaningInWords(SignNoEntry, {SignParking, SignBikePath, SignStop}),
                        meaningInWords(SignGiveWay, {SignStop, SignBusStop, SignChildren}, SignStop),
                        meaningInWords(SignBikePath, {SignFootPath, SignNoEntry, SignParking}),
                        meaningInWords(SignChildren, {SignCrossing, SignParking, SignGiveWay}),
                        meaningInWords(SignFootPath, {SignBikePath, SignStop, SignBusStop}, SignBikePath),
                        meaningInWords(SignBusStop, {SignParking, SignChildren, SignCrossing}),
                        meaningInWords(SignParking, {SignBusStop, SignNoEntry, SignFootPath})}},
                hinted(round("Kinek szólnak a közlekedési táblák?", {},
                             {right(words("mindenkinek, aki az úton jár")), words("csak a rendőröknek"), words("senkinek")}),
                       "Autósok, biciklisek és gyalogosok is nézik őket.", "Mindenkinek, aki az úton jár."),
                ruleMarked);
}

//----------------------------------------------------------------------------------------------------------
// Pénzérmék, Vásárlás, Visszajáró: money, made afresh at every start
//----------------------------------------------------------------------------------------------------------

// Coins to add up, the larger first. At the small level a single 5, 10 or 20 Ft coin read first, then 5 and
// 10 Ft coins to 20 Ft; at the big one 5, 10 and 20 Ft coins to 60 Ft, then with 50 Ft coins as well to 100 Ft
// in the second half of the pool. The second hint adds the first two coins and leaves the rest to the child.
Round coinRound(int level, int index, Random &random)
{
    static constexpr std::array<int, 4> values{5, 10, 20, 50};
    bool big = level == ProgressLevelBig, dear = big && index >= MadePool / 2;
    if (!big && index < 3) {
        int v = values[static_cast<size_t>(index)];
        return hinted(round("Mennyit ér ez az érme?", {coin(v)}, forintAnswers({5, 10, 20})), "Nézd meg a számot az érmén!",
                      "A szám mondja meg, hány forintot ér.");
    }
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
    const char *second = count == 2 ? keptText("Az első %d Ft. Adj hozzá %d-%s!", coins[0], coins[1], accusativeEnding(coins[1]))
                                    : keptText("%d és %d: %d. Add hozzá a többit!", coins[0], coins[1], coins[0] + coins[1]);
    int step = big && sum % 10 == 0 ? 10 : 5; // the small count in fives and see no amount above 20 Ft
    return hinted(round("Mennyi pénz van itt?", scene, forintAnswers(nearMisses(random, sum, step, 5, big ? 100 : 20))),
                  "Kezdd a legnagyobbal, és add hozzá a többit!", second);
}

struct Goods {
    Pic pic;
    const char *name; // with its article, as a sentence starts
};

const std::array<Goods, 5> &goods()
{
    static const std::array<Goods, 5> all{{
        {pic(PicKifli), "A kifli"}, {pic(PicBalloon, ColBlue), "A lufi"}, {pic(PicIceCream), "A fagyi"},
        {pic(PicBall, ColRed), "A labda"}, {pic(PicBook), "A könyv"},
    }};
    return all;
}

// The coins a sum of money is paid with, the larger first.
std::vector<Pic> coinsOf(int amount)
{
    static constexpr std::array<int, 5> values{100, 50, 20, 10, 5};
    std::vector<Pic> coins;
    for (int v : values)
        for (; amount >= v; amount -= v) coins.push_back(coin(v));
    return coins;
}

// Paying for one thing with a larger coin: how much comes back. Within 20 Ft at the small level (a 5 to 15 Ft
// thing paid with 10 or 20 Ft); at the big one whole tens paid with 50 or 100 Ft, and in the second half of
// the pool two things paid together with 100 Ft. The prices are said in the question and the thing is shown,
// so that few texts serve many questions.
Round changeRound(int level, int index, Random &random)
{
    const Goods &thing = goods()[static_cast<size_t>(randomBelow(random, 4))];
    int price = 0, coinPaid = 0;
    Round r;
    if (level == ProgressLevelBig && index >= MadePool / 2) {
        const Goods &other = goods()[static_cast<size_t>((&thing - goods().data() + 1 + randomBelow(random, 3)) % 4)];
        int first = 10 * randomBetween(random, 2, 3), second = randomBelow(random, 2) ? 40 : 10;
        price = first + second;
        coinPaid = 100;
        int step = (coinPaid - price) % 20 == 0 && randomBelow(random, 2) ? 20 : 10;
        r = round(keptText("Az egyik %d Ft, a másik %d Ft. Ezzel fizetsz. Mennyi jár vissza?", first, second),
                  {thing.pic, other.pic, coin(100)}, forintAnswers(nearMisses(random, coinPaid - price, step, step)), Pic{},
                  coinPaid, price);
        return hinted(r, "Add össze a két árat, aztán számolj 100-ig!", keptText("%d Ft meg mennyi lesz 100 Ft?", price));
    }
    if (level == ProgressLevelBig) {
        price = 10 * randomBetween(random, 1, 9);
        coinPaid = price < 50 && randomBelow(random, 2) ? 50 : 100;
    } else {
        price = 5 * randomBetween(random, 1, 3);
        coinPaid = price < 10 && randomBelow(random, 2) == 0 ? 10 : 20;
    }
    int step = level == ProgressLevelBig && (coinPaid - price) % 10 == 0 ? 10 : 5; // the small reckon in fives
    r = round(keptText("Ez %d Ft. Ezzel fizetsz. Mennyi jár vissza?", price), {thing.pic, coin(coinPaid)},
              forintAnswers(nearMisses(random, coinPaid - price, step, step, level == ProgressLevelBig ? 100 : 20)), Pic{},
              coinPaid, price);
    return hinted(r, "Számolj az ártól felfelé, amíg eléred, amennyit adtál!",
                  keptText("%d Ft meg mennyi lesz %d Ft?", price, coinPaid));
}

// What money buys, the money shown as coins to count. The small have 5 to 20 Ft and three things priced 5 to
// 20 Ft to choose from; the big 30 to 100 Ft and four things priced 10 to 100 Ft.
// A question asks for the thing that takes all the money, or the dearest the money still pays for (one, two
// or three things are within it), so that the right answer is now the cheapest, now a dearer one, and only
// the money decides; the big also say whether the money pays for one thing.
Round shoppingRound(int level, int index, Random &random)
{
    bool big = level == ProgressLevelBig;
    int unit = big ? 10 : 5, top = big ? 100 : 20, kind = index % (big ? 3 : 2), count = big ? 4 : 3;
    static constexpr std::array<int, 4> bigMoney{30, 50, 70, 100};
    // The dearest-thing question needs a dearer thing than the money, so its money is never the most.
    int money = big ? bigMoney[static_cast<size_t>(randomBelow(random, kind == 1 ? 3 : 4))]
                    : unit * randomBetween(random, 1, kind == 1 ? 3 : 4);
    std::array<int, 5> order{0, 1, 2, 3, 4};
    for (int i = 4; i > 0; --i) std::swap(order[static_cast<size_t>(i)], order[static_cast<size_t>(randomBelow(random, i + 1))]);
    if (kind == 2) { // does the money pay for this?
        const Goods &thing = goods()[static_cast<size_t>(order[0])];
        int price = std::clamp(money + unit * randomBetween(random, -2, 2), unit, top);
        std::vector<Pic> scene = coinsOf(money);
        scene.push_back(thing.pic);
        Round r = round(keptText("%s %d Ft. Elég rá ennyi pénz?", thing.name, price), scene,
                        {answer("Elég, és marad is.", 0), answer("Pont elég.", 1), answer("Nem elég.", 2)}, Pic{}, money, price);
        return hinted(r, "Hasonlítsd össze az árat a pénzeddel!", "Ha az ár több a pénzednél, nem elég.");
    }
    // The prices: `count` different ones drawn from all there are; for the dearest thing the money pays for,
    // at least one within the money and one beyond it. The thing that takes all the money is always there.
    std::array<int, 10> all{};
    int n = top / unit;
    for (int i = 0; i < n; ++i) all[static_cast<size_t>(i)] = unit * (i + 1);
    std::array<int, 4> prices{};
    for (bool fits = false; !fits;) {
        for (int i = n - 1; i > 0; --i) std::swap(all[static_cast<size_t>(i)], all[static_cast<size_t>(randomBelow(random, i + 1))]);
        std::copy(all.begin(), all.begin() + count, prices.begin());
        bool within = false, beyond = false, exact = false;
        for (int i = 0; i < count; ++i) {
            within = within || prices[static_cast<size_t>(i)] <= money;
            beyond = beyond || prices[static_cast<size_t>(i)] > money;
            exact = exact || prices[static_cast<size_t>(i)] == money;
        }
        fits = kind == 0 ? exact : within && beyond;
    }
    std::array<Choice, MaxChoices> c{};
    for (int i = 0; i < count; ++i) {
        const Goods &g = goods()[static_cast<size_t>(order[static_cast<size_t>(i)])];
        c[static_cast<size_t>(i)] = choice(g.pic, forintText(prices[static_cast<size_t>(i)]), prices[static_cast<size_t>(i)]);
    }
    Round r = round(kind == 0 ? "Ennyi pénzed van. Mit veszel, hogy pont elfogyjon?"
                              : "Ennyi pénzed van. Mi a legdrágább, amit megveszel?",
                    coinsOf(money), {c[0], c[1], c[2], c[3]}, Pic{}, money);
    if (kind == 0) return hinted(r, "Keresd, ami pont annyiba kerül, amennyi pénzed van!", "Az ár és a pénzed legyen ugyanannyi!");
    return hinted(r, "Ami többe kerül, mint a pénzed, azt nem veheted meg.", "Amire elég a pénzed, abból a legdrágábbat!");
}

//----------------------------------------------------------------------------------------------------------
// Hány óra van?, Fél és negyed, Keresd az órát!: clocks, made afresh at every start
//----------------------------------------------------------------------------------------------------------

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

// A number as it is said standing alone: "kettő", "tizenkettő", where before "között" or "felé" the voice
// would take it for a number before a noun ("két").
std::string alone(int n) { return speechText(numberText(n)); }

// Where the short hand of a clock past `hour` stands, with its speech form.
const char *betweenHours(int hour)
{
    int next = hour % 12 + 1;
    return said(keptText("A kis mutató %d és %d között jár.", hour, next),
                keptText("A kis mutató %s és %s között jár.", alone(hour).c_str(), alone(next).c_str()));
}

// The hints of a clock to be read: the first about the long hand (which the engine lights up with it) and
// the rule that a part of the hour names the coming hour, the second about the short one between its two
// hours; never the answer itself.
Round clockHints(Round r, int part, int hour)
{
    static constexpr std::array<const char *, 4> longHand{
        "A nagy mutató a 12-re mutat: egész óra van.",
        "A nagy mutató a 6-ra mutat: fél. A fél a következő órát mondja.",
        "A nagy mutató a 3-ra mutat: negyed. A következő órát mondja.",
        "A nagy mutató a 9-re mutat: háromnegyed. A következő órát mondja."};
    const char *second = part == PartWhole ? "Most nézd a kis mutatót: melyik számra mutat?" : betweenHours(hour);
    return hinted(r, longHand[static_cast<size_t>(part)], second);
}

// The hours a clock past the hour shows, its short hand past them: eight for half past, three each for
// quarter past and quarter to, so that the clocks of three tasks need few pictures between them.
constexpr std::array<int, 8> halfHours{1, 2, 3, 5, 7, 8, 9, 11};
constexpr std::array<int, 3> quarterHours{2, 6, 10}, threeQuarterHours{4, 8, 11};

// Three different hours a clock of a part of the hour may show, in a random order; any three for whole hours.
std::array<int, 3> partClockHours(int part, Random &random)
{
    if (part == PartWhole) return threeHours(random);
    std::array<int, 8> pool{};
    int n = 0;
    if (part == PartHalf) {
        pool = halfHours;
        n = 8;
    } else {
        const auto &few = part == PartQuarter ? quarterHours : threeQuarterHours;
        std::copy(few.begin(), few.end(), pool.begin());
        n = 3;
    }
    for (int i = n - 1; i > 0; --i) std::swap(pool[static_cast<size_t>(i)], pool[static_cast<size_t>(randomBelow(random, i + 1))]);
    return {pool[0], pool[1], pool[2]};
}

// A clock of a part of the hour to read: "fél 4" beside "fél 5" and, at the small level, "4 óra"; at the big
// one beside the same hour with another part.
Round partClock(int part, bool big, Random &random)
{
    int next = partClockHours(part, random)[0] + 1, other = next == 12 ? 11 : next + 1;
    int otherPart = big ? PartHalf + (part - PartHalf + 1 + randomBelow(random, 2)) % 3 : PartWhole;
    // The same part an hour off is the usual slip: it comes close.
    return clockHints(round("Hány óra van?", {clock(next - 1, partMinutes(part))},
                            {timeAnswer(part, next), closeMiss(timeAnswer(part, other)), timeAnswer(otherPart, next)}),
                      part, next - 1);
}

// Reading a clock: whole hours at the small level; at the big one half hours too, from the second half of
// the pool on.
Round hourRound(int level, int index, Random &random)
{
    if (level == ProgressLevelBig && index >= MadePool / 2) return partClock(PartHalf, false, random);
    auto h = threeHours(random);
    return clockHints(round("Hány óra van?", {clock(h[0], 0)},
                            {timeAnswer(PartWhole, h[0]), timeAnswer(PartWhole, h[1]), timeAnswer(PartWhole, h[2])}),
                      PartWhole, h[0]);
}

// Half past, quarter past and quarter to: half hours alone at the small level, all three at the big one.
Round partRound(int level, int index, Random &random)
{
    bool big = level == ProgressLevelBig;
    return partClock(big ? PartHalf + index % 3 : PartHalf, big, random);
}

// Finding the clock that shows a time: whole hours at the small level; at the big one half hours, quarter
// past and quarter to as well. All three clocks have their long hand in the same place, so the hints turn
// the child to the short one.
Round findClockRound(int level, int index, Random &random)
{
    int part = level == ProgressLevelBig ? index % 4 : PartWhole;
    auto h = partClockHours(part, random);
    int m = partMinutes(part), next = h[0] % 12 + 1;
    static constexpr std::array<const char *, 4> formats{"", "Melyik óra mutat fél %d-%s?", "Melyik óra mutat negyed %d-%s?",
                                                         "Melyik óra mutat háromnegyed %d-%s?"};
    const char *prompt = part == PartWhole ? keptText("Melyik óra mutat %d órát?", h[0])
                                           : keptText(formats[static_cast<size_t>(part)], next, accusativeEnding(next));
    Round r = round(prompt, {pic(PicQuestion)}, {choice(clock(h[0], m)), choice(clock(h[1], m)), choice(clock(h[2], m))},
                    clock(h[0], m));
    // The second hint of a part is the one reading that clock has, so that the tasks share it.
    Round read = clockHints(Round{}, part, h[0]);
    return hinted(r, "A nagy mutató mindegyiken ugyanott áll. Nézd a kicsit!",
                  part == PartWhole ? said(keptText("A kis mutató %s %d felé mutat.", article(h[0]), h[0]),
                                           keptText("A kis mutató %s %s felé mutat.", article(h[0]), alone(h[0]).c_str()))
                                    : read.secondHint);
}

//----------------------------------------------------------------------------------------------------------
// Napszakok: each part of the day has a picture of its own
//----------------------------------------------------------------------------------------------------------

Choice partOfDay(int part)
{
    static constexpr std::array<const char *, 4> words{"reggel", "délben", "este", "éjjel"};
    return choice(dayPart(part), words[static_cast<size_t>(part)]);
}

// A question whose answer is one part of the day, offered with two others.
Round whenRound(const char *prompt, std::vector<Pic> scene, int answer, std::initializer_list<int> others, const char *hint,
                const char *secondHint, int close = -1)
{
    Round r = round(prompt, scene, {right(partOfDay(answer))});
    int i = 1;
    for (int o : others) r.choices[static_cast<size_t>(i++)] = o == close ? closeMiss(partOfDay(o)) : partOfDay(o);
    return hinted(r, hint, secondHint);
}

Task dayPartsTask()
{
    const int M = PartMorning, N = PartNoon, E = PartEvening, X = PartNight;
    const char *wholeDay = "Gondold végig a napot!";
    Round breakfast = whenRound("Mikor reggelizünk?", {pic(PicKifli)}, M, {N, E}, "Ez az első étel, amikor felkelünk.",
                                "Amikor felkel a Nap.");
    Round lunch = whenRound("Mikor ebédelünk?", {}, N, {M, X}, "Az ebéd a nap közepén van.", "Ebédkor magasan jár a Nap.");
    Round dinner = whenRound("Mikor vacsorázunk?", {}, E, {M, N}, "A vacsora a nap utolsó étele.", "Vacsora után lefekszünk.");
    // A nap after lunch is sleep too, so "délben" comes close rather than being plainly wrong.
    Round sleep = whenRound("Mikor alszunk egészen reggelig?", {}, X, {M, N}, "Mikor sötét van odakint?",
                            "Éjjel sötét van, mindenki alszik.", N);
    Round nap = whenRound("Mikor pihenünk az óvodában?", {}, N, {M, X}, "Előbb megebédelünk, aztán lefekszünk.",
                          "Az óvodában ebéd után, délben pihenünk.");
    Round sunrise = whenRound("Mikor kel fel a Nap?", {}, M, {N, E}, "A nap elején.", nullptr);
    Round sunset = whenRound("Mikor megy le a Nap?", {}, E, {M, N}, "A nap végén.", "Naplementekor piros az ég.");
    Round stars = whenRound("Mikor látod a Holdat és a csillagokat?", {}, X, {M, N}, "Mikor sötét az ég?", nullptr);
    Round nursery = whenRound("Mikor megyünk óvodába?", {}, M, {E, X}, "Reggeli után indulunk.", nullptr);
    Round afterMorning = whenRound("Mi jön ezután?", {dayPart(M), dayPart(N), pic(PicQuestion)}, E, {X, M}, wholeDay,
                                   "Reggel, dél, és aztán...?", X);
    Round afterNoon = whenRound("Mi jön ezután?", {dayPart(N), dayPart(E), pic(PicQuestion)}, X, {M, N}, wholeDay,
                                "Dél, este, és aztán...?", M);
    Round afterNight = whenRound("Mi jön ezután?", {dayPart(E), dayPart(X), pic(PicQuestion)}, M, {N, E}, wholeDay,
                                 "Este, éjjel, és aztán...?", N);
    return task("Napszakok", dayPart(PartNoon), "Mit csinálsz egy nap?", ruleMarked,
                Levels{{breakfast, lunch, dinner, sleep, nap, sunrise, sunset, stars, nursery},
                       {lunch, dinner, sunrise, sunset, stars, afterMorning, afterNoon, afterNight}},
                hinted(round("Mi világít éjjel az égen?", {},
                             {right(choice(pic(PicMoon), "a Hold")), choice(pic(PicSun), "a Nap"), words("a szivárvány")}),
                       "A Nap nappal süt.", "Éjjel a Hold világít."));
}

//----------------------------------------------------------------------------------------------------------
// Járművek: what each vehicle is for
//----------------------------------------------------------------------------------------------------------

Choice vehicle(PicKind kind, int param = 0)
{
    switch (kind) {
    case PicFireTruck: return choice(pic(kind), "tűzoltóautó");
    case PicAmbulance: return choice(pic(kind), "mentőautó");
    case PicPolice: return choice(pic(kind), "rendőrautó");
    case PicBus: return choice(bus(param), "busz");
    case PicBike: return choice(pic(kind), "bicikli");
    case PicTram: return choice(pic(kind), "villamos");
    case PicGarbageTruck: return choice(pic(kind), "kukásautó");
    default: return choice(car(param), "autó");
    }
}

// Hints the vehicles and the call for help share.
constexpr const char *whoPutsOutFires = "Kik oltják el a tüzet?";
constexpr const char *whoHelpsTheIll = "Ki segít a betegeknek?";

Task vehiclesTask()
{
    const char *fireTruck = "Piros, és létra van rajta.", *ambulanceLooks = "Fehér, piros kereszttel.";
    const char *seats = "Melyikben van sok ülés?", *manyWindows = "Sok ablaka és sok ülése van.";
    Round fire = hinted(round("Melyik autó megy tüzet oltani?", {pic(PicHouseFire)},
                              {vehicle(PicBus, 5), right(vehicle(PicFireTruck)), vehicle(PicAmbulance)}),
                        whoPutsOutFires, fireTruck);
    Round ill = hinted(round("Melyik autó visz kórházba, ha baj van?", {pic(PicMedicine)},
                             {right(vehicle(PicAmbulance)), vehicle(PicPolice), vehicle(PicBus, 9)}),
                       whoHelpsTheIll, ambulanceLooks);
    Round many = hinted(round("Melyikkel utazik sok ember együtt?", {sign(SignBusStop)},
                              {vehicle(PicCar, ColRed), vehicle(PicFireTruck), right(vehicle(PicBus, 3))}),
                        seats, manyWindows);
    Round police = hinted(round("Melyik autóval jár a rendőr?", {},
                                {right(vehicle(PicPolice)), vehicle(PicBus, 2), vehicle(PicCar, ColBlue)}),
                          "Melyiken van villogó?", "Fehér, kék csíkkal.");
    Round rubbish = hinted(round("Melyik viszi el a szemetet?", {},
                                 {right(vehicle(PicGarbageTruck)), vehicle(PicTram), vehicle(PicAmbulance)}),
                           "Hova ürítik a kukákat?", "Egy kuka van az oldalára festve.");
    Round pedals = hinted(round("Melyiket hajtod a lábaddal?", {},
                                {right(vehicle(PicBike)), vehicle(PicCar, ColYellow), vehicle(PicBus, 4)}),
                          "Melyiknek van pedálja?", "Két kereke és pedálja van.");
    Round rails = hinted(round("Melyik jár síneken a városban?", {},
                               {right(vehicle(PicTram)), closeMiss(vehicle(PicBus, 6)), vehicle(PicCar, ColGreen)}),
                         "Keresd a síneket!", "Síneken jár, drótból kap áramot.");
    Round fireBig = hinted(round("Melyik autó megy tüzet oltani?", {pic(PicHouseFire)},
                                 {right(vehicle(PicFireTruck)), vehicle(PicAmbulance), vehicle(PicPolice), vehicle(PicGarbageTruck)}),
                           whoPutsOutFires, fireTruck);
    Round illBig = hinted(round("Melyik autó visz kórházba, ha baj van?", {pic(PicMedicine)},
                                {right(vehicle(PicAmbulance)), vehicle(PicPolice), vehicle(PicFireTruck), vehicle(PicBus, 9)}),
                          whoHelpsTheIll, ambulanceLooks);
    Round manyBig = hinted(round("Melyikkel utazik sok ember együtt?", {sign(SignBusStop)},
                                 {vehicle(PicCar, ColRed), vehicle(PicFireTruck), right(vehicle(PicBus, 3)), vehicle(PicBike)}),
                           seats, manyWindows);
    Round wheels = hinted(round("Hány kereke van a biciklinek?", {pic(PicBike)}, {right(numeral(2)), numeral(3), numeral(4)}),
                          "Számold meg a kerekeket!", "Elöl egy, hátul egy.");
    Round helmet = hinted(round("Melyik járművön kell kerékpáros sisak?", {pic(PicHelmet)},
                                {right(vehicle(PicBike)), vehicle(PicBus, 8), vehicle(PicTram), vehicle(PicCar, ColBlue)}),
                          "Melyiken ülsz ajtó és tető nélkül?", "Biciklin sisakot viselünk.");
    return task("Járművek", pic(PicFireTruck), "Mire való ez a jármű?", ruleMarked,
                Levels{{fire, ill, many, police, rubbish, pedals, rails},
                       {fireBig, illBig, manyBig, police, rubbish, rails, wheels, helmet}},
                hinted(round("Ki vezeti a buszt?", {bus(7)}, {right(words("a buszsofőr")), words("a postás"), words("a pék")}),
                       "Ő ül a busz kormányánál.", "A buszt a sofőr vezeti."));
}

//----------------------------------------------------------------------------------------------------------
// Segítséget hívok: 112, and who you are, where you are and what happened
//----------------------------------------------------------------------------------------------------------

Task helpTask()
{
    const char *callForHelp = "Vigyázz! Bajban segítséget hívunk.";
    Round number = hinted(round("Melyik számot hívod, ha nagy baj van?", {pic(PicPhone)},
                                {words(said("123", "egy kettő három")), right(words("112")), words(said("555", "öt öt öt"))}),
                          "Két egyes és egy kettes van benne.", "Egy, egy, kettő.");
    Round fire = hinted(round("Ég a ház! Kiket hívsz?", {pic(PicHouseFire)},
                              {right(choice(pic(PicFireTruck), "a tűzoltókat")), choice(bus(5), "a buszsofőrt"),
                               warned(words("senkit"), callForHelp)}),
                        whoPutsOutFires, "A tűzoltók jönnek, piros autóval.");
    // The small answer from pictures alone: the three who come when 112 is called.
    Round fireSmall = hinted(round("Ég a ház! Kiket hívsz?", {pic(PicHouseFire)},
                                   {right(choice(pic(PicFireTruck), "a tűzoltókat")), choice(pic(PicAmbulance), "a mentőket"),
                                    choice(pic(PicPolice), "a rendőröket")}),
                             whoPutsOutFires, "A tűzoltók jönnek, piros autóval.");
    Round illSmall = hinted(round("Valaki rosszul lett. Kiket hívsz?", {pic(PicMedicine)},
                                  {right(choice(pic(PicAmbulance), "a mentőket")),
                                   closeMiss(choice(pic(PicFireTruck), "a tűzoltókat")), choice(pic(PicPolice), "a rendőröket")}),
                            whoHelpsTheIll, "A mentők jönnek, fehér autóval.");
    Round ill = hinted(round("Valaki rosszul lett. Kiket hívsz?", {pic(PicMedicine)},
                             {right(choice(pic(PicAmbulance), "a mentőket")), closeMiss(choice(pic(PicFireTruck), "a tűzoltókat")),
                              warned(words("senkit"), callForHelp)}),
                       whoHelpsTheIll, "A mentők jönnek, fehér autóval.");
    Round lost = hinted(round("Eltévedtél az utcán. Kitől kérsz segítséget?", {pic(PicRoad)},
                              {right(choice(pic(PicPolice), "egy rendőrtől")),
                               warned(words("senkitől"), "Vigyázz! Ha eltévedtél, kérj segítséget!"),
                               warned(words("elbújok"), "Vigyázz! Ne bújj el, kérj segítséget!")}),
                        "Ki vigyáz a rendre az utcán?", "A rendőr segít, ha eltévedtél.");
    Round smoke = hinted(round("Füstöt látsz a lakásban. Mit teszel?", {pic(PicHouseFire)},
                               {right(words("kimegyek, és szólok egy felnőttnek")),
                                warned(words("elbújok az ágy alá"), "Vigyázz! Ne bújj el, menj ki!"),
                                warned(words("tovább játszom"), "Vigyázz! A füst veszélyes!")}),
                         "A füst veszélyes. Hol vagy biztonságban?", "Kimegyünk, és szólunk egy felnőttnek.");
    Round forFun = hinted(round("Szabad játékból felhívni a 112-t?", {pic(PicPhone)},
                                {warned(words("igen"), "Vigyázz! A 112-t csak nagy bajban hívjuk."), right(words("nem")),
                                 warned(words("csak ha unatkozom"), "Vigyázz! A 112-t csak nagy bajban hívjuk.")}),
                          "Kinek kell a 112?", "Azoknak, akik nagy bajban vannak.");
    Round say = hinted(round("Mit mondasz el, amikor a 112-t hívod?", {pic(PicPhone)},
                             {right(words("a nevemet, hogy hol vagyok, és mi történt")), closeMiss(words("csak azt, hogy baj van")),
                              words("egy mesét")}),
                       "Mit kell tudniuk a segítőknek?", "Ki vagy, hol vagy, és mi történt.");
    Round hangUp = hinted(round("Mikor teszed le a telefont, ha a 112-t hívtad?", {pic(PicPhone)},
                                {right(words("ha azt mondják, hogy leteheted")), closeMiss(words("amint elmondtam a nevemet")),
                                 words("amikor megunom")}),
                          "A segítők még kérdezhetnek.", "Addig beszélünk, amíg azt mondják: leteheted.");
    return task("Segítséget hívok", pic(PicPhone), "Bajban hívd a 112-t!", ruleMarked,
                Levels{{number, fireSmall, illSmall, lost, smoke, forFun}, {number, fire, ill, lost, smoke, forFun, say, hangUp}},
                hinted(round("Eltévedtél. Kinek mondod el, hol laksz?", {},
                             {right(words("egy rendőrnek")),
                              warned(words("bárkinek, aki kérdezi"), "Vigyázz! Címet csak segítőnek mondunk."),
                              words("senkinek")}),
                       "Kitől kérhetsz segítséget az utcán?", "A rendőrnek elmondhatod, hol laksz."));
}

//----------------------------------------------------------------------------------------------------------
// Melyik busz?: route numbers read from the bus's side
//----------------------------------------------------------------------------------------------------------

// How each digit looks, said so that a child who is still learning them can find it.
const char *digitLooks(int digit)
{
    static constexpr std::array<const char *, 10> looks{
        "A 0 kerek, mint a tojás.",          "Az 1-es egy egyenes vonal.",
        "A 2-es olyan, mint egy hattyú.",    "A 3-asnak két pocakja van.",
        "A 4-es olyan, mint egy zászló.",    "Az 5-ösnek kalapja és pocakja van.",
        "A 6-os felül kunkori, alul kerek.", "A 7-es egy vonal és egy ferde.",
        "A 8-as olyan, mint a hóember.",     "A 9-esnek kerek feje és lába van.",
    };
    return looks[static_cast<size_t>(std::clamp(digit, 0, 9))];
}

// A digit's name as a child says it, with "egy" before it: "egy hatos", "egy kilences".
const char *digitName(int digit)
{
    static constexpr std::array<const char *, 10> names{"egy nullás", "egy egyes", "egy kettes", "egy hármas", "egy négyes",
                                                        "egy ötös", "egy hatos", "egy hetes", "egy nyolcas", "egy kilences"};
    return names[static_cast<size_t>(std::clamp(digit, 0, 9))];
}

// At the bus stop: the bus of a route picked among others. The small read one digit, the big two, among
// numbers with the same digits turned round.
Round busRound(int number, std::initializer_list<int> others)
{
    Round r = round(keptText("Melyik %s %d-%s busz?", article(number), number, nameEnding(number)), {sign(SignBusStop)},
                    {choice(bus(number))}, bus(number));
    int i = 1;
    for (int o : others) r.choices[static_cast<size_t>(i++)] = choice(bus(o));
    if (number < 10) return hinted(r, "Keresd a számot a busz oldalán!", digitLooks(number));
    return hinted(r, "Melyik számjegy áll elöl?", keptText("Elöl %s, utána %s áll.", digitName(number / 10), digitName(number % 10)));
}

Task busTask()
{
    return task("Melyik busz?", bus(7), "Nézd meg a számot a busz oldalán!", rulePickTarget,
                Levels{{busRound(7, {1, 4}), busRound(3, {8, 5}), busRound(5, {2, 6}), busRound(9, {6, 4}), busRound(2, {5, 7}),
                        busRound(8, {3, 6}), busRound(4, {1, 7}), busRound(6, {9, 8}), busRound(1, {7, 4})},
                       {busRound(12, {21, 15, 51}), busRound(21, {12, 51, 15}), busRound(15, {51, 12, 16}),
                        busRound(51, {15, 21, 61}), busRound(16, {61, 18, 81}), busRound(61, {16, 81, 96}),
                        busRound(18, {81, 16, 69}), busRound(81, {18, 61, 96}), busRound(69, {96, 16, 61}),
                        busRound(96, {69, 61, 16})}},
                hinted(round("Hol szállsz fel a buszra?", {bus(7)},
                             {right(words("a megállóban")), warned(words("az út közepén"), "Vigyázz! Az út közepén autók járnak."),
                              words("a parkolóban")}),
                       "A busz csak ott áll meg, ahol tábla van.", "A megállóban, a járdáról szállunk fel."),
                ruleMarked);
}

//----------------------------------------------------------------------------------------------------------
// Boltok: where each thing is sold; the shop's board shows what it sells, rarely the thing asked for
//----------------------------------------------------------------------------------------------------------

Choice shopAnswer(int kind)
{
    static constexpr std::array<const char *, ShopKindCount> names{"pékség", "gyógyszertár", "virágbolt", "játékbolt",
                                                                   "zöldséges", "könyvesbolt", "cukrászda"};
    return choice(shop(kind), names[static_cast<size_t>(kind)]);
}

Round shopRound(const char *prompt, Pic goods, std::initializer_list<int> shops, const char *hint, const char *secondHint)
{
    Round r = round(prompt, {goods}, {});
    int i = 0;
    for (int s : shops) r.choices[static_cast<size_t>(i++)] = shopAnswer(s);
    return hinted(r, hint, secondHint);
}

Task shopsTask()
{
    const int B = ShopBakery, P = ShopPharmacy, F = ShopFlowers, T = ShopToys, G = ShopGreengrocer, K = ShopBooks,
              S = ShopSweets;
    const char *toys = "A játékbolt tábláján egy mackó van.", *greens = "A zöldségesnél gyümölcsöt és zöldséget veszünk.";
    struct Asked {
        const char *prompt;
        Pic goods;
        const char *hint, *secondHint;
    };
    const std::array<Asked, 9> asked{{
        {"Hol veszel kenyeret?", pic(PicBread), "Hol sütik a kenyeret?", "A pékségben kenyeret és kiflit sütnek."},
        {"Hol veszel gyógyszert?", pic(PicMedicine), "Hol kapsz gyógyszert, ha beteg vagy?",
         "A gyógyszertár tábláján zöld kereszt van."},
        {"Hol veszel virágot?", pic(PicFlower, ColRed), "Hol árulnak csokrot?", "A virágbolt tábláján egy virág van."},
        {"Hol veszel labdát?", pic(PicBall, ColRed), "A labda játék. Hol árulnak játékot?", toys},
        {"Hol veszel almát?", pic(PicApple), "Az alma gyümölcs. Hol árulnak gyümölcsöt?", greens},
        {"Hol veszel fagyit?", pic(PicIceCream), "Hol árulnak süteményt és fagyit?", "A cukrászda tábláján egy szelet torta van."},
        {"Hol veszel mesekönyvet?", pic(PicBook), "Hol árulnak könyveket?", "A könyvesbolt tábláján egy nyitott könyv van."},
        {"Hol veszel kiflit?", pic(PicKifli), "Hol sütik a kiflit?", "A pékség tábláján egy kenyér van."},
        {"Hol veszel játékmackót?", pic(PicTeddy), "A mackó játék. Hol árulnak játékot?", toys},
    }};
    // The shops offered with each thing, the right one first: three for the small, four for the big.
    const std::array<std::initializer_list<int>, 9> small{{
        {B, P, T}, {P, F, B}, {F, T, B}, {T, B, P}, {G, K, P}, {S, F, G}, {K, B, T}, {B, S, K}, {T, G, P},
    }};
    const std::array<std::initializer_list<int>, 9> big{{
        {B, S, G, P}, {P, F, S, G}, {F, G, T, B}, {T, K, S, P}, {G, B, S, F}, {S, B, G, T}, {K, T, P, B},
        {B, S, G, K}, {T, K, S, G},
    }};
    Levels levels;
    for (size_t i = 0; i < asked.size(); ++i) {
        levels.small.push_back(shopRound(asked[i].prompt, asked[i].goods, small[i], asked[i].hint, asked[i].secondHint));
        levels.big.push_back(shopRound(asked[i].prompt, asked[i].goods, big[i], asked[i].hint, asked[i].secondHint));
    }
    return task("Boltok", shop(ShopBakery), "Nézd meg a bolt tábláját!", ruleShop, levels,
                hinted(round("Hol fizetsz a boltban?", {shop(ShopToys)},
                             {right(words("a pénztárnál")), words("a polcnál"), words("az ajtóban")}),
                       "Hol ül a pénztáros?", "A pénztárnál fizetünk, mielőtt kimegyünk."),
                ruleMarked);
}

//----------------------------------------------------------------------------------------------------------
// Ablakok, Színes autók: counting, made afresh at every start
//----------------------------------------------------------------------------------------------------------

// Counting a house's windows, three to a row: 2 to 9 at the small level, 6 to 12 at the big one.
Round windowRound(int level, int, Random &random)
{
    bool big = level == ProgressLevelBig;
    int n = big ? randomBetween(random, 6, 12) : randomBetween(random, 2, 9);
    Round r = round("Hány ablaka van a háznak?", {house(n)}, numberAnswers(nearMisses(random, n, 1, 1, big ? 20 : 10)));
    int rows = (n + 2) / 3, last = n - 3 * (rows - 1);
    if (!big)
        return hinted(r, "Mutass rá mindegyik ablakra, és számolj!",
                      n <= 3 ? "Számolj lassan, az ujjaddal!" : "Az első sorban 3 ablak van. Számolj tovább!");
    const char *second = last == 3 ? keptText("%d sor van, soronként 3 ablak.", rows)
                                   : keptText("%d sorban 3-3 ablak van, az utolsóban %d.", rows - 1, last);
    return hinted(r, "Számold soronként: hány ablak van egy sorban?", second);
}

// Counting the cars of one colour among others, the colours in turn through the pool: to 10 cars in all at
// the small level, to 20 at the big one. The engine numbers the first two cars counted after a wrong answer
// and all of them after a second.
Round carCountRound(int level, int index, Random &random)
{
    struct Asked {
        int colour;
        const char *prompt, *name;
    };
    static constexpr std::array<Asked, 4> asked{{
        {ColRed, "Hány piros autó parkol itt?", "piros"}, {ColBlue, "Hány kék autót látsz?", "kék"},
        {ColYellow, "Hány sárga autót látsz?", "sárga"}, {ColGreen, "Hány zöld autót látsz?", "zöld"},
    }};
    const Asked &a = asked[static_cast<size_t>(index % 4)];
    bool big = level == ProgressLevelBig;
    int n = big ? randomBetween(random, 4, 10) : randomBetween(random, 1, 5);
    int others = big ? randomBetween(random, 4, std::min(10, 20 - n)) : randomBetween(random, 2, std::min(5, 10 - n));
    std::vector<Pic> otherCars;
    for (const Asked &o : asked)
        if (o.colour != a.colour) otherCars.push_back(car(o.colour));
    auto c = numberAnswers(nearMisses(random, n, 1, 1));
    return hinted(round(a.prompt, scatter(random, std::vector<Pic>(static_cast<size_t>(n), car(a.colour)), otherCars, others), c,
                        car(a.colour)),
                  keptText("Csak a %s autókat számold! Az első kettőt megszámoztam.", a.name),
                  keptText("Most mindegyik %s autón ott a száma. Számold végig!", a.name));
}

//----------------------------------------------------------------------------------------------------------
// Szelektív gyűjtés: blue for paper, yellow for plastic and metal, green for glass
//----------------------------------------------------------------------------------------------------------

// The first hint asks what the thing is made of; the second tells where that goes, as the right bin lights up.
Round binRound(const char *prompt, Pic rubbish, bool withMixed, const char *hint, const char *secondHint)
{
    Round r = round(prompt, {rubbish},
                    {choice(bin(BinPaper), "kék"), choice(bin(BinPlastic), "sárga"), choice(bin(BinGlass), "zöld")});
    if (withMixed) r.choices[3] = choice(bin(BinMixed), "szürke");
    return hinted(r, hint, secondHint);
}

Task binsTask()
{
    struct Asked {
        const char *prompt;
        Pic rubbish;
        const char *hint, *secondHint;
    };
    const std::array<Asked, 7> asked{{
        {"Melyik gyűjtőbe való az újság?", pic(PicPaper), "Miből készül az újság?",
         "Az újság papír. A papír a kék gyűjtőbe kerül."},
        {"Hova dobod a műanyag palackot?", pic(PicBottle), "Miből van ez a palack?", "A műanyag a sárga gyűjtőbe kerül."},
        {"Hova kerül az üres befőttesüveg?", pic(PicJar), "Miből van a befőttesüveg?", "Az üveg a zöld gyűjtőbe kerül."},
        {"Hova való a régi füzet?", pic(PicBook, 1), "Miből van a füzet lapja?", "A füzet papírból van, a kék gyűjtőbe való."},
        {"Hova teszed a kartondobozt?", pic(PicBox), "Miből van a doboz?", "A kartondoboz papírból van, a kék gyűjtőbe való."},
        {"Hova dobod az üres üdítősdobozt?", pic(PicCan), "Miből van az üdítősdoboz?",
         "A fém a műanyaggal együtt a sárga gyűjtőbe kerül."},
        {"Hova kerül az üres üvegpalack?", pic(PicBottle, 1), "Miből van ez a barna palack?", "Az üveg a zöld gyűjtőbe kerül."},
    }};
    Levels levels;
    for (const Asked &a : asked) {
        levels.small.push_back(binRound(a.prompt, a.rubbish, false, a.hint, a.secondHint));
        levels.big.push_back(binRound(a.prompt, a.rubbish, true, a.hint, a.secondHint));
    }
    return task("Szelektív gyűjtés", bin(BinPlastic), "Kék: papír, sárga: műanyag, zöld: üveg.", ruleBin, levels,
                hinted(round("Miért gyűjtjük külön a szemetet?", {bin(BinPaper), bin(BinPlastic), bin(BinGlass)},
                             {right(words("hogy újra fel lehessen használni")), words("mert szép a sok kuka"),
                              words("hogy több legyen a szemét")}),
                       "Mi lesz a régi papírból?", "A külön gyűjtött régi papírból új papír lesz."),
                ruleMarked);
}

//----------------------------------------------------------------------------------------------------------
// Merre menjünk?: left, right and ahead
//----------------------------------------------------------------------------------------------------------

Task directionsTask()
{
    const char *leftHint = "Amerre a bal kezed van.", *leftTrick = "A bal kezed ujjai L betűt formálnak.";
    const char *rightHint = "Amerre a jobb kezed van.", *rightTrick = "Nem a bal kezed felé, hanem a másik felé.";
    const char *aheadHint = "Amerre az orrod néz.", *aheadTrick = "Ez a nyíl felfelé mutat.";
    auto place = [](int dir) { return static_cast<size_t>(dir == DirLeft ? 0 : dir == DirAhead ? 1 : 2); };
    auto pickArrow = [&](const char *prompt, int dir, const char *h1, const char *h2, std::vector<Pic> scene = {}) {
        Round r = round(prompt, scene, {choice(arrow(DirLeft)), choice(arrow(DirAhead)), choice(arrow(DirRight))});
        r.choices[place(dir)].value = 1;
        return hinted(r, h1, h2);
    };
    auto readArrow = [&](int dir, const char *h1, const char *h2) {
        Round r = round("Merre mutat a nyíl?", {arrow(dir)}, {words("balra"), words("előre"), words("jobbra")});
        r.choices[place(dir)].value = 1;
        if (dir != DirAhead) r.choices[place(dir == DirLeft ? DirRight : DirLeft)].closeMiss = true;
        return hinted(r, h1, h2);
    };
    const char *signal = "Vigyázz! Kanyar előtt mindig jelzünk.", *whereYouTurn = "Arra mutatsz, amerre fordulsz.";
    Round bikeRight = hinted(round("Biciklin jobbra fordulsz. Melyik kezeddel jelzel?", {arrow(DirRight)},
                                   {words("a bal kezemmel"), right(words("a jobb kezemmel")), warned(words("egyikkel sem"), signal)}),
                             whereYouTurn, "Jobbra: a jobb kezedet nyújtod ki.");
    Round bikeLeft = hinted(round("Biciklin balra fordulsz. Melyik kezeddel jelzel?", {arrow(DirLeft)},
                                  {right(words("a bal kezemmel")), words("a jobb kezemmel"), warned(words("egyikkel sem"), signal)}),
                            whereYouTurn, "Balra: a bal kezedet nyújtod ki.");
    Round turn = hinted(round("Megfordulsz. Ami jobbra volt, az most merre van?", {pic(PicAction, ActionLook)},
                              {right(words("balra")), words("jobbra"), words("előre")}),
                        "Állj fel, és fordulj meg!", "Megfordulva a jobb és a bal helyet cserél.");
    Round shopLeft = hinted(round("A bolt balra van, az iskola jobbra. Merre mész a boltba?", {shop(ShopBakery)},
                                  {right(words("balra")), closeMiss(words("jobbra")), words("előre")}),
                            "Hol van a bolt?", "A bolt a bal kezed felé van.");
    return task("Merre menjünk?", arrow(DirRight), "Nézd meg, merre néz a nyíl hegye!", ruleMarked,
                Levels{{pickArrow("Melyik nyíl mutat balra?", DirLeft, leftHint, leftTrick),
                        pickArrow("Melyik nyíl mutat jobbra?", DirRight, rightHint, rightTrick),
                        pickArrow("Melyik nyíl mutat előre?", DirAhead, aheadHint, aheadTrick),
                        pickArrow("A pékség balra van. Melyik nyíl mutat oda?", DirLeft, leftHint, leftTrick,
                                  {shop(ShopBakery)}),
                        pickArrow("A játszótér jobbra van. Melyik nyíl mutat oda?", DirRight, rightHint, rightTrick,
                                  {pic(PicBall, ColRed)}),
                        pickArrow("A buszmegálló egyenesen előttünk van. Melyik nyíl mutat oda?", DirAhead, aheadHint,
                                  aheadTrick, {sign(SignBusStop)})},
                       {readArrow(DirLeft, leftHint, leftTrick), readArrow(DirRight, rightHint, rightTrick),
                        readArrow(DirAhead, aheadHint, aheadTrick), bikeRight, bikeLeft, turn, shopLeft}},
                hinted(round("Mit jelent: tarts jobbra?", {},
                             {right(words("maradj a jobb oldalon")), words("fordulj vissza"), words("állj meg")}),
                       "A jobb oldal a jobb kezed felé van.", "Maradj az út jobb oldalán."));
}

//----------------------------------------------------------------------------------------------------------
// Biztonságban: the helmet, the belt, the child's seat, being seen, the ball on the road, and strangers
//----------------------------------------------------------------------------------------------------------

Task safetyTask()
{
    const char *street = "Vigyázz! Az úttest felől autók jönnek.";
    Round helmet = hinted(round("Mit veszel fel, ha biciklizel?", {pic(PicBike)},
                                {choice(pic(PicBall, ColRed), "labda"), right(choice(pic(PicHelmet), "kerékpáros sisak")),
                                 choice(pic(PicBook), "könyv")}),
                          "Mi védi a fejedet, ha elesel?", "A kerékpáros sisak kemény.");
    Round belt = hinted(round("Mit csatolsz be az autóban?", {car(ColBlue)},
                              {right(choice(pic(PicBelt), "biztonsági öv")), choice(pic(PicKifli), "kifli"),
                               choice(pic(PicBalloon, ColGreen), "lufi")}),
                        "Mi tart meg, ha fékez az autó?", "A biztonsági övet mindig becsatoljuk.");
    Round seat = hinted(round("Hol utazol az autóban?", {car(ColBlue)},
                              {right(choice(pic(PicBelt, 1), "gyerekülésben")),
                               warned(words("a sofőr ölében"), "Vigyázz! Gyerekülésben utazunk."),
                               warned(words("öv nélkül, állva"), "Vigyázz! Az autóban bekötve ülünk.")}),
                        "Hol van a gyerekek helye?", "Hátul, gyerekülésben, bekötve.");
    Round vest = hinted(round("Mit veszel fel, ha sötétben mész az úton?", {pic(PicDayPart, PartNight)},
                              {right(choice(pic(PicVest), "láthatósági mellény")), choice(pic(PicBall, ColBlue), "labda"),
                               choice(pic(PicTeddy), "mackó")}),
                        "Mi világít, ha fény esik rá?", "A mellény csíkjai messziről látszanak.");
    Round ball = hinted(round("Kigurult a labdád az úttestre. Mit teszel?", {pic(PicBall, ColRed)},
                              {right(words("szólok egy felnőttnek")),
                               warned(words("utánaszaladok"), "Vigyázz! Labda után nem szaladunk ki."),
                               words("elmegyek játszani")}),
                        "Az úttesten autók járnak. Ki segít?", "Egy felnőtt hozza vissza a labdát.");
    Round stranger = hinted(round("Egy idegen hív, hogy menj vele. Mit teszel?", {},
                                  {right(words("nem megyek vele")),
                                   warned(words("elmegyek vele"), "Vigyázz! Idegennel sosem megyünk el."),
                                   warned(words("elfogadom a cukrot"), "Vigyázz! Idegentől nem fogadunk el.")}),
                            "Az idegent nem ismered.", "Csak azzal megyünk, akit a szüleink küldtek.");
    Round why = hinted(round("Miért kell kerékpáros sisak?", {pic(PicHelmet)},
                             {words("mert szép"), right(words("védi a fejemet")), words("mert meleg")}),
                       "Mi történik, ha elesel?", "A sisak felfogja az ütést.");
    Round getOut = hinted(round("Melyik oldalon szállsz ki az autóból?", {car(ColRed)},
                                {right(words("a járda felőli oldalon")), warned(words("az úttest felőli oldalon"), street),
                                 warned(words("mindegy, melyiken"), street)}),
                          "Hol vannak a gyalogosok?", "A járda felőli ajtón szállunk ki.");
    return task("Biztonságban", pic(PicHelmet), "Mi véd meg a bajtól?", ruleMarked,
                Levels{{helmet, belt, seat, vest, ball, stranger}, {helmet, belt, seat, vest, ball, stranger, why, getOut}},
                hinted(round("Kinek a kezét fogod, amikor átkelsz az úton?", {pic(PicZebra)},
                             {right(words("egy felnőttét")), closeMiss(words("a barátomét")),
                              warned(words("senkiét"), "Vigyázz! A kicsik felnőttel kelnek át.")}),
                       "Ki vigyáz rád az utcán?", "Egy felnőtt kezét fogjuk."));
}

//----------------------------------------------------------------------------------------------------------
// Hányadik?: a row of vehicles waiting at a red light, counted from the light, where the row's front is
//----------------------------------------------------------------------------------------------------------

Choice placeAnswer(int place)
{
    static constexpr std::array<const char *, 7> words{"első", "második", "harmadik", "negyedik", "ötödik", "hatodik", "hetedik"};
    return choice(pic(PicPlace, place), words[static_cast<size_t>(std::clamp(place, 1, 7) - 1)], place);
}

// The row is given from its front, the vehicle at the light, backwards; the answers are the places around
// the right one.
Round rowRound(const char *name, std::initializer_list<Pic> fromFront, int asked, int firstOffered, int offered)
{
    std::vector<Pic> scene(fromFront.begin(), fromFront.end());
    std::reverse(scene.begin(), scene.end());
    scene.push_back(light(LightRed));
    Pic target = *(fromFront.begin() + (asked - 1));
    Round r = round(keptText("Hányadik a sorban %s?", name), scene, {}, target);
    for (int i = 0; i < offered; ++i) r.choices[static_cast<size_t>(i)] = placeAnswer(firstOffered + i);
    return hinted(r, "Az első áll legelöl, a lámpánál. Onnan számolj!", "Számolj a lámpától: első, második, harmadik...");
}

Task rowTask()
{
    const Pic R = car(ColRed), B = car(ColBlue), Y = car(ColYellow), G = car(ColGreen), bus5 = bus(5);
    const Pic fire = pic(PicFireTruck), ambulance = pic(PicAmbulance), police = pic(PicPolice), rubbish = pic(PicGarbageTruck);
    return task("Hányadik?", pic(PicPodium), "A lámpától számolj!", ruleOrdinal,
                Levels{{rowRound("a piros autó", {R, B, Y}, 1, 1, 3), rowRound("a kék autó", {Y, B, R}, 2, 1, 3),
                        rowRound("a zöld autó", {R, Y, G}, 3, 1, 3), rowRound("a tűzoltóautó", {fire, B, Y}, 1, 1, 3),
                        rowRound("a mentőautó", {R, ambulance, G, Y}, 2, 1, 3), rowRound("a busz", {R, B, bus5, Y}, 3, 2, 3),
                        rowRound("a sárga autó", {B, R, G, Y}, 4, 2, 3), rowRound("a rendőrautó", {G, police, R}, 2, 1, 3)},
                       {rowRound("a zöld autó", {R, B, Y, G, ambulance}, 4, 2, 4),
                        rowRound("a busz", {Y, R, G, B, bus5, police}, 5, 3, 4),
                        rowRound("a mentőautó", {B, G, R, Y, fire, ambulance}, 6, 3, 4),
                        rowRound("a rendőrautó", {G, Y, police, R, B}, 3, 1, 4),
                        rowRound("a kukásautó", {R, B, G, Y, rubbish, bus5}, 5, 2, 4),
                        rowRound("a tűzoltóautó", {Y, fire, B, R, G, police}, 2, 1, 4),
                        rowRound("a sárga autó", {B, R, G, Y, police, fire}, 4, 3, 4),
                        rowRound("a piros autó", {G, B, Y, police, rubbish, R}, 6, 3, 4)}},
                hinted(round("A sorban állók közül ki jut be elsőnek?", {},
                             {words("aki a sor végén áll"), right(words("aki a sor elején áll")), words("aki a legmagasabb")}),
                       "Az jut be elsőnek, aki legelöl áll.", "A sor eleje az ajtónál van."),
                ruleMarked);
}

//----------------------------------------------------------------------------------------------------------
// A hét napjai: the day after, before, the day after tomorrow
//----------------------------------------------------------------------------------------------------------

const char *dayName(int day)
{
    static constexpr std::array<const char *, 7> names{"hétfő", "kedd", "szerda", "csütörtök", "péntek", "szombat", "vasárnap"};
    return names[static_cast<size_t>((day % 7 + 7) % 7)];
}

// A day's name at the start of a sentence.
const char *dayNameFirst(int day)
{
    static constexpr std::array<const char *, 7> names{"Hétfő", "Kedd", "Szerda", "Csütörtök", "Péntek", "Szombat", "Vasárnap"};
    return names[static_cast<size_t>((day % 7 + 7) % 7)];
}

Choice dayAnswer(int day) { return answer(dayName(day), (day % 7 + 7) % 7); }

// A question about the day `step` days after `day` (before it when negative), on a strip of days with a
// question mark where the answer goes; the hints say the days in order up to the question.
Round dayRound(const char *prompt, int day, int step, std::initializer_list<int> offered)
{
    std::vector<Pic> strip;
    if (step > 0) strip = {pic(PicDay, (day + 6) % 7), pic(PicDay, day), pic(PicQuestion)};
    else strip = {pic(PicQuestion), pic(PicDay, day), pic(PicDay, (day + 1) % 7)};
    Round r = round(prompt, strip, {}, Pic{}, day, step);
    int i = 0;
    for (int d : offered) r.choices[static_cast<size_t>(i++)] = dayAnswer(d);
    switch (step) {
    case 1:
        return hinted(r, "Mondd el sorban a hét napjait, hétfőtől!",
                      keptText("%s, %s, és utána jön...?", dayNameFirst(day - 1), dayName(day)));
    case 2:
        return hinted(r, "Holnapután: két nappal később. Lépj kettőt előre!",
                      keptText("Ma %s, holnap %s, és holnapután...?", dayName(day), dayName(day + 1)));
    case -1:
        return hinted(r, "Mondd el a napokat visszafelé!", keptText("Visszafelé: %s, %s, és előtte...?", dayName(day + 1), dayName(day)));
    default:
        return hinted(r, "Tegnapelőtt: két nappal korábban. Lépj kettőt vissza!",
                      keptText("Ma %s, tegnap %s, és tegnapelőtt...?", dayName(day), dayName(day - 1)));
    }
}

Task daysTask()
{
    return task("A hét napjai", pic(PicDay, 0), "Mondd el a napokat sorban!", ruleDayAfter,
                Levels{{dayRound("Melyik nap jön hétfő után?", 0, 1, {6, 1, 2}),
                        dayRound("Melyik nap jön kedd után?", 1, 1, {2, 0, 3}),
                        dayRound("Melyik nap jön szerda után?", 2, 1, {4, 3, 1}),
                        dayRound("Melyik nap jön csütörtök után?", 3, 1, {2, 5, 4}),
                        dayRound("Melyik nap jön péntek után?", 4, 1, {5, 3, 6}),
                        dayRound("Melyik nap jön szombat után?", 5, 1, {0, 6, 4}),
                        dayRound("Melyik nap jön vasárnap után?", 6, 1, {0, 5, 1})},
                       {dayRound("Melyik nap van péntek előtt?", 4, -1, {3, 5, 2, 6}),
                        dayRound("Ma kedd van. Milyen nap lesz holnapután?", 1, 2, {3, 2, 4, 0}),
                        dayRound("Ma szerda van. Milyen nap volt tegnap?", 2, -1, {1, 3, 0, 4}),
                        dayRound("Melyik nap van hétfő és szerda között?", 0, 1, {1, 3, 6, 4}),
                        dayRound("Ma csütörtök van. Milyen nap volt tegnapelőtt?", 3, -2, {1, 2, 5, 0}),
                        dayRound("Melyik nap van vasárnap előtt?", 6, -1, {5, 0, 4, 3}),
                        dayRound("Ma péntek van. Milyen nap lesz holnapután?", 4, 2, {6, 5, 0, 3})}},
                hinted(round("Hány napból áll egy hét?", {}, {numeral(5), right(numeral(7)), numeral(10)}),
                       "Hétfő, kedd, szerda... számold végig az ujjadon!", "Öt nap óvoda vagy iskola, és két nap hétvége."),
                ruleMarked);
}

//----------------------------------------------------------------------------------------------------------
// Magas házak: the tallest and the lowest, by three houses for the small and four close ones for the big
//----------------------------------------------------------------------------------------------------------

Round heightRound(bool lowest, std::initializer_list<Pic> buildings)
{
    Round r = round(lowest ? "Melyik a legalacsonyabb ház?" : "Melyik a legmagasabb ház?", {}, {}, Pic{}, lowest ? 1 : 0);
    int i = 0;
    for (Pic b : buildings) r.choices[static_cast<size_t>(i++)] = choice(b);
    if (lowest)
        return hinted(r, "Nézd meg a házak tetejét: melyik marad a legalacsonyabban?",
                      "Számold meg az emeleteket: a legkevesebb emeletes a legalacsonyabb.");
    return hinted(r, "Nézd meg a házak tetejét: melyik ér a legmagasabbra?",
                  "Számold meg az emeleteket: a legtöbb emeletes a legmagasabb.");
}

Task heightsTask()
{
    return task("Magas házak", tower(0), "Nézd meg a házak tetejét!", ruleBiggest,
                Levels{{heightRound(false, {house(3), house(9), house(6)}), heightRound(true, {house(6), house(12), house(3)}),
                        heightRound(false, {tower(2), tower(6), tower(4)}), heightRound(true, {tower(8), tower(3), tower(5)}),
                        heightRound(false, {tower(3), tower(9), tower(6)}), heightRound(true, {tower(7), tower(4), tower(2)}),
                        heightRound(false, {house(12), house(6), house(3)}), heightRound(false, {tower(5), tower(8), tower(2)})},
                       {heightRound(false, {tower(5), tower(6), tower(8), tower(7)}),
                        heightRound(true, {tower(4), tower(5), tower(3), tower(6)}),
                        heightRound(false, {tower(9), tower(7), tower(8), tower(6)}),
                        heightRound(true, {tower(3), tower(2), tower(4), tower(5)}),
                        heightRound(false, {tower(4), tower(6), tower(5), tower(3)}),
                        heightRound(true, {tower(7), tower(8), tower(6), tower(9)}),
                        heightRound(false, {tower(2), tower(3), tower(5), tower(4)})}},
                hinted(round("Mivel jutsz fel gyorsan a legfelső emeletre?", {tower(9)},
                             {words("biciklivel"), right(words("lifttel")), words("rollerrel")}),
                       "Egy kis szoba, ami fel-le jár a házban.", "A lift gombnyomásra visz fel az emeletre."),
                ruleMarked);
}

//----------------------------------------------------------------------------------------------------------
// Színes lufik: colours by name, and for the big the colours paints make
//----------------------------------------------------------------------------------------------------------

struct ColourFacts {
    const char *word, *likeFirst, *likeSecond;
};

const ColourFacts &colourFacts(int colour)
{
    static const std::array<ColourFacts, ColourCount> facts{{
        {"piros", "A piros olyan, mint az eper.", "Olyan színű, mint a STOP tábla."},
        {"sárga", "A sárga olyan, mint a citrom.", "Olyan színű, mint a Nap."},
        {"zöld", "A zöld olyan, mint a fű.", "Olyan színű, mint a fák levelei nyáron."},
        {"kék", "A kék olyan, mint az ég.", "Olyan színű, mint a tenger."},
        {"narancssárga", "A narancssárga olyan, mint a narancs.", "A piros és a sárga keverékéből lesz."},
        {"lila", "A lila olyan, mint a szilva.", "A piros és a kék keverékéből lesz."},
        {"rózsaszín", "A rózsaszín olyan, mint a malac.", "A piros és a fehér keverékéből lesz."},
        {"barna", "A barna olyan, mint a csoki.", "Olyan színű, mint a fa törzse."},
        {"fehér", "A fehér olyan, mint a hó.", "Olyan színű, mint a tej."},
    }};
    return facts[static_cast<size_t>(std::clamp(colour, 0, ColourCount - 1))];
}

Round balloonRound(int colour, std::initializer_list<int> others)
{
    Round r = round(keptText("Melyik a %s lufi?", colourFacts(colour).word), {}, {choice(pic(PicBalloon, colour))}, Pic{}, colour);
    int i = 1;
    for (int o : others) r.choices[static_cast<size_t>(i++)] = choice(pic(PicBalloon, o));
    return hinted(r, colourFacts(colour).likeFirst, colourFacts(colour).likeSecond);
}

Choice swatch(int colour) { return choice(pic(PicSwatch, colour), colourFacts(colour).word, colour); }

Round mixRound(const char *prompt, int first, int second, int made, std::initializer_list<int> others)
{
    Round r = round(prompt, {pic(PicSwatch, first), pic(PicPlus), pic(PicSwatch, second)}, {swatch(made)}, Pic{}, made);
    int i = 1;
    for (int o : others) r.choices[static_cast<size_t>(i++)] = swatch(o);
    return hinted(r, "Gondolj arra, mi lesz, ha két festék összefolyik!", colourFacts(made).likeFirst);
}

Task balloonsTask()
{
    const int R = ColRed, Y = ColYellow, G = ColGreen, B = ColBlue, O = ColOrange, L = ColPurple, P = ColPink, N = ColBrown,
              W = ColWhite;
    return task("Színes lufik", pic(PicBalloon, ColGreen), "Nézd meg jól a színeket!", ruleColour,
                Levels{{balloonRound(G, {R, B}), balloonRound(R, {Y, B}), balloonRound(B, {G, Y}), balloonRound(Y, {B, R}),
                        balloonRound(L, {P, B}), balloonRound(O, {Y, R}), balloonRound(P, {R, L}), balloonRound(N, {O, R})},
                       {balloonRound(L, {P, B, R}), balloonRound(O, {Y, R, N}), balloonRound(P, {R, L, Y}),
                        balloonRound(N, {O, R, L}), balloonRound(G, {B, Y, N}),
                        mixRound("Milyen színt kapsz, ha a pirosat és a sárgát összekevered?", R, Y, O, {L, G, N}),
                        mixRound("Milyen színt kapsz, ha a pirosat és a kéket összekevered?", R, B, L, {O, G, P}),
                        mixRound("Milyen színt kapsz, ha a pirosat és a fehéret összekevered?", R, W, P, {O, L, Y})}},
                hinted(round("Milyen színt kapsz, ha a sárgát és a kéket összekevered?",
                             {pic(PicSwatch, ColYellow), pic(PicPlus), pic(PicSwatch, ColBlue)}, {swatch(R), swatch(G), swatch(L)},
                             Pic{}, ColGreen),
                       "Olyan színt, mint a fű.", "Olyat, mint a fák levelei nyáron."),
                ruleColour);
}

//----------------------------------------------------------------------------------------------------------
// The table
//----------------------------------------------------------------------------------------------------------

const auto townTasks = taskTable(
    lightTask(), walkLightTask(), crossingTask(), signsTask(), meaningTask(),

    madeTask("Pénzérmék", coin(20), "Add össze az érmék értékét!", ruleCoinSum, coinRound,
             hinted(round("Melyik érme ér a legtöbbet?", {}, {choice(coin(20)), choice(coin(50)), choice(coin(10))}),
                    "Nézd meg a számokat az érméken: melyik a legnagyobb?", "Az 50 több, mint a 20 és a 10."),
             ruleBiggest),

    madeTask("Vásárlás", pic(PicIceCream), "Nézd meg, mennyi pénzed van!", ruleAffordable, shoppingRound,
             hinted(round("A labda 40 Ft. 30 Ft-od van. Elég a pénzed?", {coin(20), coin(10), pic(PicBall, ColRed)},
                          {answer("Elég, és marad is.", 0), answer("Pont elég.", 1), answer("Nem elég.", 2)}, Pic{}, 30, 40),
                    "Hasonlítsd össze az árat a pénzeddel!", "Több a 40, mint a 30?"),
             ruleAffordable),

    madeTask("Visszajáró", pic(PicPurse), "Számolj az ártól felfelé!", ruleChange, changeRound,
             hinted(round("Ha pontosan annyit fizetsz, amennyi az ár, mennyit kapsz vissza?", {},
                          {right(words("0 Ft")), closeMiss(words("5 Ft")), words("10 Ft")}),
                    "Ha nem fizetsz többet, nem jár vissza semmi.", "Az ár és a pénzed ugyanannyi: nem marad semmi."),
             ruleMarked),

    madeTask("Hány óra van?", clock(3, 0), "A kis mutató az órát mutatja.", ruleSceneParam, hourRound,
             hinted(round("Melyik mutató mutatja az órát?", {clock(3, 0)},
                          {right(words("a kis mutató")), words("a nagy mutató"), words("mindkettő")}),
                    "A nagy mutató a perceket mutatja.", "A rövid mutató lassan jár, ő mutatja az órát."),
             ruleMarked),

    madeTask("Fél és negyed", pic(PicWatch), "Nézd meg a nagy mutatót!", ruleSceneParam,
             partRound,
             hinted(round("Hány perc van egy órában?", {}, {numeral(30), right(numeral(60)), numeral(100)}),
                    "A fél óra 30 perc. Kétszer ennyi az egész óra.", "30 meg 30, az egész óra."),
             ruleMarked),

    madeTask("Keresd az órát!", pic(PicMagnifier), "Nézd meg a kis mutatót!", rulePickTarget, findClockRound,
             hinted(round("Hány óra van délben?", {dayPart(PartNoon)},
                          {words("6 óra"), words("9 óra"), right(words("12 óra"))}),
                    "Délben mindkét mutató felfelé mutat.", "Délben ebédelünk: mindkét mutató a 12-n áll."),
             ruleMarked),

    dayPartsTask(), vehiclesTask(), helpTask(), busTask(), shopsTask(),

    madeTask("Ablakok", house(6), "Számold meg az ablakokat soronként!", ruleSceneParam, windowRound,
             hinted(round("Egy sorban 3 ablak van. Hány ablak van 2 sorban?", {house(6)},
                          {numeral(5), right(numeral(6)), numeral(8)}),
                    "Számolj 3-at, aztán még 3-at!", "3 meg 3: számold az ujjadon!"),
             ruleMarked),

    madeTask("Színes autók", car(ColRed), "Csak egy színt számolj!", ruleCount, carCountRound,
             hinted(round("Melyik autó kék?", {}, {choice(car(ColRed)), choice(car(ColGreen)), choice(car(ColBlue))}, Pic{},
                          ColBlue),
                    "Kék, mint az ég.", "Olyan színű, mint a tenger."),
             ruleColour),

    binsTask(), directionsTask(), safetyTask(), rowTask(), daysTask(), heightsTask(), balloonsTask());

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
