// Main window: construction, inputs, catalog choice and the two small dialogs.
#include "gui/DQtSynthesis.h"

#include <QAction>
#include <QCheckBox>
#include <QDoubleValidator>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QScreen>
#include <QScrollBar>
#include <exception>

#include "gui/DQtAbout.h"
#include "gui/DQtPreferences.h"
#include "gui/glass_list.h"
#include "gui/language.h"
#include "gui/result_columns.h"
#include "ui_DQtSynthesis.h"

namespace {

constexpr const char* kSampleCatalog = "sample_glasses.agf";

/// Returns the sample catalog beside the program, in the share folder of an installed program,
/// or in the source's data folder of a build; empty when there is none.
QString sampleCatalogPath() {
  const QString program = QCoreApplication::applicationDirPath();
  const QString candidates[] = {
      program + QLatin1Char('/') + QLatin1String(kSampleCatalog),
      program + QStringLiteral("/../share/doublet_synth/") + QLatin1String(kSampleCatalog),
      QStringLiteral(ZELT_SAMPLE_CATALOG_DIR "/") + QLatin1String(kSampleCatalog)};
  for (const QString& path : candidates) {
    if (QFileInfo(path).isFile()) return QFileInfo(path).canonicalFilePath();
  }
  return {};
}

}  // namespace

DQtSynthesis::DQtSynthesis(QWidget* parent) : QDialog(parent), ui(new Ui::DQtSynthesis) {
  ui->setupUi(this);
  setWindowFlags(windowFlags() | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);
  fitToScreen();
  ui->m_qDrawArea->installEventFilter(this);

  connect(ui->m_PB_Calc, SIGNAL(clicked()), this, SLOT(OnCalc()));
  connect(ui->m_PB_CalcThickness, SIGNAL(clicked()), this, SLOT(OnCalcThickness()));
  connect(ui->m_PB_Edit, SIGNAL(clicked()), this, SLOT(OnEdit()));
  connect(ui->m_PB_Language, SIGNAL(clicked()), this, SLOT(OnChangeLanguage()));
  connect(ui->m_TW_ResTable, SIGNAL(cellClicked(int, int)), this, SLOT(OnChangeLens()));
  connect(ui->m_PB_ZMX, SIGNAL(clicked()), this, SLOT(OnZMX()));
  connect(ui->m_PB_About, SIGNAL(clicked()), this, SLOT(OnAbout()));
  connect(ui->m_PB_GlassCatalog, SIGNAL(clicked()), this, SLOT(OnChooseGlassCatalog()));
  connect(ui->m_PB_RemoveCatalog, SIGNAL(clicked()), this, SLOT(OnRemoveCatalog()));
  connect(ui->m_PB_Graph_Draw, SIGNAL(clicked()), this, SLOT(OnDrawNomo()));
  connect(ui->m_RB_Calc_All, SIGNAL(clicked()), this, SLOT(OnChooseGlasses()));
  connect(ui->m_RB_Calc_One, SIGNAL(clicked()), this, SLOT(OnChooseGlasses()));
  connect(ui->m_RB_Calc_Pair, SIGNAL(clicked()), this, SLOT(OnChooseGlasses()));

  setupInputs();
  setupResultTable();
  setupPlots();
  setupRayFan();
  setupSplitters();
  ui->m_CB_Graph_Zem->hide();
  // The thermal map has no visible switch, so it can never be drawn: its empty group would only
  // take width from the other plots.
  ui->m_Group_Graph_Zem->hide();
  OnChooseGlasses();
}

DQtSynthesis::~DQtSynthesis() = default;

void DQtSynthesis::fitToScreen() {
  // The whole available area, less room for the window manager's frame and title bar.
  QSize size(2514, 1387);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    size = size.boundedTo(screen->availableGeometry().size() - QSize(16, 48));
  }
  resize(size.expandedTo(minimumSizeHint()));
}

void DQtSynthesis::setupSplitters() {
  // The inputs keep their width (no horizontal scrolling), the tabs take the rest; the table
  // and the selected doublet share the height.
  QScrollArea* inputs = ui->m_Scroll_Inputs;
  inputs->setMinimumWidth(ui->m_W_Inputs->minimumSizeHint().width() +
                          inputs->verticalScrollBar()->sizeHint().width());
  ui->m_Splitter_Main->setStretchFactor(0, 0);
  ui->m_Splitter_Main->setStretchFactor(1, 1);
  ui->m_Splitter_Results->setStretchFactor(0, 3);
  ui->m_Splitter_Results->setStretchFactor(1, 2);
  ui->m_scrollGlassParam->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ui->m_scrollGlassParam->setMinimumHeight(fontMetrics().lineSpacing() * 13);
  // The per-pupil table shows all its rows: its height is that of its header and rows.
  QTableWidget* aberrations = ui->m_TW_Aberration;
  aberrations->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
  aberrations->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  aberrations->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  aberrations->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
  aberrations->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
}

void DQtSynthesis::setupInputs() {
  // One C-locale validator for every number field: a point is the decimal mark everywhere,
  // whatever the desktop's language, and the text always reads back with toDouble.
  m_validator = new QDoubleValidator(this);
  QLocale c(QLocale::C);
  c.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
  m_validator->setLocale(c);
  const std::pair<QLineEdit*, const char*> fields[] = {{ui->m_LE_P, "0.0"},
                                                       {ui->m_LE_W, "0.0"},
                                                       {ui->m_LE_C, "0.0"},
                                                       {ui->m_LE_Thickness1, "5.0"},
                                                       {ui->m_LE_Thickness2, "3.0"},
                                                       {ui->m_LE_Pupil, "20.0"},
                                                       {ui->m_LE_focus, "100.0"},
                                                       {ui->m_LE_Field, "5"},
                                                       {ui->m_LE_Temp, "20.0"},
                                                       {ui->m_LE_Press, "1.0"},
                                                       {ui->m_LE_filter_nmin, "1.4"},
                                                       {ui->m_LE_filter_nmax, "1.8"},
                                                       {ui->m_LE_filter_abbemin, "20"},
                                                       {ui->m_LE_filter_abbemax, "70"},
                                                       {ui->m_LE_MinEdge, "1.0"},
                                                       {ui->m_LE_filter_cost, ""},
                                                       {ui->m_LE_filter_cr, ""},
                                                       {ui->m_LE_filter_fr, ""},
                                                       {ui->m_LE_filter_sr, ""},
                                                       {ui->m_LE_filter_ar, ""},
                                                       {ui->m_LE_filter_pr, ""},
                                                       {ui->m_LE_filter_t10, ""}};
  for (const auto& [field, text] : fields) {
    field->setValidator(m_validator);
    field->setText(QString::fromLatin1(text));
  }
  for (QLineEdit* range : ui->tabWidget->widget(1)->findChildren<QLineEdit*>()) {
    range->setValidator(m_validator);
  }
  for (const auto& line : synthesis::spectralLines()) m_wavelengths.push_back(line.wavelength);
  ui->m_CB_Wavelength_main->setCurrentIndex(synthesis::kDefaultMainLine);
  ui->m_CB_Wavelength_min->setCurrentIndex(synthesis::kDefaultMinLine);
  ui->m_CB_Wavelength_max->setCurrentIndex(synthesis::kDefaultMaxLine);
  ui->m_CB_NAir->setChecked(false);
  ui->tabWidget->setCurrentIndex(0);
  // The main button: Enter in any field presses it, and it reads as the one to press.
  QFont calcFont = ui->m_PB_Calc->font();
  calcFont.setBold(true);
  calcFont.setPointSizeF(calcFont.pointSizeF() * 1.15);
  ui->m_PB_Calc->setFont(calcFont);
  ui->m_PB_Calc->setMinimumHeight(ui->m_PB_Calc->sizeHint().height() * 3 / 2);
  ui->m_PB_Calc->setDefault(true);
  ui->m_PB_RemoveCatalog->setEnabled(false);
  showCatalogs();
}

double DQtSynthesis::readNumber(const QLineEdit* field) const {
  bool ok = false;
  const double value = field->text().toDouble(&ok);
  return ok ? value : 0.0;
}

plot::SpectralLines DQtSynthesis::selectedLines() const {
  const auto at = [this](const QComboBox* box) {
    const int index = box->currentIndex();
    return index >= 0 && std::size_t(index) < m_wavelengths.size() ? m_wavelengths[index]
                                                                   : m_wavelengths.front();
  };
  return {at(ui->m_CB_Wavelength_main), at(ui->m_CB_Wavelength_min), at(ui->m_CB_Wavelength_max)};
}

std::array<QCheckBox*, synthesis::kGlassStatusCount> DQtSynthesis::statusSwitches() const {
  return {ui->m_CB_Status_Standard, ui->m_CB_Status_Preferred, ui->m_CB_Status_Obsolete,
          ui->m_CB_Status_Special, ui->m_CB_Status_Melt};
}

void DQtSynthesis::showError(const QString& message) {
  QMessageBox::critical(this, tr("Ошибка"), message, QMessageBox::Ok);
}

void DQtSynthesis::keyPressEvent(QKeyEvent* event) {
  // Escape would reject the dialog, that is close the program with its results.
  if (event->key() == Qt::Key_Escape) {
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

void DQtSynthesis::OnChooseGlassCatalog() {
  const QString path = QFileDialog::getOpenFileName(this, tr("Файл с каталогом стекол"), QString(),
                                                    tr("Каталог стекол AGF (*.agf *.AGF)"));
  if (!path.isEmpty()) loadCatalog(path);
}

bool DQtSynthesis::loadSampleCatalog() {
  const QString path = sampleCatalogPath();
  if (path.isEmpty() || !loadCatalog(path)) return false;
  m_samplePath = path;
  showCatalogs();
  return true;
}

bool DQtSynthesis::loadCatalog(const QString& path) {
  synthesis::GlassCatalog loaded;
  try {
    // Read aside first: a file that fails leaves the merged catalog as it was.
    synthesis::readAgfFile(path.toStdString(), loaded);
  } catch (const std::exception& e) {
    showError(tr("Каталог %1 не загружен: %2")
                  .arg(QFileInfo(path).fileName(), QString::fromUtf8(e.what())));
    return false;
  }
  synthesis::mergeCatalog(m_synthesis.catalog, loaded);
  m_synthesis.catalogPath = path.toStdString();
  const int again = int(m_catalogPaths.indexOf(path));
  if (again >= 0) {
    m_catalogPaths.removeAt(again);
    m_catalogFiles.erase(m_catalogFiles.begin() + again);
  }
  m_catalogPaths << path;
  m_catalogFiles.push_back(loaded);
  showMergedCatalog();
  reportUnplottable(loaded);
  return true;
}

void DQtSynthesis::OnRemoveCatalog() {
  const int index = ui->m_CB_Catalogs->currentIndex();
  if (index < 0 || index >= int(m_catalogPaths.size())) return;
  if (m_catalogPaths[index] == m_samplePath) m_samplePath.clear();
  m_catalogPaths.removeAt(index);
  m_catalogFiles.erase(m_catalogFiles.begin() + index);
  // The others are merged anew in their reading order: a glass the removed file replaced
  // comes back as its own catalog gave it.
  m_synthesis.catalog.clear();
  for (const synthesis::GlassCatalog& file : m_catalogFiles) {
    synthesis::mergeCatalog(m_synthesis.catalog, file);
  }
  m_synthesis.catalogPath =
      m_catalogPaths.isEmpty() ? std::string() : m_catalogPaths.last().toStdString();
  showMergedCatalog();
}

void DQtSynthesis::showMergedCatalog() {
  showCatalogs();
  ui->m_PB_Calc->setEnabled(!m_synthesis.catalog.empty());
  ui->m_PB_RemoveCatalog->setEnabled(!m_catalogPaths.isEmpty());
  const plot::SpectralLines lines = selectedLines();
  m_synthesis.lambda0 = lines.main;
  m_synthesis.lambdaMin = lines.min;
  m_synthesis.lambdaMax = lines.max;
  fillGlassBoxes();
  OnChooseGlasses();
  try {
    OnDrawNomo();
  } catch (const std::exception& e) {
    showError(QString::fromUtf8(e.what()));
  }
}

void DQtSynthesis::showCatalogs() {
  // One line whatever the number of catalogs: the files are in the drop-down and the tooltip.
  QComboBox* box = ui->m_CB_Catalogs;
  box->clear();
  for (const QString& path : m_catalogPaths) {
    box->addItem(QFileInfo(path).fileName(), path);
    box->setItemData(box->count() - 1, path, Qt::ToolTipRole);
  }
  box->setCurrentIndex(box->count() - 1);
  QStringList lines = m_catalogPaths;
  const int sample = lines.indexOf(m_samplePath);
  if (sample >= 0) lines[sample] += tr(" (пример, входит в программу)");
  box->setToolTip(lines.join(QLatin1Char('\n')));
  QLabel* label = ui->m_LB_GlassCatalog;
  if (m_catalogPaths.isEmpty()) {
    // The label stays red while no catalog is loaded; grey when disabled.
    QPalette palette = label->palette();
    palette.setColor(QPalette::Active, QPalette::WindowText, QColor(255, 0, 0));
    palette.setColor(QPalette::Inactive, QPalette::WindowText, QColor(255, 0, 0));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(120, 120, 120));
    label->setPalette(palette);
    label->setText(tr("Каталог стекол не выбран!"));
    label->setToolTip(QString());
    return;
  }
  if (m_catalogPaths == QStringList{m_samplePath}) {
    label->setText(tr("Пример: %1 стекол из каталога SCHOTT").arg(m_synthesis.catalog.size()));
  } else {
    label->setText(
        tr("Каталогов: %1, стекол: %2").arg(m_catalogPaths.size()).arg(m_synthesis.catalog.size()));
  }
  label->setToolTip(box->toolTip());
  label->setPalette(QPalette());
}

void DQtSynthesis::fillGlassBoxes() {
  // The merged catalog lists each name once: refill rather than append.
  const QStringList names = glassNames(m_synthesis.catalog);
  for (QComboBox* box : {ui->m_CB_Glass_1, ui->m_CB_Glass_2}) {
    const QString current = box->currentText();
    box->clear();
    box->addItems(names);
    if (names.contains(current)) box->setCurrentText(current);
  }
}

void DQtSynthesis::reportUnplottable(const synthesis::GlassCatalog& loaded) {
  const QStringList left = glassesWithoutIndices(loaded, m_synthesis.lambda0, m_synthesis.lambdaMin,
                                                 m_synthesis.lambdaMax);
  if (left.isEmpty()) return;
  QMessageBox::warning(this, tr("Каталог стекол"),
                       tr("Показатель преломления или число Аббе не вычисляются на выбранных "
                          "длинах волн; на диаграммах нет стекол: %1")
                           .arg(left.join(QStringLiteral(", "))));
}

void DQtSynthesis::OnChooseGlasses() {
  const bool one = ui->m_RB_Calc_One->isChecked();
  const bool pair = ui->m_RB_Calc_Pair->isChecked();
  ui->m_CB_Glass_1->setEnabled(one || pair);
  ui->m_CB_Glass_2->setEnabled(pair);
}

void DQtSynthesis::OnEdit() {
  DQtPreferences dialog(this);
  QStringList keys, headers;
  for (const ResultColumn& column : resultColumns()) {
    keys << QLatin1String(column.key);
    headers << columnHeader(column);
  }
  dialog.setColumns(keys, headers, m_hiddenColumns);
  if (dialog.exec() == QDialog::Accepted) setHiddenColumns(dialog.hiddenColumns());
}

void DQtSynthesis::OnAbout() {
  DQtAbout dialog(this);
  dialog.exec();
}

void DQtSynthesis::OnChangeLanguage() {
  // Every widget gets a language-change event; changeEvent sets the texts anew.
  setLanguage(currentLanguage() == Language::Russian ? Language::English : Language::Russian);
}

void DQtSynthesis::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) retranslate();
  QDialog::changeEvent(event);
}

void DQtSynthesis::retranslate() {
  ui->retranslateUi(this);
  applyColumnHeaders();
  retranslatePlots();
  m_plotDataKey.clear();  // the glasses' tooltips are written in the language of their time
  showCatalogs();
  OnChangeLens();  // the glass panel and the fans of the selected doublet
  try {
    if (!m_synthesis.catalog.empty()) OnDrawNomo();
  } catch (const std::exception&) {
    // The diagrams keep their old texts; the next redraw reports the failure.
  }
}
