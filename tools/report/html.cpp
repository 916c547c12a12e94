// html.cpp -- the overview as one self-contained HTML page: inline style and SVG, no script, nothing fetched
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string_view>

#include "report.h"
#include "tavrin/progress.h"

// ----------------------------------------------------------------------------------------------------
// Defines
// ----------------------------------------------------------------------------------------------------
namespace {

// The page is also well-formed XML (every element closed, only the five XML entities), so that any
// XML tool can read it; the style sheet therefore holds no "<" or "&".
constexpr const char *styleSheet = R"(
:root { color-scheme: light; }
body { font-family: "DejaVu Sans", "Segoe UI", Verdana, Arial, sans-serif; color: #2b2b2b; background: #fbf7ee;
  margin: 0 auto; padding: 1.2em 1.5em 2em; max-width: 64em; line-height: 1.35; }
h1 { font-size: 1.7em; color: #2f6b3a; margin: 0; }
.made { color: #666; margin: .2em 0 .6em; }
.intro { margin: 0 0 .3em; }
.explain { font-size: .85em; color: #555; margin: 0 0 .7em; }
nav a { display: inline-block; margin-right: .6em; padding: .25em .8em; border-radius: 1em; background: #e5f1e0;
  color: #2f6b3a; text-decoration: none; font-weight: bold; }
section.player { background: #fff; border-radius: 14px; padding: .8em 1.4em 1.2em; margin: 1.2em 0;
  box-shadow: 0 1px 5px rgba(0, 0, 0, .12); }
h2 { color: #b4532a; font-size: 1.45em; margin: .2em 0 .4em; border-bottom: 2px solid #f0dcb8; }
h3 { font-size: 1.1em; margin: .9em 0 .4em; color: #2f6b3a; }
h3 .count { font-weight: normal; color: #666; font-size: .9em; margin-left: .5em; }
ul.summary { list-style: none; padding: 0; margin: 0; display: flex; flex-wrap: wrap; gap: .2em 1.8em; }
.columns { display: grid; grid-template-columns: minmax(15em, 1fr) minmax(20em, 1.6fr); gap: 0 2em; align-items: start; }
ol.practise { margin: 0; padding-left: 1.5em; }
ol.practise li { margin: .35em 0; }
ol.practise .game, ol.practise .why { display: block; color: #666; font-size: .88em; }
p.praise { margin: .3em 0; color: #2f6b3a; font-weight: bold; }
svg.chart { width: 100%; height: auto; display: block; }
svg.chart .plot { fill: #fff; }
svg.chart .weekend { fill: #f5efe2; }
svg.chart .grid { stroke: #ddd; stroke-width: 1; }
svg.chart .axis { stroke: #999; stroke-width: 1; }
svg.chart .bar { fill: #5aa86a; }
svg.chart text { font-size: 11px; fill: #555; font-family: inherit; }
svg.chart text.today { font-weight: bold; fill: #2b2b2b; }
svg.chart text.unknown { fill: #b00020; font-weight: bold; font-size: 13px; }
svg.chart text.empty { font-size: 14px; fill: #888; }
p.total { margin: .2em 0 0; color: #444; font-size: .92em; }
ol.tasks { list-style: none; padding: 0; margin: 0; display: grid;
  grid-template-columns: repeat(auto-fill, minmax(11em, 1fr)); gap: .45em; }
li.task { border: 2px solid #ddd; border-radius: 9px; padding: .3em .5em .35em; font-size: .84em; background: #fff;
  break-inside: avoid; }
li.task.group1 { background: #fff3f1; } li.task.group2 { background: #fffbe8; }
li.task.group3 { background: #f0f5ff; } li.task.group4 { background: #f2faee; }
li.task.done { border-color: #6bb36b; }
li.task.begun { border-color: #eba04a; border-style: dashed; }
li.task.new { color: #777; }
li.task > span { display: block; }
li.task .head { font-weight: bold; color: #2b2b2b; }
li.task .place { display: inline-block; min-width: 2.1em; color: #999; }
li.task .level { float: right; font-size: .8em; font-weight: normal; border: 1px solid #aaa; border-radius: 6px;
  padding: 0 .35em; margin-left: .3em; color: #555; }
.stars { font-size: 1.15em; letter-spacing: .05em; }
.stars .on { color: #e59e00; }
.stars .off { color: #d6d6d6; }
.none { font-style: italic; }
.bad { color: #b00020; font-weight: bold; }
.legend { font-size: .85em; color: #555; margin: -.2em 0 .4em; }
.legend span { display: inline-block; padding: 0 .5em; border-radius: 5px; margin-left: .3em; }
.legend .group1 { background: #fde3de; } .legend .group2 { background: #fff3c4; }
.legend .group3 { background: #dde8ff; } .legend .group4 { background: #dff2d6; }
.trouble { border-left: 5px solid #b00020; background: #fff1f1; padding: .4em 1em; margin: .8em 0;
  border-radius: 0 8px 8px 0; }
.trouble h2, .trouble h3 { color: #b00020; border: 0; margin: .3em 0; font-size: 1.05em; }
.trouble ul { margin: .3em 0; padding-left: 1.3em; font-size: .9em; overflow-wrap: anywhere; }
footer { color: #666; font-size: .85em; margin-top: 1.5em; }
@page { size: A4; margin: 11mm 12mm; }
@media print {
  * { -webkit-print-color-adjust: exact; print-color-adjust: exact; }
  body { background: #fff; padding: 0; max-width: none; font-size: 9pt; }
  nav { display: none; }
  section.player { box-shadow: none; border-radius: 0; padding: 0; margin: 0; }
  section.player ~ section.player { break-before: page; }
  h2 { margin-top: .6em; }
  h3 { margin: .6em 0 .3em; break-after: avoid; }
  ol.tasks { grid-template-columns: repeat(5, 1fr); gap: 1.6mm; }
  li.task { font-size: 7.2pt; padding: .15em .4em; line-height: 1.25; }
  svg.chart { max-height: 40mm; }
  footer { break-inside: avoid; }
}
)";

// The map's groups, as the town's map colours them.
constexpr std::array<const char *, MapGroupCount> groupNames = {"", "közlekedés", "pénz", "idő", "város"};
static_assert(MapGroupCount == 5, "every group of the map has its name here");

// The chart: a column per day, a plot of 672 × 130 with the hours' labels to its left.
constexpr int chartLeft = 48, chartTop = 10, columnWidth = 24, barWidth = 16, plotHeight = 130;
constexpr int chartWidth = chartLeft + ChartDays * columnWidth + 2, chartHeight = 178;

// ----------------------------------------------------------------------------------------------------
// Internal functions
// ----------------------------------------------------------------------------------------------------
// Every text that goes into the page goes through here, the game's own names too.
std::string escaped(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\'': out += "&#39;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string number(long long n) { return std::to_string(n); }

// A day as the page's markup dates it: "2025-03-03".
std::string isoDate(Day day)
{
    int year, month, dayOfMonth;
    dateFromDay(day, year, month, dayOfMonth);
    char text[16];
    snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, dayOfMonth);
    return text;
}

std::string starsHtml(int stars)
{
    std::string on, off;
    for (int i = 0; i < 3; ++i) (i < stars ? on : off) += "★";
    return "<span class=\"stars\" title=\"legjobb eredmény: " + number(stars) + " csillag\"><span class=\"on\">" + on +
           "</span><span class=\"off\">" + off + "</span></span>";
}

std::string taskTile(const GameRecords &game, int place, Day today)
{
    int task = game.taskAt[place];
    const auto &values = game.tasks[task].values;
    bool finished = taskFinished(game.tasks[task]);
    bool played = finished || values[ValuePlays].valueOr(0) > 0;
    std::string kind = finished ? "done" : played ? "begun" : "new";
    std::string group = game.game->groups ? " group" + number(game.game->groups[task]) : "";

    std::string html = "<li class=\"task " + kind + group + "\" data-task=\"" + number(task) + "\">";
    html += "<span class=\"head\">";
    if (values[ValueLevel].recorded())
        html += "<span class=\"level\">" + escaped(levelName(values[ValueLevel].value)) + "</span>";
    html += "<span class=\"place\">" + number(place + 1) + ".</span>" + escaped(game.game->tasks[task].title) + "</span>";

    const Reading &best = values[ValueBestStars];
    if (best.recorded()) html += starsHtml(best.value);
    else if (best.unreadable()) html += "<span class=\"stars bad\">?</span>";
    else if (finished) html += "<span class=\"stars\">kész</span>";

    // A figure that could not be read shows as a red question mark, and the whole line in red.
    const TaskPhrases phrases = taskPhrases(game.tasks[task], today);
    const std::array<std::pair<const char *, const Phrase *>, 3> lines = {
        {{"plays", &phrases.plays}, {"mistakes", &phrases.mistakes}, {"time", &phrases.time}}};
    for (const auto &line : lines)
        if (!line.second->text.empty())
            html += "<span class=\"" + std::string(line.first) + (line.second->unreadable ? " bad" : "") + "\">" +
                    escaped(line.second->text) + "</span>";
    if (!played && !values[ValuePlays].unreadable()) html += "<span class=\"none\">még nem játszott</span>";
    return html + "</li>\n";
}

// The smallest step of the minutes' grid that needs at most four lines to reach the longest day.
int chartStep(double longestMinutes)
{
    static constexpr std::array<int, 12> steps = {5, 10, 15, 20, 30, 60, 90, 120, 180, 240, 360, 720};
    for (int step : steps)
        if (longestMinutes <= step * 4) return step;
    return 1440 / 4;
}

std::string chartSvg(const PlayerRecords &player, Day today)
{
    double longest = 0;
    for (const Reading &day : player.days) longest = std::max(longest, day.valueOr(0) / 60.0);
    int step = chartStep(longest);
    int lines = std::max(1, static_cast<int>(std::ceil(longest / step)));
    double top = static_cast<double>(step) * lines;
    const int base = chartTop + plotHeight;

    std::string svg = "<svg class=\"chart\" viewBox=\"0 0 " + number(chartWidth) + " " + number(chartHeight) +
                      "\" width=\"" + number(chartWidth) + "\" height=\"" + number(chartHeight) +
                      "\" role=\"img\" aria-label=\"Játékidő naponta, az utolsó négy hétben\">\n";
    svg += "<rect class=\"plot\" x=\"" + number(chartLeft) + "\" y=\"" + number(chartTop) + "\" width=\"" +
           number(ChartDays * columnWidth) + "\" height=\"" + number(plotHeight) + "\"/>\n";
    for (int i = 0; i < ChartDays; ++i)
        if (weekdayOf(chartDay(today, i)) >= 5)
            svg += "<rect class=\"weekend\" x=\"" + number(chartLeft + i * columnWidth) + "\" y=\"" + number(chartTop) +
                   "\" width=\"" + number(columnWidth) + "\" height=\"" + number(plotHeight) + "\"/>\n";
    for (int line = 0; line <= lines; ++line) {
        int y = base - static_cast<int>(std::lround(plotHeight * line / static_cast<double>(lines)));
        svg += "<line class=\"" + std::string(line == 0 ? "axis" : "grid") + "\" x1=\"" + number(chartLeft) +
               "\" y1=\"" + number(y) + "\" x2=\"" + number(chartLeft + ChartDays * columnWidth) + "\" y2=\"" +
               number(y) + "\"/>\n";
        svg += "<text x=\"" + number(chartLeft - 5) + "\" y=\"" + number(y + 4) + "\" text-anchor=\"end\">" +
               escaped(line == 0 ? "0" : duration(static_cast<int64_t>(step) * line * 60)) + "</text>\n";
    }
    int previousMonth = 0;
    for (int i = 0; i < ChartDays; ++i) {
        Day day = chartDay(today, i);
        int year, month, dayOfMonth;
        dateFromDay(day, year, month, dayOfMonth);
        int x = chartLeft + i * columnWidth, middle = x + columnWidth / 2;
        const Reading &seconds = player.days[i];
        std::string label = dayWithWeekday(day) + ": ";
        if (seconds.unreadable()) {
            svg += "<text class=\"unknown\" x=\"" + number(middle) + "\" y=\"" + number(base - 4) +
                   "\" text-anchor=\"middle\"><title>" + escaped(label + "nem olvasható") + "</title>?</text>\n";
        } else if (seconds.valueOr(0) > 0) {
            // A short day still shows as a sliver, so that no day of play looks like a day without.
            int height = std::max(2, static_cast<int>(std::lround(seconds.value / 60.0 / top * plotHeight)));
            svg += "<rect class=\"bar\" x=\"" + number(x + (columnWidth - barWidth) / 2) + "\" y=\"" +
                   number(base - height) + "\" width=\"" + number(barWidth) + "\" height=\"" + number(height) +
                   "\" data-day=\"" + number(numberFromDay(day)) + "\" data-seconds=\"" + number(seconds.value) +
                   "\"><title>" + escaped(label + duration(seconds.value)) + "</title></rect>\n";
        }
        svg += "<text" + std::string(i == ChartDays - 1 ? " class=\"today\"" : "") + " x=\"" + number(middle) +
               "\" y=\"" + number(base + 15) + "\" text-anchor=\"middle\">" + number(dayOfMonth) + "</text>\n";
        if (month != previousMonth)
            svg += "<text x=\"" + number(x + 2) + "\" y=\"" + number(base + 31) + "\">" +
                   escaped(monthAbbreviation(month)) + "</text>\n";
        previousMonth = month;
    }
    if (longest == 0)
        svg += "<text class=\"empty\" x=\"" + number(chartLeft + ChartDays * columnWidth / 2) + "\" y=\"" +
               number(chartTop + plotHeight / 2) + "\" text-anchor=\"middle\">Ebben a négy hétben nem játszott.</text>\n";
    return svg + "</svg>\n";
}

std::string practiseList(const PlayerRecords &player)
{
    if (player.practise.empty())
        return "<p class=\"praise\">Minden feladat kész, legutóbb mind a három csillaggal. Ügyes!</p>\n";
    std::string html = "<ol class=\"practise\">\n";
    for (const Practise &practise : player.practise) {
        const GameDef &game = *player.games[practise.game].game;
        html += "<li><b>" + escaped(game.tasks[practise.task].title) + "</b><span class=\"game\">" +
                escaped(game.title) + "</span><span class=\"why\">" + escaped(practiseReason(player, practise)) +
                "</span></li>\n";
    }
    return html + "</ol>\n";
}

std::string playerSection(const PlayerRecords &player, Day today)
{
    const PlayerFigures figures = playerFigures(player, today);
    std::string id = std::string("player-") + static_cast<char>('a' + player.slot - 1);
    std::string html = "<section class=\"player\" id=\"" + id + "\">\n<h2>" + escaped(playerName(player.slot)) + "</h2>\n";

    html += "<ul class=\"summary\">\n";
    for (int g = 0; g < ReportGameCount; ++g) {
        const GameFigures &game = figures.games[g];
        html += "<li><b>" + escaped(player.games[g].game->title) + ":</b> " + number(game.done) + " / " +
                number(player.games[g].game->taskCount) + " feladat kész, " + number(game.stars) + " csillag</li>\n";
    }
    if (player.keyResult != 0)
        html += "<li class=\"bad\">Az adatai nem olvashatók: " + escaped(keyTrouble(player.keyResult)) + ".</li>\n";
    else if (!figures.anything)
        html += "<li>Még nem játszott.</li>\n";
    else
        html += "<li><b>Játékidő összesen:</b> " + escaped(duration(figures.seconds)) + ", " + number(figures.plays) +
                " alkalom</li>\n";
    if (figures.lastPlayed >= 0)
        html += "<li><b>Utoljára játszott:</b> " + escaped(longDate(figures.lastPlayed)) + "</li>\n";
    html += "</ul>\n";

    html += "<div class=\"columns\">\n<section class=\"next\">\n<h3>Mit gyakoroljon legközelebb?</h3>\n" +
            practiseList(player) + "</section>\n";
    html += "<section class=\"days\">\n<h3>Játékidő naponta</h3>\n" + chartSvg(player, today);
    html += "<p class=\"total\">Az utolsó négy hétben: " +
            (figures.chartDaysPlayed > 0
                 ? escaped(duration(figures.chartSeconds)) + ", " + number(figures.chartDaysPlayed) + " napon."
                 : std::string("nem játszott.")) +
            "</p>\n</section>\n</div>\n";

    for (int g = 0; g < ReportGameCount; ++g) {
        const GameRecords &game = player.games[g];
        html += "<section class=\"game\">\n<h3>" + escaped(game.game->title) + "<span class=\"count\">" +
                number(figures.games[g].done) + " / " + number(game.game->taskCount) + " kész</span></h3>\n";
        if (game.game->groups) {
            html += "<p class=\"legend\">A térkép csoportjai:";
            for (int group = 1; group < MapGroupCount; ++group)
                html += " <span class=\"group" + number(group) + "\">" + escaped(groupNames[group]) + "</span>";
            html += "</p>\n";
        }
        html += "<ol class=\"tasks\">\n";
        for (int place = 0; place < game.game->taskCount; ++place) html += taskTile(game, place, today);
        html += "</ol>\n</section>\n";
    }

    std::vector<std::string> unreadable = unreadableValues(player, today);
    if (!unreadable.empty()) {
        html += "<section class=\"trouble\">\n<h3>Nem olvasható adatok</h3>\n<ul>\n";
        for (const std::string &line : unreadable) html += "<li>" + escaped(line) + "</li>\n";
        html += "</ul>\n</section>\n";
    }
    return html + "</section>\n";
}

} // namespace

// ----------------------------------------------------------------------------------------------------
// Functions
// ----------------------------------------------------------------------------------------------------
std::string reportPage(const Report &report)
{
    std::string html = "<!DOCTYPE html>\n<html lang=\"hu\">\n<head>\n<meta charset=\"utf-8\"/>\n";
    // Nothing but the page's own style may load, whatever the page holds.
    html += "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; style-src 'unsafe-inline'\"/>\n";
    html += "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\"/>\n";
    html += "<title>" + escaped(reportTitle) + "</title>\n<style>" + styleSheet + "</style>\n</head>\n<body>\n";
    html += "<header>\n<h1>" + escaped(reportTitle) + "</h1>\n<p class=\"made\">Készült: <time datetime=\"" +
            isoDate(report.today) + "\">" + escaped(longDate(report.today)) + "</time></p>\n";
    html += "<p class=\"intro\">Mit játszott a gyerek, milyen jól és mennyi ideig, és mit érdemes legközelebb "
            "gyakorolnia.</p>\n";
    html += "<p class=\"explain\">Egy-egy feladatnál: a legjobb eredmény csillagai (három jár egy hibátlan játékért, "
            "kettő egy-két hibáért, egy több hibáért), hányszor kezdte el és fejezte be, a hibák száma (és hány volt "
            "a legutóbbi játékban), a játékidő és az utolsó játék napja. A játékidőbe egy alkalomból legfeljebb " +
            number(ProgressPlaySecondsCap / 60) + " perc számít.</p>\n";
    if (report.players.size() > 1) {
        html += "<nav>";
        for (const PlayerRecords &player : report.players)
            html += "<a href=\"#player-" + std::string(1, static_cast<char>('a' + player.slot - 1)) + "\">" +
                    escaped(playerName(player.slot)) + "</a>";
        html += "</nav>\n";
    }
    html += "</header>\n";
    if (!report.storeTrouble.empty()) {
        html += "<section class=\"trouble\">\n<h2>A tároló nem volt teljesen olvasható</h2>\n<ul>\n";
        for (const std::string &line : report.storeTrouble) html += "<li>" + escaped(line) + "</li>\n";
        html += "</ul>\n</section>\n";
    }
    for (const PlayerRecords &player : report.players) html += playerSection(player, report.today);
    html += "<footer>\n<p>Ez a lap ezen a gépen készült a játék saját adataiból, és nem küld semmit sehova.</p>\n"
            "</footer>\n";
    return html + "</body>\n</html>\n";
}
