// wording.cpp -- the Hungarian words the page and the plain text share: names, dates, durations, reasons
#include <cstdio>

#include "report.h"
#include "tavrin/progress.h"
#include "tavrin/store.h"

// ----------------------------------------------------------------------------------------------------
// Defines
// ----------------------------------------------------------------------------------------------------
namespace {

constexpr std::array<const char *, 12> monthNames = {"január", "február", "március", "április", "május", "június",
                                                     "július", "augusztus", "szeptember", "október", "november",
                                                     "december"};
constexpr std::array<const char *, 12> monthShortNames = {"jan.", "febr.", "márc.", "ápr.", "máj.", "jún.",
                                                          "júl.", "aug.", "szept.", "okt.", "nov.", "dec."};
constexpr std::array<const char *, 7> weekdayNames = {"hétfő", "kedd", "szerda", "csütörtök", "péntek", "szombat",
                                                      "vasárnap"};

// What each of a task's values is, for the list of values that could not be read.
constexpr std::array<const char *, TaskValueCount> valueLabels = {
    "kész",        "legjobb csillag", "utolsó csillag", "szint",      "alkalmak",
    "befejezések", "hibák legutóbb",  "hibák összesen", "játékidő",   "utolsó játék napja",
};

// ----------------------------------------------------------------------------------------------------
// Internal functions
// ----------------------------------------------------------------------------------------------------
std::string formatted(const char *format, long long a, long long b = 0)
{
    char text[64];
    snprintf(text, sizeof text, format, a, b);
    return text;
}

std::string whyUnreadable(const Reading &reading)
{
    if (reading.state == NotANumber) return "nem szám";
    if (reading.state == Impossible) return formatted("lehetetlen érték: %lld", reading.value);
    return "nem olvasható";
}

} // namespace

// ----------------------------------------------------------------------------------------------------
// Functions
// ----------------------------------------------------------------------------------------------------
const char *const reportTitle = "Tavrin – szülői áttekintés";

std::string playerName(int slot) { return std::string(1, static_cast<char>('A' + slot - 1)) + " játékos"; }

std::string longDate(Day day)
{
    int year, month, dayOfMonth;
    dateFromDay(day, year, month, dayOfMonth);
    return std::to_string(year) + ". " + monthNames[month - 1] + " " + std::to_string(dayOfMonth) + ".";
}

std::string shortDate(Day day, Day today)
{
    int year, month, dayOfMonth, thisYear, thisMonth, thisDay;
    dateFromDay(day, year, month, dayOfMonth);
    dateFromDay(today, thisYear, thisMonth, thisDay);
    std::string text = monthAbbreviation(month) + " " + std::to_string(dayOfMonth) + ".";
    return year == thisYear ? text : std::to_string(year) + ". " + text;
}

std::string dayWithWeekday(Day day)
{
    int year, month, dayOfMonth;
    dateFromDay(day, year, month, dayOfMonth);
    return std::string(monthNames[month - 1]) + " " + std::to_string(dayOfMonth) + "., " + weekdayNames[weekdayOf(day)];
}

std::string monthAbbreviation(int month) { return monthShortNames[(month - 1) % 12]; }

std::string duration(int64_t seconds)
{
    if (seconds > 0 && seconds < 60) return formatted("%lld mp", seconds);
    int64_t minutes = (std::max<int64_t>(seconds, 0) + 30) / 60;
    if (minutes < 60) return formatted("%lld perc", minutes);
    if (minutes % 60 == 0) return formatted("%lld óra", minutes / 60);
    return formatted("%lld óra %lld perc", minutes / 60, minutes % 60);
}

const char *levelName(int32_t level)
{
    if (level == ProgressLevelSmall) return "kicsi";
    if (level == ProgressLevelBig) return "nagy";
    return "";
}

std::string practiseReason(const PlayerRecords &player, const Practise &practise)
{
    const auto &values = player.games[practise.game].tasks[practise.task].values;
    int32_t mistakes = values[ValueMistakes].valueOr(0), lastMistakes = values[ValueLastMistakes].valueOr(0);
    switch (practise.reason) {
    case PractiseUnfinished:
        return "elkezdte, de még nem fejezte be" + (mistakes > 0 ? formatted(", eddig %lld hiba", mistakes) : "");
    case PractiseFewStars: {
        int32_t stars = values[ValueLastStars].valueOr(values[ValueBestStars].valueOr(0));
        return formatted("legutóbb %lld csillag", stars) +
               (lastMistakes > 0 ? formatted(", %lld hiba", lastMistakes) : "");
    }
    default: return "új feladat, még nem próbálta";
    }
}

TaskPhrases taskPhrases(const TaskRecords &task, Day today)
{
    const auto &values = task.values;
    auto known = [&](TaskValue which) { return values[which].state != NotRecorded; };
    auto bad = [&](TaskValue which) { return values[which].unreadable(); };
    auto figure = [&](TaskValue which) { return bad(which) ? std::string("?") : std::to_string(values[which].value); };

    TaskPhrases phrases;
    if (known(ValuePlays)) {
        phrases.plays.text = figure(ValuePlays) + " alkalom";
        if (known(ValueFinished)) phrases.plays.text += ", " + figure(ValueFinished) + " kész";
        phrases.plays.unreadable = bad(ValuePlays) || bad(ValueFinished);
    }
    if (values[ValueMistakes].valueOr(-1) == 0 && values[ValueLastMistakes].valueOr(0) == 0 && !bad(ValueLastMistakes)) {
        phrases.mistakes.text = "hiba nélkül";
    } else if (known(ValueMistakes)) {
        phrases.mistakes.text = figure(ValueMistakes) + " hiba";
        if (known(ValueLastMistakes)) phrases.mistakes.text += " (legutóbb " + figure(ValueLastMistakes) + ")";
        phrases.mistakes.unreadable = bad(ValueMistakes) || bad(ValueLastMistakes);
    }
    std::string &time = phrases.time.text;
    if (known(ValueSeconds)) time = bad(ValueSeconds) ? "? perc" : duration(values[ValueSeconds].value);
    Day last = 0;
    if (values[ValueLastDate].recorded() && dayFromNumber(values[ValueLastDate].value, last))
        time += (time.empty() ? "" : ", ") + shortDate(last, today);
    else if (bad(ValueLastDate))
        time += (time.empty() ? "" : ", ") + std::string("?");
    phrases.time.unreadable = bad(ValueSeconds) || bad(ValueLastDate);
    return phrases;
}

std::vector<std::string> unreadableValues(const PlayerRecords &player, Day today)
{
    std::vector<std::string> lines;
    for (int g = 0; g < ReportGameCount; ++g) {
        const GameRecords &game = player.games[g];
        for (int place = 0; place < game.game->taskCount; ++place) {
            int task = game.taskAt[place];
            for (int which = 0; which < TaskValueCount; ++which) {
                const Reading &reading = game.tasks[task].values[which];
                if (!reading.unreadable()) continue;
                lines.push_back(std::string(game.game->title) + ", " + game.game->tasks[task].title + ": " +
                                valueLabels[which] + " (" + taskValueName(*game.game, g + 1, task, which) +
                                ") – " + whyUnreadable(reading));
            }
        }
    }
    for (int i = 0; i < ChartDays; ++i) {
        if (!player.days[i].unreadable()) continue;
        Day day = chartDay(today, i);
        lines.push_back("játékidő, " + dayWithWeekday(day) + " (" + dayValueName(day) + ") – " +
                        whyUnreadable(player.days[i]));
    }
    return lines;
}

std::string keyTrouble(int result)
{
    if (result == StoreBusy) return "egy másik program lefoglalta a tárolót; próbálja újra később";
    if (result == StoreAccessDenied) return "nincs jog olvasni a tárolót";
    return "a tároló nem nyitható meg";
}
