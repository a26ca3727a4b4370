#pragma once
// "aetool gen": synthetic data files of every format, all describing the same proof test.
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

#include "viewer/core/ALocationSetup.h"

namespace ae {

// The sensor layout a located test is made for, and the event windows (microseconds) its events
// must keep apart to stay events of their own.
struct GenLocation {
  ALocationSetup Setup;
  std::int64_t Mpt = 5000;
  std::int64_t Lockout = 20000;
};

struct GenOptions {
  std::uint64_t Hits = 1000;
  std::uint64_t Seed = 1;
  // DTA only: a transient-recorder setup in the hardware setup and, before every hit, its
  // waveform (3072 samples at 10 MHz, 1280 of them before the trigger): a burst at the hit's
  // amplitude, rising over its rise time and decaying to the threshold over its duration, on
  // noise. Without it the file is what it always was.
  bool Waveforms = false;
  // With a layout, every hit of the test is an event from a source placed over the sensors: one
  // hit on the channel of each sensor that hears it, at the source's time plus the distance over
  // the wave speed. Hits is then the number of events.
  std::optional<GenLocation> Locate = std::nullopt;
};

// Why a located test cannot be made for the layout, or nothing: a setup that does not locate or
// cannot be worked with, or a sensor on a channel beyond the 8 of the synthetic instrument.
std::optional<std::string> LocateProblem(const GenLocation& locate);

// Each writes a complete file to the stream; a write error raises EDataFile.
void GenerateDta(const GenOptions& options, std::FILE* out);
void GenerateSpartan3000(const GenOptions& options, std::FILE* out);
void GenerateAlinePci(const GenOptions& options, std::FILE* out);
void GenerateAlineIsa(const GenOptions& options, std::FILE* out);

// Writes a file of the named format ("dta", "s3000", "pci", "isa") to the path; raises
// EDataFile for an unknown format or when the file cannot be written.
void GenerateDataFile(const std::string& format, const GenOptions& options, const std::string& path);

}  // namespace ae
