#include "filter/core/FilterStreams.h"

#include <sys/stat.h>

#include <cstdio>
#include <string>

#include "datafiles/EDataFile.h"
#include "filter/core/EFilter.h"
#include "filter/core/FilterMessages.h"
#include "filter/core/FilterRunFiles.h"

namespace ae {

namespace {

// Opening a pipe for writing waits for a reader; a socket cannot be opened at all.
bool WouldBlockOnOpen(const std::string& name) {
  struct stat info {};
  return ::stat(name.c_str(), &info) == 0 && (S_ISFIFO(info.st_mode) || S_ISSOCK(info.st_mode));
}

}  // namespace

FilterStreams::FilterStreams(FilterRunFiles& files) {
  source_ = DataStream(files.Source(), "rb");
  if (!source_) throw EFilter(fmOpenError);
  if (WouldBlockOnOpen(files.Destination())) throw EFilter(fmOpenError);
  destination_ = DataStream(files.Destination(), "wb");
  if (!destination_) throw EFilter(fmOpenError);
  files.DestinationOpened();
  try {
    pair_ = CreateWriterPair(source_.Get(), destination_.Get());
  } catch (const EDataFile& e) {
    if (std::string(e.what()) == MsgUnknownDataType) throw EFilter(fmUnknownFileType);
    throw;
  }
  if (!pair_.Reader->CanFilter()) throw EFilter(fmCannotFilter);
}

void FilterStreams::Close() {
  const bool readFailed = std::ferror(source_.Get()) != 0;
  pair_ = WriterPair();
  source_.Close();
  if (!destination_.Close()) throw EFilter(fmWriteError);
  if (readFailed) throw EFilter(fmReadError);
}

}  // namespace ae
