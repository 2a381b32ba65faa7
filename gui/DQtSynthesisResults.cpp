// Main window: the calculation, the result table, the selected doublet and its ZMX file.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <exception>
#include <stdexcept>

#include "gui/DQtSynthesis.h"
#include "gui/cell_format.h"
#include "gui/result_columns.h"
#include "synthesis/design_input_check.h"
#include "synthesis/doublet_glass_data.h"
#include "ui_DQtSynthesis.h"

namespace {

const QColor kCrownColour(225, 229, 239);
const QColor kFlintColour(163, 175, 208);
const QColor kThinEdgeColour(255, 204, 153);  // a lens too thin at the edge to be made

/// A number cell that sorts by its value, not by its text ("-2" before "-10" is wrong).
class NumberItem : public QTableWidgetItem {
 public:
  NumberItem(double value, int decimals)
      : QTableWidgetItem(formatNumber(value, decimals)), m_value(value) {
    setTextAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
  }
  bool operator<(const QTableWidgetItem& other) const override {
    const auto* number = dynamic_cast<const NumberItem*>(&other);
    if (!number) return QTableWidgetItem::operator<(other);
    if (std::isnan(m_value)) return false;  // missing values sort last
    return std::isnan(number->m_value) || m_value < number->m_value;
  }

 private:
  double m_value;
};

QTableWidgetItem* nameItem(const std::string& name, const QColor& background) {
  auto* item = new QTableWidgetItem(QString::fromStdString(name));
  item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
  item->setBackground(background);
  return item;
}

/// Returns a file name of the doublet from its two glasses, without characters a path forbids.
QString zmxFileName(const synthesis::DoubletResult& r) {
  QString name = QString::fromStdString(r.glass1.name + "_" + r.glass2.name);
  name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_.+-]")), QStringLiteral("_"));
  return name + QStringLiteral(".zmx");
}

/// Returns a core value, NaN when the core cannot compute it for this glass.
template <typename F>
double valueOrNaN(F&& compute) {
  try {
    return compute();
  } catch (const std::exception&) {
    return std::nan("");
  }
}

}  // namespace

void DQtSynthesis::setupResultTable() {
  QTableWidget* table = ui->m_TW_ResTable;
  table->setColumnCount(int(resultColumns().size()));
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  // Rows one text line high: eight of them fit a laptop screen beside the inputs.
  table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 8);
  table->verticalHeader()->hide();  // the "№" column numbers the rows in the found order
  connect(table->horizontalHeader(), &QHeaderView::sectionClicked, this,
          [this] { m_userSorted = true; });
  auto* copy = new QAction(table);
  copy->setObjectName(QStringLiteral("m_A_Copy"));
  copy->setShortcut(QKeySequence::Copy);
  copy->setShortcutContext(Qt::WidgetShortcut);
  connect(copy, &QAction::triggered, this, [this] { copySelectedRows(); });
  auto* save = new QAction(table);
  save->setObjectName(QStringLiteral("m_A_SaveCsv"));
  connect(save, &QAction::triggered, this, [this] { saveTableCsv(); });
  table->addActions({copy, save});
  applyColumnHeaders();
  table->setContextMenuPolicy(Qt::ActionsContextMenu);
  table->installEventFilter(this);  // the view's own Ctrl+C copies one cell only
  ui->m_TW_Aberration->hide();
  ui->m_LB_Aberration->hide();
}

void DQtSynthesis::applyColumnHeaders() {
  QTableWidget* table = ui->m_TW_ResTable;
  const auto& columns = resultColumns();
  for (int col = 0; col < int(columns.size()); ++col) {
    auto* item = new QTableWidgetItem(columnHeader(columns[col]));
    item->setToolTip(columnTooltip(columns[col]));
    table->setHorizontalHeaderItem(col, item);
    table->setColumnHidden(col, m_hiddenColumns.contains(QLatin1String(columns[col].key)));
  }
  for (QAction* action : table->actions()) {
    if (action->objectName() == QLatin1String("m_A_Copy")) action->setText(tr("Копировать"));
    if (action->objectName() == QLatin1String("m_A_SaveCsv")) {
      action->setText(tr("Сохранить как CSV…"));
    }
  }
}

void DQtSynthesis::setHiddenColumns(const QStringList& keys) {
  m_hiddenColumns = keys;
  applyColumnHeaders();
}

synthesis::CalculationInputs DQtSynthesis::readInputs() const {
  using Field = synthesis::InputField;
  synthesis::CalculationInputs in;
  in.P = readInput(ui->m_LE_P, Field::P);
  in.W = readInput(ui->m_LE_W, Field::W);
  in.C = readInput(ui->m_LE_C, Field::C);
  in.focus = readInput(ui->m_LE_focus, Field::Focus);
  const plot::SpectralLines lines = selectedLines();
  in.lambda0 = lines.main;
  in.lambdaMin = lines.min;
  in.lambdaMax = lines.max;
  in.pairCount = ui->m_CB_GlassCount->currentText().toInt();
  in.design = {
      readInput(ui->m_LE_Thickness1, Field::CrownThickness),
      readInput(ui->m_LE_Thickness2, Field::FlintThickness),
      readInput(ui->m_LE_Pupil, Field::Pupil),
      readInput(ui->m_LE_Field, Field::Field),
      {readInput(ui->m_LE_Temp, Field::Temperature), readInput(ui->m_LE_Press, Field::Pressure),
       ui->m_CB_NAir->checkState() != Qt::Unchecked}};
  in.design.minEdgeThickness = readInput(ui->m_LE_MinEdge, Field::MinEdge);
  in.design.fitEdgeThickness = ui->m_CB_EdgeThickness->isChecked();
  in.mode = ui->m_RB_Calc_One->isChecked()   ? synthesis::SearchMode::One
            : ui->m_RB_Calc_All->isChecked() ? synthesis::SearchMode::All
                                             : synthesis::SearchMode::Pair;
  in.glass1 = ui->m_CB_Glass_1->currentText().toStdString();
  in.glass2 = ui->m_CB_Glass_2->currentText().toStdString();
  const auto switches = statusSwitches();
  for (std::size_t s = 0; s < switches.size(); ++s) in.statuses[s] = switches[s]->isChecked();
  in.refine = ui->m_CB_Refine->isChecked();
  in.fieldWeight = readNumber(ui->m_LE_FieldWeight);
  in.indexFilter = ui->m_CB_filter_n->isChecked();
  in.abbeFilter = ui->m_CB_filter_abbe->isChecked();
  in.ranges = {0.0, 0.0, 0.0, 0.0};
  if (in.indexFilter) {
    in.ranges[0] = readInput(ui->m_LE_filter_nmin, Field::IndexMin);
    in.ranges[1] = readInput(ui->m_LE_filter_nmax, Field::IndexMax);
  }
  if (in.abbeFilter) {
    in.ranges[2] = readInput(ui->m_LE_filter_abbemin, Field::AbbeMin);
    in.ranges[3] = readInput(ui->m_LE_filter_abbemax, Field::AbbeMax);
  }
  in.dataFilter = readDataFilter();
  return in;
}

std::optional<double> DQtSynthesis::readLimit(const QLineEdit* field,
                                              synthesis::InputField which) const {
  if (field->text().trimmed().isEmpty()) return std::nullopt;  // empty: no limit
  return readInput(field, which);
}

synthesis::GlassDataFilter DQtSynthesis::readDataFilter() const {
  using Field = synthesis::InputField;
  synthesis::GlassDataFilter filter;
  filter.maxCost = readLimit(ui->m_LE_filter_cost, Field::MaxCost);
  const QLineEdit* classes[] = {ui->m_LE_filter_cr, ui->m_LE_filter_fr, ui->m_LE_filter_sr,
                                ui->m_LE_filter_ar, ui->m_LE_filter_pr};
  for (int k = 0; k < synthesis::kResistanceCount; ++k) {
    filter.maxClass[std::size_t(k)] = readLimit(classes[k], Field(int(Field::MaxClimate) + k));
  }
  filter.minTransmittance = readLimit(ui->m_LE_filter_t10, Field::MinTransmittance);
  filter.requireData = ui->m_CB_filter_require_data->isChecked();
  return filter;
}

double DQtSynthesis::readInput(const QLineEdit* field, synthesis::InputField which) const {
  bool ok = false;
  const double value = field->text().toDouble(&ok);
  if (!ok) throw std::invalid_argument(synthesis::unreadableInputMessage(which));
  return value;
}

std::optional<synthesis::CalculationInputs> DQtSynthesis::acceptedInputs() {
  try {
    synthesis::CalculationInputs inputs = readInputs();
    if (auto refusal = synthesis::checkInputs(inputs)) throw std::invalid_argument(*refusal);
    return inputs;
  } catch (const std::invalid_argument& e) {
    showError(QString::fromUtf8(e.what()));
    return std::nullopt;
  }
}

void DQtSynthesis::OnCalc() {
  // A refused input computes nothing: the table and the selected doublet stay as they were.
  const std::optional<synthesis::CalculationInputs> accepted = acceptedInputs();
  if (!accepted) return;
  setCursor(Qt::WaitCursor);
  QTableWidget* table = ui->m_TW_ResTable;
  table->setSortingEnabled(false);
  try {
    const synthesis::CalculationInputs& inputs = *accepted;
    m_environment = inputs.design.environment;
    synthesis::runCalculation(m_synthesis, inputs);
    fillResultTable();
  } catch (const std::exception& e) {
    // The core's results are gone: no row may name a doublet it no longer holds.
    clearResults();
    unsetCursor();
    showError(QString::fromUtf8(e.what()));
  } catch (...) {
    clearResults();
  }
  OnChangeLens();
  unsetCursor();
  // The rows keep the core's order (nearest the target first) until a header is clicked.
  if (!m_userSorted) table->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
  table->setSortingEnabled(true);
}

void DQtSynthesis::clearResults() {
  ui->m_TW_ResTable->setRowCount(0);
  ui->m_LB_EdgeCount->clear();
  m_sketch.clear();
}

void DQtSynthesis::fillResultTable() {
  QTableWidget* table = ui->m_TW_ResTable;
  const auto& results = m_synthesis.results;
  table->setRowCount(0);
  table->setRowCount(int(results.size()));
  for (int row = 0; row < int(results.size()); ++row) {
    const synthesis::DoubletResult& r = results[row];
    const synthesis::ResultSummary s = synthesis::summarize(r);
    auto* order = new NumberItem(row + 1, 0);
    order->setData(Qt::UserRole, row);  // the core's index, whatever the sorting
    table->setItem(row, kOrderColumn, order);
    table->setItem(row, kGlass1Column,
                   nameItem(r.glass1.shownName(), r.orderB ? kFlintColour : kCrownColour));
    table->setItem(row, kGlass2Column,
                   nameItem(r.glass2.shownName(), r.orderB ? kCrownColour : kFlintColour));
    const auto numbers = s.columns();
    for (int k = 0; k < int(numbers.size()); ++k) {
      const int col = kLeadingColumns + k;
      table->setItem(
          row, col,
          new NumberItem(numbers[k].value_or(std::nan("")), resultColumns()[col].decimals));
    }
    // Spots in micrometres here; the files keep millimetres.
    const double quality[] = {1e3 * s.rmsAxis, 1e3 * s.rmsField, s.wfeRms,
                              s.strehl,        s.imageDistance,  1e3 * s.rmsAxisStart};
    for (int k = 0; k < int(std::size(quality)); ++k) {
      const int col = kLeadingColumns + int(numbers.size()) + k;
      table->setItem(row, col, new NumberItem(quality[k], resultColumns()[col].decimals));
    }
    fillGlassDataCells(row, kLeadingColumns + int(numbers.size()) + int(std::size(quality)),
                       synthesis::doubletGlassData(r));
    if (!s.edgeOk) markThinEdge(row, QString::fromStdString(synthesis::edgeWarning(r)));
  }
  showEdgeCount();
}

void DQtSynthesis::fillGlassDataCells(int row, int firstColumn,
                                      const synthesis::DoubletGlassData& glassData) {
  const std::optional<double> values[] = {glassData.cost1, glassData.cost2, glassData.transmittance,
                                          glassData.mass};
  for (int k = 0; k < int(std::size(values)); ++k) {
    const int col = firstColumn + k;
    ui->m_TW_ResTable->setItem(
        row, col, new NumberItem(values[k].value_or(std::nan("")), resultColumns()[col].decimals));
  }
}

void DQtSynthesis::markThinEdge(int row, const QString& warning) {
  QTableWidget* table = ui->m_TW_ResTable;
  for (int col = 0; col < table->columnCount(); ++col) {
    QTableWidgetItem* item = table->item(row, col);
    if (!item) continue;
    // The order and the names keep their look: the names tell crown from flint.
    if (col >= kLeadingColumns) item->setBackground(kThinEdgeColour);
    item->setToolTip(warning);
  }
}

void DQtSynthesis::showEdgeCount() {
  const auto& results = m_synthesis.results;
  if (results.empty()) return ui->m_LB_EdgeCount->clear();
  const auto thin = std::count_if(results.begin(), results.end(),
                                  [](const synthesis::DoubletResult& r) { return !r.edgesOk(); });
  const QString minimum = formatGeneral(results.front().minEdge);
  ui->m_LB_EdgeCount->setText(
      thin == 0 ? tr("Толщина по краю не меньше %1 мм у всех склеек.").arg(minimum)
                : tr("Склеек с краем тоньше %1 мм (выделены): %2 из %3.")
                      .arg(minimum)
                      .arg(thin)
                      .arg(results.size()));
}

const synthesis::DoubletResult* DQtSynthesis::selectedResult() {
  const QTableWidget* table = ui->m_TW_ResTable;
  const int row = table->currentRow();
  const QTableWidgetItem* order = row < 0 ? nullptr : table->item(row, kOrderColumn);
  if (!order) return nullptr;
  // The table may be sorted: the order cell holds the core's index of its doublet.
  bool ok = false;
  const int index = order->data(Qt::UserRole).toInt(&ok);
  if (!ok || index < 0 || std::size_t(index) >= m_synthesis.results.size()) return nullptr;
  return &m_synthesis.results[std::size_t(index)];
}

void DQtSynthesis::OnChangeLens() {
  ui->m_qDrawArea->repaint();
  const synthesis::DoubletResult* result = selectedResult();
  if (result) {
    showSelected(*result);
  } else {
    hideSelected();
  }
  // The chosen-glass layer of the diagrams follows the selected row.
  if (ui->m_CB_Draw_Mark_Glasses->isChecked()) redrawPlots();
}

void DQtSynthesis::hideSelected() {
  ui->m_TW_Aberration->hide();
  ui->m_LB_Aberration->hide();
  ui->m_qGlassParam->clear();
  hideRayFan();
}

void DQtSynthesis::showSelected(const synthesis::DoubletResult& r) {
  ui->m_TW_Aberration->show();
  ui->m_LB_Aberration->show();
  const std::vector<double>* lists[] = {&r.transverse, &r.longitudinal, &r.chromatism,
                                        &r.secondarySpectrum};
  for (int row = 0; row < 5; ++row) {
    const std::size_t zone = std::size_t(4 - row);
    for (int col = 0; col < 4; ++col) {
      const auto& list = *lists[col];
      double value = zone < list.size() ? list[zone] : std::nan("");
      if (zone == 0 && col < 2) value = 0.0;  // the axis has no aperture aberration
      ui->m_TW_Aberration->setItem(row, col, new NumberItem(value, 6));
    }
  }
  ui->m_TW_Aberration->resizeColumnsToContents();
  // n and ν at the lines of the design, named by the letter of λ0 (n_d, ν_d for λ0 = d).
  const plot::SpectralLines lines = selectedLines();
  const QString sub = mainLineName();
  const auto n = [&](const synthesis::GlassRecord& g) {
    return formatGeneral(valueOrNaN([&] { return g.index(lines.main); }));
  };
  const auto nu = [&](const synthesis::GlassRecord& g) {
    return formatGeneral(
        valueOrNaN([&] { return g.abbeNumber(lines.main, lines.min, lines.max); }));
  };
  QString text;
  for (const synthesis::GlassRecord* g : {&r.glass1, &r.glass2}) {
    const QString name = QString::fromStdString(g->shownName()).toHtmlEscaped();
    text += QStringLiteral("<p>%1: n<sub>%2</sub>=%3</p>").arg(name, sub, n(*g));
    text += QStringLiteral("<p>%1: &nu;<sub>%2</sub>=%3</p>").arg(name, sub, nu(*g));
  }
  text += QStringLiteral("<br>");
  text += QStringLiteral("<p>r<sub>1</sub>=%1</p>").arg(formatGeneral(r.r1));
  text += QStringLiteral("<p>r<sub>2</sub>=%1</p>").arg(formatGeneral(r.r2));
  text += QStringLiteral("<p>r<sub>3</sub>=%1</p>").arg(formatGeneral(r.r3));
  ui->m_qGlassParam->setText(text);
  showRayFan(r);
}

QString DQtSynthesis::mainLineName() const {
  const int index = ui->m_CB_Wavelength_main->currentIndex();
  const auto& all = synthesis::spectralLines();
  if (index < 0 || index >= int(all.size())) {
    return tr("%1 нм").arg(selectedLines().main * 1000.0, 0, 'f', 1);
  }
  return QString::fromUtf8(all[std::size_t(index)].letter)
      .replace(QLatin1Char('\''), QChar(0x2032));
}

void DQtSynthesis::OnCalcThickness() {
  ui->m_LE_Thickness2->setText(
      formatGeneral(synthesis::defaultThickness(readNumber(ui->m_LE_Pupil))));
}

void DQtSynthesis::OnZMX() {
  const synthesis::DoubletResult* result = selectedResult();
  if (!result) return;
  const QString path =
      QFileDialog::getSaveFileName(this, tr("Сохранить компонент в файл ZMX"), zmxFileName(*result),
                                   tr("Файл оптической системы ZMX (*.zmx)"));
  if (path.isEmpty()) return;
  try {
    // The GCAT line names the catalogs the two glasses came from, several loaded or one.
    synthesis::saveDoubletZmx(*result, path.toStdString());
  } catch (const std::exception& e) {
    showError(tr("Файл ZMX не записан: %1").arg(QString::fromUtf8(e.what())));
  }
}

QString DQtSynthesis::rowsText(QChar separator, bool selectedOnly) const {
  const QTableWidget* table = ui->m_TW_ResTable;
  // Hidden columns stay out of the copy and the file as they are out of sight.
  std::vector<int> shown;
  QStringList headers;
  for (int col = 0; col < table->columnCount(); ++col) {
    if (table->isColumnHidden(col)) continue;
    shown.push_back(col);
    headers << table->horizontalHeaderItem(col)->text();
  }
  std::vector<QStringList> rows;
  for (int row = 0; row < table->rowCount(); ++row) {
    if (selectedOnly && !table->selectionModel()->isRowSelected(row, QModelIndex())) continue;
    QStringList cells;
    for (int col : shown) {
      cells << (table->item(row, col) ? table->item(row, col)->text() : QString());
    }
    rows.push_back(cells);
  }
  return tableText(headers, rows, separator);
}

void DQtSynthesis::copySelectedRows() const {
  QApplication::clipboard()->setText(rowsText(QLatin1Char('\t'), true));
}

void DQtSynthesis::saveTableCsv() {
  const QString path = QFileDialog::getSaveFileName(
      this, tr("Сохранить таблицу"), tr("склеенные_компоненты.csv"), tr("Таблица CSV (*.csv)"));
  if (path.isEmpty()) return;
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      file.write(rowsText(QLatin1Char(','), false).toUtf8()) < 0) {
    showError(tr("Не удалось записать файл %1").arg(path));
  }
}
