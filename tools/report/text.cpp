// text.cpp -- the overview as plain UTF-8 text, for a terminal or a mail
#include <algorithm>

#include "report.h"

// ----------------------------------------------------------------------------------------------------
// Internal functions
// ----------------------------------------------------------------------------------------------------
namespace {

// Letters, not bytes: every character the report writes takes one column.
size_t columns(const std::string &text)
{
    return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

std::string padded(const std::string &text, size_t width)
{
    size_t used = columns(text);
    return used >= width ? text : text + std::string(width - used, ' ');
}

std::string starsText(const Reading &best, bool finished)
{
    if (best.unreadable()) return "?";
    if (!best.recorded()) return finished ? "kész" : "";
    std::string stars;
    for (int i = 0; i < 3; ++i) stars += i < best.value ? "★" : "☆";
    return stars;
}

std::string playerText(const PlayerRecords &player, Day today)
{
    const PlayerFigures figures = playerFigures(player, today);
    std::string text = "=== " + playerName(player.slot) + " ===\n";
    for (int g = 0; g < ReportGameCount; ++g)
        text += std::string(player.games[g].game->title) + ": " + std::to_string(figures.games[g].done) + " / " +
                std::to_string(player.games[g].game->taskCount) + " feladat kész, " +
                std::to_string(figures.games[g].stars) + " csillag\n";
    if (player.keyResult != 0) text += "Az adatai nem olvashatók: " + keyTrouble(player.keyResult) + ".\n";
    else if (!figures.anything) text += "Még nem játszott.\n";
    else text += "Játékidő összesen: " + duration(figures.seconds) + ", " + std::to_string(figures.plays) + " alkalom\n";
    if (figures.lastPlayed >= 0) text += "Utoljára játszott: " + longDate(figures.lastPlayed) + "\n";

    text += "\nMit gyakoroljon legközelebb?\n";
    if (player.practise.empty()) text += "  Minden feladat kész, legutóbb mind a három csillaggal. Ügyes!\n";
    for (size_t i = 0; i < player.practise.size(); ++i) {
        const Practise &practise = player.practise[i];
        const GameDef &game = *player.games[practise.game].game;
        text += "  " + std::to_string(i + 1) + ". " + game.tasks[practise.task].title + " (" + game.title +
                "): " + practiseReason(player, practise) + "\n";
    }

    text += "\nJátékidő naponta, az utolsó négy hétben: ";
    text += figures.chartDaysPlayed > 0
                ? duration(figures.chartSeconds) + ", " + std::to_string(figures.chartDaysPlayed) + " napon\n"
                : std::string("nem játszott\n");
    for (int i = 0; i < ChartDays; ++i) {
        const Reading &seconds = player.days[i];
        if (seconds.valueOr(0) <= 0 && !seconds.unreadable()) continue;
        Day day = chartDay(today, i);
        text += "  " + padded(dayWithWeekday(day), 24) +
                (seconds.unreadable() ? std::string("?") : padded(duration(seconds.value), 14) +
                                                               std::string(std::min(40, (seconds.value + 59) / 60 / 2), '#')) +
                "\n";
    }

    for (int g = 0; g < ReportGameCount; ++g) {
        const GameRecords &game = player.games[g];
        size_t nameWidth = 0;
        for (int t = 0; t < game.game->taskCount; ++t) nameWidth = std::max(nameWidth, columns(game.game->tasks[t].title));
        text += "\n" + std::string(game.game->title) + " (" + std::to_string(figures.games[g].done) + " / " +
                std::to_string(game.game->taskCount) + " kész)\n";
        for (int place = 0; place < game.game->taskCount; ++place) {
            int task = game.taskAt[place];
            const TaskRecords &records = game.tasks[task];
            const Reading &level = records.values[ValueLevel];
            std::string line = (place < 9 ? "   " : "  ") + std::to_string(place + 1) + ". " +
                               padded(game.game->tasks[task].title, nameWidth + 2) +
                               padded(level.recorded() ? levelName(level.value) : level.unreadable() ? "?" : "", 7) +
                               padded(starsText(records.values[ValueBestStars], taskFinished(records)), 6);
            const TaskPhrases phrases = taskPhrases(records, today);
            std::string figuresText;
            for (const Phrase *phrase : {&phrases.plays, &phrases.mistakes, &phrases.time})
                if (!phrase->text.empty()) figuresText += (figuresText.empty() ? "" : "; ") + phrase->text;
            if (figuresText.empty() && !taskFinished(records)) figuresText = "még nem játszott";
            line += figuresText;
            while (!line.empty() && line.back() == ' ') line.pop_back();
            text += line + "\n";
        }
    }

    std::vector<std::string> unreadable = unreadableValues(player, today);
    if (!unreadable.empty()) {
        text += "\nNem olvasható adatok:\n";
        for (const std::string &line : unreadable) text += "  - " + line + "\n";
    }
    return text;
}

} // namespace

// ----------------------------------------------------------------------------------------------------
// Functions
// ----------------------------------------------------------------------------------------------------
std::string reportText(const Report &report)
{
    std::string text = std::string(reportTitle) + "\nKészült: " + longDate(report.today) + "\n";
    if (!report.storeTrouble.empty()) {
        text += "\nA tároló nem volt teljesen olvasható:\n";
        for (const std::string &line : report.storeTrouble) text += "  - " + line + "\n";
    }
    for (const PlayerRecords &player : report.players) text += "\n" + playerText(player, report.today);
    return text;
}
