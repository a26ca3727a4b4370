#include "tools/aetool/AetoolCommands.h"

#include <charconv>
#include <fstream>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "datafiles/DataFileOpen.h"
#include "datafiles/DataFileTypes.h"
#include "datafiles/EDataFile.h"
#include "datafiles/EZTData.h"
#include "datafiles/ZTShortHit.h"
#include "tools/aetool/CsvExport.h"
#include "tools/aetool/FilterCommand.h"
#include "tools/aetool/Generators.h"
#include "tools/aetool/ParamsCommand.h"
#include "tools/aetool/RenderCommand.h"
#include "tools/aetool/StatCommand.h"

namespace ae {

namespace {

constexpr const char* Usage =
    "usage:\n"
    "  aetool dump FILE\n"
    "  aetool describe FILE\n"
    "  aetool params [--system NAME]\n"
    "  aetool export FILE [-o OUT.csv]\n"
    "  aetool filter (--filter NAME | --fid N) [--yes] [--report-dir DIR | --no-report] SOURCE [DEST]\n"
    "  aetool filter --save NAME --from FILE\n"
    "  aetool gen --format dta|s3000|pci|isa --hits N --seed S -o FILE\n"
    "  aetool stat FILE [--setup FILE.ini] [--events] [--channels LIST]\n"
    "  aetool render FILE (--graph-set NAME | --gsid N) -o DIR [--size WxH] [--scheme 0..3] [--setup FILE.ini]\n";

class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Positional arguments and "--name value" / "-o value" options.
struct Arguments {
  std::vector<std::string> Positional;
  std::map<std::string, std::string> Options;

  Arguments(int argc, const char* const* argv, int first) {
    for (int i = first; i < argc; ++i) {
      const std::string_view arg = argv[i];
      if (arg.size() > 1 && arg[0] == '-') {
        if (i + 1 >= argc) throw UsageError("missing value after " + std::string(arg));
        Options[std::string(arg)] = argv[++i];
      } else {
        Positional.emplace_back(arg);
      }
    }
  }
  std::string Option(const std::string& name, const std::string& fallback = {}) const {
    const auto it = Options.find(name);
    return it == Options.end() ? fallback : it->second;
  }
  void Expect(std::size_t positional, std::initializer_list<const char*> allowed) const {
    if (Positional.size() != positional) throw UsageError("wrong number of arguments");
    for (const auto& [name, value] : Options) {
      bool known = false;
      for (const char* a : allowed) known = known || name == a;
      if (!known) throw UsageError("unknown option " + name);
    }
  }
};

std::uint64_t ParseCount(const std::string& text, const char* what) {
  std::uint64_t value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size())
    throw UsageError(std::string("invalid ") + what + ": \"" + text + "\"");
  return value;
}

// The hits as the viewer holds them, one line each: for formats without a text dump of their own.
void DumpHitsAsLoaded(AWDiskFile& reader, std::ostream& out) {
  const int columns = pcTime | pcChannel | pcRise | pcCounts | pcDuration | pcEnergy | pcAmplitude | pcAverFreq;
  ZTShortHit().DumpTitles(out, columns);
  out << '\n';
  reader.SeekFirst();
  while (reader.ReadNext()) {
    ZTShortHit rec;
    reader.GetRec(rec);
    if (rec.Kind != rkHit) continue;
    rec.DumpValues(out, columns);
    out << '\n';
  }
}

int Dump(const Arguments& args, std::ostream& out) {
  args.Expect(1, {});
  OpenedDataFile file = OpenDataFile(args.Positional[0]);
  AWDiskFile& reader = *file.Reader;
  out << "Data type: " << DataTypeName(file.Type) << '\n';
  switch (file.Type) {
    case ftAlinePCI:
      // The format has no whole-file dump; its header text and record text make one.
      reader.DumpColumns(out, 1);
      reader.SeekFirst();
      while (reader.ReadNext()) reader.DumpRec(out, 0);
      break;
    case ftAline: DumpHitsAsLoaded(reader, out); break;
    default:
      reader.SeekFirst();
      reader.DumpAll(out, -1);
      if (file.Type == ftSpartan3000) out << '\n';  // its dump ends without one
      break;
  }
  return 0;
}

int Describe(const Arguments& args, std::ostream& out) {
  args.Expect(1, {});
  out << DescribeDataFile(args.Positional[0]);
  return 0;
}

int Params(const Arguments& args, std::ostream& out) {
  args.Expect(0, {"--system"});
  return ParamsCommand(args.Option("--system"), out);
}

int Export(const Arguments& args, std::ostream& out) {
  args.Expect(1, {"-o"});
  const std::string outPath = args.Option("-o");
  if (outPath.empty()) {
    ExportCsv(args.Positional[0], out);
    return 0;
  }
  std::ofstream file(outPath, std::ios::binary);
  if (!file) throw EDataFile("Cannot create \"" + outPath + "\"");
  ExportCsv(args.Positional[0], file);
  file.close();
  if (!file) throw EDataFile("Cannot write \"" + outPath + "\"");
  return 0;
}

int Gen(const Arguments& args) {
  args.Expect(0, {"--format", "--hits", "--seed", "-o"});
  const std::string outPath = args.Option("-o");
  if (outPath.empty()) throw UsageError("gen needs -o FILE");
  GenOptions options;
  options.Hits = ParseCount(args.Option("--hits", "1000"), "hit count");
  options.Seed = ParseCount(args.Option("--seed", "1"), "seed");
  GenerateDataFile(args.Option("--format", "dta"), options, outPath);
  return 0;
}

}  // namespace

int RunAetool(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  if (argc < 2) {
    err << Usage;
    return 2;
  }
  const std::string_view command = argv[1];
  // Its flags take no values, so it reads its own arguments.
  if (command == "filter") return FilterCommand(argc - 2, argv + 2, out, err);
  try {
    if (command == "stat") {  // parses its own arguments: --events takes no value
      const int rc = RunStat(argc, argv, 2, out, err);
      if (rc == 2) err << Usage;
      return rc;
    }
    if (command == "render") {
      RenderArguments render;
      const std::string problem = ParseRenderArguments(argc, argv, 2, render);
      if (!problem.empty()) throw UsageError(problem);
      return RenderPages(render, out, err);
    }
    const Arguments args(argc, argv, 2);
    int rc = 0;
    if (command == "dump") rc = Dump(args, out);
    else if (command == "describe") rc = Describe(args, out);
    else if (command == "params") rc = Params(args, out);
    else if (command == "export") rc = Export(args, out);
    else if (command == "gen") rc = Gen(args);
    else throw UsageError("unknown command \"" + std::string(command) + "\"");
    out.flush();
    if (!out) {
      err << "Cannot write the output\n";
      return 1;
    }
    return rc;
  } catch (const UsageError& e) {
    err << "aetool: " << e.what() << '\n' << Usage;
    return 2;
  } catch (const EZTData& e) {
    err << e.what() << '\n';
    return 1;
  } catch (const std::exception& e) {
    err << e.what() << '\n';
    return 1;
  }
}

}  // namespace ae
