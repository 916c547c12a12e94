// e2e_test.cpp -- the built game libraries, loaded as the shell loads them, on the real store and a real font
#include <dlfcn.h>
#include <stdlib.h>
#include <unistd.h>

#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>
#include <SDL/SDL_ttf.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "atlas.h"
#include "engine.h"
#include "gametext.h"
#include "forest.h"
#include "progress.h"
#include "store/settings.h"
#include "tavrin/module.h"
#include "tavrin/progress.h"
#include "tavrin/store.h"
#include "town.h"

#include "events.h"
#include "pixels.h"
#include "sdl_services.h"
#include "store_sandbox.h"

namespace {

struct Library {
    void *handle = nullptr;
    ModuleSetSlotFn setslot = nullptr;
    ModuleDrawScreenFn drawscreen = nullptr;
    ModuleEventFn mouseevent = nullptr;
    ModuleEventFn keyevent = nullptr;

    explicit Library(const char *file)
    {
        std::string path = std::string(TAVRIN_RUN_DIR) + "/" + file;
        handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!handle) return;
        setslot = reinterpret_cast<ModuleSetSlotFn>(dlsym(handle, "setslot"));
        drawscreen = reinterpret_cast<ModuleDrawScreenFn>(dlsym(handle, "drawscreen"));
        mouseevent = reinterpret_cast<ModuleEventFn>(dlsym(handle, "mouseevent"));
        keyevent = reinterpret_cast<ModuleEventFn>(dlsym(handle, "keyevent"));
    }
    ~Library()
    {
        if (handle) dlclose(handle);
    }
    bool complete() const { return handle && setslot && drawscreen && mouseevent && keyevent; }
    int draw(int frames = 1)
    {
        int ended = 0;
        for (int i = 0; i < frames && !ended; ++i) ended = drawscreen(blit, setClip, fill);
        return ended;
    }
    // A click after a child's pause: a press just after the screen changed is not taken.
    int click(const SDL_Rect &r)
    {
        SDL_Delay(300);
        SDL_Event e = buttonEvent(SDL_MOUSEBUTTONDOWN, r.x + r.w / 2, r.y + r.h / 2);
        return mouseevent(&e);
    }
};

int32_t storedValue(int slotNumber, const std::string &name)
{
    char path[64];
    std::snprintf(path, sizeof path, TAVRIN_SLOT_KEY_FORMAT, TAVRIN_SETTINGS_ROOT, slotNumber);
    StoreKey key = nullptr;
    if (storeOpenKey(path, StoreRead, &key) != StoreOk) return -100;
    int32_t value = 0;
    int result = storeQueryDword(key, name.c_str(), &value);
    storeCloseKey(key);
    return result == StoreOk ? value : -100;
}

void setQuiz(int value)
{
    StoreKey key = nullptr;
    ASSERT_EQ(storeOpenKey("Software\\Vorniquel\\Tavrin\\", StoreWrite, &key), StoreOk);
    unsigned char data[4] = {static_cast<unsigned char>(value), 0, 0, 0};
    storeSetValue(key, "quiz", StoreTypeDword, data, 4);
    storeFlushKey(key);
    storeCloseKey(key);
}

class Games : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        // A store of this test's own, the run-time folder for the font, and a silent audio device.
        store = std::make_unique<StoreSandbox>("tavrin-games");
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        ASSERT_EQ(chdir(TAVRIN_RUN_DIR), 0);
        SDL_Init(SDL_INIT_AUDIO);
        Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 1024);
        screen = SDL_CreateRGBSurface(SDL_SWSURFACE, 800, 600, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    }
    static void TearDownTestSuite()
    {
        SDL_FreeSurface(screen);
        Mix_CloseAudio();
        SDL_Quit();
        store.reset();
    }
    static inline std::unique_ptr<StoreSandbox> store;

    void SetUp() override
    {
        for (int slot = 1; slot <= 3; ++slot) eraseSlot(slot);
        setQuiz(1);
    }
};

// What a card shows after a click, read from its plate beside the picture: the right answer turns green,
// a wrong one grey.
enum class Plate { Right, Wrong, Other };

Plate plateAt(const SDL_Rect &card)
{
    auto [r, g, b] = rgbAt(screen, card.x + 14, card.y + 24);
    if (g > 230 && r < 215 && b < 205) return Plate::Right;
    if (r > 215 && r < 235 && g > 215 && g < 230 && b > 210 && b < 225) return Plate::Wrong;
    return Plate::Other;
}

// Clicks the places of a question's answers in turn until the right one turns green, then waits out the
// praise; the answers stand in a new order every time, so the game's own table cannot tell where.
bool answerByLooking(Library &lib, int count)
{
    for (int place = 0; place < count; ++place) {
        SDL_Rect card = choiceRect(place, count);
        if (lib.click(card) != 0 || lib.draw() != 0) return false;
        if (plateAt(card) == Plate::Right) return lib.draw(80) == 0;
    }
    return false;
}

// Plays task 0 of the game loaded as `lib` to its end, with the quiz, until its value `name` is stored for
// player B, taking at least `spend` over it; every question of task 0 in both games has three answers.
void finishFirstTask(Library &lib, const GameDef &game, const char *name, std::chrono::milliseconds spend = {})
{
    ASSERT_EQ(lib.click(tileRect(0, game.taskCount)), 0);
    ASSERT_EQ(lib.draw(), 0);
    std::this_thread::sleep_for(spend);
    for (int r = 0; r <= RoundsPerTask && storedValue(2, name) != 2; ++r)
        ASSERT_TRUE(answerByLooking(lib, 3)) << "question " << r;
}

} // namespace

// Today's date as the records keep it.
int today()
{
    std::time_t now = std::time(nullptr);
    const std::tm *local = std::localtime(&now);
    return (local->tm_year + 1900) * 10000 + (local->tm_mon + 1) * 100 + local->tm_mday;
}

TEST_F(Games, EachGameIsFinishedOnceAndThePlayersPercentageRises)
{
    struct Case {
        const char *file;
        const GameDef &game;
        const char *value;
    } cases[] = {{"game1.so", forestDefinition(), "g1a0"}, {"game2.so", townDefinition(), "g2a0"}};
    int expectedDone = 0;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.file);
        Library lib(c.file);
        ASSERT_TRUE(lib.complete()) << dlerror();
        ASSERT_EQ(lib.setslot(1), 0);
        ASSERT_EQ(lib.draw(), 0);
        auto started = std::chrono::steady_clock::now();
        finishFirstTask(lib, c.game, c.value, std::chrono::milliseconds(1600));
        double took = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        EXPECT_EQ(storedValue(2, c.value), 2);
        // The play's records, under the game's own names beside the done value.
        std::string g = std::string(c.value).substr(0, 2);
        EXPECT_EQ(storedValue(2, g + "p0"), 1);
        EXPECT_EQ(storedValue(2, g + "f0"), 1);
        EXPECT_EQ(storedValue(2, g + "r0"), storedValue(2, g + "s0"));
        EXPECT_EQ(storedValue(2, g + "m0"), storedValue(2, g + "e0"));
        EXPECT_GE(storedValue(2, g + "t0"), 2);
        EXPECT_LE(storedValue(2, g + "t0"), took + 1);
        EXPECT_EQ(storedValue(2, g + "d0"), today());
        EXPECT_EQ(storedValue(1, c.value), -100);
        EXPECT_EQ(storedValue(3, c.value), -100);
        ++expectedDone;
        EXPECT_EQ(slotProgressPercent(2), expectedDone * 100 / 40);
        ASSERT_EQ(lib.draw(), 0);
        EXPECT_NE(lib.click(backButtonRect()), 0);
    }
    EXPECT_EQ(slotProgressPercent(1), 0);
    std::string day = "day" + std::to_string(today());
    EXPECT_GE(storedValue(2, day), storedValue(2, "g1t0") + storedValue(2, "g2t0") - 1) << "a play over midnight";
    // "eredmény törlése" takes the records with the progress.
    ASSERT_TRUE(eraseSlot(2));
    EXPECT_EQ(storedValue(2, "g1p0"), -100);
    EXPECT_EQ(storedValue(2, day), -100);
}

// One rule for the game and the menu: a done value stored as anything but a 4-byte REG_DWORD is not done for
// either, and finishing the task replaces it, so that both count it from then on.
TEST_F(Games, AWronglyTypedDoneValueReadsTheSameInTheGameAndInTheMenu)
{
    StoreKey key = nullptr;
    ASSERT_EQ(storeOpenKey("Software\\Vorniquel\\Tavrin\\slot2", StoreWrite, &key), StoreOk);
    unsigned char two = 2;
    storeSetValue(key, "g1a0", StoreTypeBinary, &two, 1);
    storeSetDword(key, "g1a1", 2);
    storeCloseKey(key);
    std::array<bool, MaxTasks> done{};
    readProgress(forestDefinition(), 1, done);
    EXPECT_FALSE(done[0]);
    EXPECT_TRUE(done[1]);
    EXPECT_EQ(slotProgressPercent(2), 0) << "the menu's count stops at the first value that is no number";

    Library lib("game1.so");
    ASSERT_TRUE(lib.complete());
    ASSERT_EQ(lib.setslot(1), 0);
    finishFirstTask(lib, forestDefinition(), "g1a0");
    readProgress(forestDefinition(), 1, done);
    EXPECT_TRUE(done[0]);
    EXPECT_EQ(slotProgressPercent(2), 2 * 100 / 40);
    EXPECT_NE(lib.click(backButtonRect()), 0);
}

TEST_F(Games, TheTaskMapIsDrawnWithTheRealFont)
{
    Library lib("game2.so");
    ASSERT_TRUE(lib.complete());
    ASSERT_EQ(lib.setslot(0), 0);
    SDL_FillRect(screen, nullptr, 0);
    ASSERT_EQ(lib.draw(), 0);
    // The "vissza" button is orange and its label white; the title panel is cream.
    SDL_Rect back = backButtonRect();
    int white = 0, orange = 0;
    for (int y = back.y + 8; y < back.y + back.h - 8; ++y)
        for (int x = back.x + 10; x < back.x + back.w - 10; ++x) {
            auto [r, g, b] = rgbAt(screen, x, y);
            white += r > 240 && g > 240 && b > 240;
            orange += r > 220 && g > 110 && g < 170 && b < 90;
        }
    EXPECT_GT(orange, 2000);
    EXPECT_GT(white, 60) << "the label is drawn";
    EXPECT_EQ(rgbAt(screen, 60, 40).r, 255);
    EXPECT_EQ(rgbAt(screen, 60, 40).g, 250);
    EXPECT_NE(lib.draw(), 1);
}

TEST_F(Games, UnloadingAnUnfinishedGameIsSafeAfterTheShellStoppedAudioAndFonts)
{
    for (const char *file : {"game1.so", "game2.so"}) {
        SCOPED_TRACE(file);
        TTF_Init(); // the shell's own use of the font library
        {
            Library lib(file);
            ASSERT_TRUE(lib.complete());
            ASSERT_EQ(lib.setslot(2), 0);
            ASSERT_EQ(lib.draw(3), 0);
            ASSERT_EQ(lib.click(tileRect(0, 15)), 0);
            ASSERT_EQ(lib.draw(3), 0);
            ASSERT_EQ(lib.click(choiceRect(0, 3)), 0); // some answer: a sound starts
            // The shell shuts its audio and its fonts down first; the library goes away unfinished afterwards.
            Mix_CloseAudio();
            TTF_Quit();
        }
        EXPECT_EQ(TTF_WasInit(), 0) << "the game gave back its own use of the font library";
        EXPECT_EQ(storedValue(3, std::string(file).substr(0, 5) == "game1" ? "g1p0" : "g2p0"), 1)
            << "a play cut short by the program's end still counts";
        Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 1024);
    }
}

TEST_F(Games, StartingAGameTwiceInOneRunWorksBothTimes)
{
    for (int run = 0; run < 2; ++run) {
        Library lib("game1.so");
        ASSERT_TRUE(lib.complete());
        ASSERT_EQ(lib.setslot(0), 0);
        ASSERT_EQ(lib.draw(2), 0);
        SDL_Event escape = keyEvent(SDL_KEYDOWN, SDLK_ESCAPE);
        EXPECT_NE(lib.keyevent(&escape), 0);
    }
}

TEST_F(Games, TextGrowsWithEverySizeAskedForWithTheRealFont)
{
    textOpen();
    ASSERT_TRUE(textHasFont());
    int last = 0;
    for (int size = 10; size <= 80; size += 2) { // more sizes than the games keep open at once
        SDL_Surface *s = textRender("20", size, Rgba{0, 0, 0, 255}, 1000);
        ASSERT_NE(s, nullptr);
        EXPECT_GT(s->h, last) << size;
        last = s->h;
        SDL_FreeSurface(s);
    }
    textClose();
}

TEST_F(Games, PraiseAndHintsSoundOnTheGamesOwnChannelsNeverOnTheShellsClick)
{
    Library lib("game1.so");
    ASSERT_TRUE(lib.complete());
    ASSERT_EQ(lib.setslot(0), 0);
    ASSERT_EQ(lib.click(tileRect(0, 15)), 0);
    ASSERT_EQ(lib.draw(), 0);
    bool heardWrong = false, heardRight = false;
    for (int place = 0; place < 3 && !heardRight; ++place) {
        SDL_Rect card = choiceRect(place, 3);
        ASSERT_EQ(lib.click(card), 0);
        ASSERT_EQ(lib.draw(), 0);
        Plate plate = plateAt(card);
        if (plate == Plate::Wrong) heardWrong = Mix_Playing(3);
        if (plate == Plate::Right) heardRight = Mix_Playing(2);
        EXPECT_FALSE(Mix_Playing(1));
    }
    EXPECT_TRUE(heardRight);
    // A wrong answer, unless the right one happened to stand first: then the next question gets one.
    for (int place = 0; place < 3 && !heardWrong; ++place) {
        ASSERT_EQ(lib.draw(80), 0);
        SDL_Rect card = choiceRect(place, 3);
        ASSERT_EQ(lib.click(card), 0);
        ASSERT_EQ(lib.draw(), 0);
        if (plateAt(card) == Plate::Wrong) heardWrong = Mix_Playing(3);
    }
    EXPECT_TRUE(heardWrong);
    SDL_Event escape = keyEvent(SDL_KEYDOWN, SDLK_ESCAPE);
    EXPECT_NE(lib.keyevent(&escape), 0);
    EXPECT_FALSE(Mix_Playing(2)) << "nothing of the game plays once it has ended";
    EXPECT_FALSE(Mix_Playing(3));
}

// Every text stands inside its place with room to the border, a hint in two lines under the hint panel's
// first, and no line of any text starts with a number.
TEST_F(Games, EveryTextFitsWhereItIsShown)
{
    auto size = [](const char *text, TextStyle style) {
        const AtlasSprite *s = atlasSprite(textFind(text, style));
        return s ? s->rect : SDL_Rect{0, 0, 9999, 9999};
    };
    auto noNumberStartsALine = [](const char *text, TextStyle style) {
        std::vector<std::string> lines = textLines(text, style);
        for (size_t i = 1; i < lines.size(); ++i) EXPECT_FALSE(lines[i][0] >= '0' && lines[i][0] <= '9') << text;
    };
    const SDL_Rect prompt = promptRect(), hint = hintRect(), card = choiceRect(0, 3);
    constexpr int cardMargin = 14; // the card's border and a margin inside it
    auto checkRound = [&](const Task &task, const Round &round, bool quiz) {
        for (const char *said : {round.hint ? round.hint : task.hint, round.secondHint}) {
            if (!said) continue;
            SDL_Rect h = size(said, TextHint);
            EXPECT_LE(h.w, hint.w - 40) << said;
            EXPECT_LE(h.h, hint.h - 32) << said << " must take two lines at most, under the first line";
            noNumberStartsALine(said, TextHint);
        }
        if (!quiz && sceneCount(round) == 0) { // asked large in the scene
            SDL_Rect large = size(round.prompt, TextTitle);
            EXPECT_LE(large.w, sceneRect().w - 40) << round.prompt;
            EXPECT_LE(large.h, sceneRect().h - 40) << round.prompt;
            noNumberStartsALine(round.prompt, TextTitle);
        } else {
            SDL_Rect p = size(round.prompt, TextPrompt);
            EXPECT_LE(p.w, prompt.w - 40) << round.prompt;
            EXPECT_LE(p.h, prompt.h - 8) << round.prompt;
            noNumberStartsALine(round.prompt, TextPrompt);
        }
        for (int c = 0; c < choiceCount(round); ++c) {
            const Choice &choice = round.choices[c];
            if (!choice.label) continue;
            if (choice.warning) {
                SDL_Rect w = size(choice.warning, TextWarning);
                EXPECT_LE(w.w, hint.w - 40) << choice.warning;
                EXPECT_LE(w.h, 32) << choice.warning << " must stay on one line";
            }
            SDL_Rect l = size(choice.label, answerStyle(choice));
            EXPECT_LE(l.w, card.w - 2 * cardMargin) << choice.label;
            EXPECT_LE(l.h, choice.pic.kind != PicNone ? 28 : card.h - 2 * cardMargin) << choice.label;
            noNumberStartsALine(choice.label, answerStyle(choice));
        }
    };
    for (const GameDef *game : {&forestDefinition(), &townDefinition()}) {
        ASSERT_EQ(engineSetSlot(*game, 0), 0);
        ASSERT_TRUE(textHasFont());
        for (int t = 0; t < game->taskCount; ++t) {
            const Task &task = game->tasks[t];
            SCOPED_TRACE(task.title);
            EXPECT_LE(size(task.title, TextLabel).w, hint.w - 40);
            EXPECT_LE(size(task.title, TextPrompt).w, prompt.w - 40);
            for (int level = 0; level < LevelCount; ++level) {
                for (const Round &r : task.pools[level]) checkRound(task, r, false);
                for (int k = 0; k < engineMadeCount(t, level); ++k) checkRound(task, engineMadeRound(t, level, k), false);
            }
            checkRound(task, task.quiz, true);
        }
        EXPECT_LE(size("Kész a feladat!", TextTitle).w, doneTextRect().w - 20);
        for (const char *button : {"tovább", "még egyszer", "feladatok", "vissza"})
            EXPECT_LE(size(button, TextButton).w, nextButtonRect().w - 24) << button;
        engineRelease();
    }
}
