// draw.cpp -- every frame of a game: the background, the map, a round with its cards, the praise and the end
#include "engine.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

#include "atlas.h"
#include "engine_internal.h"
#include "gametext.h"
#include "phrases.h"
#include "pictures.h"
#include "progress.h"
#include "rules.h"
#include "voice.h"

using namespace engine;

//----------------------------------------------------------------------------------------------------------
// Defines and tables
//----------------------------------------------------------------------------------------------------------

namespace {

constexpr const char *textBack = phrases::back, *textMap = phrases::map, *textNext = phrases::next;
constexpr const char *textAgain = phrases::again, *textPick = phrases::pick, *textTryAgain = phrases::tryAgain;
constexpr const char *textNotThis = phrases::notThis, *textDone = phrases::done, *textQuiz = phrases::quiz;
constexpr const char *textQuizNote = phrases::quizNote;
using phrases::praises;

// The colours of the panels, cards, tiles and buttons: a fill and its border.
constexpr Rgba cream{255, 250, 235, 255};
constexpr Rgba brown{150, 100, 60, 255};
constexpr Rgba white{255, 255, 255, 255};
constexpr Rgba paper{255, 255, 250, 255}, paperBorder{190, 160, 120, 255};       // the scene
constexpr Rgba hintFill{255, 240, 200, 255}, hintBorder{235, 150, 60, 255};
constexpr Rgba hoverFill{255, 245, 190, 255}, hoverBorder{240, 160, 40, 255};    // under the pointer
constexpr Rgba rightFill{200, 245, 190, 255}, rightBorder{60, 160, 70, 255};     // the right answer
constexpr Rgba wrongFill{225, 222, 218, 255}, wrongBorder{170, 165, 160, 255};   // an answer tried in vain
constexpr Rgba doneBorder{60, 150, 60, 255};                                     // a finished task's tile
constexpr Rgba buttonFill{240, 140, 50, 255}, buttonHoverFill{250, 175, 70, 255}, buttonBorder{170, 80, 30, 255};
constexpr Rgba nextFill{90, 175, 80, 255}, nextHoverFill{120, 200, 100, 255}, nextBorder{40, 110, 40, 255};
constexpr Rgba quizFill{120, 90, 200, 255}, quizBorder{70, 50, 140, 255};
constexpr Rgba praiseFill{255, 250, 225, 255}, praiseBorder{240, 170, 50, 255};
constexpr Rgba slotFill{250, 246, 230, 255};                                     // a question not yet answered
constexpr Rgba litHand{250, 180, 30, 255};                                       // a clock's hand in a hint

// The map's tiles by group: plain, then traffic, money, time and the city, each in a light colour of its own
// and with a small picture of its own in a corner.
constexpr std::array<Rgba, MapGroupCount> groupTints{{
    {255, 255, 255, 255}, {255, 232, 228, 255}, {255, 246, 205, 255}, {226, 238, 255, 255}, {232, 246, 225, 255},
}};
constexpr std::array<Pic, MapGroupCount> groupPictures{{
    {PicNone, 0}, {PicLight, LightGreen}, {PicCoin, 20}, {PicClock, 3 * 60}, {PicHouse, 6},
}};
constexpr int GroupPictureSize = 30;

// The background's fills.
constexpr Rgba meadow{125, 195, 90, 255}, meadowStripe{110, 180, 80, 255}, hills{105, 175, 95, 255};
constexpr Rgba windowBlue{180, 220, 250, 255}, pavement{200, 200, 195, 255}, asphalt{110, 110, 115, 255};
constexpr Rgba roadMark{240, 240, 235, 255};
constexpr std::array<Rgba, 6> confettiColours{{
    {240, 80, 70, 255}, {250, 200, 50, 255}, {90, 190, 90, 255}, {80, 150, 235, 255}, {240, 140, 200, 255},
    {170, 110, 220, 255},
}};

//----------------------------------------------------------------------------------------------------------
// State
//----------------------------------------------------------------------------------------------------------

struct UiSprites {
    int prompt = -1, scene = -1, label = -1, hint = -1, donePanel = -1;
    int card = -1, cardHover = -1, cardRight = -1, cardWrong = -1;
    std::array<int, MapGroupCount> tiles{}, tilesDone{}; // a tile's plate tinted by its group, and when finished
    int tileHover = -1;
    int button = -1, buttonHover = -1, nextButton = -1, nextButtonHover = -1, againButton = -1, againButtonHover = -1;
    int star = -1, starBigEmpty = -1, starSmall = -1, starEmpty = -1, starTiny = -1, starTinyEmpty = -1, slot = -1;
    int quizBadge = -1, praise = -1, pine = -1;
    int speaker = -1, speakerHover = -1, listen = -1, listenHover = -1; // the voice's buttons
};

constexpr int MaxNumber = std::max(MaxTasks, MaxScene);

struct DrawState {
    UiSprites ui;
    std::array<int, MaxNumber + 1> numbers{};      // the tile numbers and the counted pictures' numbers
    std::array<int, 3 * MaxTasks + 1> tallies{};   // "12 / 45": the stars earned of the stars there are
};
DrawState drawn;

// Hints that show the way as well as say it, a little after the first wrong answer and more after the
// second: counted pictures get their numbers, the first two and then all; a clock's long hand lights up,
// then its short one; the right bin lights up after the second only.
bool countedInHint(const Round &r, RuleFn rule, int i)
{
    if (rule == ruleCountAll || rule == ruleSum) return sceneCounts(r, i, true);
    if (rule == ruleCount || (rule == ruleChange && r.target.kind != PicNone)) return sceneCounts(r, i, false);
    return false;
}
int numberedInHint(int step) { return step >= 2 ? MaxScene : step == 1 ? 2 : 0; }
bool hintLightsAnswer(RuleFn rule, int step) { return rule == ruleBin && step >= 2; }

//----------------------------------------------------------------------------------------------------------
// Internal functions: making every picture and text at start
//----------------------------------------------------------------------------------------------------------

void makeRound(const Round &r, bool quiz)
{
    int n = sceneCount(r);
    // A question without pictures is asked large in the scene (the quiz's question stays in its panel).
    textSprite(r.prompt, !quiz && n == 0 ? TextTitle : TextPrompt);
    for (int i = 0; i < n; ++i) pictureSprite(r.scene[i], scenePictureSize(n));
    if (n == 0 && quiz) pictureSprite(Pic{PicQuestion, 0}, PicBigSize);
    for (int i = 0; i < choiceCount(r); ++i) {
        const Choice &c = r.choices[i];
        if (c.pic.kind != PicNone) pictureSprite(c.pic, PicBigSize);
        textSprite(c.label, answerStyle(c));
        textSprite(c.warning, TextWarning);
    }
    textSprite(r.hint, TextHint);
    textSprite(r.secondHint, TextHint);
}

//----------------------------------------------------------------------------------------------------------
// Internal functions: drawing
//----------------------------------------------------------------------------------------------------------

struct Services {
    HostBlitFn blit;
    HostSetClipFn clip;
    HostFillRectFn fill;
};

void fillRect(const Services &s, int x, int y, int w, int h, Rgba c)
{
    atlasEndDrawing(s.clip); // a fill after a sprite must not stay inside the sprite's clip
    SDL_Rect rect{static_cast<Sint16>(x), static_cast<Sint16>(y), static_cast<Uint16>(w), static_cast<Uint16>(h)};
    s.fill(&rect, c.r, c.g, c.b);
}

void sprite(const Services &s, int index, int x, int y) { atlasDraw(index, x, y, s.blit, s.clip); }

// A sprite centred on a point.
void centred(const Services &s, int index, int cx, int cy)
{
    const AtlasSprite *sp = atlasSprite(index);
    if (sp) sprite(s, index, cx - sp->rect.w / 2, cy - sp->rect.h / 2);
}

void text(const Services &s, const char *utf8, TextStyle style, int cx, int cy) { centred(s, textFind(utf8, style), cx, cy); }

void drawBackground(const Services &s)
{
    // The sky as soft bands, then the ground; all fills, so nothing here needs a texture.
    bool forest = state.game->theme == ThemeForest;
    int horizon = forest ? 330 : 360;
    for (int i = 0; i < 12; ++i) {
        int y = i * horizon / 12;
        Rgba sky{static_cast<Uint8>(140 + i * 6), static_cast<Uint8>(200 + i * 4), 245, 255}; // paler near the ground
        fillRect(s, 0, y, ScreenW, horizon / 12 + 1, sky);
    }
    if (forest) {
        fillRect(s, 0, horizon, ScreenW, 600 - horizon, meadow);
        for (int i = 0; i < 6; ++i) fillRect(s, 0, horizon + 40 + i * 45, ScreenW, 6, meadowStripe);
        for (int i = 0; i < 9; ++i) { // distant hills as steps
            int h = 30 + (i * 37) % 40;
            fillRect(s, i * 90, horizon - h, 90, h, hills);
        }
        for (int i = 0; i < 12; ++i) // a row of small pines along the edge of the forest
            sprite(s, drawn.ui.pine, -20 + i * 70 + (i % 3) * 9, horizon - 58 + (i % 2) * 10);
    } else {
        for (int i = 0; i < 10; ++i) { // houses along the street
            int h = 90 + (i * 53) % 120, x = i * 80;
            int c = (i * 29) % 60;
            Rgba wall{static_cast<Uint8>(200 + c / 2), static_cast<Uint8>(170 + c), static_cast<Uint8>(150 + c), 255};
            fillRect(s, x, horizon - h, 76, h, wall);
            for (int wy = horizon - h + 14; wy < horizon - 24; wy += 34)
                for (int wx = x + 12; wx < x + 64; wx += 28) fillRect(s, wx, wy, 16, 18, windowBlue);
        }
        fillRect(s, 0, horizon, ScreenW, 40, pavement);
        fillRect(s, 0, horizon + 40, ScreenW, 600 - horizon - 40, asphalt);
        for (int x = 20; x < ScreenW; x += 110) fillRect(s, x, 560, 60, 8, roadMark);
    }
}

// Bright paper pieces falling through an area, for the moments of praise.
void drawConfetti(const Services &s, const SDL_Rect &area, int t)
{
    for (int i = 0; i < 44; ++i) {
        int size = 9 + i % 5;
        int x = area.x + (i * 97 + (t / 6 + i) % 9) % (area.w - size);
        int y = area.y + (i * 53 + t * (2 + i % 3)) % (area.h - size);
        fillRect(s, x, y, size, size - 2 * (i % 2), confettiColours[i % confettiColours.size()]);
    }
}

// A clock's hand lit up for a hint, the long one at the first step and the short one at the second: gold
// squares laid along it over the clock drawn at (cx, cy), so that no clock needs a second picture.
void drawLitHand(const Services &s, Pic clock, int step, int cx, int cy, int size)
{
    constexpr float pi = 3.14159f;
    int minutes = ((clock.param % 60) + 60) % 60;
    float hours = static_cast<float>((clock.param / 60) % 12) + minutes / 60.0f;
    float angle = step >= 2 ? hours * pi / 6 - pi / 2 : minutes * pi / 30 - pi / 2;
    float length = (step >= 2 ? ClockHourHand : ClockMinuteHand) * static_cast<float>(size) / 100.0f;
    int side = std::max(4, size / 18);
    for (int k = 2; k <= 16; ++k) {
        float along = length * static_cast<float>(k) / 16.0f;
        int x = cx + static_cast<int>(std::lround(along * std::cos(angle))) - side / 2;
        int y = cy + static_cast<int>(std::lround(along * std::sin(angle))) - side / 2;
        fillRect(s, x, y, side, side, litHand);
    }
}

void drawButton(const Services &s, const SDL_Rect &r, const char *label, int normal, int hover)
{
    bool over = inside(r, state.mouseX, state.mouseY);
    sprite(s, over ? hover : normal, r.x, r.y);
    text(s, label, TextButton, r.x + r.w / 2, r.y + r.h / 2 - 3);
}

void drawMap(const Services &s)
{
    const GameDef &g = *state.game;
    sprite(s, drawn.ui.prompt, layout.prompt.x, layout.prompt.y);
    text(s, g.title, TextTitle, ScreenW / 2, layout.prompt.y + 30);
    text(s, textPick, TextLabel, ScreenW / 2, layout.prompt.y + 68);
    // The stars earned of all there are to earn, as "12 / 45" beside a star.
    int earned = 0;
    for (int i = 0; i < g.taskCount; ++i) earned += state.done[i] ? std::clamp(state.stars[i], 1, 3) : 0;
    centred(s, drawn.ui.starSmall, layout.prompt.x + layout.prompt.w - 122, layout.prompt.y + layout.prompt.h / 2);
    centred(s, drawn.tallies[static_cast<size_t>(std::min(earned, 3 * MaxTasks))], layout.prompt.x + layout.prompt.w - 58,
            layout.prompt.y + layout.prompt.h / 2);
    int iconSize = tileIconSize(g.taskCount);
    int hovered = -1;
    for (int i = 0; i < g.taskCount; ++i) {
        SDL_Rect r = taskTileRect(i);
        bool over = inside(r, state.mouseX, state.mouseY);
        if (over) hovered = i;
        int group = g.groups ? g.groups[i] : GroupNone;
        // A finished tile keeps its group's colour in a green frame, with its stars down the right edge.
        sprite(s, over ? drawn.ui.tileHover : state.done[i] ? drawn.ui.tilesDone[group] : drawn.ui.tiles[group], r.x, r.y);
        centred(s, pictureFind(g.tasks[i].icon, iconSize), r.x + r.w / 2, r.y + r.h / 2 - 2);
        int number = state.slotOf[i] + 1; // the tiles are numbered in the order they stand
        if (number < static_cast<int>(drawn.numbers.size())) centred(s, drawn.numbers[number], r.x + 20, r.y + 20);
        if (group != GroupNone)
            centred(s, pictureFind(groupPictures[static_cast<size_t>(group)], GroupPictureSize), r.x + 22, r.y + r.h - 22);
        for (int k = 0; state.done[i] && k < 3; ++k)
            centred(s, k < std::max(1, state.stars[i]) ? drawn.ui.starTiny : drawn.ui.starTinyEmpty, r.x + r.w - 15,
                    r.y + 15 + k * 19);
    }
    if (hovered >= 0) {
        sprite(s, drawn.ui.label, layout.label.x, layout.label.y);
        text(s, g.tasks[hovered].title, TextLabel, layout.label.x + layout.label.w / 2, layout.label.y + layout.label.h / 2 - 2);
    }
    drawButton(s, backButtonRect(), textBack, drawn.ui.button, drawn.ui.buttonHover);
}

void drawCard(const Services &s, const Round &r, int i)
{
    SDL_Rect rect = answerRect(i);
    const Choice &c = r.choices[i];
    bool over = inside(rect, state.mouseX, state.mouseY) && state.praiseLeft == 0 && !state.wrong[i];
    // After a second wrong answer, some questions light the right card up, blinking.
    bool shown = hintLightsAnswer(currentRule(), hintStep()) && currentRule()(r, i) && (state.frame / 12) % 2;
    int plate = i == state.rightChoice ? drawn.ui.cardRight
                : state.wrong[i]        ? drawn.ui.cardWrong
                : over || shown         ? drawn.ui.cardHover
                                        : drawn.ui.card;
    int lift = over ? -4 : 0;
    sprite(s, plate, rect.x, rect.y + lift);
    SDL_Rect listen = listenRect(i);
    if (listen.w) sprite(s, inside(listen, state.mouseX, state.mouseY) ? drawn.ui.listenHover : drawn.ui.listen, listen.x, listen.y + lift);
    int cx = rect.x + rect.w / 2;
    if (c.pic.kind != PicNone) {
        centred(s, pictureFind(c.pic, PicBigSize), cx, rect.y + lift + (c.label ? 66 : rect.h / 2 - 2));
        if (c.label) text(s, c.label, TextCard, cx, rect.y + lift + 142);
    } else {
        text(s, c.label, answerStyle(c), cx, rect.y + lift + rect.h / 2 - 3);
    }
}

void drawPlay(const Services &s)
{
    const Round &r = currentRound();
    int n = sceneCount(r);
    // A question without pictures of its own is asked large in the scene, under the task's title.
    bool askInScene = n == 0 && state.screen == EnginePlay;
    sprite(s, drawn.ui.prompt, layout.prompt.x, layout.prompt.y);
    text(s, askInScene ? currentTask().title : r.prompt, TextPrompt, ScreenW / 2, layout.prompt.y + layout.prompt.h / 2 - 3);
    SDL_Rect speaker = speakerRect();
    sprite(s, inside(speaker, state.mouseX, state.mouseY) ? drawn.ui.speakerHover : drawn.ui.speaker, speaker.x, speaker.y);
    sprite(s, drawn.ui.scene, layout.scene.x, layout.scene.y);
    if (askInScene) text(s, r.prompt, TextTitle, ScreenW / 2, layout.scene.y + layout.scene.h / 2);
    if (n == 0 && state.screen == EngineQuiz) { // a question mark: the task's own picture could give the answer away
        centred(s, pictureFind(Pic{PicQuestion, 0}, PicBigSize), ScreenW / 2, layout.scene.y + layout.scene.h / 2 - 16);
        text(s, textQuizNote, TextLabel, ScreenW / 2, layout.scene.y + layout.scene.h - 34);
    }
    RuleFn rule = currentRule();
    int step = hintStep();
    if (n == 1) {
        centred(s, pictureFind(r.scene[0], PicHugeSize), ScreenW / 2, layout.scene.y + layout.scene.h / 2);
        if (step > 0 && r.scene[0].kind == PicClock && (state.frame / 12) % 2)
            drawLitHand(s, r.scene[0], step, ScreenW / 2, layout.scene.y + layout.scene.h / 2, PicHugeSize);
    }
    int size = scenePictureSize(n), counter = 0;
    for (int i = 0; i < n && n > 1; ++i) {
        Point p = scenePosition(i, n);
        sprite(s, pictureFind(r.scene[i], size), p.x, p.y);
        if (countedInHint(r, rule, i) && ++counter <= numberedInHint(step))
            centred(s, drawn.numbers[static_cast<size_t>(counter)], p.x + 14, p.y + 14);
    }
    if (state.screen == EngineQuiz) {
        sprite(s, drawn.ui.quizBadge, layout.scene.x + 14, layout.scene.y + 12);
        text(s, textQuiz, TextButton, layout.scene.x + 14 + 75, layout.scene.y + 12 + 16);
    }
    // A mark per question, the quiz last: a star for one answered right at the first try, a grey star for one
    // missed; the three stars at the end are counted from them.
    int marks = questionMarks();
    for (int i = 0; i < marks; ++i) {
        QuestionMark mark = questionMark(i);
        centred(s, mark == MarkRight ? drawn.ui.starSmall : mark == MarkMissed ? drawn.ui.starEmpty : drawn.ui.slot,
                layout.scene.x + layout.scene.w - 30 - (marks - 1 - i) * 38, layout.scene.y + 27);
    }
    int count = choiceCount(r);
    for (int i = 0; i < count; ++i) drawCard(s, r, i);
    if (state.praiseLeft > 0) {
        drawConfetti(s, layout.scene, PraiseFrames - state.praiseLeft);
        int bounce = (state.praiseLeft / 4) % 2 ? -4 : 0;
        const char *praise = currentPraise();
        centred(s, drawn.ui.praise, ScreenW / 2, layout.scene.y + layout.scene.h / 2);
        if (questionMark(questionShown()) == MarkRight) { // the big stars only for an answer right at once
            centred(s, drawn.ui.star, ScreenW / 2 - 200, layout.scene.y + layout.scene.h / 2 + bounce);
            centred(s, drawn.ui.star, ScreenW / 2 + 200, layout.scene.y + layout.scene.h / 2 - bounce);
        }
        text(s, praise, TextCheer, ScreenW / 2, layout.scene.y + layout.scene.h / 2 + bounce);
    } else if (state.hintShown) {
        sprite(s, drawn.ui.hint, layout.hint.x, layout.hint.y);
        if (state.warning) text(s, state.warning, TextWarning, ScreenW / 2, layout.hint.y + 20);
        else text(s, tryAgainText(), TextLabel, ScreenW / 2, layout.hint.y + 20);
        text(s, currentHint(), TextHint, ScreenW / 2, layout.hint.y + 55);
    }
    drawButton(s, backButtonRect(), textBack, drawn.ui.button, drawn.ui.buttonHover);
    drawButton(s, mapButtonRect(), textMap, drawn.ui.button, drawn.ui.buttonHover);
}

void drawDone(const Services &s)
{
    const SDL_Rect &p = layout.donePanel;
    drawConfetti(s, SDL_Rect{0, 0, ScreenW, 540}, state.frame);
    sprite(s, drawn.ui.donePanel, p.x, p.y);
    int bounce = (state.frame / 12) % 2 ? -3 : 0;
    const char *praise = donePraise();
    text(s, praise, TextCheer, ScreenW / 2, p.y + 48 + bounce);
    for (int k = 0; k < 3; ++k) { // the stars earned, one to three
        bool lit = k < state.earned;
        centred(s, lit ? drawn.ui.star : drawn.ui.starBigEmpty, ScreenW / 2 + (k - 1) * 100,
                p.y + 150 + (k == 1 ? -12 : 0) + (lit ? (k % 2 ? bounce : -bounce) : 0));
    }
    text(s, textDone, TextTitle, ScreenW / 2, p.y + 248);
    drawButton(s, nextButtonRect(), textNext, drawn.ui.nextButton, drawn.ui.nextButtonHover);
    if (againButtonRect().w > 0) drawButton(s, againButtonRect(), textAgain, drawn.ui.againButton, drawn.ui.againButtonHover);
    drawButton(s, backButtonRect(), textBack, drawn.ui.button, drawn.ui.buttonHover);
    drawButton(s, mapButtonRect(), textMap, drawn.ui.button, drawn.ui.buttonHover);
}

} // namespace

//----------------------------------------------------------------------------------------------------------
// Functions
//----------------------------------------------------------------------------------------------------------

void engine::makeSprites()
{
    drawn = DrawState{};
    const GameDef &g = *state.game;
    UiSprites &ui = drawn.ui;
    ui.prompt = panelSprite(layout.prompt.w, layout.prompt.h, cream, brown, 18);
    ui.scene = panelSprite(layout.scene.w, layout.scene.h, paper, paperBorder, 22);
    ui.label = panelSprite(layout.label.w, layout.label.h, hintFill, hintBorder, 16);
    ui.hint = panelSprite(layout.hint.w, layout.hint.h, hintFill, hintBorder, 16);
    ui.donePanel = panelSprite(layout.donePanel.w, layout.donePanel.h, cream, brown, 26);
    ui.card = panelSprite(CardW, CardH, white, brown, 16);
    ui.cardHover = panelSprite(CardW, CardH, hoverFill, hoverBorder, 16);
    ui.cardRight = panelSprite(CardW, CardH, rightFill, rightBorder, 16);
    ui.cardWrong = panelSprite(CardW, CardH, wrongFill, wrongBorder, 16);
    SDL_Rect t = tileRect(0, g.taskCount);
    for (int k = 0; k < MapGroupCount; ++k) {
        ui.tiles[k] = panelSprite(t.w, t.h, groupTints[k], brown, 14);
        ui.tilesDone[k] = panelSprite(t.w, t.h, groupTints[k], doneBorder, 14);
        if (g.groups && k != GroupNone) pictureSprite(groupPictures[static_cast<size_t>(k)], GroupPictureSize);
    }
    ui.tileHover = panelSprite(t.w, t.h, hoverFill, hoverBorder, 14);
    SDL_Rect b = backButtonRect();
    ui.button = panelSprite(b.w, b.h, buttonFill, buttonBorder, 16);
    ui.buttonHover = panelSprite(b.w, b.h, buttonHoverFill, buttonBorder, 16);
    SDL_Rect n = nextButtonRect();
    ui.nextButton = panelSprite(n.w, n.h, nextFill, nextBorder, 18);
    ui.nextButtonHover = panelSprite(n.w, n.h, nextHoverFill, nextBorder, 18);
    ui.againButton = panelSprite(n.w, n.h, buttonFill, buttonBorder, 18);
    ui.againButtonHover = panelSprite(n.w, n.h, buttonHoverFill, buttonBorder, 18);
    ui.pine = pictureSprite(Pic{PicPine, 100}, PicSmallSize);
    ui.star = starSprite(72, true);
    ui.starSmall = starSprite(34, true);
    ui.starEmpty = starSprite(34, false);
    ui.starBigEmpty = starSprite(72, false);
    ui.starTiny = starSprite(18, true);
    ui.starTinyEmpty = starSprite(18, false);
    ui.slot = panelSprite(24, 24, slotFill, paperBorder, 12);
    ui.quizBadge = panelSprite(150, 36, quizFill, quizBorder, 12);
    ui.praise = panelSprite(560, 120, praiseFill, praiseBorder, 24);
    ui.speaker = speakerSprite(SpeakerSize, buttonFill);
    ui.speakerHover = speakerSprite(SpeakerSize, buttonHoverFill);
    ui.listen = speakerSprite(ListenSize, buttonFill);
    ui.listenHover = speakerSprite(ListenSize, buttonHoverFill);

    for (const char *s : {g.title, textDone}) textSprite(s, TextTitle);
    for (const char *s : {textBack, textMap, textNext, textAgain, textQuiz}) textSprite(s, TextButton);
    for (const char *s : {textPick, textTryAgain, textNotThis, textQuizNote}) textSprite(s, TextLabel);
    for (const char *p : praises) textSprite(p, TextCheer);
    for (int i = 1; i <= MaxNumber; ++i) {
        char n[8];
        std::snprintf(n, sizeof n, "%d", i);
        drawn.numbers[i] = textSprite(n, TextNumber);
    }
    for (int i = 0; i <= 3 * g.taskCount; ++i) {
        char n[16];
        std::snprintf(n, sizeof n, "%d / %d", i, 3 * g.taskCount);
        drawn.tallies[i] = textSprite(n, TextLabel);
    }
    int iconSize = tileIconSize(g.taskCount);
    for (int i = 0; i < g.taskCount; ++i) {
        const Task &task = g.tasks[i];
        pictureSprite(task.icon, iconSize);
        pictureSprite(task.icon, PicBigSize);
        textSprite(task.title, TextLabel);
        textSprite(task.title, TextPrompt);
        textSprite(task.hint, TextHint);
        for (int level = 0; level < LevelCount; ++level) {
            for (int k = 0; k < poolSize(i, level); ++k) makeRound(poolRound(i, level, k), false);
        }
        makeRound(task.quiz, true);
    }
    atlasPack();
}

int engineDraw(HostBlitFn blit, HostSetClipFn clip, HostFillRectFn fill)
{
    if (state.screen == EngineEnded || !state.game) return 1;
    if (!blit || !clip || !fill) return 0;
    Services s{blit, clip, fill};
    ++state.frame;
    progressFrame(); // records: what the store could not take yet is tried again
    if (state.praiseLeft > 0 && --state.praiseLeft == 0) advance();
    voiceFrame(pointedText());
    clip(nullptr);
    drawBackground(s);
    switch (state.screen) {
    case EngineMap: drawMap(s); break;
    case EnginePlay:
    case EngineQuiz: drawPlay(s); break;
    case EngineDone: drawDone(s); break;
    case EngineEnded: break;
    }
    atlasEndDrawing(clip);
    return 0;
}
