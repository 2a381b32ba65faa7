// Main window: the calculation, the result table, the selected doublet and its ZMX file.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <cmath>
#include <exception>

#include "gui/DQtSynthesis.h"
#include "gui/cell_format.h"
#include "ui_DQtSynthesis.h"

namespace {

constexpr int kColumnCount = 15;
const QColor kCrownColour(225, 229, 239);
const QColor kFlintColour(163, 175, 208);

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
  // The image quality columns follow the form's columns.
  const QStringList quality{tr("RMS ось, мкм"), tr("RMS поле, мкм"), tr("WFE, λ"),
                            tr("Штрель"),       tr("s′, мм"),        tr("RMS ось до доводки, мкм")};
  table->setColumnCount(kColumnCount + int(quality.size()));
  for (int k = 0; k < quality.size(); ++k)
    table->setHorizontalHeaderItem(kColumnCount + k, new QTableWidgetItem(quality[k]));
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  connect(table->horizontalHeader(), &QHeaderView::sectionClicked, this,
          [this] { m_userSorted = true; });
  auto* copy = new QAction(QStringLiteral("Копировать"), table);
  copy->setShortcut(QKeySequence::Copy);
  copy->setShortcutContext(Qt::WidgetShortcut);
  connect(copy, &QAction::triggered, this, [this] { copySelectedRows(); });
  auto* save = new QAction(QStringLiteral("Сохранить как CSV…"), table);
  connect(save, &QAction::triggered, this, [this] { saveTableCsv(); });
  table->addActions({copy, save});
  table->setContextMenuPolicy(Qt::ActionsContextMenu);
  table->installEventFilter(this);  // the view's own Ctrl+C copies one cell only
  ui->m_TW_Aberration->hide();
  ui->m_LB_Aberration->hide();
}

synthesis::CalculationInputs DQtSynthesis::readInputs() const {
  synthesis::CalculationInputs in;
  in.P = readNumber(ui->m_LE_P);
  in.W = readNumber(ui->m_LE_W);
  in.C = readNumber(ui->m_LE_C);
  in.focus = readNumber(ui->m_LE_focus);
  const plot::SpectralLines lines = selectedLines();
  in.lambda0 = lines.main;
  in.lambdaMin = lines.min;
  in.lambdaMax = lines.max;
  in.pairCount = ui->m_CB_GlassCount->currentText().toInt();
  in.design = {readNumber(ui->m_LE_Thickness1),
               readNumber(ui->m_LE_Thickness2),
               readNumber(ui->m_LE_Pupil),
               readNumber(ui->m_LE_Field),
               {readNumber(ui->m_LE_Temp), readNumber(ui->m_LE_Press),
                ui->m_CB_NAir->checkState() != Qt::Unchecked}};
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
    in.ranges[0] = readNumber(ui->m_LE_filter_nmin);
    in.ranges[1] = readNumber(ui->m_LE_filter_nmax);
  }
  if (in.abbeFilter) {
    in.ranges[2] = readNumber(ui->m_LE_filter_abbemin);
    in.ranges[3] = readNumber(ui->m_LE_filter_abbemax);
  }
  return in;
}

void DQtSynthesis::OnCalc() {
  setCursor(Qt::WaitCursor);
  QTableWidget* table = ui->m_TW_ResTable;
  table->setSortingEnabled(false);
  try {
    const synthesis::CalculationInputs inputs = readInputs();
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
    table->setItem(row, 0, nameItem(r.glass1.name, r.orderB ? kFlintColour : kCrownColour));
    table->setItem(row, 1, nameItem(r.glass2.name, r.orderB ? kCrownColour : kFlintColour));
    const auto numbers = s.columns();
    for (int k = 0; k < kColumnCount - 2; ++k) {
      table->setItem(row, k + 2, new NumberItem(numbers[k].value_or(std::nan("")), k < 2 ? 4 : 6));
    }
    // Spots in micrometres here; the files keep millimetres.
    const double quality[] = {1e3 * s.rmsAxis, 1e3 * s.rmsField, s.wfeRms,
                              s.strehl,        s.imageDistance,  1e3 * s.rmsAxisStart};
    for (int k = 0; k < 6; ++k)
      table->setItem(row, kColumnCount + k, new NumberItem(quality[k], k == 4 ? 6 : 4));
  }
}

const synthesis::DoubletResult* DQtSynthesis::selectedResult() {
  const QTableWidget* table = ui->m_TW_ResTable;
  const int row = table->currentRow();
  if (row < 0 || !table->item(row, 0) || !table->item(row, 1)) return nullptr;
  try {
    // The table may be sorted: only the two names identify the doublet.
    return &m_synthesis.findResult(table->item(row, 0)->text().toStdString(),
                                   table->item(row, 1)->text().toStdString());
  } catch (const std::exception&) {
    return nullptr;
  }
}

void DQtSynthesis::OnChangeLens() {
  ui->m_qDrawArea->repaint();
  const synthesis::DoubletResult* result = selectedResult();
  if (result) {
    showSelected(*result);
  } else {
    hideSelected();
  }
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
  const plot::SpectralLines lines = selectedLines();
  const auto ne = [](const synthesis::GlassRecord& g) {
    return formatGeneral(valueOrNaN([&] { return g.index(0.546074); }));
  };
  const auto nu = [&](const synthesis::GlassRecord& g) {
    return formatGeneral(
        valueOrNaN([&] { return g.abbeNumber(lines.main, lines.min, lines.max); }));
  };
  const QString name1 = QString::fromStdString(r.glass1.name);
  const QString name2 = QString::fromStdString(r.glass2.name);
  QString text = QStringLiteral("<p>%1: n<sub>e</sub>=%2").arg(name1, ne(r.glass1));
  text += QStringLiteral("<p>%1: &nu;<sub>e</sub>=%2</p>").arg(name1, nu(r.glass1));
  text += QStringLiteral("<p>%1: n<sub>e</sub>=%2</p>").arg(name2, ne(r.glass2));
  text += QStringLiteral("<p>%1: &nu;<sub>e</sub>=%2</p><br>").arg(name2, nu(r.glass2));
  text += QStringLiteral("<p>r<sub>1</sub>=%1</p>").arg(formatGeneral(r.r1));
  text += QStringLiteral("<p>r<sub>2</sub>=%1</p>").arg(formatGeneral(r.r2));
  text += QStringLiteral("<p>r<sub>3</sub>=%1</p>").arg(formatGeneral(r.r3));
  ui->m_qGlassParam->setText(text);
  showRayFan(r);
}

void DQtSynthesis::OnCalcThickness() {
  ui->m_LE_Thickness2->setText(
      formatGeneral(synthesis::defaultThickness(readNumber(ui->m_LE_Pupil))));
}

void DQtSynthesis::OnZMX() {
  const synthesis::DoubletResult* result = selectedResult();
  if (!result) return;
  const QString path =
      QFileDialog::getSaveFileName(this, QStringLiteral("Имя файла ZMX"),
                                   QStringLiteral("untitled.zmx"), QStringLiteral("Zemax (*.zmx)"));
  if (path.isEmpty()) return;
  try {
    // The GCAT line names the catalogs the two glasses came from, several loaded or one.
    synthesis::saveDoubletZmx(*result, path.toStdString());
  } catch (const std::exception& e) {
    showError(QString::fromUtf8(e.what()));
  }
}

QString DQtSynthesis::rowsText(QChar separator, bool selectedOnly) const {
  const QTableWidget* table = ui->m_TW_ResTable;
  QStringList headers;
  for (int col = 0; col < table->columnCount(); ++col) {
    headers << table->horizontalHeaderItem(col)->text();
  }
  std::vector<QStringList> rows;
  for (int row = 0; row < table->rowCount(); ++row) {
    if (selectedOnly && !table->selectionModel()->isRowSelected(row, QModelIndex())) continue;
    QStringList cells;
    for (int col = 0; col < table->columnCount(); ++col) {
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
  const QString path =
      QFileDialog::getSaveFileName(this, QStringLiteral("Сохранить таблицу"),
                                   QStringLiteral("doublets.csv"), QStringLiteral("CSV (*.csv)"));
  if (path.isEmpty()) return;
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      file.write(rowsText(QLatin1Char(','), false).toUtf8()) < 0) {
    showError(QStringLiteral("Не удалось записать файл ") + path);
  }
}
