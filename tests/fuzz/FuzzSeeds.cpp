// Writes the starting corpus of every fuzz target into a folder, one subfolder per target:
// small files of each format built by the test builders, filter texts and expressions. Nothing
// of it is kept in the tree.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/support/AlineIsaBuilder.h"
#include "tests/support/AlinePciBuilder.h"
#include "tests/support/DtaBuilder.h"
#include "tests/support/Spartan3000Builder.h"

namespace fs = std::filesystem;
using Bytes = std::vector<unsigned char>;
using namespace ae::test;

namespace {

constexpr std::uint64_t OneSecond = 4000000;

void Write(const fs::path& folder, const std::string& name, const Bytes& bytes) {
  fs::create_directories(folder);
  std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void Write(const fs::path& folder, const std::string& name, const std::string& text) {
  Write(folder, name, Bytes(text.begin(), text.end()));
}

std::vector<std::pair<std::string, Bytes>> DtaFiles() {
  DtaBuilder setup;
  setup.ProductDefinition("Seed unit\n").Message(99, {'s', 't', 'a', 'r', 't', '\n', 0});
  setup.HardwareSetup({1, 3, 4, 5, 6}, 1).Message(100).Message(22, {1, 40}).Message(23, {1, 45});
  setup.Message(24, {1, 0xC8, 0}).Message(25, {1, 0xE8, 3}).Message(26, {1, 0x64, 0}).Message(101);
  // Channel settings as sub-messages of a hardware setup, as instruments also write them.
  setup.Message(42, {0, 0x34, 0x12, 3, 0, 22, 2, 41, 4, 0, 26, 2, 0xC8, 0});
  DtaBuilder body;
  body.Timed(128, 0);
  for (int k = 0; k < 6; ++k)
    body.StandardHit(OneSecond + 4000u * k, 1 + k % 3, 10 + k, 20 + k, 30 + k, 100u + k, 45 + 5 * k, 2000 + k);
  body.Timed(2, 2 * OneSecond, {0, 0xD0, 0x07}).Timed(3, 2 * OneSecond, {0, 0xA0, 0x0F});
  body.Timed(211, 3 * OneSecond).Timed(211, 3 * OneSecond, {7}).Message(7, {'n', 'o', 't', 'e', 0});
  body.Message(173, {1, 2, 3, 4}).Message(5, {3, 1, 6, 13, 0}).Timed(130, 4 * OneSecond).Timed(129, 5 * OneSecond);
  body.Message(11).Message(15);

  DtaBuilder first = setup;
  first.Raw(body.Get());
  DtaBuilder continued;
  continued.ContinuedFile(setup).Raw(body.Get());
  DtaBuilder bare;
  bare.ProductDefinition().StandardHit(OneSecond, 1, 1, 1, 1, 1, 60, 0).Message(15);
  DtaBuilder wide;
  wide.ProductDefinition().HardwareSetup({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21},
                                         2);
  wide.Raw({60, 0, 1, 0, 9, 0, 0, 0, 0, 1});
  // Waveforms: a recorder setup for all channels and one for channel 2, gains, waveforms before
  // and after their hits, one of a channel without its own setup, one without a hit.
  DtaBuilder waves;
  waves.ProductDefinition().HardwareSetupOf(
      {DtaBuilder::DefinitionSub({1, 3, 4, 5, 6}, 1), DtaBuilder::RecorderSub(0, 1, 10000, -16, 10),
       DtaBuilder::RecorderSub(2, 1, 5000, 0, 5), DtaBuilder::GainSub(2, 6), DtaBuilder::PreampSub(2, 40)});
  waves.Waveform(OneSecond, 1, {1, -2, 3, -4, 5, -6, 7, -8});
  waves.StandardHit(OneSecond, 1, 10, 20, 30, 100, 50, 2000).StandardHit(2 * OneSecond, 2, 10, 20, 30, 100, 50, 2000);
  waves.Waveform(2 * OneSecond, 2, {100, -100, 50, -50}).Waveform(3 * OneSecond, 3, {7, 7}).Message(15);
  return {{"first.dta", first.Get()},
          {"continued.dta", continued.Get()},
          {"bare.dta", bare.Get()},
          {"wide.dta", Bytes(wide.Get().begin(), wide.Get().end())},
          {"waves.dta", waves.Get()}};
}

std::vector<std::pair<std::string, Bytes>> SpartanFiles() {
  Spartan3000Builder b;
  b.Timed(128, 0);
  for (int k = 0; k < 6; ++k) {
    Spartan3000Builder::Hit hit;
    hit.Ticks = OneSecond + 4000u * k;
    hit.Channel = 1 + k % 4;
    hit.Seq = static_cast<std::uint32_t>(k + 1);
    hit.Rise = 10u + k;
    hit.Counts = 20u + k;
    hit.Energy = 30u + k;
    hit.Duration = 100u + k;
    hit.Amplitude = 45u + 5 * k;
    b.AddHit(hit);
  }
  b.Sample(2, 2 * OneSecond, 2500, 2600, 3).Sample(3, 2 * OneSecond, 1500, 1400).Comment("seed note");
  b.Timed(16, 3 * OneSecond).Timed(130, 4 * OneSecond).Code(77).Timed(129, 5 * OneSecond).EndOfData();
  b.AddHit({});
  Spartan3000Builder continuous;
  continuous.HeaderByte(39, 1).Label("X").AddHit({}).EndOfData();
  return {{"spartan.dta", b.Get()}, {"continuous.dta", continuous.Get()}};
}

std::vector<std::pair<std::string, Bytes>> AlinePciFiles() {
  AlinePciBuilder b;
  AlinePciBuilder::Channel c0, c1;
  c0.Index = 0;
  c1.Index = 1;
  c1.DevType = 1;
  b.Channels({c0, c1}).Block(2, Bytes(16, 0x11));
  b.TextAt(104, "Seed vessel");
  const std::uint32_t start = AlinePciBuilder::DefaultStartTime;
  for (int k = 0; k < 4; ++k) {
    AlinePciBuilder::HitFields hit;
    hit.Seconds = start + static_cast<std::uint32_t>(k);
    hit.Microseconds = 1000u * k;
    hit.ChannelIndex = static_cast<std::uint16_t>(k % 2);
    hit.Amplitude = static_cast<std::uint16_t>(100 + 500 * k);
    hit.Duration = 200;
    hit.Rise = 20;
    hit.Counts = 5;
    hit.Energy48 = 1000u + k;
    hit.Extension = k == 3 ? 0x0871 : 0;
    b.Hit(hit, k == 0 ? 0 : 5);
  }
  b.TimeMark(start + 5, 0, 7).Record(1, Bytes(16, 1)).Record(3, Bytes(12, 2)).Record(4, Bytes(30, 3));
  b.Record(7, {'c', 0}).Record(9, {1});
  return {{"pci.ald", b.Build()}};
}

std::vector<std::pair<std::string, Bytes>> AlineIsaFiles() {
  const std::uint32_t start = 1622109600;
  AlineIsaBuilder b(start);
  b.ChannelSetup(start, 2, 5, 35);
  for (int k = 0; k < 4; ++k) b.Hit(start + 1 + k, 1000u * k, k % 3, static_cast<std::uint16_t>(100 + 300 * k));
  b.ChannelSetup(start + 5, 2, 9, 40).Hit(start + 6, 0, 2, 100, 10, 100, 20, 5, 4);
  b.Record(3, start + 7, 0, Bytes(16, 0)).Record(5, start + 8, 0, Bytes(36, 1)).Record(2, start + 9, 0, Bytes(32, 2));
  b.Record(9, start + 10, 0, Bytes(16, 3));
  return {{"isa.ald", b.Get()}, {"isa-empty.ald", AlineIsaBuilder(start, 0, 0).Get()}};
}

const char* const FilterTexts[] = {
    "# Keeps the hits of 45 to 100 dB.\ntype = Included\ntreatment = As Hits\nA = Amplitude | 45 | 100\n"
    "expression 1 = A\n",
    "type = Excluded\ntreatment = As Events\nMPT = 50\nLOCK = 1000\nDelete Parametric = yes\n"
    "Smart End of Time = no\njoin A = AND\nA = Amplitude | 40 | 100\nA = Rise | 0 | 500\n"
    "B = Counts | 1 | 10\nC = Duration|0|1e6\nD = Counts | >= | 0.5 | Energy | 10\nexpression 1 = A&(B|D)\n"
    "expression 2 = C\n",
    "treatment = As Mechanic\nForward = 200\nBack = 100\nA = Amplitude | 90 | 255\njoin D = OR\n"
    "D = Amplitude | < | -1.5 | Time | 3\nexpression 1 = A|D\nexpression 4 = a b\n",
    "A = amplitude | 0,5 | 10\nexpression 1 = A\n",
};

const char* const Expressions[] = {"A",  "a|b",   "A&(B|C)", "A|B&C", "A&B|C&D", "(A)",  "A)&B", "E&A",
                                   "AB", "A&B C", "A&(B|C",  "()",    "xyz",     "A&|B", "&A",   "((((A|B)&C)|D)&A)"};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: fuzz_seeds FOLDER\n");
    return 2;
  }
  const fs::path out = argv[1];
  const auto dta = DtaFiles();
  const auto spartan = SpartanFiles();
  const auto pci = AlinePciFiles();
  const auto isa = AlineIsaFiles();
  for (const auto& [name, bytes] : dta) Write(out / "fuzz_dta_reader", name, bytes);
  for (const auto& [name, bytes] : spartan) Write(out / "fuzz_spartan3000_reader", name, bytes);
  for (const auto& [name, bytes] : pci) Write(out / "fuzz_aline_pci_reader", name, bytes);
  for (const auto& [name, bytes] : isa) Write(out / "fuzz_aline_isa_reader", name, bytes);
  for (const auto* files : {&dta, &spartan, &pci, &isa})
    for (const auto& [name, bytes] : *files) Write(out / "fuzz_data_set", name, bytes);
  int n = 0;
  for (const char* text : FilterTexts) Write(out / "fuzz_filter_text", "filter" + std::to_string(++n) + ".txt", text);
  n = 0;
  for (const char* text : Expressions) Write(out / "fuzz_filter_expression", "expr" + std::to_string(++n), text);
  return 0;
}
