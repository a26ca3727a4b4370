#include "viewer/core/AProtocol.h"

#include "viewer/core/DateTimeText.h"
#include "viewer/core/FileReplace.h"

namespace ae {

void AProtocol::AddLine(const std::string& text) { AddDatedLine(NowText() + "\t" + text); }

void AProtocol::AddDatedLine(const std::string& line) {
  LastLine = line;
  Lines.push_back(line);
}

std::string AProtocol::Text() const {
  std::string text;
  for (const std::string& line : Lines) text += line + "\n";
  return text;
}

void AProtocol::Save(const std::string& path) const { ReplaceFileContents(path, Text()); }

}  // namespace ae
