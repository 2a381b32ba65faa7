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
#include <exception>

#include "gui/DQtAbout.h"
#include "gui/DQtPreferences.h"
#include "gui/glass_list.h"
#include "ui_DQtSynthesis.h"

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
  connect(ui->m_PB_Graph_Draw, SIGNAL(clicked()), this, SLOT(OnDrawNomo()));
  connect(ui->m_RB_Calc_All, SIGNAL(clicked()), this, SLOT(OnChooseGlasses()));
  connect(ui->m_RB_Calc_One, SIGNAL(clicked()), this, SLOT(OnChooseGlasses()));
  connect(ui->m_RB_Calc_Pair, SIGNAL(clicked()), this, SLOT(OnChooseGlasses()));

  setupInputs();
  setupResultTable();
  setupPlots();
  setupRayFan();
  ui->m_PB_Language->hide();
  ui->m_CB_Graph_Zem->hide();
  // The thermal map has no visible switch, so it can never be drawn: its empty group would only
  // take width from the other plots.
  ui->m_Group_Graph_Zem->hide();
  OnChooseGlasses();
}

DQtSynthesis::~DQtSynthesis() = default;

void DQtSynthesis::fitToScreen() {
  // The form is drawn for a large desktop; a laptop gets its available area.
  QSize size(2514, 1387);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    size = size.boundedTo(screen->availableGeometry().size());
  }
  resize(size);
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
                                                       {ui->m_LE_filter_abbemax, "70"}};
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
  // The label stays red while no catalog is loaded; grey when disabled.
  QPalette palette = ui->m_LB_GlassCatalog->palette();
  palette.setColor(QPalette::Active, QPalette::WindowText, QColor(255, 0, 0));
  palette.setColor(QPalette::Inactive, QPalette::WindowText, QColor(255, 0, 0));
  palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(120, 120, 120));
  ui->m_LB_GlassCatalog->setPalette(palette);
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
  QMessageBox::critical(this, QStringLiteral("Ошибка: "), message, QMessageBox::Ok);
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
  const QString path =
      QFileDialog::getOpenFileName(this, QStringLiteral("Файл с каталогом стекол"), QString(),
                                   QStringLiteral("Zemax Glass Catalog (*.agf)"));
  if (!path.isEmpty()) loadCatalog(path);
}

bool DQtSynthesis::loadCatalog(const QString& path) {
  synthesis::GlassCatalog loaded;
  try {
    // Read aside first: a file that fails leaves the merged catalog as it was.
    synthesis::readAgfFile(path.toStdString(), loaded);
  } catch (const std::exception& e) {
    showError(QString::fromUtf8(e.what()));
    return false;
  }
  synthesis::mergeCatalog(m_synthesis.catalog, loaded);
  m_synthesis.catalogPath = path.toStdString();
  m_catalogPaths.removeAll(path);
  m_catalogPaths << path;
  ui->m_LB_GlassCatalog->setText(QStringLiteral("Optical glasses catalog: ") +
                                 m_catalogPaths.join(QStringLiteral("; ")));
  ui->m_LB_GlassCatalog->setPalette(QPalette());
  ui->m_PB_Calc->setEnabled(true);
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
  reportUnplottable(loaded);
  return true;
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
  QMessageBox::warning(this, QStringLiteral("Каталог стекол"),
                       QStringLiteral("Показатель преломления или число Аббе не вычисляются на "
                                      "выбранных длинах волн; на диаграммах нет стекол: ") +
                           left.join(QStringLiteral(", ")));
}

void DQtSynthesis::OnChooseGlasses() {
  const bool one = ui->m_RB_Calc_One->isChecked();
  const bool pair = ui->m_RB_Calc_Pair->isChecked();
  ui->m_CB_Glass_1->setEnabled(one || pair);
  ui->m_CB_Glass_2->setEnabled(pair);
}

void DQtSynthesis::OnEdit() {
  DQtPreferences dialog(this);
  dialog.exec();
}

void DQtSynthesis::OnAbout() {
  DQtAbout dialog(this);
  dialog.exec();
}

void DQtSynthesis::OnChangeLanguage() {}
