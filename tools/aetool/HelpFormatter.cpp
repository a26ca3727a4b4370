#include "tools/aetool/HelpFormatter.h"

#include <sstream>

namespace ae {

HelpFormatter::HelpFormatter() { column_width(NameColumn); }

std::string HelpFormatter::Wrap(const std::string& text, std::size_t width) {
  std::string wrapped;
  std::istringstream paragraphs(text);
  bool firstParagraph = true;
  for (std::string paragraph; std::getline(paragraphs, paragraph);) {
    if (!firstParagraph) wrapped += '\n';
    firstParagraph = false;
    std::istringstream words(paragraph);
    std::size_t column = 0;
    for (std::string word; words >> word;) {
      if (column > 0 && column + 1 + word.size() > width) {
        wrapped += '\n';
        column = 0;
      } else if (column > 0) {
        wrapped += ' ';
        ++column;
      }
      wrapped += word;
      column += word.size();
    }
  }
  return wrapped;
}

std::string HelpFormatter::make_option_opts(const CLI::Option* option) const {
  std::string opts;
  if (option->get_type_size() == 0) return opts;  // a flag
  // A positional's name says what it is.
  if (option->nonpositional() && !option->get_type_name().empty()) opts += " " + option->get_type_name();
  if (!option->get_default_str().empty()) opts += "=" + option->get_default_str();
  if (option->get_required()) opts += " REQUIRED";
  return opts;
}

std::string HelpFormatter::make_option_desc(const CLI::Option* option) const {
  return Wrap(option->get_description(), Width - NameColumn);
}

std::string HelpFormatter::make_subcommand(const CLI::App* sub) const {
  std::stringstream out;
  CLI::detail::format_help(out, sub->get_display_name(true), Wrap(sub->get_description(), Width - NameColumn),
                           NameColumn);
  return out.str();
}

std::string HelpFormatter::make_description(const CLI::App* app) const {
  const std::string description = app->get_description();
  return description.empty() ? std::string() : Wrap(description, Width) + "\n";
}

}  // namespace ae
