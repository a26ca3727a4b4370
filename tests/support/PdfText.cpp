#include "tests/support/PdfText.h"

#include <stdio.h>

#include <gtest/gtest.h>

namespace ae::test {

namespace {

// The path in single quotes for the shell.
std::string Quoted(const std::string& path) {
  std::string quoted = "'";
  for (const char c : path) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

}  // namespace

std::vector<std::string> PdfPages(const std::string& path) {
  const std::string command = "pdftotext -enc UTF-8 " + Quoted(path) + " - 2>&1";
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) {
    ADD_FAILURE() << "pdftotext cannot be started";
    return {};
  }
  std::string text;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) text.append(buffer, n);
  const int status = ::pclose(pipe);
  if (status != 0) {
    ADD_FAILURE() << "pdftotext failed on " << path << ": " << text;
    return {};
  }
  // pdftotext ends every page with a form feed.
  std::vector<std::string> pages;
  std::size_t from = 0;
  for (std::size_t feed = text.find('\f'); feed != std::string::npos; feed = text.find('\f', from)) {
    pages.push_back(text.substr(from, feed - from));
    from = feed + 1;
  }
  return pages;
}

std::string Joined(const std::vector<std::string>& pages) {
  std::string all;
  for (const std::string& page : pages) all += page + "\n";
  return all;
}

}  // namespace ae::test
