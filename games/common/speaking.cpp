// speaking.cpp -- what the games say and when: the question, the praise, the hint, the finished task, and the
// word under the pointer; where the speaker button and the answers' listen controls stand
#include "engine.h"

#include "engine_internal.h"
#include "phrases.h"
#include "voice.h"

using namespace engine;

namespace {

constexpr int ListenInset = 6;

bool playing() { return state.screen == EnginePlay || state.screen == EngineQuiz; }

// The quiz note is shown (and said) before a quiz question that has no pictures of its own.
bool quizNoteShown(const Round &r) { return state.screen == EngineQuiz && sceneCount(r) == 0; }

} // namespace

//----------------------------------------------------------------------------------------------------------
// Functions: where the controls stand
//----------------------------------------------------------------------------------------------------------

SDL_Rect speakerRect()
{
    if (!state.game || !playing()) return SDL_Rect{0, 0, 0, 0};
    constexpr int size = SpeakerSize;
    return SDL_Rect{static_cast<Sint16>(layout.prompt.x + 12),
                    static_cast<Sint16>(layout.prompt.y + (layout.prompt.h - size) / 2 - 2), size, size};
}

SDL_Rect listenRect(int choice)
{
    SDL_Rect card = answerRect(choice);
    if (card.w == 0 || !currentRound().choices[static_cast<size_t>(choice)].label) return SDL_Rect{0, 0, 0, 0};
    return SDL_Rect{static_cast<Sint16>(card.x + card.w - ListenSize - ListenInset),
                    static_cast<Sint16>(card.y + ListenInset), ListenSize, ListenSize};
}

//----------------------------------------------------------------------------------------------------------
// Functions: what is said
//----------------------------------------------------------------------------------------------------------

namespace engine {

const char *currentPraise() { return phrases::praises[static_cast<size_t>(state.praiseCount) % phrases::praises.size()]; }

// The praise grows with the stars: "Ügyes vagy!", "Nagyon jó!", "Kiváló!".
const char *donePraise()
{
    return phrases::praises[state.earned >= 3 ? 4 : state.earned == 2 ? 2 : 0];
}

void sayRound()
{
    const Round &r = currentRound();
    voiceStop();
    if (state.screen == EngineQuiz) voiceSayNext(phrases::quiz); // the badge over the quiz question
    if (quizNoteShown(r)) voiceSayNext(phrases::quizNote);
    voiceSayNext(r.prompt);
    // What this question may say next is made ready while the child listens and looks.
    for (int i = 0; i < choiceCount(r); ++i) {
        voicePrepare(r.choices[i].label);
        voicePrepare(r.choices[i].warning);
    }
    voicePrepare(currentHint());
    voicePrepare(r.secondHint);
    voicePrepare(phrases::tryAgain);
    voicePrepare(phrases::notThis);
    voicePrepare(phrases::praises[static_cast<size_t>(state.praiseCount + 1) % phrases::praises.size()]);
}

const char *tryAgainText() { return state.closeMiss ? phrases::tryAgain : phrases::notThis; }

void sayAnswer(bool right)
{
    if (right) return voiceSay(currentPraise());
    voiceSay(state.warning ? state.warning : tryAgainText());
    voiceSayNext(currentHint());
}

void sayDone()
{
    voiceSay(donePraise());
    voiceSayNext(phrases::done);
}

void sayMap(bool arriving)
{
    voiceStop();
    if (arriving) voiceSayNext(state.game->title);
    voiceSayNext(phrases::pick);
}

// A click on the speaker says the question again; one on an answer's listen control says the answer. Neither
// chooses anything.
bool sayClicked(int x, int y)
{
    if (!playing() || state.praiseLeft > 0) return false;
    const Round &r = currentRound();
    if (inside(speakerRect(), x, y)) {
        voiceSay(r.prompt);
        return true;
    }
    for (int i = 0; i < choiceCount(r); ++i)
        if (inside(listenRect(i), x, y)) {
            voiceSay(r.choices[i].label);
            return true;
        }
    return false;
}

const char *pointedText()
{
    int x = state.mouseX, y = state.mouseY;
    if (inside(backButtonRect(), x, y)) return phrases::back;
    switch (state.screen) {
    case EngineMap:
        for (int i = 0; i < state.game->taskCount; ++i)
            if (inside(taskTileRect(i), x, y)) return state.game->tasks[i].title;
        break;
    case EnginePlay:
    case EngineQuiz:
        if (inside(mapButtonRect(), x, y)) return phrases::map;
        if (state.praiseLeft > 0) break; // the praise is not cut short
        for (int i = 0; i < choiceCount(currentRound()); ++i)
            if (inside(answerRect(i), x, y)) return currentRound().choices[i].label;
        break;
    case EngineDone:
        if (inside(nextButtonRect(), x, y)) return phrases::next;
        if (inside(againButtonRect(), x, y)) return phrases::again;
        if (inside(mapButtonRect(), x, y)) return phrases::map;
        break;
    case EngineEnded:
        break;
    }
    return nullptr;
}

} // namespace engine
