#pragma once

#include "datafiles/AWDiskFile.h"
#include "datafiles/DataFileOpen.h"
#include "datafiles/DataStream.h"

namespace ae {

class FilterRunFiles;

// The open source and destination of one treatment with the reader and the writer of the
// source's format (a writer pair). The reader and writer go before the streams.
class FilterStreams {
 public:
  // Opens the source for reading and the destination for writing (809), pairs the format
  // (810) and checks that the source can be filtered (816). Raises EFilter.
  explicit FilterStreams(FilterRunFiles& files);
  FilterStreams(const FilterStreams&) = delete;
  FilterStreams& operator=(const FilterStreams&) = delete;

  AWDiskFile& Reader() { return *pair_.Reader; }
  AWDiskFile& Writer() { return *pair_.Writer; }

  // Destroys reader and writer and closes both streams. A destination that could not be
  // written completely raises EFilter 820; a source that could not be read, 821.
  void Close();

 private:
  DataStream source_;
  DataStream destination_;
  WriterPair pair_;
};

}  // namespace ae
