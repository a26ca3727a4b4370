#include "viewer/core/ViewerMessages.h"

#include <array>

#include "viewer/core/ReportNumbers.h"

namespace ae {

namespace {

struct Entry {
  int Id;
  const char* Text;
};

constexpr Entry Table[] = {
    {2001, "Programm's language will be changed at the next launch"},
    {2002, "Test Setup - unknown format of INI file"},
    {2003, "Warning"},
    {2004, "Error.."},
    {2005, "Error of saving '"},
    {2008, "Deleted data will be undeleted.\nConfirm please"},
    {2009, "Fail '"},
    {2010, "' doesn't exist."},
    {2011, "Protocol data view"},
    {2013, "Data file doesn't sorted. Event View is impossible."},
    {2014, "File Name:\t"},
    {2015, "Test setup - "},
    {2016, "Save as.."},
    {2017, "Test Setup file\n"},
    {2018, "\nwill be rewriten. Continue?"},
    {2019, "Hold label"},
    {2020, "Pressure, MPa"},
    {2021, "Start, sec"},
    {2022, "Length, sec"},
    {2023, "Delay, sec"},
    {2024, "Error"},
    {2025, "No Pages"},
    {2026, "Data file doesn't sorted ("},
    {2027, " s). Event View is impossible."},
    {2033, "File Loading Error"},
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

std::string NotSortedMessage(double seconds) {
  return ViewerMessage(vmNotSortedPrefix) + FixedLimited(seconds, 2) + ViewerMessage(vmNotSortedSuffix);
}

}  // namespace ae
