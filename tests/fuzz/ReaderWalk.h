#pragma once
// What every reader target does with a reader made on the input: counts, reads every record
// and asks it every query, every parameter code and its text, then dumps the whole file and
// collects its summary.
#include <ostream>
#include <streambuf>

#include "datafiles/AWDiskFile.h"

namespace ae::fuzz {

// A text stream that throws its characters away: the dumps are written in full, not kept.
class NullStream : public std::ostream {
 public:
  NullStream() : std::ostream(&buffer_) {}

 private:
  class Discard : public std::streambuf {
   protected:
    int overflow(int c) override { return c; }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
  };
  Discard buffer_;
};

// Counts, walks every record with every query and parameter code, dumps the file and collects
// its summary (that of the information window); returns
// the number of records read. EZTData of EventPos (records out of time order) is expected.
int WalkRecords(AWDiskFile& reader, std::ostream& text);

// Stops the target when a property that must hold does not.
[[noreturn]] void Violated(const char* what);

}  // namespace ae::fuzz
