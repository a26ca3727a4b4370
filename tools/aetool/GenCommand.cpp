#include "tools/aetool/GenCommand.h"

#include <memory>
#include <string>

#include "tools/aetool/CommandLine.h"
#include "tools/aetool/Generators.h"
#include "viewer/core/ATestSetup.h"
#include "viewer/core/ViewerUser.h"

namespace ae {

namespace {

// What the test setup has to say while it is read ("unknown format of INI file") goes to stderr:
// this part of aetool runs without the viewer's windows or its Qt-based tooling.
class SetupUser : public ViewerUser {
 public:
  explicit SetupUser(std::ostream& err) : err_(err) {}
  void ShowMessage(const std::string& text, const std::string& caption, Icon) override {
    err_ << caption << ": " << text << '\n';
  }
  bool AskYesNo(const std::string& text, const std::string& caption) override {
    err_ << caption << ": " << text << " (answered No)\n";
    return false;
  }

 private:
  std::ostream& err_;
};

struct GenArguments {
  std::string Format = "dta";
  GenOptions Options;
  std::string Out;
  std::string Locate;  // a test setup INI file with a location
};

int Generate(GenArguments& args, CommandIo& io) {
  if (!args.Locate.empty()) {
    SetupUser user(io.Err);
    ATestSetup setup;
    if (!setup.Load(args.Locate, user)) return 1;
    GenLocation locate{setup.Location, setup.MPT, setup.Lockout};
    if (const std::optional<std::string> problem = LocateProblem(locate)) {
      io.Err << "aetool gen: " << *problem << " (\"" << args.Locate << "\")\n";
      return 1;
    }
    args.Options.Locate = std::move(locate);
  }
  GenerateDataFile(args.Format, args.Options, args.Out);
  return 0;
}

}  // namespace

void AddGenCommand(CommandLine& cli) {
  auto args = std::make_shared<GenArguments>();
  CLI::App* sub =
      cli.Add("gen", "A synthetic pressure-vessel proof test in one of the data-file formats", [args](CommandIo& io) {
        if (args->Options.Waveforms && args->Format != "dta") throw UsageError("--waveforms needs --format dta");
        return Generate(*args, io);
      });
  sub->add_option("--format", args->Format, "dta (DTA), s3000 (Spartan 3000), pci (A-Line PCI) or isa (A-Line ISA)")
      ->check(CLI::IsMember({"dta", "s3000", "pci", "isa"}).description(""))
      ->type_name("dta|s3000|pci|isa")
      ->capture_default_str();
  sub->add_option("--hits", args->Options.Hits, "Number of hits (with --locate: of events)")
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
  sub->add_option("--locate", args->Locate,
                  "Make every hit an event from a source placed over the sensor layout of the location in this "
                  "viewer test setup (sensors on channels 1 to 8): one hit on each sensor's channel that hears it, "
                  "at the distance over the wave speed; events keep the setup's MPT and Lockout apart")
      ->type_name("FILE.ini");
  sub->add_option("-o", args->Out, "The file to write")->type_name("FILE")->required();
}

}  // namespace ae
