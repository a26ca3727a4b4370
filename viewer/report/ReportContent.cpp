#include "viewer/report/ReportContent.h"

#include <exception>
#include <filesystem>

#include "datafiles/DataFileOpen.h"

namespace ae {

ReportFileInformation ReportFileInformation::Read(const std::string& path) {
  ReportFileInformation info;
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  if (!error) info.Size = size;
  try {
    OpenedDataFile opened = OpenDataFile(path);
    ADataFileSummary summary;
    summary.Collect(*opened.Reader);
    info.Summary = std::move(summary);
  } catch (const std::exception& e) {
    // The loaded data are all the report needs; the file may have gone since it was loaded.
    info.Error = e.what();
  }
  return info;
}

}  // namespace ae
