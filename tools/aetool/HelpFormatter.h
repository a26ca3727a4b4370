#pragma once
// The layout of aetool's help: CLI11's, with descriptions wrapped to the width of a terminal
// and without the lists of options that need or exclude each other (the descriptions say it).
#include <string>

#include <CLI/CLI.hpp>

namespace ae {

class HelpFormatter : public CLI::Formatter {
 public:
  static constexpr std::size_t Width = 100;
  static constexpr std::size_t NameColumn = 30;

  HelpFormatter();

  std::string make_option_opts(const CLI::Option* option) const override;
  std::string make_option_desc(const CLI::Option* option) const override;
  std::string make_subcommand(const CLI::App* sub) const override;
  std::string make_description(const CLI::App* app) const override;

  // Breaks the text between words into lines of at most `width` characters.
  static std::string Wrap(const std::string& text, std::size_t width);
};

}  // namespace ae
