#pragma once
// What a reader finds in a PDF: the text of every page as pdftotext (poppler-utils, a
// dependency of the tests) extracts it.
#include <string>
#include <vector>

namespace ae::test {

// The pages' texts in order; empty (with a test failure) when pdftotext cannot read the file.
std::vector<std::string> PdfPages(const std::string& path);
std::string Joined(const std::vector<std::string>& pages);

}  // namespace ae::test
