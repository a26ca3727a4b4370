#pragma once
// Vocabularies of the data-file layer: data type codes and names, file extensions, parameter
// codes and record kinds.
#include <array>
#include <string>
#include <string_view>

namespace ae {

// Data type codes.
enum : int {
  ftSpartan3000 = 0,
  ftDiSP = 1,
  ftAMSY = 2,  // named, but no reader exists
  ftAline = 3,
  ftAlinePCI = 4,
};

inline constexpr std::array<std::string_view, 5> DataTypeNames = {
    "Spartan 3000", "Locan AT/Spartan AT/Spartan 2000/Disp/Mistras", "AMSY 3/4/5", "Aline ISA", "Aline PCI",
};
inline constexpr std::string_view UnknownDataTypeName = "Unknown File Type";

std::string_view DataTypeName(int code);

inline constexpr std::array<std::string_view, 7> DataFileExts = {".DTA", ".DTT", ".SDA", ".SDT",
                                                                 ".LDA", ".LDT", ".ALD"};

// True when the extension of the path, in upper case, is one of DataFileExts.
bool IsDataFileName(std::string_view path);

// Parameter codes: single bits, so that a set of parameters is a mask of the same codes.
enum : int {
  pcHits = 0,
  pcTime = 1,
  pcChannel = 2,
  pcSeq = 4,
  pcRise = 8,
  pcCntPk = 16,
  pcCounts = 32,
  pcEnergy = 64,
  pcDuration = 128,
  pcAmplitude = 256,
  pcDP = 512,
  pcRMS = 1024,
  pcPar1 = 2048,
  pcGain = 4096,
  pcThreshold = 8192,
  pcAverFreq = 32768,
  // The location of an event's source, in metres; the viewer works it out for the event's first
  // hit (no data file holds it), so other hits and the readers give none.
  pcLocX = 65536,
  pcLocY = 131072,
};

inline constexpr bool IsLocationCode(int code) { return code == pcLocX || code == pcLocY; }

// Record kinds.
enum : int {
  rkHit = 0,
  rkStop = 1,
  rkResume = 2,
  rkPause = 3,
  rkComment = 4,
  rkTimeDriven = 5,
  rkTimeMark = 6,
  rkOther = 7,
  rkNone = 8,
};

}  // namespace ae
