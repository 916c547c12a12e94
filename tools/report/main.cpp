// main.cpp -- tavrin-report: the parents' overview of the players' results, opened in the browser, written
// where asked, or printed as plain text
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/console.h"
#include "platform/desktop.h"
#include "platform/files.h"
#include "platform/places.h"
#include "report.h"

// ----------------------------------------------------------------------------------------------------
// Defines and types
// ----------------------------------------------------------------------------------------------------
namespace {

const char *usageText =
    "usage: tavrin-report [--player A|B|C] [--output FILE] [--text]\n"
    "Makes the parents' overview of the players' results and opens it in the web browser.\n"
    "  --player A|B|C  only that player\n"
    "  --output FILE   write the page to FILE instead (- for standard output)\n"
    "  --text          plain text, to standard output or to the --output file\n";

struct Options {
    int slot = 0;  // 0: all three players
    std::string output;
    bool text = false;
    bool help = false;
};

// ----------------------------------------------------------------------------------------------------
// Internal functions
// ----------------------------------------------------------------------------------------------------
bool parseOptions(const std::vector<std::string> &arguments, Options &options, std::string &reason)
{
    for (size_t i = 1; i < arguments.size(); ++i) {
        const std::string &argument = arguments[i];
        bool hasValue = i + 1 < arguments.size();
        if (argument == "--help" || argument == "-h") {
            options.help = true;
        } else if (argument == "--text") {
            options.text = true;
        } else if (argument == "--player" || argument == "--output") {
            if (!hasValue) {
                reason = argument + " needs a value";
                return false;
            }
            const std::string &value = arguments[++i];
            if (argument == "--output") {
                if (value.empty()) {
                    reason = "--output needs a file name";
                    return false;
                }
                options.output = value;
                continue;
            }
            if (value.size() != 1 || (toupper(static_cast<unsigned char>(value[0])) < 'A' ||
                                      toupper(static_cast<unsigned char>(value[0])) > 'C')) {
                reason = "--player takes A, B or C, not \"" + value + "\"";
                return false;
            }
            options.slot = toupper(static_cast<unsigned char>(value[0])) - 'A' + 1;
        } else {
            reason = "unknown argument \"" + argument + "\"";
            return false;
        }
    }
    return true;
}

int fail(const std::string &reason)
{
    fprintf(stderr, "tavrin-report: %s\n", reason.c_str());
    return 1;
}

// The page of all players, or of one, in the user's own state folder.
bool defaultPagePath(int slot, std::string &path)
{
    char folder[4096];
    if (!stateDirectory(folder, sizeof folder)) return false;
    std::string name = slot == 0 ? "attekintes.html" : std::string("attekintes-") + static_cast<char>('a' + slot - 1) + ".html";
    path = (std::filesystem::u8path(folder) / name).u8string();
    return true;
}

} // namespace

// ----------------------------------------------------------------------------------------------------
// Functions
// ----------------------------------------------------------------------------------------------------
int main(int argc, char **argv)
{
    Options options;
    std::string reason;
    if (!parseOptions(commandLineArguments(argc, argv), options, reason)) return fail(reason + " (see tavrin-report --help)");
    if (options.help) return writeStandardOutput(usageText) ? 0 : 1;

    Report report = readReport(options.slot, reportToday());
    for (PlayerRecords &player : report.players) choosePractise(player);
    const std::string content = options.text ? reportText(report) : reportPage(report);

    // Started from the desktop's menu there is no terminal to read a failure on: a box says it instead.
    const bool opening = options.output.empty() && !options.text;
    auto failOpening = [&](const std::string &why, const std::string &boxText) {
        if (opening && startedFromDesktop()) showMessageBox(reportTitle, boxText.c_str());
        return fail(why);
    };

    std::string path = options.output;
    if (path == "-" || (options.text && path.empty())) {
        if (!writeStandardOutput(content)) return fail("the overview could not be written to standard output");
        path.clear();
    } else {
        if (path.empty() && !defaultPagePath(options.slot, path))
            return failOpening("the user's state folder cannot be made, so the page has nowhere to go",
                               "Az áttekintés nem készülhetett el: a felhasználó saját mappája nem hozható létre.");
        char why[256];
        if (!replaceFile(path.c_str(), content.data(), content.size(), why, sizeof why))
            return failOpening("cannot write \"" + path + "\": " + why,
                               "Az áttekintés nem írható ide: " + path + " (" + why + ")");
    }
    if (opening) {
        openAddress(path.c_str());
        writeStandardOutput(path + "\n");
    }
    // The page says what could not be read; the exit code and one line tell a script.
    if (!report.storeTrouble.empty())
        return fail("the store could not be read in full (" + report.storeTrouble.front() + ")" +
                    (path.empty() ? std::string() : "; the page says what is missing: " + path));
    return 0;
}
