// The words a user reads, through the translation catalogue: GNU gettext's, domain "tarvand", in
// the language gettext chooses (LANGUAGE, then LC_ALL, LC_MESSAGES and LANG; none in the C
// locale). Output that scripts read (dates, formats, .ics) never goes through it.
#pragma once

#include <string>
#include <string_view>

namespace tarvand {

// Turns translated messages on for this program: the catalogues of $TARVAND_LOCALEDIR (a build's
// own, for its tests) or the installed ones, in UTF-8 whatever the locale's character set. Nothing
// is looked up until the first message is.
void UseTranslations();

// Takes a message in English; returns its translation, or the message itself when there is none.
const char* Translated(const char* english) __attribute__((format_arg(1)));

// Takes a context and a message joined by U+0004, as gettext keys them, and the message alone;
// returns its translation in that context, or the message.
const char* TranslatedIn(const char* keyed, const char* english);

// Takes an errno value; returns the system's text for it, in the messages' locale.
const char* SystemError(int number);

// Takes a printf format, a translated message, and its arguments; returns the text.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Takes a program's name and a message in the messages' language; returns the line that says it,
// "tarvand-date: message", without its newline. In a language written right to left the message
// is a right-to-left isolate after the name, so that a terminal with bidi shows the name, then the
// sentence right to left with each Latin item where it belongs.
std::string MessageLine(std::string_view program, std::string_view message);

// Takes a file's name, as a message names it, and a line number; returns "FILE:LINE", the place a
// message begins with: in a language written right to left, a left-to-right isolate, so that a
// terminal with bidi does not move the name's slashes and number into the sentence.
std::string FileLine(std::string_view file, long line);

// Takes a --help text in the messages' language; returns it as a terminal with bidi shows it in
// order: in a language written right to left, each column with such letters of a line laid out
// left to right (as the option column keeps them) is a right-to-left isolate, so that the
// description reads from its right with each Latin item where it belongs. Otherwise the same.
std::string HelpLines(std::string_view text);

// Returns the language of the catalogue messages come from, as its header names it ("fa"), or
// nothing when they stay in English.
std::string MessagesLanguage();

}  // namespace tarvand

// A message looked up in the catalogue where it is used, and one only marked for it there, to be
// looked up later: the keywords xgettext reads.
#define _(english) ::tarvand::Translated(english)
#define N_(english) english
#define C_(context, english) ::tarvand::TranslatedIn(context "\004" english, english)
// A message of another's, Qt's, only marked here with its context, for Qt to look up.
#define NC_(context, english) english
