#include "datafiles/ALNPCITestParam.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <iomanip>
#include <ostream>

#include "datafiles/ByteOrder.h"
#include "datafiles/StreamFormatGuard.h"

namespace ae {

namespace {

constexpr std::size_t NameWidth = 255;
constexpr std::size_t ReferenceWidth = 258;
constexpr std::size_t CommentWidth = 1000;
constexpr std::size_t LocationFileNameWidth = 256;

const char* FilterFlagName(std::uint32_t flag) {
  switch (flag) {
    case 0: return " (source)";
    case 1: return " (filtered)";
    case 2: return " (location filter)";
    case 3: return " (concatenation result)";
    case 4: return " (clb location filter)";
    default: return " (unknown)";
  }
}

}  // namespace

ALNPCITestParam::ALNPCITestParam(const std::uint8_t* bytes) { std::memcpy(bytes_.data(), bytes, Size); }

std::uint32_t ALNPCITestParam::U32(Field field) const { return GetU32(bytes_.data() + field); }

std::int32_t ALNPCITestParam::I32(Field field) const { return GetI32(bytes_.data() + field); }

std::string ALNPCITestParam::Text(Field field, std::size_t width) const {
  const auto* start = bytes_.data() + field;
  const auto* end = std::find(start, start + width, std::uint8_t{0});
  return std::string(reinterpret_cast<const char*>(start), static_cast<std::size_t>(end - start));
}

void ALNPCITestParam::SetNumberOfEvents(std::uint32_t n) { PutU32(bytes_.data() + fNumberOfEvents, n); }

std::string ALNPCITestParam::CalendarText(std::uint32_t seconds) {
  static constexpr const char* Days[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  static constexpr const char* Months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                           "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  const std::time_t t = static_cast<std::time_t>(seconds);
  std::tm tm{};
  if (localtime_r(&t, &tm) == nullptr || tm.tm_wday < 0 || tm.tm_wday > 6 || tm.tm_mon < 0 || tm.tm_mon > 11)
    return "\n";
  char text[64];
  std::snprintf(text, sizeof text, "%.3s %.3s%3d %.2d:%.2d:%.2d %d\n", Days[tm.tm_wday], Months[tm.tm_mon], tm.tm_mday,
                tm.tm_hour, tm.tm_min, tm.tm_sec, 1900 + tm.tm_year);
  return text;
}

void ALNPCITestParam::Dump(std::ostream& os, bool full) const {
  StreamFormatGuard guard(os);
  os << std::dec << std::right << std::setfill(' ');
  auto hex = [&](const char* label, Field field) {
    os << label << "0x" << std::hex << std::uppercase << U32(field) << std::dec << std::nouppercase << '\n';
  };
  auto number = [&](const char* label, Field field) { os << label << U32(field) << '\n'; };
  auto signedNumber = [&](const char* label, Field field) { os << label << I32(field) << '\n'; };
  auto versions = [&](const char* label, Field field) {
    os << label << U32(field) << " - " << GetU32(bytes_.data() + field + 4) << '\n';
  };
  auto text = [&](const char* label, Field field, std::size_t width) { os << label << Text(field, width) << '\n'; };
  auto yesNo = [&](const char* label, Field field) { os << label << (U32(field) != 0 ? "Yes" : "No") << '\n'; };

  if (full) os << "- ALNTestParam - Aline test parameters, size = " << Size << '\n';
  hex("Signature      : ", fSignature);
  if (full) hex("File type      : ", fFileType);
  hex("Hardware version : ", fHardwareVersion);
  hex("Software version : ", fSoftwareVersion);
  versions("Version 1      : ", fVersion1);
  versions("Version 2      : ", fVersion2);
  text("Object Name    : ", fObjectName, NameWidth);
  text("Operator Name  : ", fOperatorName, NameWidth);
  text("Reference      : ", fReference, ReferenceWidth);
  if (full) number("Comment size   : ", fCommentSize);
  text("Comment        : ", fComment, CommentWidth);
  if (full) os << "Filter flag    : " << U32(fFilterFlag);
  os << FilterFlagName(U32(fFilterFlag)) << '\n';
  if (full) {
    number("Meas max hour  : ", fMeasMaxHour);
    number("Meas max min   : ", fMeasMaxMin);
    number("Scale init hour: ", fScaleInitHour);
    number("Scale init min : ", fScaleInitMin);
  }
  os << "Start time     : " << CalendarText(StartTime());
  os << "Stop time      : " << CalendarText(StopTime());
  text("Data file      : ", fDataFileName, NameWidth);
  text("Config file    : ", fConfigFileName, NameWidth);
  text("SDO file       : ", fSdoFileName, NameWidth);
  text("2nd gen. file  : ", fSecondGenFileName, NameWidth);
  text("Location file  : ", fLocationFileName, LocationFileNameWidth);
  if (full) {
    number("Averaging time         : ", fAveragingTime);
    number("SDO number             : ", fSdoNumber);
    yesNo("Data not written       : ", fDataNotWritten);
  }
  yesNo("Parametric not written : ", fParametricNotWritten);
  yesNo("Noise not written      : ", fNoiseNotWritten);
  yesNo("SDO not written        : ", fSdoNotWritten);
  yesNo("PreFilter used         : ", fPreFilterUsed);
  if (full) {
    number("Location present       : ", fLocationPresent);
    number("Location scheme type   : ", fLocationScheme);
    signedNumber("X max                  : ", fXMax);
    signedNumber("Y max                  : ", fYMax);
    signedNumber("Y min                  : ", fYMin);
    signedNumber("X min                  : ", fXMin);
    number("Cluster length         : ", fClusterLength);
    number("Cluster bound          : ", fClusterBound);
    number("Cluster height         : ", fClusterHeight);
  }
  number("Number of events       : ", fNumberOfEvents);
}

}  // namespace ae
