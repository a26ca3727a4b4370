#pragma once
// The viewer's message table: the texts of its message boxes, captions and a few labels, looked
// up by number (2001..2033). Numbers the viewer does not use give an empty text. The table holds
// the English texts; the program's Russian translation has a Russian text for each of them.
#include <string>

namespace ae {

enum : int {
  vmLanguageChanged = 2001,     // "Programm's language will be changed at the next launch"
  vmUnknownSetupFormat = 2002,  // "Test Setup - unknown format of INI file"
  vmWarning = 2003,             // caption "Warning"
  vmErrorDots = 2004,           // caption "Error.."
  vmSavingError = 2005,         // "Error of saving '" + file name + "'."
  vmUndeleteConfirm = 2008,
  vmFailPrefix = 2009,  // "Fail '" + path + string 2010
  vmDoesNotExist = 2010,
  vmProtocolView = 2011,
  vmNotSortedEventView = 2013,
  vmFileNameLabel = 2014,
  vmTestSetupCaption = 2015,  // "Test setup - " + file name
  vmSaveAs = 2016,
  vmSetupRewritePrefix = 2017,  // string 2017 + file name + string 2018
  vmSetupRewriteSuffix = 2018,
  vmHoldLabel = 2019,  // 2019..2023: the header row of the holds grid
  vmHoldPressure = 2020,
  vmHoldStart = 2021,
  vmHoldLength = 2022,
  vmHoldDelay = 2023,
  vmError = 2024,  // caption "Error"
  vmNoPages = 2025,
  vmNotSortedPrefix = 2026,  // string 2026 + time in seconds + string 2027
  vmNotSortedSuffix = 2027,
  vmFileLoadingError = 2033,
};

inline constexpr int ViewerMessageFirst = 2001;
inline constexpr int ViewerMessageLast = 2033;

// The text of a message as the table holds it; empty for a number outside the table or without a
// text. Documents (the test report) and aetool write it so in every language.
const std::string& ViewerMessage(int id);

// The same message in the language of the running program: through the program's translation
// of the table (the Russian one when the program runs in Russian), else as the table holds it.
// The windows show this one.
std::string ViewerText(int id);

// How the running program words a text of the table; none (the default, as in aetool) keeps the
// table's text. The viewer's windows set Qt's translation (UseQtTranslationOfMessages).
using MessageTranslation = std::string (*)(const std::string& text);
void SetMessageTranslation(MessageTranslation translation);

// "Data file doesn't sorted (12.34 s). Event View is impossible.": the time-order message of the
// viewer's event view, for the time of the offending hit in seconds, in the program's language.
std::string NotSortedMessage(double seconds);

}  // namespace ae
