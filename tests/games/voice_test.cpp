// voice_test.cpp -- the games' voice: a clip for every text, every text read as words, and the games speaking
#include <gtest/gtest.h>

#include <SDL/SDL.h>
#include <SDL/SDL_mixer.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "engine.h"
#include "events.h"
#include "fake_store.h"
#include "forest.h"
#include "phrases.h"
#include "play_driver.h"
#include "speech.h"
#include "tavrin/host.h"
#include "town.h"
#include "voice.h"
#include "voicetexts.h"

namespace fs = std::filesystem;

namespace {

// Lines of a tab-separated file, split at the tabs.
std::vector<std::vector<std::string>> tabLines(const fs::path &file)
{
    std::vector<std::vector<std::string>> lines;
    std::ifstream in(file, std::ios::binary);
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> fields;
        std::stringstream fieldsIn(line);
        for (std::string field; std::getline(fieldsIn, field, '\t');) fields.push_back(field);
        lines.push_back(fields);
    }
    return lines;
}

const fs::path voiceFolder = fs::path(TAVRIN_RUN_DIR) / "snd" / "voice";

} // namespace

//----------------------------------------------------------------------------------------------------------
// The clips and how the texts are read
//----------------------------------------------------------------------------------------------------------

TEST(SpeechText, NumbersAreSaidAsAHungarianSpeakerSaysThemInTheirPlace)
{
    const std::map<std::string, std::string> cases{
        {"Mutass fel 2 ujjat, aztán még 2-t!", "Mutass fel két ujjat, aztán még kettőt!"},
        {"Mennyi 2 meg 2?", "Mennyi kettő meg kettő?"},
        {"A fél 4 azt jelenti: 3 óra 30 perc.", "A fél négy azt jelenti: három óra harminc perc."},
        {"Melyik óra mutat fél 12-t?", "Melyik óra mutat fél tizenkettőt?"},
        {"12 óra", "tizenkét óra"},
        {"Hívd a 112-t!", "Hívd az egy egy kettőt!"},
        {"A kifli 20 Ft. 50 Ft-tal fizetsz.", "A kifli húsz forint. ötven forinttal fizetsz."},
        {"Melyik a 7-es busz? És a 30-as?", "Melyik a hetes busz? És a harmincas?"},
        {"8 alma volt, elvitt 3-at, aztán 5-öt.", "nyolc alma volt, elvitt hármat, aztán ötöt."},
        {"a 2. sorban, 125 Ft", "a második sorban, százhuszonöt forint"},
        {"piros, kék, piros, kék...?", "piros, kék, piros, kék?"},
        {"szerda... számold végig, pl. ujjal!", "szerda, számold végig, például ujjal!"},
        {"Melyik a STOP tábla?", "Melyik a stop tábla?"},
    };
    for (const auto &[shown, spoken] : cases) EXPECT_EQ(speechText(shown.c_str()), spoken) << shown;
    EXPECT_EQ(speechText(said("555", "öt öt öt")), "öt öt öt") << "a telephone number keeps its own speech form";
}

// Every text of both games has its clips in the build's voice folder (one for each sentence), also the
// texts the makers make from seeds the build never tried.
TEST(VoiceClips, EveryTextOfBothGamesHasAClip)
{
    std::map<std::string, std::vector<std::string>> clipsOf;
    std::set<std::string> named;
    for (const auto &line : tabLines(voiceFolder / "clips.txt")) {
        ASSERT_EQ(line.size(), 2u);
        std::stringstream names(line[0]);
        for (std::string name; names >> name;) {
            clipsOf[line[1]].push_back(name);
            named.insert(name);
        }
    }
    ASSERT_FALSE(clipsOf.empty()) << voiceFolder;
    int texts = 0;
    for (const GameDef *game : {&forestDefinition(), &townDefinition()})
        for (const std::string &text : spokenTexts(*game, 7000001, SpokenTextSeeds)) {
            ++texts;
            auto clips = clipsOf.find(text);
            ASSERT_NE(clips, clipsOf.end()) << "no clip for \"" << text << "\"";
            EXPECT_FALSE(clips->second.empty()) << text;
        }
    EXPECT_GT(texts, 300);
    std::set<std::string> shipped;
    for (const auto &entry : fs::directory_iterator(voiceFolder))
        if (entry.path().extension() == ".ogg") {
            shipped.insert(entry.path().filename().string());
            std::ifstream in(entry.path(), std::ios::binary);
            char magic[4] = {};
            EXPECT_TRUE(in.read(magic, 4) && std::string(magic, 4) == "OggS") << entry.path();
        }
    EXPECT_EQ(shipped, named) << "the folder holds the clips of the manifest and nothing else";
}

// What espeak-ng read every spoken text as, recorded when its clip was made: no number left in digits for the
// synthesiser to read its own way, no "pont" from punctuation, no abbreviation spelled out.
TEST(VoiceClips, EveryTextIsReadAsWords)
{
    auto report = tabLines(TAVRIN_VOICE_REPORT);
    ASSERT_EQ(report.size(), tabLines(voiceFolder / "clips.txt").size());
    const std::regex digit("[0-9]"), point("pont"), capitals("\\b[A-Z]{2,}\\b"),
        abbreviation("(^|[ ,])(Ft|pl\\.|stb\\.|kb\\.|db|kg|km|cm)([ ,.!?-]|$)");
    for (const auto &line : report) {
        ASSERT_EQ(line.size(), 3u);
        const std::string &shown = line[0], &speech = line[1], &phonemes = line[2];
        EXPECT_FALSE(std::regex_search(speech, digit)) << "a number left in digits: \"" << shown << "\"";
        EXPECT_FALSE(std::regex_search(phonemes, point) && !std::regex_search(speech, point))
            << "punctuation read out as \"pont\": \"" << shown << "\" -> " << phonemes;
        EXPECT_FALSE(std::regex_search(speech, capitals) || std::regex_search(speech, abbreviation))
            << "an abbreviation or a word in capitals: \"" << shown << "\"";
        EXPECT_FALSE(phonemes.empty()) << shown;
    }
}

//----------------------------------------------------------------------------------------------------------
// The games speaking
//----------------------------------------------------------------------------------------------------------

namespace {

int moveTo(int x, int y)
{
    SDL_Event e = motionEvent(x, y);
    return engineMouse(&e);
}

// Frames until the voice is heard: a clip is decoded on a thread of the game's own before it starts.
bool heard()
{
    for (int i = 0; i < 200 && !Mix_Playing(TavrinChannelVoice); ++i) {
        SDL_Delay(5);
        drawFrames(1);
    }
    return Mix_Playing(TavrinChannelVoice);
}

// The answers of the question shown that are right, or wrong.
std::vector<int> answers(const GameDef &game, bool right)
{
    const Round &r = engineShownRound();
    const Task &t = game.tasks[engineTask()];
    RuleFn rule = engineScreen() == EngineQuiz ? t.quizRule : t.rule;
    std::vector<int> found;
    for (int i = 0; i < choiceCount(r); ++i)
        if (rule(r, i) == right) found.push_back(i);
    return found;
}

// The games as the shell runs them: the mixer open (on SDL's silent driver), in the folder of the run-time files.
class Speaking : public ::testing::Test {
protected:
    fs::path previous;
    void SetUp() override
    {
        fakeStoreReset();
        driverClockStart();
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
        ASSERT_EQ(Mix_OpenAudio(44100, AUDIO_S16LSB, 2, 2048), 0) << Mix_GetError();
        previous = fs::current_path();
        fs::current_path(TAVRIN_RUN_DIR);
    }
    void TearDown() override
    {
        engineRelease();
        fs::current_path(previous);
        Mix_CloseAudio();
        SDL_Quit();
    }
    void start(const GameDef &game)
    {
        engineSeed(5);
        ASSERT_EQ(engineSetSlot(game, 0), 0);
        ASSERT_EQ(drawFrames(1), 0);
        ASSERT_GT(voiceTextCount(), 300);
    }
};

} // namespace

TEST_F(Speaking, AQuestionIsSaidWhenItAppearsAndAClickOnAnAnswerStopsIt)
{
    start(forestDefinition());
    EXPECT_STREQ(voiceSaying(), forestDefinition().title) << "the map greets the child";
    ASSERT_EQ(pressAt(taskTileRect(0)), 0);
    ASSERT_EQ(drawFrames(1), 0);
    const char *prompt = engineShownRound().prompt;
    EXPECT_STREQ(voiceSaying(), prompt);
    EXPECT_TRUE(heard());
    EXPECT_STREQ(voiceSaying(), prompt);
    EXPECT_FALSE(Mix_Playing(TavrinChannelClick)) << "the shell's click channel is left alone";

    // A wrong answer: the question stops, "try again" and the hint are said instead.
    ASSERT_EQ(pressAt(answerRect(answers(forestDefinition(), false)[0])), 0);
    EXPECT_STREQ(voiceSaying(), engineCloseMiss() ? phrases::tryAgain : phrases::notThis);
    EXPECT_TRUE(heard());
    // The next click hides the hint and silences it; a right answer is praised.
    ASSERT_EQ(pressAt(SDL_Rect{400, 200, 1, 1}), 0);
    EXPECT_FALSE(Mix_Playing(TavrinChannelVoice));
    ASSERT_EQ(pressAt(answerRect(answers(forestDefinition(), true)[0])), 0);
    ASSERT_NE(voiceSaying(), nullptr);
    EXPECT_NE(std::string(voiceSaying()), prompt);
    ASSERT_EQ(drawFrames(80), 0);
    EXPECT_STREQ(voiceSaying(), engineShownRound().prompt) << "the next question is said when it appears";

    // Leaving the task stops the question; the map asks for a task.
    ASSERT_EQ(pressAt(mapButtonRect()), 0);
    EXPECT_STREQ(voiceSaying(), phrases::pick);
    ASSERT_NE(pressAt(backButtonRect()), 0);
    EXPECT_FALSE(Mix_Playing(TavrinChannelVoice)) << "nothing of the game sounds after it has ended";
}

TEST_F(Speaking, TheSpeakerSaysTheQuestionAgainAndTheListenControlSaysAnAnswerWithoutChoosingIt)
{
    start(townDefinition());
    // The first task whose first question has an answer with words.
    int named = -1;
    for (int t = 0; named < 0 && t < townDefinition().taskCount; ++t) {
        ASSERT_EQ(pressAt(taskTileRect(t)), 0);
        for (int i = choiceCount(engineShownRound()) - 1; i >= 0; --i)
            if (engineShownRound().choices[i].label) named = i;
        if (named < 0) {
            ASSERT_EQ(pressAt(mapButtonRect()), 0);
        }
    }
    ASSERT_GE(named, 0);
    const Round &r = engineShownRound();
    ASSERT_EQ(pressAt(listenRect(named)), 0);
    EXPECT_STREQ(voiceSaying(), r.choices[named].label);
    EXPECT_FALSE(engineShowingPraise() || engineShowingHint()) << "listening is not choosing";
    EXPECT_EQ(engineRound(), 0);
    ASSERT_EQ(pressAt(speakerRect()), 0);
    EXPECT_STREQ(voiceSaying(), r.prompt);
    EXPECT_FALSE(engineShowingPraise() || engineShowingHint());
}

TEST_F(Speaking, AWordIsSaidWhenThePointerRestsOnIt)
{
    start(townDefinition());
    voiceStop();
    SDL_Rect tile = taskTileRect(3);
    moveTo(tile.x + 10, tile.y + 10);
    ASSERT_EQ(drawFrames(VoiceRestFrames - 2), 0);
    EXPECT_EQ(voiceSaying(), nullptr) << "passing over a tile says nothing";
    ASSERT_EQ(drawFrames(2), 0);
    EXPECT_STREQ(voiceSaying(), townDefinition().tasks[3].title);
    ASSERT_EQ(drawFrames(VoiceRestFrames * 3), 0);
    voiceStop();
    ASSERT_EQ(drawFrames(VoiceRestFrames * 2), 0);
    EXPECT_EQ(voiceSaying(), nullptr) << "a word is said once while the pointer stays";

    // A question's answer that appears under a pointer that does not move is not said over the question.
    ASSERT_EQ(pressAt(tile), 0);
    ASSERT_EQ(pressAt(answerRect(answers(townDefinition(), true)[0])), 0);
    ASSERT_EQ(drawFrames(80), 0);
    EXPECT_STREQ(voiceSaying(), engineShownRound().prompt);
}

TEST_F(Speaking, AtEffectsVolumeZeroNothingIsSaid)
{
    fakeSetDword(fakeRootPath, "fxvolume", 0);
    start(forestDefinition());
    ASSERT_EQ(pressAt(taskTileRect(0)), 0);
    ASSERT_EQ(pressAt(speakerRect()), 0);
    EXPECT_FALSE(heard());
    EXPECT_EQ(voiceSaying(), nullptr);
    EXPECT_EQ(voiceMissing(), 0);
}

// Both games played through, every wrong answer tried before the right one and every button and answer
// pointed at: whatever the games say has a clip.
TEST_F(Speaking, EverythingTheGamesSayHasAClip)
{
    auto restOn = [](const SDL_Rect &r) {
        moveTo(r.x + 5, r.y + 5);
        return drawFrames(VoiceRestFrames);
    };
    for (const GameDef *game : {&forestDefinition(), &townDefinition()}) {
        SCOPED_TRACE(game->title);
        start(*game);
        for (int t = 0; t < game->taskCount; ++t) {
            ASSERT_EQ(restOn(taskTileRect(t)), 0);
            ASSERT_EQ(pressAt(taskTileRect(t)), 0);
            while (engineScreen() == EnginePlay || engineScreen() == EngineQuiz) {
                for (int i = 0; i < choiceCount(engineShownRound()); ++i) ASSERT_EQ(restOn(answerRect(i)), 0);
                for (int wrong : answers(*game, false)) ASSERT_EQ(pressAt(answerRect(wrong)), 0);
                ASSERT_EQ(pressAt(answerRect(answers(*game, true)[0])), 0);
                ASSERT_EQ(drawFrames(80), 0);
            }
            ASSERT_EQ(engineScreen(), EngineDone);
            for (SDL_Rect r : {nextButtonRect(), againButtonRect(), mapButtonRect(), backButtonRect()})
                if (r.w > 0) {
                    ASSERT_EQ(restOn(r), 0);
                }
            ASSERT_EQ(pressAt(mapButtonRect()), 0);
        }
        EXPECT_EQ(voiceMissing(), 0);
    }
}
