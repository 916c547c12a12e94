// town.cpp -- "városi kalandok": the twenty-five town tasks, each with its questions for the small and the big
#include "town.h"

#include <algorithm>
#include <array>
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
// A közlekedési lámpa: red and yellow mean waiting on the pavement, green crossing after a look both ways
//----------------------------------------------------------------------------------------------------------

Task lightTask()
{
    const char *stopAtRed = "Vigyázz! Pirosnál akkor is várunk, ha nem jön autó.";
    const char *runAtRed = "Vigyázz! Pirosnál megállunk, nem szaladunk.";
    const char *notAtYellow = "Vigyázz! Sárgánál már nem indulunk el.";
    const char *noRunning = "Vigyázz! Az úton nem szaladunk.";
    const char *letItStop = "Vigyázz! Megvárjuk, hogy az autó megálljon.";
    Round red = hinted(round("Mit teszel, ha ilyen a lámpa?", {light(LightRed)},
                             {right(waitAnswer()), warned(crossAnswer(), stopAtRed), warned(runAnswer(), runAtRed)}),
                       "Mit mond a piros lámpa?", "Piros: állj! Ilyenkor a járdán várunk.");
    Round green = hinted(round("És ha ilyen a lámpa, mit teszel?", {light(LightGreen)},
                               {right(crossAnswer()), warned(runAnswer(), noRunning), closeMiss(waitAnswer())}),
                         "Zöldnél mehetünk. De mit csinálunk előtte?", "Zöldnél is körülnézünk, és csak utána megyünk.");
    Round yellow = hinted(round("Sárga lett a lámpa. Mit teszel?", {light(LightYellow)},
                                {right(waitAnswer()), warned(runAnswer(), notAtYellow), warned(crossAnswer(), notAtYellow)}),
                          "A sárga azt mondja: figyelj, mindjárt piros lesz!", "Sárgánál nem lépünk le, a járdán várunk.");
    Round noCar = hinted(round("Piros a lámpa, de nem jön autó. Mit teszel?", {light(LightRed)},
                               {right(waitAnswer()), warned(crossAnswer(), stopAtRed), warned(runAnswer(), runAtRed)}),
                         "A lámpa színe számít, nem az, hogy jön-e autó.", "Pirosnál mindig várunk, akkor is, ha üres az út.");
    Round carComing = hinted(round("Zöld a lámpa, de egy autó nem állt meg. Mit teszel?", {light(LightGreen)},
                                   {right(waitAnswer()), warned(crossAnswer(), letItStop), warned(runAnswer(), letItStop)}),
                             "Mit tesz az autó? Megállt már?", "Ha jön az autó, a járdán várunk, amíg megáll.");
    Round whichGo = hinted(round("Melyik lámpánál mehetsz át, ha körülnéztél?", {},
                                 {warned(choice(light(LightRed), "piros"), "Vigyázz! Pirosnál megállunk."),
                                  warned(choice(light(LightYellow), "sárga"), notAtYellow),
                                  right(choice(light(LightGreen), "zöld"))}),
                           "Melyik szín mondja azt, hogy szabad az út?", "Piros: állj! Sárga: figyelj! Zöld: mehetsz.");
    Round colours = hinted(round("Hány színe van a közlekedési lámpának?", {light(3)},
                                 {numeral(2), right(numeral(3)), numeral(4)}),
                           "Számold meg a lámpa köreit!", "Piros, sárga, zöld: számold meg az ujjadon!");
    Round afterGreen = hinted(round("Melyik szín jön a zöld után?", {light(LightGreen)},
                                    {right(choice(light(LightYellow), "sárga")), closeMiss(choice(light(LightRed), "piros")),
                                     choice(light(3), "egyik sem")}),
                              "A zöld után még figyelmeztet a lámpa.", "Zöld, aztán sárga: figyelj! És csak aztán piros.");
    Round others = hinted(round("Piros a lámpa, a barátod mégis átmegy. Te mit teszel?", {light(LightRed)},
                                {right(waitAnswer("Megvárom a zöldet")),
                                 warned(runAnswer("Utánaszaladok"), "Vigyázz! Pirosnál akkor sem megyünk, ha más megy."),
                                 warned(crossAnswer("Én is átmegyek"), "Vigyázz! Pirosnál akkor sem megyünk, ha más megy.")}),
                          "Mit mond a lámpa, nem a barátod?", "Pirosnál mindig várunk, akármit csinál a többi ember.");
    Round siren = hinted(round("Zöld a lámpa, és szirénázó mentőautó jön. Mit teszel?", {light(LightGreen)},
                               {right(waitAnswer("Elengedem")),
                                warned(crossAnswer("Átmegyek, mert zöld"), "Vigyázz! A szirénázó autót mindig elengedjük."),
                                warned(runAnswer("Előtte átszaladok"), "Vigyázz! A szirénázó autót mindig elengedjük.")}),
                         "A mentőautó siet valakihez, aki beteg.", "A szirénázó autót mindig elengedjük, zöldnél is.");
    return task("A közlekedési lámpa", light(LightRed), "Piros: állj! Sárga: figyelj! Zöld: körülnézek, és mehetek.",
                ruleMarked, Levels{{red, green, yellow, whichGo, colours, noCar, carComing},
                                   {red, green, yellow, noCar, carComing, afterGreen, others, siren}},
                hinted(round("Melyik szín azt jelenti: állj?", {},
                             {choice(light(LightGreen), "zöld"), right(choice(light(LightRed), "piros")),
                              closeMiss(choice(light(LightYellow), "sárga"))}),
                       "Ennél a színnél mindenki megáll.", "Piros: állj! Sárga: figyelj! Zöld: mehetsz."));
}

//----------------------------------------------------------------------------------------------------------
// A gyalogos lámpa: the walker's own light, flashing green too
//----------------------------------------------------------------------------------------------------------

Task walkLightTask()
{
    const char *waitAtRed = "Vigyázz! Piros emberkénél a járdán várunk.";
    const char *noRunning = "Vigyázz! Az úton nem szaladunk.";
    Round red = hinted(round("Mit teszel, ha ilyen a lámpa?", {walkLight(0)},
                             {right(waitAnswer()), warned(crossAnswer(), waitAtRed), warned(runAnswer(), waitAtRed)}),
                       "Milyen színű most az emberke?", "Piros emberke: állj meg, és várj a járdán!");
    Round green = hinted(round("Zöld az emberke. Mit teszel?", {walkLight(1)},
                               {right(crossAnswer()), warned(runAnswer(), noRunning), closeMiss(waitAnswer())}),
                         "Zöld emberkénél mehetsz. De mit csinálsz előtte?", "Előbb körülnézünk, aztán nyugodtan átmegyünk.");
    Round hurry = hinted(round("Siet a barátod. Te mit teszel?", {walkLight(0)},
                               {right(waitAnswer()), warned(runAnswer(), "Vigyázz! Sietve sem megyünk át pirosnál."),
                                warned(crossAnswer(), waitAtRed)}),
                         "Nézd meg az emberkét a lámpán!", "Piros az emberke: akkor is várunk, ha sietünk.");
    Round which = hinted(round("Melyik lámpánál mehetsz át?", {},
                               {warned(choice(walkLight(0), "piros emberke"), waitAtRed),
                                right(choice(walkLight(1), "zöld emberke"))}),
                         "Melyik emberke lépked?", "Zöld emberke: mehetsz. Piros emberke: várj!");
    Round look = hinted(round("Mit teszel, mielőtt lelépsz a járdáról?", {walkLight(1)},
                              {right(choice(pic(PicAction, ActionLook), "Körülnézek")),
                               warned(runAnswer(), "Vigyázz! Előbb mindig körülnézünk."),
                               warned(choice(pic(PicSun), "Az eget nézem"), "Vigyázz! Az utat nézzük, nem az eget.")}),
                        "Mit kell megnézni, mielőtt az útra lépsz?", "Balra, jobbra, majd újra balra nézünk.");
    Round carComing = hinted(round("Zöld az emberke, de egy autó még jön. Mit teszel?", {walkLight(1)},
                                   {right(waitAnswer()), warned(crossAnswer(), "Vigyázz! Megvárjuk, hogy az autó megálljon."),
                                    warned(runAnswer(), "Vigyázz! Az autó elé sosem szaladunk.")}),
                             "Mit tesz az autó? Megállt már?", "Ha jön az autó, a járdán várunk, amíg megáll.");
    Round where = hinted(round("Hol várod meg a zöld emberkét?", {walkLight(0)},
                               {right(choice(pic(PicAction, ActionWait), "a járdán")),
                                warned(choice(pic(PicRoad), "az úttesten"), "Vigyázz! Az úttesten autók járnak."),
                                warned(choice(pic(PicZebra), "a zebra közepén"), "Vigyázz! Az úton nem állunk meg.")}),
                         "Hol vagy biztonságban az autóktól?", "A járdán várunk, nem lépünk le az útra.");
    Round flashing = hinted(round("Villog a zöld emberke, és még a járdán vagy. Mit teszel?", {walkLight(2)},
                                  {right(waitAnswer()), warned(crossAnswer(), "Vigyázz! Villogó zöldnél már nem indulunk el."),
                                   warned(runAnswer(), noRunning)}),
                            "A villogó zöld azt mondja: mindjárt piros lesz.",
                            "Aki még a járdán áll, az megvárja a következő zöldet.");
    Round halfway = hinted(round("Villog a zöld emberke, és már a zebra közepén vagy. Mit teszel?", {walkLight(2)},
                                 {right(words("nyugodtan átmegyek a túloldalra")),
                                  warned(words("megállok az út közepén"), "Vigyázz! Az úton nem állunk meg."),
                                  warned(words("visszaszaladok"), noRunning)}),
                           "Ha már az úton vagy, hol leszel a leghamarabb biztonságban?",
                           "Aki már elindult, az nyugodtan átmegy a túloldalra.");
    return task("A gyalogos lámpa", walkLight(1), "Zöld emberke: körülnézek, és mehetek. Piros emberke: várok.", ruleMarked,
                Levels{{red, green, hurry, which, look, carComing, where},
                       {red, green, hurry, look, carComing, where, flashing, halfway}},
                hinted(round("Hány emberke van a gyalogos lámpán?", {},
                             {numeral(1), right(numeral(2)), numeral(3)}),
                       "Az egyik felül áll, a másik alul lépked.", "Egy piros emberke és egy zöld emberke: számold meg!"));
}

//----------------------------------------------------------------------------------------------------------
// Hol kelj át?: the zebra crossing, looking left, right and left again, and never between parked cars
//----------------------------------------------------------------------------------------------------------

Task crossingTask()
{
    const char *lookAtTheRoad = "Vigyázz! Átkeléskor az utat figyeljük.";
    Round where = hinted(round("Hol kelsz át az úton?", {},
                               {right(choice(pic(PicZebra), "a zebrán")),
                                warned(choice(pic(PicRoad), "az autók között"), "Vigyázz! Az autók között nem kelünk át."),
                                warned(choice(bus(5), "a busz előtt"), "Vigyázz! A busz takar, az autósok nem látnak.")}),
                         "Hol van fehér csíkos átkelő?", "A zebrán kelünk át, miután körülnéztünk.");
    Round which = hinted(round("Melyik a zebra?", {},
                               {choice(sign(SignBikePath), "bicikliút"), choice(pic(PicRoad), "úttest"),
                                right(choice(pic(PicZebra), "zebra"))}),
                         "A zebrát egy csíkos állatról nevezték el.", "Keresd a fehér csíkokat az úton!");
    Round how = hinted(round("Hogyan mész át a zebrán?", {pic(PicZebra)},
                             {right(crossAnswer("körülnézve")), warned(runAnswer("szaladva"), "Vigyázz! Nézz körül, és ne szaladj!"),
                              warned(choice(pic(PicPhone), "telefonozva"), lookAtTheRoad)}),
                       "Mit csinálsz a szemeddel, mielőtt lelépsz?", "Körülnézünk, és nyugodtan, lépésben megyünk át.");
    Round howInWords = hinted(round("Hogyan mész át a zebrán?", {pic(PicZebra)},
                                    {right(words("nyugodtan, körülnézve")),
                                     warned(words("szaladva, oda sem nézve"), "Vigyázz! Nézz körül, és ne szaladj!"),
                                     warned(words("a telefonomat nézve"), lookAtTheRoad)}),
                              "Mit csinálsz a szemeddel, mielőtt lelépsz?", "Körülnézünk, és nyugodtan, lépésben megyünk át.");
    Round what = hinted(round("Mit nézel meg, mielőtt lelépsz a járdáról?", {},
                              {right(choice(car(ColBlue), "jön-e autó")),
                               warned(choice(pic(PicSun), "az eget"), "Vigyázz! Az utat nézzük, nem az eget."),
                               warned(choice(pic(PicPhone), "a telefonomat"), lookAtTheRoad)}),
                        "Mi jöhet az úton?", "Azt nézzük meg, jön-e autó.");
    Round first = hinted(round("Merre nézel először a járda szélén?", {},
                               {right(choice(arrow(DirLeft), "balra")), closeMiss(choice(arrow(DirRight), "jobbra")),
                                choice(arrow(DirAhead), "előre")}),
                         "Melyik oldalról jönnek hozzánk legközelebb az autók?", "Balra, jobbra, majd újra balra nézünk.");
    Round again = hinted(round("Balra és jobbra már néztél. Merre nézel még egyszer?", {},
                               {right(choice(arrow(DirLeft), "balra")), closeMiss(choice(arrow(DirRight), "jobbra")),
                                choice(arrow(DirAhead), "előre")}),
                         "Onnan jönnek a legközelebbi autók.", "Balra, jobbra, majd újra balra nézünk.");
    Round parked = hinted(round("Autók parkolnak az út szélén. Hol kelsz át?", {car(ColRed), car(ColYellow)},
                                {right(choice(pic(PicZebra), "a zebrán")),
                                 warned(choice(car(ColBlue), "az autók mögül"), "Vigyázz! Az autók mögül nem látnak minket."),
                                 warned(choice(bus(5), "a busz előtt"), "Vigyázz! A busz takar, az autósok nem látnak.")}),
                          "Lát-e téged az autós, ha egy autó mögül lépsz ki?", "A zebrán kelünk át, ahol mindenki lát.");
    Round mum = hinted(round("Az út túloldalán áll anya, és hív. Mit teszel?", {},
                             {right(words("körülnézek, és a zebrán megyek át")),
                              warned(words("átszaladok hozzá"), "Vigyázz! Hívásra sem szaladunk át."),
                              warned(words("ott megyek át, ahol állok"), "Vigyázz! Csak a zebrán kelünk át.")}),
                       "Anya megvár. Mi a legbiztonságosabb?", "Akkor is körülnézünk, és a zebrán megyünk át.");
    Round dark = hinted(round("Sötét van. Mi segít, hogy az autósok lássanak?", {pic(PicDayPart, PartNight)},
                              {right(words("a fényvisszaverő mellény")), words("a sötét kabát"), words("a napszemüveg")}),
                        "Mi világít, ha ráesik az autó lámpájának fénye?", "A fényvisszaverő csík messziről világít.");
    Round why = hinted(round("Miért nem lépünk ki a parkoló autók közül?", {car(ColRed), car(ColBlue)},
                             {right(words("mert az autósok nem látnak minket")), words("mert ott sár van"),
                              words("mert ott hideg van")}),
                       "Ki lát téged, ha egy autó mögött állsz?", "A parkoló autók eltakarnak, az autósok nem látnak.");
    return task("Hol kelj át?", pic(PicZebra), "A zebrán kelünk át, miután körülnéztünk.", ruleMarked,
                Levels{{where, which, how, what, first, again, parked},
                       {where, howInWords, what, first, again, parked, mum, dark, why}},
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
    const char *hint;    // where to look: its colour or shape
    const char *shows;   // what is drawn on it
    const char *meaning; // what it tells, for the big
};

const SignFacts &signFacts(int kind)
{
    static const std::array<SignFacts, SignKindCount> facts{{
        {"Melyik táblánál kell megállni, akkor is, ha nem jön senki?", "Keresd a piros táblák között!",
         "Nyolc sarka van, és fehér betűk vannak rajta.", "Itt mindig meg kell állni."},
        {"Melyik tábla mutatja, hol kelhetnek át a gyalogosok?", "Keresd a kék táblák között!",
         "Ezen a táblán egy ember megy át a zebrán.", "Itt átkelhetnek a gyalogosok."},
        {"Melyik tábla mondja, hogy ide nem hajthatnak be az autók?", "Keresd a piros, kerek táblák között!",
         "Piros kör, benne egy vízszintes fehér csík.", "Ide nem szabad behajtani."},
        {"Melyik tábla mondja az autósnak: engedd előre a többieket?", "Ennek a táblának három sarka van.",
         "Fejjel lefelé álló háromszög, piros szegéllyel.", "Engedd előre a többieket!"},
        {"Melyik tábla mutatja, hol biciklizhetsz?", "Keresd a kék, kerek táblák között!",
         "Ezen a táblán egy biciklis van.", "Itt biciklizhetsz."},
        {"Melyik tábla mondja az autósnak: vigyázz, gyerekek járnak erre?", "A figyelmeztető táblák háromszög alakúak.",
         "Ezen a táblán két gyerek szalad.", "Vigyázz, gyerekek járnak erre!"},
        {"Melyik tábla mutatja a gyalogosok útját?", "Keresd a kék, kerek táblák között!",
         "Ezen a táblán egy felnőtt és egy gyerek sétál.", "Itt a gyalogosok járnak."},
        {"Melyik tábla mutatja, hol áll meg a busz?", "Keresd azt, amelyiken egy jármű van!", "Ezen a táblán egy busz van.",
         "Itt áll meg a busz."},
        {"Melyik tábla mutatja, hol parkolhatnak az autók?", "Keresd a kék, négyszögletes táblák között!",
         "Ezen a táblán egy nagy P betű van.", "Itt parkolhatnak az autók."},
    }};
    return facts[static_cast<size_t>(std::clamp(kind, 0, SignKindCount - 1))];
}

Round pickSign(int kind, std::initializer_list<int> others)
{
    std::vector<Choice> c{choice(sign(kind))};
    for (int o : others) c.push_back(choice(sign(o)));
    Round r = round(signFacts(kind).prompt, {}, {}, sign(kind));
    for (size_t i = 0; i < c.size() && i < r.choices.size(); ++i) r.choices[i] = c[i];
    return hinted(r, signFacts(kind).hint, signFacts(kind).shows);
}

Task signsTask()
{
    return task("Közlekedési táblák", sign(SignStop), "Nézd meg a tábla alakját, színét és a rajzát!", rulePickTarget,
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
                       "Olyan színű, mint a lámpa, amikor meg kell állni.", "A STOP tábla piros, fehér betűkkel."),
                ruleColour);
}

//----------------------------------------------------------------------------------------------------------
// Mit jelent a tábla?: a sign shown, its meaning picked: in pictures for the small, in words for the big
//----------------------------------------------------------------------------------------------------------

// The meaning of a sign for the small: a picture of it with a few words. Its value is the sign's kind.
Choice signPicture(int kind)
{
    switch (kind) {
    case SignStop: return choice(pic(PicAction, ActionWait), "Állj meg!", SignStop);
    case SignCrossing: return choice(pic(PicZebra), "Itt átkelhetsz", SignCrossing);
    case SignBikePath: return choice(pic(PicBike), "Itt biciklizhetsz", SignBikePath);
    case SignBusStop: return choice(bus(5), "Itt áll meg a busz", SignBusStop);
    default: return choice(car(ColBlue), "Itt a parkoló", SignParking);
    }
}

// Where the sign's kind shows its family: a red ring forbids, a blue disc allows, a triangle warns.
const char *signFamily(int kind)
{
    switch (kind) {
    case SignNoEntry: return "A piros kör valamit megtilt.";
    case SignGiveWay: case SignChildren: return "A háromszög alakú tábla figyelmeztet.";
    case SignBikePath: case SignFootPath: return "A kék, kerek tábla megmondja, ki járhat ott.";
    case SignCrossing: case SignBusStop: case SignParking: return "A kék, négyszögletes tábla megmutat valamit.";
    default: return "Ez a tábla piros, és nyolc sarka van.";
    }
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
    return task("Mit jelent a tábla?", sign(SignGiveWay), "Nézd meg, mi van a táblára rajzolva!", ruleSceneParam,
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
                       "Autósok, biciklisek és gyalogosok is nézik őket.", "A táblák mindenkinek szólnak, aki az úton jár."),
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
        std::array<int, 3> offered = v == 20 ? std::array<int, 3>{10, 20, 50} : std::array<int, 3>{5, 10, 20};
        return hinted(round("Mennyit ér ez az érme?", {coin(v)}, forintAnswers(offered)),
                      "Nézd meg a számot az érme közepén!", "A szám megmondja, hány forintot ér az érme.");
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
    const char *second = count == 2
                             ? keptText("Az egyik érme %d Ft. Adj hozzá még %d-%s!", coins[0], coins[1], accusativeEnding(coins[1]))
                             : keptText("%d és %d együtt %d. Add hozzá a többit is!", coins[0], coins[1], coins[0] + coins[1]);
    return hinted(round("Mennyi pénz van itt?", scene, forintAnswers(nearMisses(random, sum, sum % 10 == 0 ? 10 : 5, 5))),
                  "Kezdd a legnagyobb érmével, és add hozzá a többit!", second);
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
// thing paid with 10 or 20 Ft); at the big one whole tens paid with 20, 50 or 100 Ft, and in the second half
// of the pool two things paid together with 100 Ft.
Round changeRound(int level, int index, Random &random)
{
    const Goods &thing = goods()[static_cast<size_t>(randomBelow(random, 4))];
    int price = 0, coinPaid = 0;
    Round r;
    if (level == ProgressLevelBig && index >= MadePool / 2) {
        const Goods &other = goods()[static_cast<size_t>((&thing - goods().data() + 1 + randomBelow(random, 3)) % 4)];
        int first = 10 * randomBetween(random, 1, 4), second = 10 * randomBetween(random, 1, 4);
        price = first + second;
        coinPaid = 100;
        static const char *const lower[] = {"a kifli", "a lufi", "a fagyi", "a labda"};
        int step = (coinPaid - price) % 20 == 0 && randomBelow(random, 2) ? 20 : 10;
        r = round(keptText("%s %d Ft, %s %d Ft. 100 Ft-tal fizetsz. Mennyit kapsz vissza?", thing.name, first,
                           lower[&other - goods().data()], second),
                  {thing.pic, other.pic, coin(100)}, forintAnswers(nearMisses(random, coinPaid - price, step, step)), Pic{},
                  coinPaid, price);
        return hinted(r, "Add össze a két árat, aztán számolj tovább 100-ig!",
                      keptText("A kettő együtt %d Ft. %d Ft meg mennyi lesz 100 Ft?", price, price));
    }
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
    r = round(keptText("%s %d Ft. %d Ft-tal fizetsz. Mennyit kapsz vissza?", thing.name, price, coinPaid),
              {thing.pic, coin(coinPaid)}, forintAnswers(nearMisses(random, coinPaid - price, step, step)), Pic{}, coinPaid,
              price);
    return hinted(r, "Számolj az ártól felfelé addig, amennyivel fizettél!",
                  keptText("%d Ft meg mennyi lesz %d Ft?", price, coinPaid));
}

// What money buys. The small have 5 to 20 Ft and three things to choose from; the big 20 to 100 Ft and four.
// A question asks for the thing that takes all the money, or the dearest the money still pays for (one, two
// or three things are within it), so that the right answer is now the cheapest, now a dearer one, and only
// the money decides; the big also say whether the money pays for one thing.
Round shoppingRound(int level, int index, Random &random)
{
    bool big = level == ProgressLevelBig;
    int unit = big ? 10 : 5, kind = index % (big ? 3 : 2);
    int money = unit * (big ? randomBetween(random, 2, 10) : randomBetween(random, 1, 4));
    int count = big ? 4 : 3;
    std::array<int, 5> order{0, 1, 2, 3, 4};
    for (int i = 4; i > 0; --i) std::swap(order[static_cast<size_t>(i)], order[static_cast<size_t>(randomBelow(random, i + 1))]);
    if (kind == 2) { // does the money pay for this?
        const Goods &thing = goods()[static_cast<size_t>(order[0])];
        int price = std::max(unit, money + unit * randomBetween(random, -2, 2));
        std::vector<Pic> scene = coinsOf(money);
        scene.push_back(thing.pic);
        Round r = round(keptText("%s %d Ft. %d Ft-od van. Elég a pénzed?", thing.name, price, money), scene,
                        {answer("Elég, és marad is.", 0), answer("Pont elég.", 1), answer("Nem elég.", 2)}, Pic{}, money, price);
        return hinted(r, "Hasonlítsd össze az árat a pénzeddel!",
                      keptText("Ennyi pénzed van: %d Ft. Ennyibe kerül: %d Ft. Melyik a több?", money, price));
    }
    // The prices: the right one, some below it and the rest above the money, all different. A thing that
    // takes all the money may stand anywhere among them; the dearest one the money pays for has at least one
    // dearer beside it.
    int rightPrice = kind == 0 ? money : money - unit * randomBelow(random, std::min(2, money / unit));
    int below = randomBelow(random, std::min(count - (kind == 0 ? 1 : 2), rightPrice / unit - 1) + 1);
    std::array<int, 4> prices{};
    prices[0] = rightPrice;
    for (int i = 1; i <= below; ++i) prices[static_cast<size_t>(i)] = rightPrice - unit * i;
    for (int i = below + 1, above = money; i < count; ++i)
        prices[static_cast<size_t>(i)] = above += unit * (1 + randomBelow(random, 2));
    std::array<Choice, MaxChoices> c{};
    for (int i = 0; i < count; ++i) {
        const Goods &g = goods()[static_cast<size_t>(order[static_cast<size_t>(i)])];
        c[static_cast<size_t>(i)] = choice(g.pic, forintText(prices[static_cast<size_t>(i)]), prices[static_cast<size_t>(i)]);
    }
    Round r = round(kind == 0 ? keptText("%d Ft-od van. Mit veszel meg, hogy pont elfogyjon?", money)
                              : keptText("%d Ft-od van. Mi a legdrágább, amit megvehetsz?", money),
                    coinsOf(money), {c[0], c[1], c[2], c[3]}, Pic{}, money);
    if (kind == 0)
        return hinted(r, "Keresd azt, ami pont annyiba kerül, amennyi pénzed van!",
                      keptText("Melyik ár %d Ft? Annyi pénzed van.", money));
    return hinted(r, "Ami többe kerül, mint a pénzed, azt nem veheted meg.",
                  keptText("Legfeljebb %d Ft-ba kerülhet. Ezek közül melyik a legdrágább?", money));
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

// The hints of a clock to be read: the first about the long hand (which the engine lights up with it), the
// second about the short one between its two hours, with the rule that a part names the coming hour, but
// never the answer itself.
Round clockHints(Round r, int part, int hour)
{
    static constexpr std::array<const char *, 4> longHand{
        "A nagy mutató felfelé, a 12-re mutat: egész óra van.", "A nagy mutató lefelé, a 6-ra mutat: ez fél.",
        "A nagy mutató a 3-ra mutat: ez negyed.", "A nagy mutató a 9-re mutat: ez háromnegyed."};
    int next = hour % 12 + 1;
    const char *second = part == PartWhole
                             ? "Most nézd a kis mutatót: melyik számra mutat?"
                             : keptText("A kis mutató %d és %d között jár. A %s a következő órát mondja.", hour, next,
                                        partNames[static_cast<size_t>(part)]);
    return hinted(r, longHand[static_cast<size_t>(part)], second);
}

// Reading a clock: whole hours at the small level; at the big one half hours too, from the second half of
// the pool on.
Round hourRound(int level, int index, Random &random)
{
    auto h = threeHours(random);
    if (level == ProgressLevelBig && index >= MadePool / 2) {
        // Half past: the hour named is the next one; "fél 5" beside "fél 4" and "4 óra" for 3:30 reads 4.
        int next = randomBetween(random, 2, 12), other = next == 12 ? 11 : next + 1;
        return clockHints(round("Hány óra van?", {clock(next - 1, 30)},
                                {timeAnswer(PartHalf, next), timeAnswer(PartHalf, other), timeAnswer(PartWhole, next)}),
                          PartHalf, next - 1);
    }
    return clockHints(round("Hány óra van?", {clock(h[0], 0)},
                            {timeAnswer(PartWhole, h[0]), timeAnswer(PartWhole, h[1]), timeAnswer(PartWhole, h[2])}),
                      PartWhole, h[0]);
}

// Half past, quarter past and quarter to: half hours alone at the small level, all three at the big one.
Round partRound(int level, int index, Random &random)
{
    int part = level == ProgressLevelBig ? PartHalf + index % 3 : PartHalf;
    int next = randomBetween(random, 2, 12), other = next == 12 ? 11 : next + 1;
    // The third answer names the same hour with another part, or at the small level the whole hour.
    int otherPart = level == ProgressLevelBig ? PartHalf + (part - PartHalf + 1 + randomBelow(random, 2)) % 3 : PartWhole;
    return clockHints(round("Hány óra van?", {clock(next - 1, partMinutes(part))},
                            {timeAnswer(part, next), timeAnswer(part, other), timeAnswer(otherPart, next)}),
                      part, next - 1);
}

// Finding the clock that shows a time: whole hours at the small level; at the big one half hours, quarter
// past and quarter to as well. All three clocks have their long hand in the same place, so the hints turn
// the child to the short one.
Round findClockRound(int level, int index, Random &random)
{
    auto h = threeHours(random);
    int part = level == ProgressLevelBig ? index % 4 : PartWhole;
    int m = partMinutes(part), next = h[0] % 12 + 1;
    static constexpr std::array<const char *, 4> formats{"", "Melyik óra mutat fél %d-%s?", "Melyik óra mutat negyed %d-%s?",
                                                         "Melyik óra mutat háromnegyed %d-%s?"};
    const char *prompt = part == PartWhole ? keptText("Melyik óra mutat %d órát?", h[0])
                                           : keptText(formats[static_cast<size_t>(part)], next, accusativeEnding(next));
    Round r = round(prompt, {}, {choice(clock(h[0], m)), choice(clock(h[1], m)), choice(clock(h[2], m))}, clock(h[0], m));
    if (part == PartWhole)
        return hinted(r, "Mindegyik órán a 12-re mutat a nagy mutató. Nézd a kis mutatót!",
                      keptText("Keresd az órát, amelyiken a kis mutató %s %d felé mutat!", article(h[0]), h[0]));
    static constexpr std::array<const char *, 4> capital{"", "Fél", "Negyed", "Háromnegyed"};
    return hinted(r, "Mindegyiken ugyanott áll a nagy mutató. Nézd a kis mutatót!",
                  keptText("%s %d-kor a kis mutató %d és %d között jár.", capital[static_cast<size_t>(part)], next, h[0], next));
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
    Round breakfast = whenRound("Mikor reggelizünk?", {pic(PicKifli)}, M, {N, E}, "A reggeli az első étel, amikor felkelünk.",
                                "Akkor reggelizünk, amikor felkel a Nap.");
    Round lunch = whenRound("Mikor ebédelünk?", {}, N, {M, X}, "Az ebéd a nap közepén van.",
                            "Ebédkor a Nap magasan jár az égen.");
    Round dinner = whenRound("Mikor vacsorázunk?", {}, E, {M, N}, "A vacsora a nap utolsó étele.",
                             "Vacsora után megfürdünk, és lefekszünk.");
    Round sleep = whenRound("Mikor alszunk sokáig, egészen reggelig?", {}, X, {M, N}, "Mikor sötét van odakint?",
                            "Éjjel sötét van, és mindenki alszik.");
    Round sunrise = whenRound("Mikor kel fel a Nap?", {}, M, {N, E}, "A nap elején történik.",
                              "Amikor felkel a Nap, kezdődik a nap.");
    Round sunset = whenRound("Mikor megy le a Nap?", {}, E, {M, N}, "A nap végén történik.",
                             "Amikor lemegy a Nap, piros lesz az ég.");
    Round stars = whenRound("Mikor látod a Holdat és a csillagokat?", {}, X, {M, N}, "Mikor sötét az ég?",
                            "Éjjel sötét van, akkor látszanak a csillagok.");
    Round nursery = whenRound("Mikor megyünk óvodába?", {}, M, {E, X}, "Reggeli után indulunk.",
                              "Óvodába a nap elején megyünk.");
    Round afterMorning = whenRound("Mi jön ezután?", {dayPart(M), dayPart(N), pic(PicQuestion)}, E, {X, M},
                                   "Gondold végig a napot reggeltől estig!", "Reggel, aztán dél. Mi jön a dél után?", X);
    Round afterNoon = whenRound("Mi jön ezután?", {dayPart(N), dayPart(E), pic(PicQuestion)}, X, {M, N},
                                "Gondold végig a napot délutántól!", "Dél, aztán este. Mi jön az este után?", M);
    Round afterNight = whenRound("Mi jön ezután?", {dayPart(E), dayPart(X), pic(PicQuestion)}, M, {N, E},
                                 "Mi jön, amikor vége az éjszakának?", "Este, aztán éjjel. Mi jön az éjjel után?", N);
    Round highest = whenRound("Mikor jár a legmagasabban a Nap?", {}, N, {M, E}, "Reggel felkel, este lemegy. És közben?",
                              "A nap közepén jár a Nap a legmagasabban.");
    Round darkest = whenRound("Mikor van a legsötétebb?", {}, X, {E, N}, "Mikor nem süt a Nap egyáltalán?",
                              "Este még világos az ég alja, éjjel már sötét.", E);
    return task("Napszakok", dayPart(PartNoon), "Gondold végig, mit csinálsz egy nap!", ruleMarked,
                Levels{{breakfast, lunch, dinner, sleep, sunrise, sunset, stars, nursery},
                       {lunch, dinner, sunrise, sunset, stars, afterMorning, afterNoon, afterNight, highest, darkest}},
                hinted(round("Mi világít éjjel az égen?", {},
                             {right(choice(pic(PicMoon), "a Hold")), choice(pic(PicSun), "a Nap")}),
                       "A Nap nappal süt. Éjjel mást látsz az égen.", "Éjjel a Hold és a csillagok világítanak."));
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

Task vehiclesTask()
{
    Round fire = hinted(round("Melyik autó megy tüzet oltani?", {},
                              {vehicle(PicBus, 5), right(vehicle(PicFireTruck)), vehicle(PicAmbulance)}),
                        "Kik oltják el a tüzet?", "A tűzoltóautó piros, és létra van a tetején.");
    Round ill = hinted(round("Melyik autó visz kórházba, ha baj van?", {},
                             {right(vehicle(PicAmbulance)), vehicle(PicPolice), vehicle(PicBus, 9)}),
                       "Ki segít a betegeknek?", "A mentőautó fehér, és piros kereszt van rajta.");
    Round many = hinted(round("Melyikkel utazik sok ember együtt?", {},
                              {vehicle(PicCar, ColRed), vehicle(PicFireTruck), right(vehicle(PicBus, 3))}),
                        "Melyikben van sok ülés?", "A buszon sok ablak és sok ülés van.");
    Round police = hinted(round("Melyik autóval jár a rendőr?", {},
                                {right(vehicle(PicPolice)), vehicle(PicBus, 2), vehicle(PicCar, ColBlue)}),
                          "Melyik autón van villogó?", "A rendőrautó fehér, kék csíkkal és kék villogóval.");
    Round rubbish = hinted(round("Melyik viszi el a szemetet?", {},
                                 {right(vehicle(PicGarbageTruck)), vehicle(PicTram), vehicle(PicAmbulance)}),
                           "Hova ürítik a kukákat?", "A kukásautó oldalán egy kuka képe van.");
    Round pedals = hinted(round("Melyiket hajtod a lábaddal?", {},
                                {right(vehicle(PicBike)), vehicle(PicCar, ColYellow), vehicle(PicBus, 4)}),
                          "Melyiknek van pedálja?", "A biciklit pedállal hajtjuk, és két kereke van.");
    Round rails = hinted(round("Melyik jár síneken a városban?", {},
                               {right(vehicle(PicTram)), closeMiss(vehicle(PicBus, 6)), vehicle(PicCar, ColGreen)}),
                         "Keresd a síneket a kép alján!", "A villamos síneken jár, és drótból kapja az áramot.");
    Round fireBig = hinted(round("Melyik autó megy tüzet oltani?", {},
                                 {right(vehicle(PicFireTruck)), vehicle(PicAmbulance), vehicle(PicPolice), vehicle(PicGarbageTruck)}),
                           "Kik oltják el a tüzet?", "A tűzoltóautó piros, és létra van a tetején.");
    Round illBig = hinted(round("Melyik autó visz kórházba, ha baj van?", {},
                                {right(vehicle(PicAmbulance)), vehicle(PicPolice), vehicle(PicFireTruck), vehicle(PicBus, 9)}),
                          "Ki segít a betegeknek?", "A mentőautó fehér, és piros kereszt van rajta.");
    Round manyBig = hinted(round("Melyikkel utazik sok ember együtt?", {},
                                 {vehicle(PicCar, ColRed), vehicle(PicFireTruck), right(vehicle(PicBus, 3)), vehicle(PicBike)}),
                           "Melyikben van sok ülés?", "A buszon sok ablak és sok ülés van.");
    Round wheels = hinted(round("Hány kereke van a biciklinek?", {pic(PicBike)}, {right(numeral(2)), numeral(3), numeral(4)}),
                          "Számold meg a kerekeket a képen!", "Elöl is van egy, hátul is van egy.");
    Round helmet = hinted(round("Melyik járművön kell kerékpáros sisak?", {},
                                {right(vehicle(PicBike)), vehicle(PicBus, 8), vehicle(PicTram), vehicle(PicCar, ColBlue)}),
                          "Melyiken ülsz szabadon, ajtó nélkül?", "Biciklin mindig kerékpáros sisakot viselünk.");
    return task("Járművek", pic(PicFireTruck), "Gondold végig, mire való ez a jármű!", ruleMarked,
                Levels{{fire, ill, many, police, rubbish, pedals, rails},
                       {fireBig, illBig, manyBig, police, rubbish, rails, wheels, helmet}},
                hinted(round("Ki vezeti a buszt?", {bus(7)},
                             {right(words("a buszsofőr")), words("a postás"), words("a pék")}),
                       "Ő ül a busz kormányánál.", "A buszt a sofőr vezeti."));
}

//----------------------------------------------------------------------------------------------------------
// Segítséget hívok: 112, and who you are, where you are and what happened
//----------------------------------------------------------------------------------------------------------

Task helpTask()
{
    const char *callForHelp = "Vigyázz! Bajban mindig segítséget hívunk.";
    Round number = hinted(round("Melyik számot hívod, ha nagy baj van?", {pic(PicPhone)},
                                {answer("123", 0), right(words("112")), answer("555", 0)}),
                          "Két egyes és egy kettes van benne.", "Egy, egy, kettő: ez a segélyhívó szám.");
    Round fire = hinted(round("Ég a ház! Kiket hívsz?", {pic(PicHouseFire)},
                              {right(choice(pic(PicFireTruck), "a tűzoltókat")), choice(bus(5), "a buszsofőrt"),
                               warned(words("senkit"), "Vigyázz! Tűznél mindig segítséget hívunk.")}),
                        "Kik oltják el a tüzet?", "A tűzoltók jönnek, piros autóval, létrával.");
    Round ill = hinted(round("Valaki rosszul lett. Kiket hívsz?", {},
                             {right(choice(pic(PicAmbulance), "a mentőket")), closeMiss(choice(pic(PicFireTruck), "a tűzoltókat")),
                              warned(words("senkit"), callForHelp)}),
                       "Kik viszik kórházba a betegeket?", "A mentők jönnek, fehér autóval, piros kereszttel.");
    Round lost = hinted(round("Eltévedtél az utcán. Kitől kérsz segítséget?", {},
                              {right(choice(pic(PicPolice), "egy rendőrtől")),
                               warned(words("senkitől"), "Vigyázz! Ha eltévedtél, mindig kérj segítséget!"),
                               warned(words("elbújok"), "Vigyázz! Ne bújj el: kérj segítséget!")}),
                        "Ki vigyáz a rendre az utcán?", "A rendőr segít, ha eltévedtél.");
    Round smoke = hinted(round("Füstöt látsz a lakásban. Mit teszel?", {},
                               {right(words("kimegyek, és szólok egy felnőttnek")),
                                warned(words("elbújok az ágy alá"), "Vigyázz! Tűznél nem bújunk el, kimegyünk."),
                                warned(words("tovább játszom"), "Vigyázz! A füst veszélyes, szólj egy felnőttnek!")}),
                         "A füst veszélyes. Hol vagy biztonságban?", "Kimegyünk a lakásból, és szólunk egy felnőttnek.");
    Round forFun = hinted(round("Szabad játékból felhívni a 112-t?", {pic(PicPhone)},
                                {warned(words("igen"), "Vigyázz! A 112-t csak nagy bajban hívjuk."), right(words("nem"))}),
                          "Kinek kell a 112?", "A 112-t csak akkor hívjuk, ha nagy baj van.");
    Round grownUp = hinted(round("Baj van, és egy felnőtt van a közelben. Mit teszel?", {},
                                 {right(words("szólok neki")), warned(words("elbújok"), callForHelp),
                                  warned(words("hazaszaladok egyedül"), "Vigyázz! Szólj inkább a felnőttnek!")}),
                           "Ki tud a legjobban segíteni?", "Szólunk a felnőttnek, ő tudja, mit kell tenni.");
    Round say = hinted(round("Mit mondasz el, amikor a 112-t hívod?", {pic(PicPhone)},
                             {right(words("a nevemet, hogy hol vagyok, és mi történt")),
                              closeMiss(words("csak azt, hogy baj van")), words("egy mesét")}),
                       "A segítőknek tudniuk kell, kihez és hova menjenek.",
                       "Elmondjuk, kik vagyunk, hol vagyunk, és mi történt.");
    Round hangUp = hinted(round("Mikor teszed le a telefont, ha a 112-t hívtad?", {pic(PicPhone)},
                                {right(words("ha azt mondják, hogy leteheted")), closeMiss(words("amint elmondtam a nevemet")),
                                 words("amikor megunom")}),
                          "A segítők még kérdezhetnek valamit.", "Addig beszélünk, amíg azt nem mondják: leteheted.");
    return task("Segítséget hívok", pic(PicPhone), "Hívd a 112-t, és mondd el, ki vagy, hol vagy, és mi történt!", ruleMarked,
                Levels{{number, fire, ill, lost, smoke, forFun, grownUp},
                       {number, fire, ill, lost, smoke, forFun, grownUp, say, hangUp}},
                hinted(round("Eltévedtél. Kinek mondod el, hol laksz?", {},
                             {right(words("egy rendőrnek")),
                              warned(words("bárkinek, aki kérdezi"), "Vigyázz! A címedet csak segítőnek mondd el."),
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
        "A 0 kerek, mint egy tojás.",
        "Az 1-es egy egyenes vonal, kis orral a tetején.",
        "A 2-es olyan, mint egy úszó hattyú.",
        "A 3-asnak két pocakja van, egymás alatt.",
        "A 4-es olyan, mint egy kis zászló.",
        "Az 5-ösnek egyenes kalapja és kerek pocakja van.",
        "A 6-osnak kerek pocakja van, és felfelé kunkorodik.",
        "A 7-es felül egy vonal, és onnan ferdén lefelé megy.",
        "A 8-as olyan, mint a hóember: két kör egymáson.",
        "A 9-esnek kerek feje van, és lefelé lóg a lába.",
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

Round busRound(int number, std::initializer_list<int> others)
{
    Round r = round(keptText("Melyik %s %d-%s busz?", article(number), number, nameEnding(number)), {}, {choice(bus(number))},
                    bus(number));
    int i = 1;
    for (int o : others) r.choices[static_cast<size_t>(i++)] = choice(bus(o));
    if (number < 10) return hinted(r, "Keresd meg a számot a busz oldalán!", digitLooks(number));
    const char *second = number == 100 ? "Elöl egy egyes, utána két nullás áll."
                                       : keptText("Elöl %s, utána %s áll.", digitName(number / 10), digitName(number % 10));
    return hinted(r, "Két számjegy van rajta. Nézd meg, melyik áll elöl!", second);
}

Task busTask()
{
    return task("Melyik busz?", bus(7), "Nézd meg a számot a busz oldalán!", rulePickTarget,
                Levels{{busRound(7, {1, 4}), busRound(3, {8, 5}), busRound(5, {2, 6}), busRound(9, {6, 4}), busRound(2, {5, 7}),
                        busRound(8, {3, 6}), busRound(4, {1, 7}), busRound(6, {9, 8}), busRound(1, {7, 4})},
                       {busRound(12, {21, 2, 22}), busRound(30, {13, 3, 33}), busRound(15, {51, 5, 50}),
                        busRound(24, {42, 4, 14}), busRound(69, {96, 66, 99}), busRound(18, {81, 8, 88}),
                        busRound(47, {74, 4, 44}), busRound(100, {10, 1, 110}), busRound(16, {61, 6, 66})}},
                hinted(round("Hol szállsz fel a buszra?", {bus(7)},
                             {right(words("a megállóban")), warned(words("az út közepén"), "Vigyázz! Az út közepén autók járnak."),
                              words("a parkolóban")}),
                       "A busz csak ott áll meg, ahol tábla van.", "A buszra a megállóban, a járdáról szállunk fel."),
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
    const std::array<Asked, 10> asked{{
        {"Hol veszel kenyeret?", pic(PicBread), "Hol sütik a kenyeret?", "A pékségben kenyeret és kiflit sütnek."},
        {"Hol veszel gyógyszert?", pic(PicMedicine), "Hol kapsz gyógyszert, ha beteg vagy?",
         "A gyógyszertár tábláján zöld kereszt van."},
        {"Hol veszel virágot?", pic(PicFlower, ColRed), "Hol árulnak csokrot?", "A virágbolt tábláján egy virág van."},
        {"Hol veszel labdát?", pic(PicBall, ColBlue), "A labda játék. Hol árulnak játékot?", toys},
        {"Hol veszel almát?", pic(PicApple), "Az alma gyümölcs. Hol árulnak gyümölcsöt?", greens},
        {"Hol veszel fagyit?", pic(PicIceCream), "Hol árulnak süteményt és fagyit?", "A cukrászda tábláján egy szelet torta van."},
        {"Hol veszel mesekönyvet?", pic(PicBook), "Hol árulnak könyveket?", "A könyvesbolt tábláján egy nyitott könyv van."},
        {"Hol veszel kiflit?", pic(PicKifli), "Hol sütik a kiflit?", "A pékség tábláján egy kenyér van."},
        {"Hol veszel játékmackót?", pic(PicTeddy), "A mackó játék. Hol árulnak játékot?", toys},
        {"Hol veszel répát?", pic(PicCarrot), "A répa zöldség. Hol árulnak zöldséget?", greens},
    }};
    // The shops offered with each thing, the right one first: three for the small, four for the big.
    const std::array<std::initializer_list<int>, 10> small{{
        {B, P, T}, {P, F, B}, {F, T, B}, {T, B, P}, {G, K, P}, {S, F, G}, {K, B, T}, {B, S, K}, {T, G, P}, {G, F, S},
    }};
    const std::array<std::initializer_list<int>, 10> big{{
        {B, S, G, P}, {P, F, S, G}, {F, G, T, B}, {T, K, S, P}, {G, B, S, F}, {S, B, G, T}, {K, T, P, B},
        {B, S, G, K}, {T, K, S, G}, {G, F, B, S},
    }};
    Levels levels;
    for (size_t i = 0; i < asked.size(); ++i) {
        levels.small.push_back(shopRound(asked[i].prompt, asked[i].goods, small[i], asked[i].hint, asked[i].secondHint));
        levels.big.push_back(shopRound(asked[i].prompt, asked[i].goods, big[i], asked[i].hint, asked[i].secondHint));
    }
    return task("Boltok", shop(ShopBakery), "Nézd meg, mi van a bolt cégtábláján!", ruleShop, levels,
                hinted(round("Hol fizetsz a boltban?", {shop(ShopToys)},
                             {right(words("a pénztárnál")), words("a polcnál"), words("az ajtóban")}),
                       "Hol ül a pénztáros?", "A pénztárnál fizetünk, mielőtt kimegyünk."),
                ruleMarked);
}

//----------------------------------------------------------------------------------------------------------
// Ablakok, Színes autók: counting, made afresh at every start
//----------------------------------------------------------------------------------------------------------

// Counting a house's windows, three to a row: 2 to 9 at the small level, 6 to 15 at the big one.
Round windowRound(int level, int, Random &random)
{
    bool big = level == ProgressLevelBig;
    int n = big ? randomBetween(random, 6, 15) : randomBetween(random, 2, 9);
    Round r = round("Hány ablaka van a háznak?", {house(n)}, numberAnswers(nearMisses(random, n, 1, 1)));
    int rows = (n + 2) / 3, last = n - 3 * (rows - 1);
    if (!big)
        return hinted(r, "Mutass rá mindegyik ablakra, és számold: egy, kettő, három...",
                      n <= 3 ? "Számolj lassan, az ujjaddal!" : "Az első sorban 3 ablak van. Számolj tovább a következő sorral!");
    const char *second = last == 3 ? keptText("%d sor van, mindegyikben 3 ablak. Számolj hármasával!", rows)
                                   : keptText("%d sorban 3-3 ablak van, az utolsóban %d.", rows - 1, last);
    return hinted(r, "Számold meg soronként: hány ablak van egy sorban?", second);
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
        {"Hova kerül az üres üvegpalack?", pic(PicBottle, 1), "Miből van ez a zöld palack?", "Az üveg a zöld gyűjtőbe kerül."},
    }};
    Levels levels;
    for (const Asked &a : asked) {
        levels.small.push_back(binRound(a.prompt, a.rubbish, false, a.hint, a.secondHint));
        levels.big.push_back(binRound(a.prompt, a.rubbish, true, a.hint, a.secondHint));
    }
    return task("Szelektív gyűjtés", bin(BinPlastic), "Kék: papír, sárga: műanyag és fém, zöld: üveg.", ruleBin, levels,
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
    const char *leftHint = "Balra az van, amerre a bal kezed mutat.";
    const char *leftTrick = "A bal kezed hüvelyk- és mutatóujja L betűt formál.";
    const char *rightHint = "Jobbra az van, amerre a jobb kezed mutat.";
    const char *rightTrick = "A bal kezed L betűt formál. A másik kezed a jobb.";
    const char *aheadHint = "Előre az van, amerre az orrod néz.";
    const char *aheadTrick = "Ez a nyíl felfelé, egyenesen előre mutat.";
    auto pickArrow = [](const char *prompt, int dir, const char *h1, const char *h2) {
        Round r = round(prompt, {}, {choice(arrow(DirLeft)), choice(arrow(DirAhead)), choice(arrow(DirRight))});
        r.choices[static_cast<size_t>(dir == DirLeft ? 0 : dir == DirAhead ? 1 : 2)].value = 1;
        return hinted(r, h1, h2);
    };
    auto readArrow = [](int dir, const char *h1, const char *h2) {
        Round r = round("Merre mutat a nyíl?", {arrow(dir)}, {answer("balra", 0), answer("előre", 0), answer("jobbra", 0)});
        r.choices[static_cast<size_t>(dir == DirLeft ? 0 : dir == DirAhead ? 1 : 2)].value = 1;
        if (dir != DirAhead) r.choices[static_cast<size_t>(dir == DirLeft ? 2 : 0)].closeMiss = true;
        return hinted(r, h1, h2);
    };
    Round pickLeft = pickArrow("Melyik nyíl mutat balra?", DirLeft, leftHint, leftTrick);
    Round pickRight = pickArrow("Melyik nyíl mutat jobbra?", DirRight, rightHint, rightTrick);
    Round pickAhead = pickArrow("Melyik nyíl mutat előre?", DirAhead, aheadHint, aheadTrick);
    Round readLeft = readArrow(DirLeft, leftHint, leftTrick);
    Round readRight = readArrow(DirRight, rightHint, rightTrick);
    Round readAhead = readArrow(DirAhead, aheadHint, aheadTrick);
    const char *signal = "Vigyázz! Kanyar előtt mindig jelzünk.";
    Round bikeRight = hinted(round("Biciklin jobbra fordulsz. Melyik kezeddel jelzel?", {arrow(DirRight)},
                                   {words("a bal kezemmel"), right(words("a jobb kezemmel")), warned(words("egyikkel sem"), signal)}),
                             "Arra mutatsz, amerre fordulsz.", "Jobbra fordulsz, a jobb kezedet nyújtod ki.");
    Round bikeLeft = hinted(round("Biciklin balra fordulsz. Melyik kezeddel jelzel?", {arrow(DirLeft)},
                                  {right(words("a bal kezemmel")), words("a jobb kezemmel"), warned(words("egyikkel sem"), signal)}),
                            "Arra mutatsz, amerre fordulsz.", "Balra fordulsz, a bal kezedet nyújtod ki.");
    Round turn = hinted(round("Megfordulsz. Ami eddig jobbra volt, az most merre van?", {},
                              {right(words("balra")), words("jobbra"), words("előre")}),
                        "Állj fel, és fordulj meg: mi változik?", "Ha megfordulsz, a jobb és a bal helyet cserél.");
    Round shopLeft = hinted(round("A bolt balra van, az iskola jobbra. Merre mész a boltba?", {shop(ShopBakery)},
                                  {right(words("balra")), closeMiss(words("jobbra")), words("előre")}),
                            "Hol van a bolt?", "A bolt a bal kezed felé van.");
    Round crossroads = hinted(round("Hány felé mehetsz egy útkereszteződésben, ha nem fordulsz vissza?", {},
                                    {numeral(2), right(numeral(3)), numeral(4)}),
                              "Balra, jobbra, vagy...?", "Mehetsz balra, jobbra és egyenesen előre.");
    return task("Merre menjünk?", arrow(DirRight), "Nézd meg, merre néz a nyíl hegye!", ruleMarked,
                Levels{{pickLeft, pickRight, pickAhead, readLeft, readRight, readAhead},
                       {readLeft, readRight, readAhead, bikeRight, bikeLeft, turn, shopLeft, crossroads}},
                hinted(round("Mit jelent: tarts jobbra?", {},
                             {right(words("maradj a jobb oldalon")), words("fordulj vissza"), words("állj meg")}),
                       "A jobb oldal a jobb kezed felé van.", "Tarts jobbra: maradj az út jobb oldalán."));
}

//----------------------------------------------------------------------------------------------------------
// Biztonságban: the helmet, the belt, the child's seat, being seen, and strangers
//----------------------------------------------------------------------------------------------------------

Task safetyTask()
{
    const char *street = "Vigyázz! Az úttest felől autók jönnek.";
    Round helmet = hinted(round("Mit veszel fel, ha biciklizel?", {pic(PicBike)},
                                {choice(pic(PicBall, ColRed), "labda"), right(choice(pic(PicHelmet), "kerékpáros sisak")),
                                 choice(pic(PicBook), "könyv")}),
                          "Mi védi a fejedet, ha elesel?", "A kerékpáros sisak kemény, és védi a fejet.");
    Round belt = hinted(round("Mit csatolsz be az autóban?", {},
                              {right(choice(pic(PicBelt), "biztonsági öv")), choice(pic(PicKifli), "kifli"),
                               choice(pic(PicBalloon, ColGreen), "lufi")}),
                        "Mi tart meg az ülésen, ha fékez az autó?", "A biztonsági övet mindig becsatoljuk.");
    Round seat = hinted(round("Hol utazol az autóban?", {car(ColBlue)},
                              {right(choice(pic(PicBelt, 1), "gyerekülésben")),
                               warned(words("a sofőr ölében"), "Vigyázz! Gyerekülésben utazunk."),
                               warned(words("öv nélkül, állva"), "Vigyázz! Az autóban mindig bekötve ülünk.")}),
                        "Hol van a gyerekek helye az autóban?", "A gyerekek hátul, gyerekülésben, bekötve utaznak.");
    Round vest = hinted(round("Mit veszel fel, ha sötétben mész az úton?", {pic(PicDayPart, PartNight)},
                              {right(choice(pic(PicVest), "láthatósági mellény")), choice(pic(PicBall, ColBlue), "labda"),
                               choice(pic(PicTeddy), "mackó")}),
                        "Mi világít, ha ráesik az autó lámpájának fénye?", "A láthatósági mellény csíkjai messziről látszanak.");
    Round ball = hinted(round("Kigurult a labdád az úttestre. Mit teszel?", {pic(PicBall, ColRed)},
                              {right(words("szólok egy felnőttnek")),
                               warned(words("utánaszaladok"), "Vigyázz! Labda után sosem szaladunk az útra."),
                               words("elmegyek játszani")}),
                        "Az úttesten autók járnak. Ki tud segíteni?", "Szólj egy felnőttnek, ő hozza vissza a labdát.");
    Round stranger = hinted(round("Egy idegen hív, hogy menj vele. Mit teszel?", {},
                                  {right(words("nem megyek vele")),
                                   warned(words("elmegyek vele"), "Vigyázz! Idegennel sosem megyünk el."),
                                   warned(words("elfogadom a cukrot"), "Vigyázz! Idegentől nem fogadunk el semmit.")}),
                            "Az idegent nem ismered. Kivel mehetsz el?", "Csak azzal megyünk el, akit a szüleink küldtek.");
    Round why = hinted(round("Miért kell kerékpáros sisak?", {pic(PicHelmet)},
                             {words("mert szép"), right(words("védi a fejemet")), words("mert meleg")}),
                       "Mi történik, ha elesel a biciklivel?", "A sisak felfogja az ütést, és védi a fejet.");
    Round getOut = hinted(round("Melyik oldalon szállsz ki az autóból?", {car(ColRed)},
                                {right(words("a járda felőli oldalon")), warned(words("az úttest felőli oldalon"), street),
                                 warned(words("mindegy, melyiken"), street)}),
                          "Melyik oldalon vannak a gyalogosok?", "A járda felőli ajtón szállunk ki, ott nem jönnek autók.");
    Round skates = hinted(round("Görkorcsolyázol. Mit veszel fel?", {},
                                {right(words("sisakot és térdvédőt")), words("napszemüveget"),
                                 warned(words("semmit"), "Vigyázz! Eséskor a védőfelszerelés óv meg.")}),
                          "Mi véd meg, ha elesel?", "Sisak a fejre, térdvédő a térdre.");
    return task("Biztonságban", pic(PicHelmet), "Gondold végig, mi véd meg a bajtól!", ruleMarked,
                Levels{{helmet, belt, seat, vest, ball, stranger},
                       {helmet, belt, seat, vest, ball, stranger, why, getOut, skates}},
                hinted(round("Kinek a kezét fogod, amikor átkelsz az úton?", {pic(PicZebra)},
                             {right(words("egy felnőttét")), closeMiss(words("a barátomét")),
                              warned(words("senkiét"), "Vigyázz! A kicsik felnőttel kelnek át.")}),
                       "Ki vigyáz rád az utcán?", "Az úton egy felnőtt kezét fogjuk."));
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
    return hinted(r, "Az első áll legelöl, a lámpánál. Onnan számolj!",
                  keptText("Számolj a lámpától: első, második... Hol áll %s?", name));
}

Task rowTask()
{
    const Pic R = car(ColRed), B = car(ColBlue), Y = car(ColYellow), G = car(ColGreen), bus5 = bus(5);
    const Pic fire = pic(PicFireTruck), ambulance = pic(PicAmbulance), police = pic(PicPolice), rubbish = pic(PicGarbageTruck);
    return task("Hányadik?", pic(PicPodium), "A sor eleje a lámpánál van: onnan számolj!", ruleOrdinal,
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
                      keptText("%s, %s, és utána jön...?", dayName(day - 1), dayName(day)));
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
    return task("A hét napjai", pic(PicDay, 0), "Mondd el sorban a hét napjait, hétfőtől!", ruleDayAfter,
                Levels{{dayRound("Melyik nap jön hétfő után?", 0, 1, {6, 1, 2}),
                        dayRound("Melyik nap jön kedd után?", 1, 1, {2, 0, 3}),
                        dayRound("Melyik nap jön szerda után?", 2, 1, {4, 3, 1}),
                        dayRound("Melyik nap jön csütörtök után?", 3, 1, {2, 5, 4}),
                        dayRound("Melyik nap jön péntek után?", 4, 1, {5, 3, 6}),
                        dayRound("Melyik nap jön szombat után?", 5, 1, {0, 6, 4}),
                        dayRound("Melyik nap jön vasárnap után?", 6, 1, {0, 5, 1}),
                        dayRound("Melyik a hét első napja, a vasárnap utáni?", 6, 1, {0, 2, 6})},
                       {dayRound("Melyik nap van péntek előtt?", 4, -1, {3, 5, 2, 6}),
                        dayRound("Ma kedd van. Milyen nap lesz holnapután?", 1, 2, {3, 2, 4, 0}),
                        dayRound("Tegnap vasárnap volt. Milyen nap van ma?", 6, 1, {0, 5, 1, 6}),
                        dayRound("Ma szerda van. Milyen nap volt tegnap?", 2, -1, {1, 3, 0, 4}),
                        dayRound("Melyik nap van hétfő és szerda között?", 0, 1, {1, 3, 6, 4}),
                        dayRound("Ma szombat van. Milyen nap lesz holnap?", 5, 1, {6, 4, 0, 3}),
                        dayRound("Ma csütörtök van. Milyen nap volt tegnapelőtt?", 3, -2, {1, 2, 5, 0}),
                        dayRound("Melyik nap van vasárnap előtt?", 6, -1, {5, 0, 4, 3}),
                        dayRound("Ma péntek van. Milyen nap lesz holnapután?", 4, 2, {6, 5, 0, 3})}},
                hinted(round("Hány napból áll egy hét?", {}, {numeral(5), right(numeral(7)), numeral(10)}),
                       "Hétfő, kedd, szerda... számold végig az ujjadon!", "Öt nap óvoda vagy iskola, és két nap hétvége."),
                ruleMarked);
}

//----------------------------------------------------------------------------------------------------------
// Magas házak: the tallest and the lowest, and for the big the most windows
//----------------------------------------------------------------------------------------------------------

Round heightRound(bool lowest, std::initializer_list<Pic> buildings)
{
    Round r = round(lowest ? "Melyik a legalacsonyabb ház?" : "Melyik a legmagasabb ház?", {}, {}, Pic{}, lowest ? 1 : 0);
    int i = 0;
    for (Pic b : buildings) r.choices[static_cast<size_t>(i++)] = choice(b);
    if (lowest)
        return hinted(r, "Nézd meg a házak tetejét: melyik marad a legalacsonyabban?",
                      "Számold meg az emeleteket: a legkevesebb emeletes a legalacsonyabb.");
    return hinted(r, "Nézd meg a házak tetejét: melyik ér a legfeljebb?",
                  "Számold meg az emeleteket: a legtöbb emeletes a legmagasabb.");
}

Round windowsRound(std::initializer_list<int> windows)
{
    Round r = round("Melyik háznak van a legtöbb ablaka?", {}, {});
    int i = 0;
    for (int w : windows) r.choices[static_cast<size_t>(i++)] = choice(house(w));
    return hinted(r, "Számold meg mindegyik ház ablakait!", "Számold soronként, és jegyezd meg, melyiknél a legtöbb.");
}

Task heightsTask()
{
    return task("Magas házak", tower(0), "Hasonlítsd össze a házak magasságát!", ruleBiggest,
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
                        windowsRound({7, 9, 8}), windowsRound({11, 10, 12, 9}), windowsRound({5, 4, 6})}},
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

Round mixRound(int first, int second, int made, std::initializer_list<int> others)
{
    Round r = round(keptText("Milyen színt kapsz, ha a %set és a %s festéket összekevered?", colourFacts(first).word,
                             colourFacts(second).word),
                    {pic(PicSwatch, first), pic(PicPlus), pic(PicSwatch, second)}, {swatch(made)}, Pic{}, made);
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
                        balloonRound(L, {P, B}), balloonRound(O, {Y, R}), balloonRound(P, {R, L}), balloonRound(N, {O, R}),
                        balloonRound(W, {Y, P})},
                       {balloonRound(L, {P, B, R}), balloonRound(O, {Y, R, N}), balloonRound(P, {R, L, W}),
                        balloonRound(N, {O, R, L}), balloonRound(W, {Y, P, B}), balloonRound(G, {B, Y, N}),
                        mixRound(R, Y, O, {L, G, N}), mixRound(R, B, L, {O, G, P}), mixRound(R, W, P, {O, L, Y})}},
                hinted(round("Milyen színt kapsz, ha a sárgát és a kéket összekevered?",
                             {pic(PicSwatch, ColYellow), pic(PicPlus), pic(PicSwatch, ColBlue)}, {swatch(R), swatch(G), swatch(L)},
                             Pic{}, ColGreen),
                       "Olyan színt, mint a fű.", "A sárga és a kék festékből zöld lesz, mint a levelek."),
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

    madeTask("Vásárlás", pic(PicIceCream), "Ne kerüljön többe, mint amennyi pénzed van!", ruleAffordable, shoppingRound,
             hinted(round("A labda 40 Ft. 30 Ft-od van. Elég a pénzed?", {coin(20), coin(10), pic(PicBall, ColRed)},
                          {answer("Elég, és marad is.", 0), answer("Pont elég.", 1), answer("Nem elég.", 2)}, Pic{}, 30, 40),
                    "Hasonlítsd össze az árat a pénzeddel!", "Több a 40, mint a 30?"),
             ruleAffordable),

    madeTask("Visszajáró", pic(PicPurse), "Vond ki az árat abból, amennyivel fizettél!", ruleChange, changeRound,
             hinted(round("Ha pontosan annyit fizetsz, amennyi az ár, mennyit kapsz vissza?", {},
                          {right(words("0 Ft")), closeMiss(words("5 Ft")), words("10 Ft")}),
                    "Ha nem fizetsz többet, nem jár vissza semmi.", "Az ár és a pénzed ugyanannyi: nem marad semmi."),
             ruleMarked),

    madeTask("Hány óra van?", clock(3, 0), "A kis mutató az órát mutatja, a nagy a perceket.", ruleSceneParam, hourRound,
             hinted(round("Melyik mutató mutatja az órát?", {clock(3, 0)},
                          {right(words("a kis mutató")), words("a nagy mutató")}),
                    "A nagy mutató a perceket mutatja.", "A rövid mutató lassan jár, ő mutatja az órát."),
             ruleMarked),

    madeTask("Fél és negyed", pic(PicWatch), "A nagy mutató megmondja, fél, negyed vagy háromnegyed van-e.", ruleSceneParam,
             partRound,
             hinted(round("Hány perc van egy órában?", {}, {numeral(30), right(numeral(60)), numeral(100)}),
                    "A fél óra 30 perc. Kétszer ennyi az egész óra.", "30 meg 30, az egész óra."),
             ruleMarked),

    madeTask("Keresd az órát!", pic(PicMagnifier), "Nézd meg, hova mutat a kis és a nagy mutató!", rulePickTarget, findClockRound,
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

    madeTask("Színes autók", car(ColRed), "Csak a kérdezett színű autókat számold!", ruleCount, carCountRound,
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
