#include "datafiles/DataFileOpen.h"

#include <sstream>

#include "datafiles/ADataFileSummary.h"
#include "datafiles/DataFileTypes.h"
#include "datafiles/DataFormats.h"
#include "datafiles/EDataFile.h"

namespace ae {

namespace {

constexpr std::size_t DescriptionCapacity = 2048;

WriterPair MakePair(const DataFormat& format, std::FILE* source, std::FILE* destination) {
  WriterPair pair;
  pair.Type = format.Type;
  pair.Reader = format.MakeReader(source);
  pair.Writer = format.MakeWriter(*pair.Reader, destination);
  return pair;
}

}  // namespace

OpenedDataFile OpenDataFile(const std::string& name) {
  OpenedDataFile opened;
  opened.Stream = DataStream(name, "rb");
  switch (opened.Stream.OpenProblem()) {
    case DataStream::Problem::None: break;
    case DataStream::Problem::Folder: throw EDataFile(FolderMessage(name));
    case DataStream::Problem::NotRegular: throw EDataFile(NotRegularFileMessage(name));
    case DataStream::Problem::CannotOpen: throw EDataFile(MsgFileDoesNotExist);
  }
  opened.Type = RecogniseDataFile(opened.Stream.Get());
  const DataFormat* format = FindDataFormat(opened.Type);
  if (format == nullptr) throw EDataFile(MsgUnknownDataType);
  opened.Reader = format->MakeReader(opened.Stream.Get());
  return opened;
}

int RecogniseDataFile(std::FILE* stream) {
  for (const DataFormat& format : ReaderFormats())
    if (format.Recognise(stream)) return format.Type;
  return -1;
}

WriterPair CreateWriterPair(std::FILE* source, std::FILE* destination) {
  for (const DataFormat& format : WriterFormats())
    if (format.Recognise(source)) return MakePair(format, source, destination);
  throw EDataFile(MsgUnknownDataType);
}

WriterPair CreateWriterPairOf(int type, std::FILE* source, std::FILE* destination) {
  const DataFormat* format = FindDataFormat(type);
  if (format == nullptr) throw EDataFile(MsgUnknownDataType);
  if (format->MakeWriter == nullptr)
    throw EDataFile("Files of the type \"" + std::string(DataTypeName(type)) + "\" cannot be written");
  return MakePair(*format, source, destination);
}

std::string DescribeDataFile(const std::string& name) {
  OpenedDataFile opened = OpenDataFile(name);
  std::ostringstream text;
  text << "Data type: " << DataTypeName(opened.Type) << '\n';
  opened.Reader->DumpHeader(text, 0);
  std::string result = text.str();
  if (result.size() > DescriptionCapacity - 1) {
    result.resize(DescriptionCapacity - 1);
    result += '\n';
  }
  // The summary follows in full: its channel table alone may be longer than the header's room.
  ADataFileSummary summary;
  summary.Collect(*opened.Reader);
  std::ostringstream lines;
  summary.Write(lines);
  return result + lines.str();
}

}  // namespace ae
