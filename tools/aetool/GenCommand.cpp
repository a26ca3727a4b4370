#include "tools/aetool/GenCommand.h"

#include <memory>
#include <string>

#include "tools/aetool/CommandLine.h"
#include "tools/aetool/Generators.h"

namespace ae {

namespace {

struct GenArguments {
  std::string Format = "dta";
  GenOptions Options;
  std::string Out;
};

}  // namespace

void AddGenCommand(CommandLine& cli) {
  auto args = std::make_shared<GenArguments>();
  CLI::App* sub =
      cli.Add("gen", "A synthetic pressure-vessel proof test in one of the data-file formats", [args](CommandIo&) {
        if (args->Options.Waveforms && args->Format != "dta") throw UsageError("--waveforms needs --format dta");
        GenerateDataFile(args->Format, args->Options, args->Out);
        return 0;
      });
  sub->add_option("--format", args->Format, "dta (DTA), s3000 (Spartan 3000), pci (A-Line PCI) or isa (A-Line ISA)")
      ->check(CLI::IsMember({"dta", "s3000", "pci", "isa"}).description(""))
      ->type_name("dta|s3000|pci|isa")
      ->capture_default_str();
  sub->add_option("--hits", args->Options.Hits, "Number of hits")
      ->type_name("N")
      ->check(CommandLine::WholeNumber(0))
      ->capture_default_str();
  sub->add_option("--seed", args->Options.Seed, "Seed of the generator: the same seed gives the same file")
      ->type_name("S")
      ->check(CommandLine::WholeNumber(0))
      ->capture_default_str();
  sub->add_flag("--waveforms", args->Options.Waveforms,
                "DTA only: a transient recorder in the setup and before every hit its waveform (3072 samples at "
                "10 MHz): a burst at the hit's amplitude on noise");
  sub->add_option("-o", args->Out, "The file to write")->type_name("FILE")->required();
}

}  // namespace ae
