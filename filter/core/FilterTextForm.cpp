#include "filter/core/FilterTextForm.h"

#include <array>
#include <cctype>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace ae {

namespace {

std::string Trim(std::string_view s) {
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
  return std::string(s);
}

// Lower case with inner runs of blanks made one blank: "Delete  Parametric" is "delete parametric".
std::string KeyOf(std::string_view s) {
  std::string key;
  for (const char c : Trim(s)) {
    if (std::isspace(static_cast<unsigned char>(c))) {
      if (!key.empty() && key.back() != ' ') key += ' ';
    } else {
      key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
  }
  return key;
}

std::vector<std::string> Cells(const std::string& value) {
  std::vector<std::string> cells;
  std::size_t start = 0;
  for (;;) {
    const std::size_t bar = value.find('|', start);
    cells.push_back(
        Trim(std::string_view(value).substr(start, bar == std::string::npos ? std::string::npos : bar - start)));
    if (bar == std::string::npos) return cells;
    start = bar + 1;
  }
}

}  // namespace

FilterControls ParseFilterText(std::istream& in, const std::string& sourceName) {
  FilterControls controls;
  controls.ClearWindows();
  int treatment = tiAsHits;
  std::string mpt, lock, forward, back;
  std::array<bool, 4> rowsGiven{};
  std::array<bool, ExpressionRows> expressionGiven{};

  std::string line;
  int number = 0;
  while (std::getline(in, line)) {
    ++number;
    auto fail = [&](const std::string& what) {
      throw std::runtime_error(sourceName + ":" + std::to_string(number) + ": " + what);
    };
    const std::string text = Trim(line);
    if (text.empty() || text[0] == '#') continue;
    const std::size_t equals = text.find('=');
    if (equals == std::string::npos) fail("expected KEY = VALUE");
    const std::string key = KeyOf(std::string_view(text).substr(0, equals));
    const std::string value = Trim(std::string_view(text).substr(equals + 1));
    const std::string word = KeyOf(value);
    auto yesNo = [&]() {
      if (word == "yes") return true;
      if (word == "no") return false;
      fail("\"" + key + "\" is yes or no");
      return false;
    };

    if (key == "type") {
      if (word == "included") controls.TypeItem = 0;
      else if (word == "excluded") controls.TypeItem = 1;
      else fail("type is Included or Excluded");
    } else if (key == "treatment") {
      if (word == "as hits" || word == "hits") treatment = tiAsHits;
      else if (word == "as events" || word == "events") treatment = tiAsEvents;
      else if (word == "as mechanic" || word == "mechanic") treatment = tiAsMechanic;
      else fail("treatment is As Hits, As Events or As Mechanic");
    } else if (key == "mpt") {
      mpt = value;
    } else if (key == "lock") {
      lock = value;
    } else if (key == "forward") {
      forward = value;
    } else if (key == "back") {
      back = value;
    } else if (key == "delete parametric") {
      controls.DeleteTDP = yesNo();
    } else if (key == "smart end of time") {
      controls.SmartEOT = yesNo();
    } else if (key.size() == 6 && key.rfind("join ", 0) == 0 && key[5] >= 'a' && key[5] <= 'd') {
      if (word != "and" && word != "or") fail("a join is AND or OR");
      controls.Windows[static_cast<std::size_t>(key[5] - 'a')].JoinAnd = word == "and";
    } else if (key.size() == 1 && key[0] >= 'a' && key[0] <= 'd') {
      const auto w = static_cast<std::size_t>(key[0] - 'a');
      const std::size_t columns = w == fwD ? EquationColumns : MinMaxColumns;
      std::vector<std::string> cells = Cells(value);
      if (cells.size() != columns)
        fail(std::string("a row of window ") + static_cast<char>('A' + w) + " has " + std::to_string(columns) +
             " cells separated by |");
      FilterGrid& grid = controls.Windows[w];
      if (!rowsGiven[w]) grid.Rows.clear();
      rowsGiven[w] = true;
      grid.Rows.push_back(std::move(cells));
    } else if (key.size() == 12 && key.rfind("expression ", 0) == 0 && key[11] >= '1' && key[11] <= '4') {
      const auto row = static_cast<std::size_t>(key[11] - '1');
      if (expressionGiven[row]) fail(key + " given twice");
      expressionGiven[row] = true;
      controls.Expressions[row] = value;
    } else {
      fail("unknown key \"" + key + "\"");
    }
  }
  // Boxes of another treatment are empty, as the window leaves them.
  controls.SelectTreatment(treatment);
  if (controls.EventBoxesEnabled()) {
    controls.MPT = mpt;
    controls.LOCK = lock;
  }
  if (controls.MechanicBoxesEnabled()) {
    controls.Forward = forward;
    controls.Back = back;
  }
  return controls;
}

}  // namespace ae
