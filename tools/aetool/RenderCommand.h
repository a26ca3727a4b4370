#pragma once
// "aetool render FILE (--graph-set NAME | --gsid N) -o DIR [--size WxH] [--scheme 0..3]
// [--setup FILE.ini]": the pages of a graph set over a data file, as the viewer shows them after
// loading it, one PNG per page.
#include <optional>
#include <ostream>
#include <string>

namespace ae {

struct RenderArguments {
  std::string File;
  std::optional<std::string> GraphSet;  // a graph set by name (exactly one must have it)
  std::optional<int> Gsid;              // or by identifier
  std::string OutDir;
  int Width = 1600;
  int Height = 1000;
  std::optional<int> Scheme;  // 0..3 for this run only; else the viewer's option
  std::string Setup;          // a test setup INI file (holds, event windows); else the defaults
};

inline constexpr int RenderMinWidth = 200, RenderMinHeight = 150, RenderMaxSide = 20000;

// "WxH" as two whole numbers; false for another text.
bool ParseRenderSize(const std::string& text, int& width, int& height);
// The file name of page `position` (from 1): "NN-NAME.png", every character of the name other
// than letters, digits, '-', '_' and '.' replaced by '_'.
std::string PageFileName(int position, const std::string& pageName);

// Renders and writes the pages; prints each written path on out. Returns 0, or 1 after printing
// the error on err; on an error no page file is left behind.
// With showProgress, a progress bar on stderr (a terminal) while the file is read and the pages
// are rendered.
int RenderPages(const RenderArguments& args, std::ostream& out, std::ostream& err, bool showProgress = false);

class CommandLine;
void AddRenderCommand(CommandLine& cli);

}  // namespace ae
