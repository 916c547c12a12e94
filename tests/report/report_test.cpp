// report_test.cpp -- tavrin-report run on planted stores: the page read back as XML, the plain text, a store
// in trouble, where the page goes, and a real browser drawing it
#include <gtest/gtest.h>
#include <libxml/parser.h>
#include <libxml/xpath.h>
#include <sqlite3.h>
#include <sys/stat.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "desktop.h"
#include "forest.h"
#include "launch.h"
#include "store_sandbox.h"
#include "tavrin/progress.h"
#include "town.h"

namespace {

namespace fs = std::filesystem;

const std::string reportProgram = std::string(TAVRIN_RUN_DIR) + "/tavrin-report";
// Wednesday, 12 March 2025, noon UTC: the moment every page here is made.
const std::vector<std::string> madeOnTheTwelfth = {"SOURCE_DATE_EPOCH=1741780800", "TZ=UTC"};

// ----------------------------------------------------------------------------------------------------
// Planting
// ----------------------------------------------------------------------------------------------------
// One task's values as the games keep them; a value left at -1 is not planted.
struct Task {
    int done = -1, best = -1, last = -1, level = -1, plays = -1, finished = -1, lastMistakes = -1, mistakes = -1,
        seconds = -1, date = -1;
};

struct Values {
    std::vector<std::pair<std::string, std::string>> dwords;  // name, 4 bytes
    std::vector<std::tuple<std::string, uint32_t, std::string>> raw;

    void dword(const std::string &name, int32_t value)
    {
        unsigned char bytes[4];
        storeDwordBytes(value, bytes);
        dwords.push_back({name, std::string(reinterpret_cast<char *>(bytes), 4)});
    }
    void task(int game, int task, const Task &t)
    {
        const std::vector<std::pair<const char *, int>> formats = {
            {TAVRIN_BEST_STARS_FORMAT, t.best},     {TAVRIN_LAST_STARS_FORMAT, t.last},
            {TAVRIN_LEVEL_FORMAT, t.level},         {TAVRIN_PLAYS_FORMAT, t.plays},
            {TAVRIN_FINISHED_FORMAT, t.finished},   {TAVRIN_LAST_MISTAKES_FORMAT, t.lastMistakes},
            {TAVRIN_MISTAKES_FORMAT, t.mistakes},   {TAVRIN_SECONDS_FORMAT, t.seconds},
            {TAVRIN_LAST_DATE_FORMAT, t.date}};
        char name[32];
        if (t.done >= 0) {
            snprintf(name, sizeof name, game == 1 ? TAVRIN_FIRST_GAME_VALUE_FORMAT : TAVRIN_SECOND_GAME_VALUE_FORMAT, task);
            dword(name, t.done);
        }
        for (const auto &[format, value] : formats) {
            if (value < 0) continue;
            snprintf(name, sizeof name, format, game, task);
            dword(name, value);
        }
    }
    void day(int date, int32_t seconds)
    {
        char name[32];
        snprintf(name, sizeof name, TAVRIN_DAY_SECONDS_FORMAT, date);
        dword(name, seconds);
    }
};

// Writes the values into player slot's key in one commit.
void plant(int slot, const Values &values)
{
    char path[64];
    snprintf(path, sizeof path, TAVRIN_SLOT_KEY_FORMAT, TAVRIN_SETTINGS_ROOT, slot);
    StoreKey key = nullptr;
    ASSERT_EQ(storeOpenKey(path, StoreWrite, &key), StoreOk);
    std::vector<StoreValue> all;
    for (const auto &[name, bytes] : values.dwords) all.push_back({name.c_str(), StoreTypeDword, bytes.data(), 4});
    for (const auto &[name, type, data] : values.raw)
        all.push_back({name.c_str(), type, data.data(), static_cast<uint32_t>(data.size())});
    EXPECT_EQ(storeSetValues(key, all.data(), static_cast<uint32_t>(all.size())), StoreOk);
    storeCloseKey(key);
    storeCloseStore();
}

// Player B played for a week: one task given up, two finished badly, two well; player C finished
// everything with three stars; player A never played.
void plantThreePlayers()
{
    Values b;
    b.task(1, 0, {2, 3, 3, ProgressLevelSmall, 4, 3, 0, 2, 530, 20250310});
    b.task(1, 1, {-1, -1, -1, ProgressLevelSmall, 3, 0, 2, 6, 700, 20250312});
    b.task(1, 4, {2, 1, 1, ProgressLevelSmall, 2, 1, 4, 7, 400, 20250311});
    b.task(2, 0, {2, 3, 3, ProgressLevelBig, 1, 1, 0, 0, 120, 20250306});
    b.task(2, 6, {2, 2, 2, ProgressLevelBig, 1, 1, 1, 1, 300, 20250306});
    for (auto [date, seconds] : {std::pair{20250306, 420}, {20250308, 900}, {20250310, 530}, {20250311, 400},
                                 {20250312, 700}, {20250101, 3000}})
        b.day(date, seconds);
    plant(2, b);

    Values c;
    for (int g = 1; g <= 2; ++g)
        for (int t = 0; t < (g == 1 ? FirstGameTaskCount : SecondGameTaskCount); ++t)
            c.task(g, t, {2, 3, 3, ProgressLevelBig, 1, 1, 0, 0, 200, 20250220});
    plant(3, c);
}

// ----------------------------------------------------------------------------------------------------
// Reading the page back
// ----------------------------------------------------------------------------------------------------
// The page parsed as XML, which fails on anything unclosed or unescaped.
struct Page {
    xmlDocPtr doc = nullptr;
    explicit Page(const std::string &html)
        : doc(xmlReadMemory(html.data(), static_cast<int>(html.size()), "page.html", "UTF-8",
                            XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING))
    {
    }
    ~Page() { xmlFreeDoc(doc); }
    Page(const Page &) = delete;
    Page &operator=(const Page &) = delete;

    // The text of every node the expression finds.
    std::vector<std::string> texts(const std::string &xpath) const
    {
        std::vector<std::string> found;
        if (!doc) return found;
        xmlXPathContextPtr context = xmlXPathNewContext(doc);
        xmlXPathObjectPtr result = xmlXPathEvalExpression(reinterpret_cast<const xmlChar *>(xpath.c_str()), context);
        for (int i = 0; result && result->nodesetval && i < result->nodesetval->nodeNr; ++i) {
            xmlChar *text = xmlNodeGetContent(result->nodesetval->nodeTab[i]);
            found.push_back(text ? reinterpret_cast<const char *>(text) : "");
            xmlFree(text);
        }
        xmlXPathFreeObject(result);
        xmlXPathFreeContext(context);
        return found;
    }
    std::string text(const std::string &xpath) const
    {
        std::vector<std::string> found = texts(xpath);
        return found.empty() ? "<nothing at " + xpath + ">" : found.front();
    }
};

// A tile of a player's game (1 or 2) by the task's number in the table.
std::string tile(char player, int game, int task)
{
    return "(//section[@id='player-" + std::string(1, player) + "']//section[@class='game'])[" + std::to_string(game) +
           "]//li[@data-task='" + std::to_string(task) + "']";
}

class Report : public ::testing::Test {
protected:
    StoreSandbox sandbox{"tavrin-report"};
    fs::path state = sandbox.dir.path / "state";
    fs::path page = sandbox.dir.path / "page.html";

    ProgramRun report(std::vector<std::string> arguments, std::vector<std::string> environment = {})
    {
        environment.insert(environment.end(), madeOnTheTwelfth.begin(), madeOnTheTwelfth.end());
        environment.push_back("XDG_STATE_HOME=" + state.string());
        return runProgram(reportProgram, arguments, environment);
    }
    // The page of the given arguments written to page.html, exit code 0 expected.
    std::string pageOf(std::vector<std::string> arguments = {})
    {
        arguments.insert(arguments.end(), {"--output", page.string()});
        ProgramRun run = report(arguments);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.err, "");
        return readFile(page);
    }
};

// ----------------------------------------------------------------------------------------------------
// Tests
// ----------------------------------------------------------------------------------------------------
TEST_F(Report, ANewPlayerSeesEveryTaskInMapOrderAndTheFirstOnesToTry)
{
    Page html(pageOf());
    ASSERT_TRUE(html.doc) << "the page is not well-formed";
    EXPECT_EQ(html.text("//p[@class='made']"), "Készült: 2025. március 12.");
    EXPECT_EQ(html.texts("//section[@class='player']/h2"),
              (std::vector<std::string>{"A játékos", "B játékos", "C játékos"}));
    // Self-contained: no script, and nothing that points outside the page.
    EXPECT_TRUE(html.texts("//script | //*[@src] | //link | //*[@href and not(starts-with(@href, '#'))]").empty());

    const std::array<const GameDef *, 2> games = {&forestDefinition(), &townDefinition()};
    for (int g = 0; g < 2; ++g) {
        std::array<int, MaxTasks> taskAt{};
        mapOrder(*games[g], taskAt);
        std::vector<std::string> expected;
        for (int place = 0; place < games[g]->taskCount; ++place) expected.push_back(games[g]->tasks[taskAt[place]].title);
        std::string tiles = "(//section[@id='player-a']//section[@class='game'])[" + std::to_string(g + 1) + "]//li";
        EXPECT_EQ(html.texts(tiles + "/span[@class='head']/text()"), expected);
        EXPECT_EQ(html.texts(tiles + "[not(contains(@class, 'new'))]").size(), 0u);
    }
    // Nothing played yet: the next new task of each map, the games taking turns.
    EXPECT_EQ(html.texts("//section[@id='player-a']//ol[@class='practise']/li/b"),
              (std::vector<std::string>{forestDefinition().tasks[0].title, townDefinition().tasks[0].title,
                                        forestDefinition().tasks[1].title}));
    EXPECT_EQ(html.texts("//section[@id='player-a']//rect[@class='bar']").size(), 0u);
    EXPECT_EQ(html.text("//section[@id='player-a']//p[@class='total']"), "Az utolsó négy hétben: nem játszott.");
}

TEST_F(Report, AWeekOfPlayShowsItsFiguresItsDaysAndWhatToPractise)
{
    plantThreePlayers();
    Page html(pageOf());
    ASSERT_TRUE(html.doc) << "the page is not well-formed";
    const GameDef &forest = forestDefinition(), &town = townDefinition();

    EXPECT_EQ(html.texts("//section[@id='player-b']/ul[@class='summary']/li"),
              (std::vector<std::string>{"erdei kalandok: 2 / 15 feladat kész, 4 csillag",
                                        "városi kalandok: 2 / 25 feladat kész, 5 csillag",
                                        "Játékidő összesen: 34 perc, 11 alkalom",
                                        "Utoljára játszott: 2025. március 12."}));
    EXPECT_EQ(html.text(tile('b', 1, 0) + "//span[@class='level']"), "kicsi");
    EXPECT_EQ(html.text(tile('b', 1, 0) + "//span[@class='on']"), "★★★");
    EXPECT_EQ(html.text(tile('b', 1, 0) + "/span[@class='plays']"), "4 alkalom, 3 kész");
    EXPECT_EQ(html.text(tile('b', 1, 0) + "/span[@class='mistakes']"), "2 hiba (legutóbb 0)");
    EXPECT_EQ(html.text(tile('b', 1, 0) + "/span[@class='time']"), "9 perc, márc. 10.");
    EXPECT_EQ(html.text(tile('b', 1, 4) + "//span[@class='off']"), "★★");
    EXPECT_EQ(html.texts(tile('b', 1, 1) + "[contains(@class, 'begun')]").size(), 1u);
    EXPECT_EQ(html.text(tile('b', 2, 6) + "//span[@class='level']"), "nagy");

    // Given up first, then the worst last play, then the better one.
    EXPECT_EQ(html.texts("//section[@id='player-b']//ol[@class='practise']/li/b"),
              (std::vector<std::string>{forest.tasks[1].title, forest.tasks[4].title, town.tasks[6].title}));
    EXPECT_EQ(html.texts("//section[@id='player-b']//ol[@class='practise']//span[@class='why']"),
              (std::vector<std::string>{"elkezdte, de még nem fejezte be, eddig 6 hiba", "legutóbb 1 csillag, 4 hiba",
                                        "legutóbb 2 csillag, 1 hiba"}));

    // The four weeks up to today: the day in January is not among them.
    std::vector<std::string> days = html.texts("//section[@id='player-b']//rect[@class='bar']/@data-day");
    std::vector<std::string> seconds = html.texts("//section[@id='player-b']//rect[@class='bar']/@data-seconds");
    EXPECT_EQ(days, (std::vector<std::string>{"20250306", "20250308", "20250310", "20250311", "20250312"}));
    EXPECT_EQ(seconds, (std::vector<std::string>{"420", "900", "530", "400", "700"}));
    EXPECT_EQ(html.text("//section[@id='player-b']//rect[@data-day='20250308']/title"), "március 8., szombat: 15 perc");
    EXPECT_EQ(html.text("//section[@id='player-b']//p[@class='total']"), "Az utolsó négy hétben: 49 perc, 5 napon.");

    // Everything finished with three stars: nothing to practise.
    EXPECT_EQ(html.text("//section[@id='player-c']/ul[@class='summary']/li[2]"),
              "városi kalandok: 25 / 25 feladat kész, 75 csillag");
    EXPECT_EQ(html.texts("//section[@id='player-c']//ol[@class='practise']/li").size(), 0u);
    EXPECT_EQ(html.texts("//section[@id='player-c']//p[@class='praise']").size(), 1u);
}

TEST_F(Report, OnePlayerAsPlainText)
{
    plantThreePlayers();
    ProgramRun run = report({"--player", "b", "--text"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("=== B játékos ===\n"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("A játékos"), std::string::npos);
    EXPECT_NE(run.out.find(std::string("  1. ") + forestDefinition().tasks[1].title +
                           " (erdei kalandok): elkezdte, de még nem fejezte be, eddig 6 hiba\n"),
              std::string::npos);
    EXPECT_NE(run.out.find("kicsi  ★★★   4 alkalom, 3 kész; 2 hiba (legutóbb 0); 9 perc, márc. 10.\n"), std::string::npos);
    EXPECT_NE(run.out.find("  március 8., szombat     15 perc"), std::string::npos);
}

TEST_F(Report, HostileValuesAreListedAsUnreadableAndNeverBreakThePage)
{
    Values a;
    a.task(1, 0, {2, 3, 3, 0, INT32_MAX, 1, 0, 0, -1, 20990101});  // a huge count, a day still to come
    a.dword("g1t0", -5);                                             // a negative time
    a.task(1, 1, {-1, -1, -1, 7, 2, 0, 1, 1, 60, 20250231});       // a level and a day that do not exist
    a.day(20250311, -60);
    a.day(20250309, 86401);
    const std::string markup = "<script>alert('x')</script><b>&amp;";
    a.raw.push_back({"g1s1", StoreTypeSz, markup + '\0'});                          // text where a number belongs
    a.raw.push_back({"g1e2", StoreTypeBinary, std::string(8, '\x7f')});
    a.raw.push_back({"g1p2", StoreTypeBinary, std::string(4, '\x01')});            // four bytes, but no DWORD
    a.raw.push_back({"day20250310", StoreTypeSz, markup + '\0'});
    a.raw.push_back({std::string(16383, '<'), StoreTypeSz, markup + '\0'});         // the longest name there is
    plant(1, a);

    for (bool text : {false, true}) {
        std::vector<std::string> arguments = {"--player", "A", "--output", page.string()};
        if (text) arguments.push_back("--text");
        ProgramRun run = report(arguments);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        std::string written = readFile(page);
        EXPECT_EQ(written.find("<script"), std::string::npos);
        EXPECT_EQ(written.find("<b>&amp;"), std::string::npos);
        if (text) {
            EXPECT_NE(written.find("  - erdei kalandok, " + std::string(forestDefinition().tasks[0].title) +
                                   ": alkalmak (g1p0) – lehetetlen érték: 2147483647\n"),
                      std::string::npos)
                << written;
            continue;
        }
        Page html(written);
        ASSERT_TRUE(html.doc) << "the page is not well-formed";
        std::vector<std::string> lines = html.texts("//section[@id='player-a']/section[@class='trouble']//li");
        std::string all;
        for (const std::string &line : lines) all += line + "\n";
        EXPECT_EQ(lines.size(), 11u) << all;
        for (const char *name : {"(g1p0) – lehetetlen érték: 2147483647", "(g1t0) – lehetetlen érték: -5",
                                 "(g1d0) – lehetetlen érték: 20990101", "(g1l1)", "(g1d1)", "(g1s1) – nem szám",
                                 "(g1e2) – nem szám", "(g1p2) – nem szám", "(day20250310) – nem szám",
                                 "(day20250311) – lehetetlen érték: -60", "(day20250309) – lehetetlen érték: 86401"})
            EXPECT_NE(all.find(name), std::string::npos) << name;
        EXPECT_EQ(html.text(tile('a', 1, 0) + "/span[@class='plays bad']"), "? alkalom, 1 kész");
        EXPECT_EQ(html.text(tile('a', 1, 0) + "/span[@class='time bad']"), "? perc, ?");
    }
}

TEST_F(Report, AStoreInTroubleGivesAPageThatSaysSoAndExitCodeOne)
{
    // The store's own line names its folder, here one whose name is markup: the page must still hold.
    fs::path config = sandbox.dir.path / "<i>a & b</i>", folder = config / "tavrin";
    fs::create_directories(folder);
    std::ofstream(folder / "registry.db") << "This is no database, but a child's drawing saved by mistake.\n";
    ProgramRun run = report({"--output", page.string()}, {"XDG_CONFIG_HOME=" + config.string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_EQ(run.err.rfind("tavrin-report: the store could not be read in full", 0), 0u) << run.err;
    Page damaged(readFile(page));
    ASSERT_TRUE(damaged.doc) << "the page is not well-formed";
    std::string line = damaged.text("//section[@class='trouble']/ul/li");
    EXPECT_NE(line.find("is corrupt"), std::string::npos) << line;
    EXPECT_NE(line.find("/<i>a & b</i>/tavrin/registry.db"), std::string::npos) << line;
    // The damaged store is kept under another name, never deleted.
    bool kept = false;
    for (const auto &entry : fs::directory_iterator(folder))
        kept = kept || entry.path().filename().string().rfind("registry.db.corrupt-", 0) == 0;
    EXPECT_TRUE(kept);

    // A store that cannot be made at all.
    fs::remove_all(folder);
    std::ofstream(folder) << "a file where the store's folder belongs\n";
    run = report({"--output", page.string()}, {"XDG_CONFIG_HOME=" + config.string()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(readFile(page).find("A tároló nem volt teljesen olvasható"), std::string::npos);

    // Another program in the middle of writing: what is committed is read, without waiting for it.
    plantThreePlayers();
    sqlite3 *writer = nullptr;
    ASSERT_EQ(sqlite3_open((sandbox.config / "tavrin" / "registry.db").c_str(), &writer), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(writer, "BEGIN IMMEDIATE; DELETE FROM vals;", nullptr, nullptr, nullptr), SQLITE_OK);
    Page locked(pageOf({"--player", "B"}));
    EXPECT_EQ(locked.text(tile('b', 1, 0) + "/span[@class='plays']"), "4 alkalom, 3 kész");
    sqlite3_exec(writer, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(writer);
}

TEST_F(Report, ThePageGoesToTheUsersStateFolderForTheUserAloneAndOpens)
{
    // A stand-in for the desktop's handler notes what it was asked to open.
    fs::path bin = sandbox.dir.path / "bin", opened = sandbox.dir.path / "opened";
    fs::create_directories(bin);
    std::ofstream(bin / "xdg-open") << "#!/bin/sh\nprintf '%s\\n' \"$1\" > '" << opened.string() << "'\n";
    fs::permissions(bin / "xdg-open", fs::perms::owner_all);
    const std::string path = "PATH=" + bin.string() + ":" + getenv("PATH");
    fs::path target = state / "tavrin" / "attekintes.html", victim = sandbox.dir.path / "victim";
    ProgramRun run = report({}, {path});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, target.string() + "\n");
    EXPECT_TRUE(eventually([&] { return readFile(opened) == target.string() + "\n"; }));
    struct stat info {};
    ASSERT_EQ(stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    ASSERT_EQ(stat(target.parent_path().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);

    // A link planted where the page goes is never written through, nor replaced.
    fs::remove(target);
    std::ofstream(victim) << "keep me\n";
    fs::create_symlink(victim, target);
    ProgramRun refused = report({"--output", target.string()});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("a symbolic link stands there"), std::string::npos) << refused.err;
    EXPECT_TRUE(fs::is_symlink(target));
    EXPECT_EQ(readFile(victim), "keep me\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(target.parent_path()), fs::directory_iterator()), 1)
        << "no temporary file is left behind";

    // Mistakes: one line each, exit code 1, nothing written.
    for (const std::vector<std::string> &wrong :
         {std::vector<std::string>{"--player", "D"}, {"--output"}, {"--colour"},
          {"--output", (sandbox.dir.path / "no such folder" / "page.html").string()}}) {
        ProgramRun refused = report(wrong);
        EXPECT_EQ(refused.exitCode, 1) << wrong.front();
        EXPECT_EQ(std::count(refused.err.begin(), refused.err.end(), '\n'), 1) << refused.err;
        EXPECT_EQ(refused.out, "");
    }
}

TEST_F(Report, ABrowserDrawsThePageWithoutAnError)
{
    plantThreePlayers();
    pageOf();
    fs::path shot = sandbox.dir.path / "page.png", profile = sandbox.dir.path / "profile";
    ProgramRun run = runProgram("chromium", {"--headless", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
                                             "--disable-component-update", "--disable-sync", "--no-first-run",
                                             "--user-data-dir=" + profile.string(), "--enable-logging=stderr", "--v=0",
                                             "--window-size=1100,1600", "--screenshot=" + shot.string(),
                                             "file://" + page.string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    // The page's own messages (a script error, a blocked load) are the console's.
    EXPECT_EQ(run.err.find(":CONSOLE"), std::string::npos) << run.err;
    EXPECT_GT(fs::file_size(shot), 50000u) << "a blank picture is small";
    if (const char *keep = getenv("TAVRIN_SHOTS")) {
        fs::create_directories(keep);
        fs::copy_file(shot, fs::path(keep) / "report.png", fs::copy_options::overwrite_existing);
        fs::copy_file(page, fs::path(keep) / "report.html", fs::copy_options::overwrite_existing);
    }
}

} // namespace
