#pragma once
// The protocol of a viewer run: one line per command that changed the selection (date and time,
// a tab, the text), kept in memory and written to "_Protocol.txt" at the end of the run when the
// options ask for it.
#include <string>
#include <vector>

namespace ae {

class AProtocol {
 public:
  static constexpr const char* DefaultFileLeaf = "_Protocol.txt";

  std::string FileName;  // set at shutdown
  std::string LastLine;
  std::vector<std::string> Lines;

  // The current date and time, a tab and the text.
  void AddLine(const std::string& text);
  // A line that carries its own date and time (the description of a new selection).
  void AddDatedLine(const std::string& line);

  // Every line, each ended by a line feed, replacing the file; raises EViewer when it cannot be
  // written completely.
  void Save(const std::string& path) const;
  // All lines as one text, for the protocol window.
  std::string Text() const;
};

}  // namespace ae
