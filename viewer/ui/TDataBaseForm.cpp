#include "viewer/ui/TDataBaseForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDataWidgetMapper>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQueryModel>
#include <QTableView>
#include <QVBoxLayout>
#include <vector>

#include "store/StoreTransaction.h"
#include "store/ZTDataStore.h"
#include "ui/DialogPlacement.h"
#include "ui/MessageSeam.h"
#include "ui/QtText.h"
#include "viewer/core/AOptions.h"
#include "viewer/core/ViewerMessages.h"
#include "viewer/ui/TGraphEditorDelegate.h"
#include "viewer/ui/TGraphEditsCheck.h"
#include "viewer/ui/TGraphTableModel.h"
#include "viewer/ui/TMasterFilterProxy.h"

namespace ae {

namespace {

struct GridColumn {
  const char* Field;
  const char* Header;
};

// The columns each grid shows; the others (keys among them) are hidden.
const std::vector<GridColumn>& GridColumns(TDataBaseForm::Grid grid) {
  static const char* const name = QT_TRANSLATE_NOOP("ae::TDataBaseForm", "Name");
  static const std::vector<GridColumn> sets = {{"Name", name}};
  static const std::vector<GridColumn> pages = {{"GrPageName", name}};
  static const std::vector<GridColumn> graphs = {{"LXCoord", QT_TRANSLATE_NOOP("ae::TDataBaseForm", "LX")},
                                                 {"LYCoord", QT_TRANSLATE_NOOP("ae::TDataBaseForm", "LY")},
                                                 {"RXCoord", QT_TRANSLATE_NOOP("ae::TDataBaseForm", "RX")},
                                                 {"RYCoord", QT_TRANSLATE_NOOP("ae::TDataBaseForm", "RY")},
                                                 {"GraphName", name}};
  return grid == TDataBaseForm::gSets ? sets : grid == TDataBaseForm::gPages ? pages : graphs;
}

QSqlQueryModel* Lookup(const QString& sql, const QSqlDatabase& db, ZTDataStore& store, QObject* parent) {
  auto* model = new QSqlQueryModel(parent);
  model->setQuery(sql, db);
  if (model->lastError().isValid())
    store.Fail("cannot read a lookup of the graph database: " + S(model->lastError().text()));
  while (model->canFetchMore()) model->fetchMore();
  return model;
}

QLineEdit* FieldEdit(const char* field, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QStringLiteral("Edit%1").arg(QLatin1String(field)));
  return edit;
}

QComboBox* FieldCombo(const char* field, QAbstractItemModel& lookup, QWidget* parent) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(QStringLiteral("Combo%1").arg(QLatin1String(field)));
  TGraphEditorDelegate::SetLookup(*combo, lookup, 1);
  return combo;
}

QCheckBox* FieldCheck(const char* field, const QString& caption, QWidget* parent) {
  auto* check = new QCheckBox(caption, parent);
  check->setObjectName(QStringLiteral("Check%1").arg(QLatin1String(field)));
  return check;
}

}  // namespace

TDataBaseForm::TDataBaseForm(ZTDataStore& store, AOptions& options, QWidget* owner)
    : QDialog(owner), store_(store), options_(options) {
  setObjectName(QStringLiteral("DataBaseForm"));
  setWindowTitle(tr("Graph Data Base.."));
  const QSqlDatabase db = store.Database();
  tables_[gSets] = new TGraphTableModel(db, QStringLiteral("VNGrfSys"), QStringLiteral("GSystemID"), {}, this);
  tables_[gPages] = new TGraphTableModel(db, QStringLiteral("VNGrfPge"), QStringLiteral("GPageID"),
                                         QStringLiteral("GSystemID"), this);
  tables_[gGraphs] =
      new TGraphTableModel(db, QStringLiteral("VNGraph"), QStringLiteral("GraphID"), QStringLiteral("GPageID"), this);
  for (TGraphTableModel* table : tables_)
    if (!table->Load())
      store.Fail("cannot read the table \"" + S(table->tableName()) + "\": " + S(table->lastError().text()));
  graphTypes_ =
      Lookup(QStringLiteral("SELECT GraphTypeID, GraphTypeName FROM VNGrfType ORDER BY GraphTypeID"), db, store, this);
  // One name per code: the alphabetically first, as the axes are named.
  params_ = Lookup(QStringLiteral("SELECT ParamConst, MIN(ParamName COLLATE NOCASE) AS ParamName FROM AEParams "
                                  "GROUP BY ParamConst ORDER BY ParamConst"),
                   db, store, this);
  cumTypes_ = Lookup(QStringLiteral("SELECT CumTypeID, CumType FROM VNCumTyp ORDER BY CumTypeID"), db, store, this);
  binSumTypes_ =
      Lookup(QStringLiteral("SELECT BinSumTypeID, BinSumType FROM VNBnSmTp ORDER BY BinSumTypeID"), db, store, this);
  for (int grid = gSets; grid <= gGraphs; ++grid) proxies_[grid] = new TMasterFilterProxy(*tables_[grid], this);
  mapper_ = new QDataWidgetMapper(this);
  mapper_->setModel(proxies_[gGraphs]);
  mapper_->setItemDelegate(new TGraphEditorDelegate(mapper_));
  mapper_->setSubmitPolicy(QDataWidgetMapper::AutoSubmit);
  BuildControls();

  // The set the pages show, as the main window chose it.
  int shown = -1;
  if (options.CurrentGraphSet != 0) shown = options.CurrentGraphSet;
  else if (options.StartUpGraph == 1) shown = options.LastUsedGraphNo;
  const QModelIndex shownIndex = proxies_[gSets]->mapFromSource(tables_[gSets]->index(tables_[gSets]->RowOf(shown), 0));
  ChooseRow(gSets, shownIndex.isValid() ? shownIndex.row() : 0);
  ChosenChanged(gSets);
  CenterOnOwner(this, owner);
}

TDataBaseForm::~TDataBaseForm() = default;

void TDataBaseForm::BuildControls() {
  auto* layout = new QHBoxLayout;
  auto* grids = new QVBoxLayout;
  const char* names[] = {"GridGraphSets", "GridPages", "GridGraphs"};
  const char* labels[] = {QT_TR_NOOP("Graph set"), QT_TR_NOOP("Page"), QT_TR_NOOP("Plots definition")};
  auto* delegate = new TGraphEditorDelegate(this);
  for (int grid = gSets; grid <= gGraphs; ++grid) {
    TGraphTableModel& table = *tables_[grid];
    auto* view = new QTableView(this);
    view->setObjectName(QString::fromLatin1(names[grid]));
    view->setModel(proxies_[grid]);
    view->setItemDelegate(delegate);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::AnyKeyPressed);
    view->verticalHeader()->hide();
    view->setToolTip(tr("Insert adds a row, Ctrl+Delete deletes the chosen one"));
    for (int column = 0; column < table.columnCount(); ++column) view->setColumnHidden(column, true);
    for (const GridColumn& c : GridColumns(static_cast<Grid>(grid))) {
      const int column = table.Column(c.Field);
      table.setHeaderData(column, Qt::Horizontal, tr(c.Header));
      view->setColumnHidden(column, false);
    }
    view->horizontalHeader()->setStretchLastSection(true);
    if (grid == gGraphs)
      for (const char* field : {"LXCoord", "LYCoord", "RXCoord", "RYCoord"})
        view->setColumnWidth(table.Column(field), 40);
    view->installEventFilter(this);
    connect(view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this, grid] { ChosenChanged(static_cast<Grid>(grid)); });
    views_[grid] = view;
    auto* label = new QLabel(tr(labels[grid]), this);
    grids->addWidget(label);
    grids->addWidget(view, grid == gGraphs ? 2 : 1);
  }
  layout->addLayout(grids, 1);
  editors_ = BuildGraphEditors();
  layout->addWidget(editors_, 1);

  auto* outer = new QVBoxLayout(this);
  outer->addLayout(layout, 1);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("BitBtn3"));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("BitBtn4"));
  // OK stays a click: Enter in an editor must not write the database.
  buttons->button(QDialogButtonBox::Ok)->setAutoDefault(false);
  buttons->button(QDialogButtonBox::Cancel)->setAutoDefault(false);
  connect(buttons, &QDialogButtonBox::accepted, this, &TDataBaseForm::BitBtn3Click);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  outer->addWidget(buttons);
  resize(900, 600);
}

QWidget* TDataBaseForm::BuildGraphEditors() {
  TGraphTableModel& graphs = *tables_[gGraphs];
  auto* box = new QWidget(this);
  box->setObjectName(QStringLiteral("GraphEditors"));
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  auto map = [&](QWidget* editor, const char* field) { mapper_->addMapping(editor, graphs.Column(field)); };

  auto* position = new QGroupBox(tr("Plot position"), box);
  auto* positionLayout = new QGridLayout(position);
  const std::pair<const char*, const char*> coordinates[] = {{"LXCoord", QT_TR_NOOP("Left X")},
                                                             {"LYCoord", QT_TR_NOOP("Left Y")},
                                                             {"RXCoord", QT_TR_NOOP("Right X")},
                                                             {"RYCoord", QT_TR_NOOP("Right Y")}};
  int place = 0;
  for (const auto& [field, caption] : coordinates) {
    QLineEdit* edit = FieldEdit(field, position);
    // Left and right edges side by side.
    const int row = place % 2, column = 2 * (place / 2);
    positionLayout->addWidget(new QLabel(tr(caption), position), row, column);
    positionLayout->addWidget(edit, row, column + 1);
    map(edit, field);
    ++place;
  }
  layout->addWidget(position);

  auto* general = new QFormLayout;
  QLineEdit* title = FieldEdit("GraphName", box);
  general->addRow(tr("Title"), title);
  map(title, "GraphName");
  QComboBox* type = FieldCombo("GraphTypeID", *graphTypes_, box);
  general->addRow(tr("Graph type"), type);
  map(type, "GraphTypeID");
  layout->addLayout(general);

  auto* axes = new QHBoxLayout;
  for (const char* axis : {"X", "Y"}) {
    auto* group = new QGroupBox(QString::fromLatin1(axis), box);
    auto* form = new QFormLayout(group);
    const QByteArray type = QByteArray(axis) + "AxisType", min = QByteArray(axis) + "Min",
                     max = QByteArray(axis) + "Max", log = QByteArray(axis) + "LogType";
    QComboBox* param = FieldCombo(type.constData(), *params_, group);
    form->addRow(tr("Axis Type"), param);
    map(param, type.constData());
    QLineEdit* minEdit = FieldEdit(min.constData(), group);
    form->addRow(tr("Min"), minEdit);
    map(minEdit, min.constData());
    QLineEdit* maxEdit = FieldEdit(max.constData(), group);
    form->addRow(tr("Max"), maxEdit);
    map(maxEdit, max.constData());
    QCheckBox* logCheck = FieldCheck(log.constData(), tr("Log"), group);
    form->addRow(logCheck);
    map(logCheck, log.constData());
    axes->addWidget(group);
  }
  layout->addLayout(axes);

  auto* rest = new QFormLayout;
  QLineEdit* channels = FieldEdit("Channels", box);
  rest->addRow(tr("Channels"), channels);
  map(channels, "Channels");
  QCheckBox* noColour = FieldCheck("AllChannel", tr("No colored"), box);
  rest->addRow(noColour);
  map(noColour, "AllChannel");
  QLineEdit* bins = FieldEdit("XBinNum", box);
  rest->addRow(tr("BinNum"), bins);
  map(bins, "XBinNum");
  QComboBox* cumulation = FieldCombo("YCumTypeID", *cumTypes_, box);
  rest->addRow(tr("Cumulation"), cumulation);
  map(cumulation, "YCumTypeID");
  QComboBox* binSum = FieldCombo("YBinSumTypeID", *binSumTypes_, box);
  rest->addRow(tr("BinSum type"), binSum);
  map(binSum, "YBinSumTypeID");
  layout->addLayout(rest);
  layout->addStretch(1);
  return box;
}

std::optional<int> TDataBaseForm::ChosenKey(Grid grid) const {
  const QModelIndex current = views_[grid]->currentIndex();
  if (!current.isValid()) return std::nullopt;
  const int row = proxies_[grid]->SourceRow(current.row());
  if (row < 0) return std::nullopt;
  return tables_[grid]->KeyOf(row);
}

void TDataBaseForm::ChooseRow(Grid grid, int row) {
  TMasterFilterProxy& proxy = *proxies_[grid];
  const int column = tables_[grid]->Column(GridColumns(grid).front().Field);
  if (row >= proxy.rowCount()) row = proxy.rowCount() - 1;
  views_[grid]->setCurrentIndex(row < 0 ? QModelIndex() : proxy.index(row, column));
}

void TDataBaseForm::ChosenChanged(Grid grid) {
  if (writing_) return;
  // What is typed into the editors belongs to the graph they show, before another one is shown.
  if (editors_->isEnabled()) mapper_->submit();
  if (grid == gSets) {
    proxies_[gPages]->SetMaster(ChosenKey(gSets));
    if (!views_[gPages]->currentIndex().isValid()) ChooseRow(gPages, 0);
    grid = gPages;
  }
  if (grid == gPages) {
    proxies_[gGraphs]->SetMaster(ChosenKey(gPages));
    if (!views_[gGraphs]->currentIndex().isValid()) ChooseRow(gGraphs, 0);
  }
  const QModelIndex current = views_[gGraphs]->currentIndex();
  editors_->setEnabled(current.isValid());
  if (current.isValid()) {
    mapper_->setCurrentModelIndex(current);
    return;
  }
  for (QLineEdit* edit : editors_->findChildren<QLineEdit*>()) edit->clear();
  for (QComboBox* combo : editors_->findChildren<QComboBox*>()) combo->setCurrentIndex(-1);
  for (QCheckBox* check : editors_->findChildren<QCheckBox*>()) check->setChecked(false);
}

void TDataBaseForm::AddRow(Grid grid) {
  if (editors_->isEnabled()) mapper_->submit();
  TGraphTableModel& table = *tables_[grid];
  int row = -1;
  if (grid == gSets) {
    row = table.AppendRow({{"Name", QString()}, {"Comment", QString()}, {"PageNum", 0}});
  } else if (grid == gPages) {
    const std::optional<int> set = ChosenKey(gSets);
    if (!set) return;
    row = table.AppendRow({{"GSystemID", *set}, {"GrPageName", QString()}});
  } else {
    const std::optional<int> page = ChosenKey(gPages);
    if (!page) return;
    // The first cell of the page grid no graph covers yet.
    const int columns = options_.HorizGraphNum, rows = options_.VertGraphNum;
    std::vector<bool> covered(static_cast<std::size_t>(std::max(columns * rows, 0)), false);
    for (int r = 0; r < table.rowCount(); ++r) {
      if (table.IsDeleted(r) || table.MasterOf(r) != *page) continue;
      auto value = [&](const char* field) { return table.data(table.index(r, table.Column(field))).toInt(); };
      for (int y = std::max(value("LYCoord"), 0); y < std::min(value("RYCoord"), rows); ++y)
        for (int x = std::max(value("LXCoord"), 0); x < std::min(value("RXCoord"), columns); ++x)
          covered[static_cast<std::size_t>(y * columns + x)] = true;
    }
    int cell = 0;
    while (cell < columns * rows && covered[static_cast<std::size_t>(cell)]) ++cell;
    if (cell >= columns * rows) cell = 0;
    const int x = columns > 0 ? cell % columns : 0, y = columns > 0 ? cell / columns : 0;
    // A point graph of amplitude against time, as most pages begin.
    row = table.AppendRow({{"GPageID", *page}, {"GraphTypeID", 1}, {"LXCoord", x},           {"LYCoord", y},
                           {"RXCoord", x + 1}, {"RYCoord", y + 1}, {"GraphName", QString()}, {"XAxisType", 1},
                           {"YAxisType", 256}, {"XMin", 0},        {"XMax", 1800},           {"YMin", 20},
                           {"YMax", 100},      {"XLogType", 0},    {"YLogType", 0},          {"Channels", QString()},
                           {"XBinNum", 0},     {"YBinNum", 0},     {"XBinSumTypeID", 0},     {"YBinSumTypeID", 0},
                           {"XCumTypeID", 0},  {"YCumTypeID", 0},  {"AllChannel", 0}});
  }
  const QModelIndex shown = proxies_[grid]->mapFromSource(table.index(row, 0));
  ChooseRow(grid, shown.row());
  ChosenChanged(grid);
  views_[grid]->setFocus();
}

void TDataBaseForm::DeleteRow(Grid grid) {
  const std::optional<int> key = ChosenKey(grid);
  if (!key) return;
  TGraphTableModel& table = *tables_[grid];
  const int row = table.RowOf(*key);
  const QString name = table.data(table.index(row, table.Column(GridColumns(grid).back().Field))).toString();
  const QString question = grid == gSets    ? tr("Delete the graph set \"%1\" with its pages and graphs?")
                           : grid == gPages ? tr("Delete the page \"%1\" with its graphs?")
                                            : tr("Delete the graph \"%1\"?");
  if (!MessageSeam::Show(this, MessageSeam::Kind::YesNoWarning, question.arg(name), windowTitle())) return;
  const int place = views_[grid]->currentIndex().row();
  // Deleted from the end, as a row not yet written leaves the model at once.
  auto deleteWhere = [](TGraphTableModel& t, auto belongs) {
    for (int r = t.rowCount() - 1; r >= 0; --r)
      if (belongs(r)) t.DeleteRow(r);
  };
  std::vector<int> pages;
  if (grid == gSets) {
    for (int r = 0; r < tables_[gPages]->rowCount(); ++r)
      if (!tables_[gPages]->IsDeleted(r) && tables_[gPages]->MasterOf(r) == *key)
        pages.push_back(tables_[gPages]->KeyOf(r));
  } else if (grid == gPages) {
    pages.push_back(*key);
  }
  for (int page : pages) deleteWhere(*tables_[gGraphs], [&](int r) { return tables_[gGraphs]->MasterOf(r) == page; });
  if (grid == gSets) deleteWhere(*tables_[gPages], [&](int r) { return tables_[gPages]->MasterOf(r) == *key; });
  deleteWhere(table, [&](int r) { return table.KeyOf(r) == *key; });
  for (TMasterFilterProxy* proxy : proxies_) proxy->Refilter();
  if (!views_[grid]->currentIndex().isValid()) ChooseRow(grid, place);
  ChosenChanged(grid);
}

bool TDataBaseForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    for (int grid = gSets; grid <= gGraphs; ++grid) {
      if (watched != views_[grid]) continue;
      const auto* key = static_cast<QKeyEvent*>(event);
      if (key->key() == Qt::Key_Insert && key->modifiers() == Qt::NoModifier) {
        AddRow(static_cast<Grid>(grid));
        return true;
      }
      if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::ControlModifier) {
        DeleteRow(static_cast<Grid>(grid));
        return true;
      }
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TDataBaseForm::BitBtn3Click() {
  if (editors_->isEnabled()) mapper_->submit();
  TGraphEditsCheck check(*tables_[gSets], *tables_[gPages], *tables_[gGraphs], options_.HorizGraphNum,
                         options_.VertGraphNum);
  if (const auto problem = check.Run()) {
    MessageSeam::Show(this, MessageSeam::Kind::Warning, problem->Text, Q(ViewerText(vmWarning)));
    ShowProblem(static_cast<Grid>(problem->Where), problem->Row, problem->Column);
    return;
  }
  const std::optional<int> chosen = ChosenKey(gSets);
  if (!Write()) return;
  if (chosen) {
    int key = *chosen;
    if (const auto found = tables_[gSets]->NewKeys().find(key); found != tables_[gSets]->NewKeys().end())
      key = found->second;
    options_.CurrentGraphSet = key;
    options_.LastUsedGraphNo = key;
  }
  accept();
}

bool TDataBaseForm::Write() {
  bool dirty = false;
  for (TGraphTableModel* table : tables_) dirty = dirty || table->isDirty();
  if (!dirty) return true;
  bool started = false;
  writing_ = true;
  try {
    StoreTransaction transaction(store_);
    started = true;
    auto write = [this](TGraphTableModel& table) {
      if (!table.WriteChanges())
        store_.Fail("cannot write the table \"" + S(table.tableName()) + "\": " + S(table.lastError().text()));
    };
    // Masters first: their new keys go into the detail rows.
    write(*tables_[gSets]);
    tables_[gPages]->RemapMaster(tables_[gSets]->NewKeys());
    write(*tables_[gPages]);
    tables_[gGraphs]->RemapMaster(tables_[gPages]->NewKeys());
    write(*tables_[gGraphs]);
    transaction.Commit();
  } catch (const EStore& error) {
    writing_ = false;
    // Before the transaction began the changes are still pending and OK may be tried again;
    // afterwards the tables read back what the rollback left: the database as it was.
    MessageSeam::Show(this, MessageSeam::Kind::Warning,
                      tr("The graph database was not changed: %1").arg(QString::fromUtf8(error.what())),
                      Q(ViewerText(vmError)));
    if (started) Reload();
    return false;
  }
  writing_ = false;
  return true;
}

void TDataBaseForm::Reload() {
  for (TGraphTableModel* table : tables_) table->Load();
  for (TMasterFilterProxy* proxy : proxies_) proxy->Refilter();
  ChooseRow(gSets, 0);
  ChosenChanged(gSets);
}

void TDataBaseForm::ShowProblem(Grid grid, int sourceRow, int column) {
  // Choose the rows down to the one with the problem, then its field.
  TGraphTableModel& graphs = *tables_[gGraphs];
  int setRow = sourceRow, pageRow = -1;
  if (grid == gGraphs) {
    pageRow = tables_[gPages]->RowOf(graphs.MasterOf(sourceRow));
    setRow = pageRow < 0 ? -1 : tables_[gSets]->RowOf(tables_[gPages]->MasterOf(pageRow));
  } else if (grid == gPages) {
    pageRow = sourceRow;
    setRow = tables_[gSets]->RowOf(tables_[gPages]->MasterOf(pageRow));
  }
  auto choose = [this](Grid g, int row) {
    if (row < 0) return;
    const QModelIndex index = proxies_[g]->mapFromSource(tables_[g]->index(row, 0));
    if (!index.isValid()) return;
    ChooseRow(g, index.row());
    ChosenChanged(g);
  };
  choose(gSets, setRow);
  choose(gPages, pageRow);
  if (grid != gGraphs) return;
  choose(gGraphs, sourceRow);
  if (QWidget* editor = mapper_->mappedWidgetAt(column)) {
    editor->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) edit->selectAll();
  }
}

}  // namespace ae
