#include "tools/aetool/RenderCommand.h"

#include <sys/stat.h>

#include <QGuiApplication>
#include <QImage>
#include <QTemporaryFile>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string_view>
#include <vector>

#include "datafiles/FileMode.h"
#include "datafiles/ZTDataSet.h"
#include "store/GraphDatabase.h"
#include "store/ZTDataStore.h"
#include "tools/aetool/CommandLine.h"
#include "tools/aetool/ProgressBar.h"
#include "tools/aetool/SharedOptions.h"
#include "tools/aetool/ViewerRun.h"
#include "viewer/core/AOptions.h"
#include "viewer/core/ATestSetup.h"
#include "viewer/core/ViewerMessages.h"
#include "viewer/graphs/GraphPageBuilder.h"

namespace ae {

namespace fs = std::filesystem;

namespace {

class RenderError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The page files, first under temporary names in the folder; only when every page is written do
// they take their own names, so that a failure leaves no page file behind.
class PageFiles {
 public:
  explicit PageFiles(fs::path folder) : folder_(std::move(folder)) {}

  void Write(const QImage& image, const std::string& name) {
    auto file = std::make_unique<QTemporaryFile>(QString::fromStdString((folder_ / ".page-XXXXXX.png").string()));
    if (!file->open()) throw RenderError("Cannot write in the folder \"" + folder_.string() + "\"");
    if (!image.save(file.get(), "PNG") || !file->flush())
      throw RenderError("Cannot write \"" + (folder_ / name).string() + "\"");
    file->close();
    // A temporary file is private; a page gets the mode any new file of the user gets.
    ::chmod(file->fileName().toLocal8Bit().constData(), NewFileMode());
    pending_.push_back({std::move(file), folder_ / name});
  }

  // Gives every page its own name; returns the paths in page order.
  std::vector<std::string> Commit() {
    std::vector<std::string> written;
    for (Pending& page : pending_) {
      std::error_code error;
      fs::rename(page.File->fileName().toStdString(), page.Target, error);
      if (error) throw RenderError("Cannot write \"" + page.Target.string() + "\": " + error.message());
      page.File->setAutoRemove(false);
      written.push_back(page.Target.string());
    }
    return written;
  }

 private:
  struct Pending {
    std::unique_ptr<QTemporaryFile> File;
    fs::path Target;
  };
  fs::path folder_;
  std::vector<Pending> pending_;
};

}  // namespace

bool ParseRenderSize(const std::string& text, int& width, int& height) {
  const std::size_t x = text.find_first_of("xX");
  if (x == std::string::npos) return false;
  auto number = [](std::string_view part, int& value) {
    const auto result = std::from_chars(part.data(), part.data() + part.size(), value);
    return !part.empty() && result.ec == std::errc() && result.ptr == part.data() + part.size();
  };
  const std::string_view all = text;
  return number(all.substr(0, x), width) && number(all.substr(x + 1), height);
}

std::string PageFileName(int position, const std::string& pageName) {
  char prefix[16];
  std::snprintf(prefix, sizeof prefix, "%02d-", position);
  std::string name = prefix;
  // One '_' for each character that is not kept, however many bytes it takes in UTF-8.
  for (char32_t c : QString::fromStdString(pageName).toStdU32String()) {
    const bool kept =
        (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.';
    name += kept ? static_cast<char>(c) : '_';
  }
  return name + ".png";
}

int RenderPages(const RenderArguments& args, std::ostream& out, std::ostream& err, bool showProgress) {
  try {
    if (args.Width < RenderMinWidth || args.Height < RenderMinHeight || args.Width > RenderMaxSide ||
        args.Height > RenderMaxSide)
      throw RenderError("The page size " + std::to_string(args.Width) + "x" + std::to_string(args.Height) +
                        " is outside 200x150 .. 20000x20000");
    const std::unique_ptr<QGuiApplication> application = GuiApplicationForRendering();  // outlives the pages

    AOptions options;
    options.Load();  // the page grid and display settings the viewer uses
    if (args.Scheme) options.ColorScheme = *args.Scheme;
    ATestSetup setup;
    if (!args.Setup.empty()) {
      StreamUser user(err);
      if (!setup.Load(args.Setup, user)) return 1;
    }

    ProgressBar progress("Reading", showProgress);
    ZTDataSet data;
    LoadWithProgress(args.File, data, progress);
    ZTDataStore store;
    TCommonData common(data, options, setup);
    GraphPageBuilder builder(store, common);
    const int gsid = GraphSetId(builder.Database(), args.GraphSet, args.Gsid);
    std::vector<std::unique_ptr<GraphPage>> pages = builder.BuildPages(gsid);
    if (pages.empty()) throw RenderError(ViewerMessage(vmNoPages));
    for (const auto& page : pages)
      for (const std::string& problem : page->Problems) err << "aetool render: " << problem << '\n';
    ApplyFileTimeAxis(pages, common);

    const fs::path folder = args.OutDir;
    std::error_code error;
    fs::create_directories(folder, error);
    if (error || !fs::is_directory(folder))
      throw RenderError("Cannot create the folder \"" + folder.string() + "\"" +
                        (error ? ": " + error.message() : std::string()));

    PageFiles files(folder);
    progress.SetLabel("Rendering");
    progress.SetTotal(static_cast<std::int64_t>(pages.size()));
    progress.SetDone(0);
    for (std::size_t i = 0; i < pages.size(); ++i) {
      GraphPage& page = *pages[i];
      page.UpdateAllLayouts(args.Width, args.Height);
      common.RepaintAll = true;
      if (const std::optional<double> unsorted = page.PaintGraphs()) throw RenderError(NotSortedMessage(*unsorted));
      common.RepaintAll = false;
      const QImage image = page.Compose();
      if (image.isNull())
        throw RenderError("Not enough memory for a page of " + std::to_string(args.Width) + "x" +
                          std::to_string(args.Height) + " pixels");
      files.Write(image, PageFileName(static_cast<int>(i) + 1, page.Name));
      progress.Advance();
    }
    progress.Finish();
    for (const std::string& path : files.Commit()) out << path << '\n';
    return 0;
  } catch (const std::exception& error) {
    err << error.what() << '\n';
    return 1;
  }
}

void AddRenderCommand(CommandLine& cli) {
  auto args = std::make_shared<RenderArguments>();
  auto gsid = std::make_shared<int>(0);
  CLI::App* sub =
      cli.Add("render",
              "The pages of a graph set over a data file, as the viewer shows them after loading it: one PNG per page, "
              "named NN-PAGE.png; the written paths are printed",
              [args, gsid](CommandIo& io) {
                if (args->GraphSet.has_value() == args->Gsid.has_value())
                  throw UsageError("render needs either --graph-set NAME or --gsid N");
                return RenderPages(*args, io.Out, io.Err, io.Progress);
              });
  sub->add_option("FILE", args->File, "The data file")->required();
  AddGraphSetOptions(sub, args);
  sub->add_option("-o", args->OutDir, "The folder of the page files (made when it is missing)")
      ->type_name("DIR")
      ->required();
  sub->add_option_function<std::string>(
         "--size",
         [args](const std::string& text) {
           if (!ParseRenderSize(text, args->Width, args->Height))
             throw CLI::ValidationError("--size", "invalid size \"" + text + "\" (for example 1600x1000)");
         },
         "The page size in pixels (default: 1600x1000)")
      ->type_name("WxH");
  sub->add_option_function<int>(
         "--scheme", [args](int scheme) { args->Scheme = scheme; },
         "The colour scheme for this run only, by its background: 0 grey, 1 navy, 2 white, 3 black (default: "
         "the viewer's option)")
      ->type_name("0..3")
      ->check(CLI::Range(0, 3).description(""));
  sub->add_option("--setup", args->Setup, "Take the test setup (holds, event windows) from a viewer INI file")
      ->type_name("FILE.ini");
}

}  // namespace ae
