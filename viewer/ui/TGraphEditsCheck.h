#pragma once
// What the graph database window checks before it writes anything: in every new or changed row,
// every numeric field a whole number (the text typed is then stored as that number), every graph
// within the page grid of the options, and every channel text a list of channels 1..128. A graph
// outside the grid, or one more than the grid has cells, would silently end the building of
// its page.
#include <QCoreApplication>
#include <QString>
#include <optional>

namespace ae {

class TGraphTableModel;

class TGraphEditsCheck {
  Q_DECLARE_TR_FUNCTIONS(ae::TGraphEditsCheck)

 public:
  enum Table : int { tSets, tPages, tGraphs };
  struct Problem {
    QString Text;
    Table Where = tGraphs;
    int Row = -1;     // row of the table's model
    int Column = -1;  // the field to correct
  };

  TGraphEditsCheck(TGraphTableModel& sets, TGraphTableModel& pages, TGraphTableModel& graphs, int columns, int rows)
      : sets_(sets), pages_(pages), graphs_(graphs), columns_(columns), rows_(rows) {}

  // The first problem, or none when everything may be written.
  std::optional<Problem> Run();

 private:
  std::optional<Problem> Numbers(TGraphTableModel& model, Table where, std::initializer_list<const char*> fields);
  std::optional<Problem> Grid(int row);
  std::optional<Problem> Channels(int row);
  std::optional<Problem> Capacity();
  // "graph 2 "Energy" on the page "Activity"".
  QString GraphLabel(int row) const;
  QString PageName(int pageKey) const;

  TGraphTableModel& sets_;
  TGraphTableModel& pages_;
  TGraphTableModel& graphs_;
  int columns_;
  int rows_;
};

}  // namespace ae
