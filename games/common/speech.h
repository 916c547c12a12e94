// speech.h -- what the voice says for a shown text: numbers, amounts, clock phrases and marks said as words
#pragma once

#include <string>

// Gives a shown text a speech form of its own and returns the shown text, for a table entry that the
// rules below would say wrongly ("123" as a telephone number: said("123", "egy kettő három")). The first
// speech form given for a text holds.
const char *said(const char *shown, const char *speech);

// The words the synthesiser is given for a shown text (UTF-8): its own speech form when it has one, or the
// text with every number written out as it is said ("2 ujjat": "két ujjat", "5-öt": "ötöt", "fél 2-t":
// "fél kettőt", "a 112-t": "az egy egy kettőt"), "Ft" as "forint", an ellipsis as a pause and the common
// abbreviations in full. Empty for a null text.
std::string speechText(const char *shown);

// Every speech form given with said(), for the checks: shown and speech text by number, null past the end.
const char *saidShown(int index);
const char *saidSpeech(int index);
