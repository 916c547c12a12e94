// phrases.h -- the engine's own words, the same in both games: buttons, praise, "try again", the finished task
#pragma once

#include <array>

namespace phrases {

constexpr const char *back = "vissza";
constexpr const char *map = "feladatok";
constexpr const char *next = "tovább";
constexpr const char *again = "még egyszer";
constexpr const char *pick = "Válassz egy feladatot!";
constexpr const char *tryAgain = "Majdnem! Próbáld újra!"; // after a wrong answer that came close
constexpr const char *notThis = "Nem ez. Próbáld újra!";   // after any other harmless one
constexpr const char *done = "Kész a feladat!";
constexpr const char *quiz = "Kvízkérdés";
constexpr const char *quizNote = "Még egy kérdés, és kész a feladat!";
constexpr std::array<const char *, 5> praises{"Ügyes vagy!", "Szuper!", "Nagyon jó!", "Ez az!", "Kiváló!"};

// Every one of them, so that the voice has a clip for each.
constexpr std::array<const char *, 15> all{back, map, next, again, pick, tryAgain, notThis, done, quiz, quizNote,
                                           praises[0], praises[1], praises[2], praises[3], praises[4]};

} // namespace phrases
