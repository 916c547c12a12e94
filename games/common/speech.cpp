// speech.cpp -- the shown texts turned into the words a Hungarian speaker says for them
#include "speech.h"

#include <array>
#include <cctype>
#include <cstring>
#include <string_view>

//----------------------------------------------------------------------------------------------------------
// Tables
//----------------------------------------------------------------------------------------------------------

namespace {

// How a number is said depends on what follows it: alone ("kettő"), before a noun ("két alma"), as an
// object ("kettőt"), as a name with -s ("a kettes busz"), or in a row ("második").
enum Form { FormAlone, FormBefore, FormObject, FormName, FormOrdinal, FormCount };

using Forms = std::array<const char *, FormCount>;

constexpr std::array<Forms, 10> units{{
    {"nulla", "nulla", "nullát", "nullás", "nulladik"},
    {"egy", "egy", "egyet", "egyes", "első"},
    {"kettő", "két", "kettőt", "kettes", "második"},
    {"három", "három", "hármat", "hármas", "harmadik"},
    {"négy", "négy", "négyet", "négyes", "negyedik"},
    {"öt", "öt", "ötöt", "ötös", "ötödik"},
    {"hat", "hat", "hatot", "hatos", "hatodik"},
    {"hét", "hét", "hetet", "hetes", "hetedik"},
    {"nyolc", "nyolc", "nyolcat", "nyolcas", "nyolcadik"},
    {"kilenc", "kilenc", "kilencet", "kilences", "kilencedik"},
}};
// "első" and "második" stand alone; at the end of a longer number they are "tizenegyedik", "tizenkettedik".
constexpr std::array<const char *, 3> compoundOrdinals{"", "egyedik", "kettedik"};

// Whole tens, 10 to 90, and what a ten is before its units ("tizenegy", "huszonegy", "harmincegy").
constexpr std::array<Forms, 10> tens{{
    {"", "", "", "", ""},
    {"tíz", "tíz", "tizet", "tizes", "tizedik"},
    {"húsz", "húsz", "húszat", "húszas", "huszadik"},
    {"harminc", "harminc", "harmincat", "harmincas", "harmincadik"},
    {"negyven", "negyven", "negyvenet", "negyvenes", "negyvenedik"},
    {"ötven", "ötven", "ötvenet", "ötvenes", "ötvenedik"},
    {"hatvan", "hatvan", "hatvanat", "hatvanas", "hatvanadik"},
    {"hetven", "hetven", "hetvenet", "hetvenes", "hetvenedik"},
    {"nyolcvan", "nyolcvan", "nyolcvanat", "nyolcvanas", "nyolcvanadik"},
    {"kilencven", "kilencven", "kilencvenet", "kilencvenes", "kilencvenedik"},
}};
constexpr std::array<const char *, 10> tensBeforeUnits{"", "tizen", "huszon", "harminc", "negyven", "ötven",
                                                       "hatvan", "hetven", "nyolcvan", "kilencven"};
constexpr Forms hundred{"száz", "száz", "százat", "százas", "századik"};
constexpr Forms thousand{"ezer", "ezer", "ezret", "ezres", "ezredik"};

// Numbers said digit by digit: the emergency number, wherever it stands. Other telephone numbers are given
// their speech form where they are shown, since "105" may as well be a price.
constexpr std::array<std::string_view, 1> digitByDigit{"112"};

// After these a number stands alone even before a word: "fél kettő", "kettő meg kettő", "a négy után".
constexpr std::array<std::string_view, 3> clockWords{"fél", "negyed", "háromnegyed"};
constexpr std::array<std::string_view, 13> notNouns{"meg", "és", "vagy", "után", "előtt", "azt", "az", "a",
                                                    "is", "sem", "plusz", "mínusz", "egyenlő"};

struct Spelled {
    std::string_view written;
    const char *said;
};
constexpr std::array<Spelled, 9> abbreviations{{
    {"Ft", "forint"}, {"pl.", "például"}, {"stb.", "és így tovább"}, {"kb.", "körülbelül"}, {"db", "darab"},
    {"kg", "kilogramm"}, {"dkg", "dekagramm"}, {"km", "kilométer"}, {"cm", "centiméter"},
}};

struct Said {
    const char *shown;
    const char *speech;
};
constexpr int MaxSaid = 256;
std::array<Said, MaxSaid> saidTexts; // filled while the tables are made, before anything is said
int saidCount = 0;

//----------------------------------------------------------------------------------------------------------
// Internal functions: letters
//----------------------------------------------------------------------------------------------------------

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The length in bytes of the letter at i (a Latin letter or an accented Hungarian one), 0 when none.
size_t letterAt(std::string_view s, size_t i)
{
    if (i >= s.size()) return 0;
    unsigned char c = static_cast<unsigned char>(s[i]);
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) return 1;
    if ((c == 0xC3 || c == 0xC5) && i + 1 < s.size() && (static_cast<unsigned char>(s[i + 1]) & 0xC0) == 0x80) return 2;
    return 0;
}

size_t wordEnd(std::string_view s, size_t i)
{
    while (size_t n = letterAt(s, i)) i += n;
    return i;
}

bool isUpper(std::string_view s, size_t i, size_t n)
{
    unsigned char c = static_cast<unsigned char>(s[i]);
    if (n == 1) return c >= 'A' && c <= 'Z';
    unsigned char d = static_cast<unsigned char>(s[i + 1]);
    return (c == 0xC3 && d >= 0x80 && d <= 0x9E) || (c == 0xC5 && (d == 0x90 || d == 0xB0));
}

bool allCapitals(std::string_view word)
{
    int letters = 0;
    for (size_t i = 0; i < word.size(); ++letters) {
        size_t n = letterAt(word, i);
        if (n == 0 || !isUpper(word, i, n)) return false;
        i += n;
    }
    return letters > 1;
}

std::string lowerWord(std::string_view word)
{
    std::string out(word);
    for (size_t i = 0; i < out.size();) {
        size_t n = letterAt(out, i);
        if (n == 0) {
            ++i;
            continue;
        }
        if (isUpper(out, i, n)) {
            if (n == 1) out[i] = static_cast<char>(out[i] + 32);
            else out[i + 1] = static_cast<char>(out[i] == '\xC3' ? out[i + 1] + 0x20 : out[i + 1] + 1);
        }
        i += n;
    }
    return out;
}

bool startsWithVowel(std::string_view word)
{
    static constexpr std::array<std::string_view, 14> vowels{"a", "e", "i", "o", "u", "á", "é", "í", "ó", "ö", "ő",
                                                             "ú", "ü", "ű"};
    std::string lower = lowerWord(word.substr(0, 2));
    for (std::string_view v : vowels)
        if (std::string_view(lower).substr(0, v.size()) == v) return true;
    return false;
}

template <size_t N> bool among(const std::array<std::string_view, N> &list, std::string_view word)
{
    for (std::string_view w : list)
        if (w == word) return true;
    return false;
}

//----------------------------------------------------------------------------------------------------------
// Internal functions: numbers
//----------------------------------------------------------------------------------------------------------

// The word joined to a suffix that begins with the word's own last consonant, as Hungarian writes it:
// "négy" + "gyel" is "néggyel", "öt" + "tel" is "öttel".
std::string joined(std::string word, std::string_view suffix)
{
    static constexpr std::array<std::string_view, 7> digraphs{"gy", "sz", "ny", "cs", "zs", "ty", "ly"};
    for (std::string_view d : digraphs)
        if (word.size() >= 2 && std::string_view(word).substr(word.size() - 2) == d && suffix.substr(0, 2) == d)
            return word.substr(0, word.size() - 2) + d[0] + std::string(d) + std::string(suffix.substr(2));
    return word + std::string(suffix);
}

// The form a suffix asks of the number before it, and what of the suffix is left to add.
Form formForSuffix(std::string_view suffix, std::string_view *rest)
{
    *rest = suffix;
    static constexpr std::array<std::string_view, 5> object{"t", "at", "et", "ot", "öt"};
    if (among(object, suffix)) {
        *rest = {};
        return FormObject;
    }
    static constexpr std::array<std::string_view, 4> name{"as", "es", "os", "ös"};
    for (std::string_view n : name)
        if (suffix.substr(0, n.size()) == n) {
            *rest = suffix.substr(n.size());
            return FormName;
        }
    if (suffix == "s") {
        *rest = {};
        return FormName;
    }
    // "kétszer", "háromszor": the count of times is said as before a noun.
    if (suffix.substr(0, 2) == "sz") return FormBefore;
    return FormAlone;
}

std::string numberWords(long n, Form form)
{
    if (n < 10) return units[static_cast<size_t>(n)][form];
    std::string prefix;
    if (n >= 1000) {
        long above = n / 1000;
        n %= 1000;
        if (above > 1) prefix = numberWords(above, FormBefore);
        if (n == 0) return prefix + thousand[form];
        prefix += "ezer";
    }
    if (n >= 100) {
        long hundreds = n / 100;
        n %= 100;
        if (hundreds > 1) prefix += units[static_cast<size_t>(hundreds)][FormBefore];
        if (n == 0) return prefix + hundred[form];
        prefix += "száz";
    }
    size_t ten = static_cast<size_t>(n / 10), unit = static_cast<size_t>(n % 10);
    if (unit == 0) return prefix + tens[ten][form];
    prefix += tensBeforeUnits[ten];
    if (form == FormOrdinal && !prefix.empty() && unit <= 2) return prefix + compoundOrdinals[unit];
    return prefix + units[unit][form];
}

// The number written with `digits`, said in a form, with what is left of its suffix.
std::string numberSaid(std::string_view digits, Form form, std::string_view rest)
{
    std::string words;
    if (among(digitByDigit, digits)) {
        for (size_t i = 0; i < digits.size(); ++i) {
            if (i > 0) words += ' ';
            words += units[static_cast<size_t>(digits[i] - '0')][i + 1 == digits.size() && form != FormBefore ? form : FormAlone];
        }
    } else {
        long n = 0;
        for (char c : digits.substr(0, 6)) n = n * 10 + (c - '0');
        words = numberWords(n, form);
    }
    return rest.empty() ? words : joined(words, rest);
}

// "a" before a word that begins with a vowel is "az", as it must be said: "az egy egy kettőt", "az ötöt".
void articleBefore(std::string &out, const std::string &word)
{
    size_t n = out.size();
    if (n < 2 || out[n - 1] != ' ' || (out[n - 2] != 'a' && out[n - 2] != 'A')) return;
    if (n > 2 && letterAt(out, n - 3)) return;
    if (n > 3 && (static_cast<unsigned char>(out[n - 3]) & 0xC0) == 0x80 && letterAt(out, n - 4)) return;
    if (startsWithVowel(word)) out.insert(n - 1, "z");
}

// The last word written so far, in lower case.
std::string lastWord(const std::string &out)
{
    size_t end = out.size();
    while (end > 0 && out[end - 1] == ' ') --end;
    size_t start = end;
    while (start > 0 && ((static_cast<unsigned char>(out[start - 1]) & 0x80) || std::isalpha(static_cast<unsigned char>(out[start - 1]))))
        --start;
    return lowerWord(std::string_view(out).substr(start, end - start));
}

} // namespace

//----------------------------------------------------------------------------------------------------------
// Functions
//----------------------------------------------------------------------------------------------------------

const char *said(const char *shown, const char *speech)
{
    if (!shown || !speech) return shown;
    for (int i = 0; i < saidCount; ++i)
        if (std::strcmp(saidTexts[i].shown, shown) == 0) return shown;
    if (saidCount < MaxSaid) saidTexts[saidCount++] = Said{shown, speech};
    return shown;
}

const char *saidShown(int index) { return index >= 0 && index < saidCount ? saidTexts[index].shown : nullptr; }
const char *saidSpeech(int index) { return index >= 0 && index < saidCount ? saidTexts[index].speech : nullptr; }

std::string speechText(const char *shown)
{
    if (!shown) return std::string();
    for (int i = 0; i < saidCount; ++i)
        if (std::strcmp(saidTexts[i].shown, shown) == 0) return saidTexts[i].speech;

    std::string_view s(shown);
    std::string out;
    size_t i = 0;
    while (i < s.size()) {
        // A number: how it is said depends on the word before it and on what follows it.
        if (isDigit(s[i]) && (i == 0 || !letterAt(s, i - 1))) {
            size_t end = i;
            while (end < s.size() && isDigit(s[end])) ++end;
            std::string_view digits = s.substr(i, end - i), rest;
            Form form = FormAlone;
            size_t next = end;
            bool clock = among(clockWords, lastWord(out));
            if (end + 1 < s.size() && s[end] == '-' && letterAt(s, end + 1)) {
                next = wordEnd(s, end + 1);
                form = formForSuffix(s.substr(end + 1, next - end - 1), &rest);
            } else if (end + 2 < s.size() && s[end] == '.' && s[end + 1] == ' ' && letterAt(s, end + 2) &&
                       !isUpper(s, end + 2, letterAt(s, end + 2))) {
                form = FormOrdinal; // "a 2. sorban"
                next = end + 1;
            } else if (end + 1 < s.size() && s[end] == ' ' && letterAt(s, end + 1) && !clock) {
                std::string following = lowerWord(s.substr(end + 1, wordEnd(s, end + 1) - end - 1));
                if (!among(notNouns, following)) form = FormBefore;
            }
            if (clock && form == FormBefore) form = FormAlone;
            std::string words = numberSaid(digits, form, rest);
            articleBefore(out, words);
            out += words;
            if (next < s.size() && s[next] == '%') {
                out += " százalék";
                ++next;
            }
            i = next;
            continue;
        }
        // An ellipsis is a pause before more words, and nothing before the end of a sentence.
        bool dots = s.substr(i, 3) == "...", ellipsis = s.substr(i, 3) == "…";
        if (dots || ellipsis) {
            i += 3;
            while (dots && i < s.size() && s[i] == '.') ++i;
            size_t after = i;
            while (after < s.size() && s[after] == ' ') ++after;
            if (after < s.size() && !std::strchr("?!.,;:", s[after])) out += ',';
            continue;
        }
        if (letterAt(s, i) && (i == 0 || !letterAt(s, i - 1))) {
            size_t end = wordEnd(s, i);
            std::string_view word = s.substr(i, end - i);
            bool point = end < s.size() && s[end] == '.'; // "pl." and "stb." carry their point
            const Spelled *spelled = nullptr;
            for (const Spelled &a : abbreviations)
                if (a.written == word || (point && a.written == s.substr(i, end + 1 - i))) spelled = &a;
            if (spelled) {
                out += spelled->said;
                i += spelled->written.size();
                // "Ft-tal", "Ft-od": the suffix joins the word.
                if (i + 1 < s.size() && s[i] == '-' && letterAt(s, i + 1)) ++i;
                continue;
            }
            // A word in capitals ("STOP") is read as a word, never letter by letter.
            out += allCapitals(word) ? lowerWord(word) : std::string(word);
            i = end;
            continue;
        }
        out += s[i++];
    }
    return out;
}
