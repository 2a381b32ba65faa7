// Drives the real main window offscreen as a user does and compares what it shows with what
// the synthesis core computes for the same inputs.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QValidator>
#include <QtTest>
#include <algorithm>

#include "gui/DQtSynthesis.h"
#include "gui/cell_format.h"
#include "gui/plot/GlassPlotView.h"
#include "gui/result_columns.h"
#include "gui/sketch_geometry.h"
#include "synthesis/doublet_aberrations.h"
#include "synthesis/doublet_quality.h"

namespace {

const QString kCatalogs = QStringLiteral(ZELT_TEST_DATA "/catalogs/");
const QString kSample = QStringLiteral(ZELT_SAMPLE_DATA "/sample_glasses.agf");

/// Answers every modal window that opens: file dialogs with the next queued path (or cancel),
/// message boxes and other dialogs by closing them; records what it saw.
class ModalAnswerer : public QObject {
 public:
  QStringList files;  ///< answers for the next file dialogs; empty: cancel
  QStringList seen;   ///< "file", "title|text" of boxes, titles of other dialogs

  ModalAnswerer() {
    connect(&m_timer, &QTimer::timeout, this, [this] { answer(); });
    m_timer.start(10);
  }

 private:
  void answer() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) return;
    if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
      seen << QStringLiteral("file");
      if (files.isEmpty()) return dialog->reject();
      // The dialog may still be listing its folder; answer again until it closes.
      dialog->selectFile(files.first());
      static_cast<QDialog*>(dialog)->accept();
      if (!dialog->isVisible()) files.removeFirst();
      return;
    }
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      seen << box->windowTitle() + QLatin1Char('|') + box->text();
      return box->accept();
    }
    seen << modal->windowTitle();
    if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
  }
  QTimer m_timer;
};

template <typename T>
T* child(DQtSynthesis& w, const char* name) {
  T* found = w.findChild<T*>(QLatin1String(name));
  if (!found) qFatal("no widget %s", name);
  return found;
}

QTableWidget* table(DQtSynthesis& w) {
  return child<QTableWidget>(w, "m_TW_ResTable");
}

void click(DQtSynthesis& w, const char* button) {
  QTest::mouseClick(child<QPushButton>(w, button), Qt::LeftButton);
}

void clickRow(DQtSynthesis& w, int row) {
  QTableWidget* t = table(w);
  QTest::mouseClick(t->viewport(), Qt::LeftButton, {}, t->visualItemRect(t->item(row, 3)).center());
}

const synthesis::DoubletResult& resultOfRow(DQtSynthesis& w, int row) {
  return const_cast<synthesis::DoubletSynthesis&>(w.core()).findResult(
      table(w)->item(row, kGlass1Column)->text().toStdString(),
      table(w)->item(row, kGlass2Column)->text().toStdString());
}

/// Opens the preferences, unchecks column `key` and closes the dialog with OK or "Отмена".
void uncheckColumn(DQtSynthesis& w, const QString& key, bool ok) {
  QTimer::singleShot(50, [key, ok] {
    QWidget* dialog = QApplication::activeModalWidget();
    QVERIFY(dialog);
    auto* list = dialog->findChild<QListWidget*>(QStringLiteral("m_LW_Columns"));
    for (int i = 0; i < list->count(); ++i) {
      if (list->item(i)->data(Qt::UserRole).toString() == key) {
        list->item(i)->setCheckState(Qt::Unchecked);
      }
    }
    const char* button = ok ? "okButton" : "cancelButton";
    QTest::mouseClick(dialog->findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
  });
  click(w, "m_PB_Edit");
}

bool fitsSmallScreen(DQtSynthesis& w) {
  return w.minimumSizeHint().width() <= 1600 && w.minimumSizeHint().height() <= 1000;
}

}  // namespace

class TestMainWindow : public QObject {
  Q_OBJECT

 private slots:
  void startsSafeThenMergedCatalogsFillTheTable();
  void unplottableGlassesStillListed();
  void clickAfterSortingShowsThatDoubletThenFailureEmptiesAll();
  void badCatalogThenEnterCopyAndZmxSave();
  void laptopScreenColumnPreferencesAndLanguage();
  void refusedInputsThinEdgesThenCatalogsRemoved();
};

void TestMainWindow::startsSafeThenMergedCatalogsFillTheTable() {
  ModalAnswerer modal;
  DQtSynthesis w;
  w.show();
  // A desktop with a comma locale must not make "7,5" acceptable in any number field.
  for (const char* name : {"m_LE_Field", "m_LE_P", "m_LE_Temp"}) {
    QString text = QStringLiteral("7,5");
    int pos = 0;
    QVERIFY(child<QLineEdit>(w, name)->validator()->validate(text, pos) != QValidator::Acceptable);
  }
  QVERIFY(fitsSmallScreen(w));
  // The start size is bounded by the screen, unless the screen is smaller than the minimum.
  const QSize screen =
      QGuiApplication::primaryScreen()->availableGeometry().size().expandedTo(w.minimumSizeHint());
  QVERIFY(w.width() <= screen.width() && w.height() <= screen.height());
  click(w, "m_PB_ZMX");  // no row: no dialog at all
  click(w, "m_PB_About");
  click(w, "m_PB_Edit");
  click(w, "m_PB_GlassCatalog");  // cancelled: nothing changes
  QCOMPARE(modal.seen, (QStringList{QStringLiteral("О программе"),
                                    QStringLiteral("Дополнительные настройки"), "file"}));
  QVERIFY(!child<QPushButton>(w, "m_PB_Calc")->isEnabled());
  const QString schott = kCatalogs + "SCHOTT_20180601.agf", ohara = kCatalogs + "OHARA.agf";
  modal.files << schott << ohara;
  click(w, "m_PB_GlassCatalog");
  click(w, "m_PB_GlassCatalog");
  QVERIFY(child<QPushButton>(w, "m_PB_Calc")->isEnabled());
  const QString label = child<QLabel>(w, "m_LB_GlassCatalog")->toolTip();
  QVERIFY(label.contains(schott) && label.contains(ohara));
  QCOMPARE(child<QComboBox>(w, "m_CB_Catalogs")->count(), 2);
  auto* box = child<QComboBox>(w, "m_CB_Glass_2");
  QCOMPARE(box->count(), int(w.core().catalog.size()));
  for (int i = 1; i < box->count(); ++i) {
    QVERIFY(box->itemText(i - 1).toStdString() < box->itemText(i).toStdString());
  }
  QVERIFY(!box->isEnabled());  // mode "all pairs"
  child<QComboBox>(w, "m_CB_GlassCount")->setCurrentText(QStringLiteral("12"));
  click(w, "m_PB_Calc");  // the table shows the core's results in the core's order
  const auto& results = w.core().results;
  QTableWidget* t = table(w);
  QVERIFY(!results.empty());
  QCOMPARE(t->rowCount(), int(results.size()));
  for (int row = 0; row < t->rowCount(); ++row) {
    const auto& r = results[row];
    const auto s = synthesis::summarize(r);
    QCOMPARE(t->item(row, kOrderColumn)->text(), QString::number(row + 1));
    QCOMPARE(t->item(row, kGlass1Column)->text().toStdString(), r.glass1.name);
    QCOMPARE(t->item(row, kGlass2Column)->text().toStdString(), r.glass2.name);
    QCOMPARE(t->item(row, r.orderB ? kGlass2Column : kGlass1Column)->background().color(),
             QColor(225, 229, 239));
    QCOMPARE(t->item(row, 3)->text(), formatNumber(s.phi1, 4));
    QCOMPARE(t->item(row, 9)->text(), formatNumber(s.longitudinal, 6));
    QCOMPARE(t->item(row, 15)->text(), formatNumber(s.thermal.value_or(std::nan("")), 6));
  }
  QTest::mouseClick(child<QRadioButton>(w, "m_RB_Calc_Pair"), Qt::LeftButton);
  QVERIFY(box->isEnabled() && child<QComboBox>(w, "m_CB_Glass_1")->isEnabled());
}

void TestMainWindow::unplottableGlassesStillListed() {
  ModalAnswerer modal;
  DQtSynthesis w;
  w.show();
  child<QComboBox>(w, "m_CB_Wavelength_min")->setCurrentIndex(0);  // i line, 365 nm
  QVERIFY(w.loadCatalog(kSample));
  QCOMPARE(modal.seen.size(), 1);
  QVERIFY(modal.seen.first().contains(QStringLiteral("N-SF57")));
  QCOMPARE(child<QComboBox>(w, "m_CB_Glass_1")->count(), int(w.core().catalog.size()));
}

void TestMainWindow::clickAfterSortingShowsThatDoubletThenFailureEmptiesAll() {
  ModalAnswerer modal;
  DQtSynthesis w;
  w.show();
  auto* fans = child<QWidget>(w, "m_W_RayFan");
  QVERIFY(w.loadCatalog(kSample));
  click(w, "m_PB_Calc");
  QVERIFY(!fans->isVisible());  // a calculation selects no row
  QTableWidget* t = table(w);
  QVERIFY(t->rowCount() > 1);
  QTest::mouseClick(t->horizontalHeader()->viewport(), Qt::LeftButton, {},
                    QPoint(t->horizontalHeader()->sectionViewportPosition(5) + 5, 5));
  for (int row = 1; row < t->rowCount(); ++row) {  // sorted by value, not by text
    const double a = t->item(row - 1, 5)->text().toDouble(), b = t->item(row, 5)->text().toDouble();
    QVERIFY(std::min(a, b) ==
            (t->horizontalHeader()->sortIndicatorOrder() == Qt::AscendingOrder ? a : b));
  }
  const int row = t->rowCount() - 1;
  clickRow(w, row);
  const auto& r = resultOfRow(w, row);
  const QString param = child<QLabel>(w, "m_qGlassParam")->text();
  QVERIFY(param.contains(QStringLiteral("<p>r<sub>1</sub>=%1</p>").arg(formatGeneral(r.r1))));
  QCOMPARE(child<QTableWidget>(w, "m_TW_Aberration")->item(0, 1)->text(),
           formatNumber(r.longitudinal[4], 6));
  QVERIFY(fans->isVisible() && fitsSmallScreen(w));

  // The ray fans hold the core's transverse tables, from the upper rim down.
  const synthesis::DoubletAberrations a = synthesis::computeDoubletAberrations(r);
  const std::pair<const char*, std::size_t> plots[] = {{"m_qFanAxis", 0}, {"m_qFanField", 4}};
  for (const auto& [name, field] : plots) {
    plot::GlassPlotView* view = plot::GlassPlotView::of(child<QWidget>(w, name));
    QCOMPARE(view->graphCount(), 3);
    for (int wave = 0; wave < 3; ++wave) {
      const std::vector<plot::PlotPoint> points = view->points(wave);
      QCOMPARE(points.size(), a.pupil.size());
      for (std::size_t j = 0; j < points.size(); ++j) {
        const std::size_t column = a.pupil.size() - 1 - j;
        QCOMPARE(points[j].x, a.pupil[column]);
        QCOMPARE(points[j].y, a.transverse[wave][field][column]);
      }
    }
  }

  // The spot diagram and the MTF plot hold the core's quality data; the table its RMS spot.
  const synthesis::DoubletQuality q = synthesis::computeDoubletQuality(r);
  plot::GlassPlotView* mtf = plot::GlassPlotView::of(child<QWidget>(w, "m_qMtf"));
  QCOMPARE(mtf->graphCount(), 7);  // T and S of three fields, the diffraction limit
  QCOMPARE(mtf->points(0).back().y, q.mtf[0].back().tangential.back());
  QCOMPARE(plot::GlassPlotView::of(child<QWidget>(w, "m_qSpot"))->graphCount(), 3 + 6);
  QCOMPARE(t->item(row, 16)->text(), formatNumber(1e3 * r.rmsAxis, 4));  // after the core's

  // The sketch paints the lenses where the sketch geometry puts them.
  QWidget* area = child<QWidget>(w, "m_qDrawArea");
  const double h = 10.0;  // pupil 20 mm
  const std::vector<SketchSurface> surfaces = {
      {r.r1, r.thickness1, h, 1.5}, {r.r2, r.thickness2, h, 1.6}, {r.r3, 0.0, h, 0.0}};
  QImage image(area->size(), QImage::Format_RGB32);
  image.fill(Qt::white);
  area->render(&image);
  const QTransform map = sketchTransform(sketchWindow(surfaces, area->size()), area->size());
  const auto colourAt = [&](double x, double y) {
    return image.pixelColor(map.map(QPointF(x, y)).toPoint());
  };
  const QColor lens(102, 209, 230);
  QCOMPARE(colourAt(r.thickness1 / 2, h / 2), lens);                  // inside the first lens
  QCOMPARE(colourAt(r.thickness1 + r.thickness2 / 2, -h / 2), lens);  // inside the second
  QVERIFY(colourAt(-0.08 * 2 * h, h / 2) != lens);                    // before the doublet

  child<QLineEdit>(w, "m_LE_P")->setText(QStringLiteral("1e300"));  // beyond every pair's P0
  click(w, "m_PB_Calc");
  QVERIFY(modal.seen.last().startsWith(
      QStringLiteral("Ошибка|Невозможно подобрать стекла для таких значений P,W,C. Целевое P₀")));
  QCOMPARE(t->rowCount(), 0);
  QVERIFY(!child<QTableWidget>(w, "m_TW_Aberration")->isVisible() && !fans->isVisible());
  QVERIFY(child<QLabel>(w, "m_qGlassParam")->text().isEmpty());
  QCOMPARE(plot::GlassPlotView::of(child<QWidget>(w, "m_qFanAxis"))->graphCount(), 0);
}

void TestMainWindow::badCatalogThenEnterCopyAndZmxSave() {
  ModalAnswerer modal;
  DQtSynthesis w;
  w.show();
  QTest::keyClick(child<QLineEdit>(w, "m_LE_W"), Qt::Key_Return);  // no catalog: nothing
  QCOMPARE(table(w)->rowCount(), 0);
  QVERIFY(w.loadCatalog(kSample));
  const auto before = w.core().catalog.size();
  const QString label = child<QLabel>(w, "m_LB_GlassCatalog")->toolTip();
  QVERIFY(!w.loadCatalog(kCatalogs + "no_such_file.agf"));
  QCOMPARE(modal.seen,
           QStringList{"Ошибка|Каталог no_such_file.agf не загружен: Файл c данными оптических "
                       "стекол отсутствует"});
  QCOMPARE(w.core().catalog.size(), before);
  QCOMPARE(child<QLabel>(w, "m_LB_GlassCatalog")->toolTip(), label);

  QVERIFY(w.loadCatalog(kCatalogs + "OHARA.agf"));
  QTest::mouseClick(child<QRadioButton>(w, "m_RB_Calc_Pair"), Qt::LeftButton);
  child<QComboBox>(w, "m_CB_Glass_1")->setCurrentText(QStringLiteral("N-BK7"));
  child<QComboBox>(w, "m_CB_Glass_2")->setCurrentText(QStringLiteral("S-TIM2"));
  child<QLineEdit>(w, "m_LE_W")->setFocus();
  QTest::keyClick(child<QLineEdit>(w, "m_LE_W"), Qt::Key_Return);
  QTableWidget* t = table(w);
  QCOMPARE(t->rowCount(), 1);
  t->selectRow(0);
  t->setFocus();
  QTest::keyClick(t, Qt::Key_C, Qt::ControlModifier);
  const QStringList lines = QApplication::clipboard()->text().split('\n', Qt::SkipEmptyParts);
  QCOMPARE(lines.size(), 2);
  QVERIFY(lines[0].startsWith(QStringLiteral("№\tстекло 1\tстекло 2\t")));
  QCOMPARE(lines[1].section('\t', 1, 1), t->item(0, kGlass1Column)->text());
  QCOMPARE(lines[1].count('\t'), t->columnCount() - 1);  // every column, none hidden

  clickRow(w, 0);
  click(w, "m_PB_ZMX");  // cancelled: no file, no error
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("doublet.zmx"));
  modal.files << path;
  click(w, "m_PB_ZMX");
  QCOMPARE(modal.seen.mid(1), (QStringList{"file", "file"}));  // the dialogs only, no error box
  QFile file(path);
  QVERIFY(file.open(QIODevice::ReadOnly));
  const QByteArray text = file.readAll().toUpper();
  const int gcat = text.indexOf("GCAT");
  const QByteArray gcatLine = text.mid(gcat, text.indexOf('\n', gcat) - gcat);
  QVERIFY2(gcatLine.contains("SAMPLE_GLASSES") && gcatLine.contains("OHARA"), gcatLine.data());
  QVERIFY(text.contains("GLAS N-BK7") && text.contains("GLAS S-TIM2"));
}

void TestMainWindow::laptopScreenColumnPreferencesAndLanguage() {
  // A 1366 × 768 screen less a title bar: everything reachable, eight rows in sight.
  DQtSynthesis w;
  w.resize(1366, 720);
  w.show();
  QVERIFY(w.minimumSizeHint().width() <= 1366 && w.minimumSizeHint().height() <= 720);
  QVERIFY(w.loadSampleCatalog());
  QVERIFY(child<QLabel>(w, "m_LB_GlassCatalog")->text().startsWith(QStringLiteral("Пример")));
  child<QComboBox>(w, "m_CB_GlassCount")->setCurrentText(QStringLiteral("12"));
  click(w, "m_PB_Calc");
  QTableWidget* t = table(w);
  QVERIFY(t->rowCount() >= 8);
  QVERIFY(t->rowAt(t->viewport()->height() - 1) >= 7 || t->rowAt(t->viewport()->height() - 1) < 0);
  for (const char* name : {"m_PB_Calc", "m_PB_ZMX", "m_PB_Edit", "m_PB_Language"}) {
    auto* button = child<QPushButton>(w, name);
    QVERIFY2(w.rect().contains(QRect(button->mapTo(&w, QPoint()), button->size())), name);
  }

  // The column preferences: "Отмена" changes nothing, OK hides the column, also in the copy.
  const int coma =
      int(std::find_if(resultColumns().begin(), resultColumns().end(),
                       [](const ResultColumn& c) { return c.key == std::string("coma"); }) -
          resultColumns().begin());
  uncheckColumn(w, QStringLiteral("coma"), false);
  QVERIFY(!t->isColumnHidden(coma));
  uncheckColumn(w, QStringLiteral("coma"), true);
  QVERIFY(t->isColumnHidden(coma));
  t->selectRow(0);
  t->setFocus();
  QTest::keyClick(t, Qt::Key_C, Qt::ControlModifier);
  const QString copied = QApplication::clipboard()->text();
  QVERIFY(!copied.contains(QStringLiteral("кома")) && copied.contains(QStringLiteral("вторичный")));

  // At 80° rays are lost at full field: the axis fan stays, the field fan says which zone.
  child<QLineEdit>(w, "m_LE_Field")->setText(QStringLiteral("80"));
  click(w, "m_PB_Calc");
  clickRow(w, 0);
  QCOMPARE(plot::GlassPlotView::of(child<QWidget>(w, "m_qFanAxis"))->graphCount(), 3);
  const QString lost = child<QWidget>(w, "m_qFanField")->toolTip();
  QVERIFY(lost.startsWith(QStringLiteral("На поле ω = 80° потеряны лучи: ")));
  QVERIFY(plot::GlassPlotView::of(child<QWidget>(w, "m_qFanField"))
              ->title()
              .contains(QStringLiteral("на 80° лучи потеряны")));

  // English and back at any time; the hidden column stays hidden.
  click(w, "m_PB_Language");
  QTRY_COMPARE(w.windowTitle(), QStringLiteral("Cemented doublet synthesis"));
  QCOMPARE(child<QPushButton>(w, "m_PB_Calc")->text(), QStringLiteral("Calculate"));
  QCOMPARE(t->horizontalHeaderItem(kGlass1Column)->text(), QStringLiteral("glass 1"));
  QVERIFY(t->isColumnHidden(coma) && t->rowCount() >= 8);
  click(w, "m_PB_Language");
  QTRY_COMPARE(w.windowTitle(), QStringLiteral("Синтез склеенного компонента"));
  QCOMPARE(t->horizontalHeaderItem(kGlass1Column)->text(), QStringLiteral("стекло 1"));
}

void TestMainWindow::refusedInputsThinEdgesThenCatalogsRemoved() {
  ModalAnswerer modal;
  DQtSynthesis w;
  w.show();
  QVERIFY(w.loadCatalog(kSample));
  const int sample = child<QComboBox>(w, "m_CB_Glass_1")->count();
  click(w, "m_PB_Calc");
  QTableWidget* t = table(w);
  QVERIFY(t->rowCount() > 1);
  clickRow(w, 1);
  // A refused input keeps the table and the selected doublet.
  const QString shown = child<QLabel>(w, "m_qGlassParam")->text();
  const QString rows = t->item(0, 0)->text() + t->item(1, 3)->text();
  const std::pair<const char*, const char*> refusals[] = {{"m_LE_focus", ""},
                                                          {"m_LE_Pupil", "0"},
                                                          {"m_LE_filter_nmin", "1.9"},
                                                          {"m_LE_filter_cost", "abc"}};
  for (const auto& [name, text] : refusals) {
    auto* field = child<QLineEdit>(w, name);
    const QString kept = field->text();
    field->setText(QString::fromUtf8(text));
    click(w, "m_PB_Calc");
    field->setText(kept);
    QCOMPARE(t->rowCount(), 4);
    QCOMPARE(t->item(0, 0)->text() + t->item(1, 3)->text(), rows);
    QCOMPARE(child<QLabel>(w, "m_qGlassParam")->text(), shown);
  }
  QCOMPARE(modal.seen.size(), 4);
  QCOMPARE(modal.seen[0], QStringLiteral("Ошибка|«Заднее фокусное расстояние f′ [мм]»: поле "
                                         "пусто или не число; допустимо конечное число, не "
                                         "равное 0."));
  QVERIFY(modal.seen[1].contains(QStringLiteral("«Диаметр зрачка D [мм]» = 0")));
  QVERIFY(modal.seen[2].contains(QStringLiteral("Фильтр «показатель преломления n»")));
  QVERIFY(modal.seen[3].contains(QStringLiteral("«Фильтр: стоимость, не дороже»: поле пусто")));
  // A cost cheaper than every glass: the search is empty and names the filter.
  auto* cost = child<QLineEdit>(w, "m_LE_filter_cost");
  const QString anyCost = cost->text();
  cost->setText(QStringLiteral("0.5"));
  click(w, "m_PB_Calc");
  cost->setText(anyCost);
  QCOMPARE(modal.seen.size(), 5);
  QVERIFY(modal.seen[4].contains(QStringLiteral("фильтр стоимости")));
  QCOMPARE(t->rowCount(), 0);

  // Thin edges are marked, then the thicknesses are fitted to the minimum edge.
  child<QLineEdit>(w, "m_LE_Pupil")->setText(QStringLiteral("40"));
  child<QLineEdit>(w, "m_LE_MinEdge")->setText(QStringLiteral("1.5"));
  click(w, "m_PB_Calc");
  QCOMPARE(t->rowCount(), 4);
  for (int row = 0; row < t->rowCount(); ++row) {
    const std::string warning = synthesis::edgeWarning(resultOfRow(w, row));
    QVERIFY(!warning.empty());
    QCOMPARE(t->item(row, 5)->toolTip(), QString::fromStdString(warning));
    QVERIFY(t->item(row, 5)->background().color() !=
            t->item(row, kGlass1Column)->background().color());
  }
  auto* count = child<QLabel>(w, "m_LB_EdgeCount");
  QCOMPARE(count->text(), QStringLiteral("Склеек с краем тоньше 1.5 мм (выделены): 4 из 4."));
  child<QCheckBox>(w, "m_CB_EdgeThickness")->setChecked(true);
  click(w, "m_PB_Calc");
  QCOMPARE(count->text(), QStringLiteral("Толщина по краю не меньше 1.5 мм у всех склеек."));
  QVERIFY(t->item(0, 5)->toolTip().isEmpty());

  // Removing the chosen file merges the rest anew; removing the last leaves nothing to choose.
  QVERIFY(w.loadCatalog(kCatalogs + "OHARA.agf"));
  QVERIFY(child<QComboBox>(w, "m_CB_Glass_1")->count() > sample);
  click(w, "m_PB_RemoveCatalog");
  QCOMPARE(child<QComboBox>(w, "m_CB_Glass_1")->count(), sample);
  QCOMPARE(int(w.core().catalog.size()), sample);
  click(w, "m_PB_RemoveCatalog");
  QVERIFY(w.core().catalog.empty() && child<QComboBox>(w, "m_CB_Glass_2")->count() == 0);
  QVERIFY(!child<QPushButton>(w, "m_PB_Calc")->isEnabled());
  QVERIFY(!child<QPushButton>(w, "m_PB_RemoveCatalog")->isEnabled());
  QCOMPARE(modal.seen.size(), 5);  // no message from the edges or the removals
}

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
