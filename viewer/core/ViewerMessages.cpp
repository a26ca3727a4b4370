#include "viewer/core/ViewerMessages.h"

#include <array>

#include "viewer/core/ReportNumbers.h"

// The table stays free of Qt (the test setup library uses it without Qt); the marker only tells
// lupdate which texts the program's translation carries.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, text) text
#endif

namespace ae {

namespace {

MessageTranslation translation = nullptr;

struct Entry {
  int Id;
  const char* Text;
};

constexpr Entry Table[] = {
    {2001, QT_TRANSLATE_NOOP("ae::ViewerMessages", "Programm's language will be changed at the next launch")},
    {2002, QT_TRANSLATE_NOOP("ae::ViewerMessages", "Test Setup - unknown format of INI file")},
    {2003, QT_TRANSLATE_NOOP("ae::ViewerMessages", "Warning")},
    {2004, QT_TRANSLATE_NOOP("ae::ViewerMessages", "Error..")},
    {2005, QT_TRANSLATE_NOOP("ae::ViewerMessages", "Error of saving '")},
    {2008, QT_TRANSLATE_NOOP("ae::ViewerMessages", "Deleted data will be undeleted.\nConfirm please")},
    {2009, QT_TRANSLATE_NOOP("ae::ViewerMessages", "Fail '")},
    {2010, QT_TRANSLATE_NOOP("ae::ViewerMessages", "' doesn't exist.")},
    {2011, QT_TRANSLATE_NOOP("ae::ViewerMessages", "Protocol data view")},
    {2013, QT_TRANSLATE_NOOP("ae::ViewerMessages", "Data file doesn't sorted. Event View is impossible.")},
    {2014, QT_TRANSLATE_NOOP("ae::ViewerMessages", "File Name:\t")},
    {2015, QT_TRANSLATE_NOOP("ae::ViewerMessages", "Test setup - ")},
    {2016, QT_TRANSLATE_NOOP("ae::ViewerMessages", "Save as..")},
    {2017, QT_TRANSLATE_NOOP("ae::ViewerMessages", "Test Setup file\n")},
    {2018, QT_TRANSLATE_NOOP("ae::ViewerMessages", "\nwill be rewriten. Continue?")},
    {2019, QT_TRANSLATE_NOOP("ae::ViewerMessages", "Hold label")},
    {2020, QT_TRANSLATE_NOOP("ae::ViewerMessages", "Pressure, MPa")},
    {2021, QT_TRANSLATE_NOOP("ae::ViewerMessages", "Start, sec")},
    {2022, QT_TRANSLATE_NOOP("ae::ViewerMessages", "Length, sec")},
    {2023, QT_TRANSLATE_NOOP("ae::ViewerMessages", "Delay, sec")},
    {2024, QT_TRANSLATE_NOOP("ae::ViewerMessages", "Error")},
    {2025, QT_TRANSLATE_NOOP("ae::ViewerMessages", "No Pages")},
    {2026, QT_TRANSLATE_NOOP("ae::ViewerMessages", "Data file doesn't sorted (")},
    {2027, QT_TRANSLATE_NOOP("ae::ViewerMessages", " s). Event View is impossible.")},
    {2033, QT_TRANSLATE_NOOP("ae::ViewerMessages", "File Loading Error")},
};

using Texts = std::array<std::string, ViewerMessageLast - ViewerMessageFirst + 1>;

const Texts& AllTexts() {
  static const Texts texts = [] {
    Texts t;
    for (const Entry& e : Table) t[static_cast<std::size_t>(e.Id - ViewerMessageFirst)] = e.Text;
    return t;
  }();
  return texts;
}

}  // namespace

const std::string& ViewerMessage(int id) {
  static const std::string none;
  if (id < ViewerMessageFirst || id > ViewerMessageLast) return none;
  return AllTexts()[static_cast<std::size_t>(id - ViewerMessageFirst)];
}

void SetMessageTranslation(MessageTranslation use) { translation = use; }

std::string ViewerText(int id) {
  const std::string& text = ViewerMessage(id);
  if (text.empty() || translation == nullptr) return text;
  return translation(text);
}

std::string NotSortedMessage(double seconds) {
  return ViewerText(vmNotSortedPrefix) + FixedLimited(seconds, 2) + ViewerText(vmNotSortedSuffix);
}

}  // namespace ae
