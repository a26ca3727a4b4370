#pragma once
// "aetool gen": synthetic data files of every format, all describing the same proof test.
#include <cstdint>
#include <cstdio>
#include <string>

namespace ae {

struct GenOptions {
  std::uint64_t Hits = 1000;
  std::uint64_t Seed = 1;
  // DTA only: a transient-recorder setup in the hardware setup and, before every hit, its
  // waveform (3072 samples at 10 MHz, 1280 of them before the trigger): a burst at the hit's
  // amplitude, rising over its rise time and decaying to the threshold over its duration, on
  // noise. Without it the file is what it always was.
  bool Waveforms = false;
};

// Each writes a complete file to the stream; a write error raises EDataFile.
void GenerateDta(const GenOptions& options, std::FILE* out);
void GenerateSpartan3000(const GenOptions& options, std::FILE* out);
void GenerateAlinePci(const GenOptions& options, std::FILE* out);
void GenerateAlineIsa(const GenOptions& options, std::FILE* out);

// Writes a file of the named format ("dta", "s3000", "pci", "isa") to the path; raises
// EDataFile for an unknown format or when the file cannot be written.
void GenerateDataFile(const std::string& format, const GenOptions& options, const std::string& path);

}  // namespace ae
