// voice_texts.cpp -- writes every text of both games with the words the voice says for it, one per line
//
//   voice-texts FILE     lines "shown text<TAB>speech text", sorted, each shown text once
//
// The clips are made from this list at build time, so it comes from the games' own tables as they are.
#include <cstdio>
#include <set>
#include <string>

#include "forest.h"
#include "speech.h"
#include "town.h"
#include "voicetexts.h"

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: voice-texts FILE\n");
        return 2;
    }
    std::set<std::string> texts;
    for (const GameDef *game : {&forestDefinition(), &townDefinition()})
        for (const std::string &t : spokenTexts(*game)) texts.insert(t);

    std::string list;
    int failures = 0;
    for (const std::string &shown : texts) {
        std::string speech = speechText(shown.c_str());
        // "?" is what a maker's text becomes when the table of made texts is full.
        if (shown == "?" || speech.empty() || shown.find_first_of("\t\n") != std::string::npos ||
            speech.find_first_of("\t\n") != std::string::npos) {
            std::fprintf(stderr, "voice-texts: a text the voice cannot say: \"%s\"\n", shown.c_str());
            ++failures;
            continue;
        }
        list += shown + '\t' + speech + '\n';
    }
    std::FILE *out = std::fopen(argv[1], "wb");
    if (!out || std::fwrite(list.data(), 1, list.size(), out) != list.size() || std::fclose(out) != 0) {
        std::fprintf(stderr, "voice-texts: cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf("voice-texts: %zu texts\n", texts.size());
    return failures ? 1 : 0;
}
