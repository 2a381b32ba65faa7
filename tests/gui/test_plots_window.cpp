// The second tab of the real window, offscreen: which plots show, what they hold against the
// filter and the plot data, automatic ranges and the chosen pair with its construction lines.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "gui/DQtSynthesis.h"
#include "gui/plot/GlassPlotView.h"
#include "gui/plot/PlotTable.h"

using plot::GlassPlotView;

namespace {

const QString kSchott = QStringLiteral(ZELT_TEST_DATA "/catalogs/SCHOTT.AGF");

template <typename T>
T* child(QObject& w, const char* name) {
  T* found = w.findChild<T*>(QLatin1String(name));
  if (!found) qFatal("no widget %s", name);
  return found;
}

GlassPlotView& view(QObject& w, plot::PlotKind kind) {
  return *GlassPlotView::of(child<QWidget>(w, plot::plotTable()[kind].plot));
}

void check(QObject& w, const char* name, bool on) {
  child<QCheckBox>(w, name)->setChecked(on);
}

void redraw(QObject& w) {
  QTest::mouseClick(child<QPushButton>(w, "m_PB_Graph_Draw"), Qt::LeftButton);
}

// The plot data the window should draw: the core's catalog at the lines chosen now.
plot::GlassPlotData expectedData(DQtSynthesis& w, double main, double min, double max) {
  plot::GlassPlotData data;
  plot::fillPlotData(data, w.core().catalog, {main, min, max});
  return data;
}

}  // namespace

class TestPlotsWindow : public QObject {
  Q_OBJECT

 private slots:
  void abbeDiagramOfTheFilteredGlassesThenEveryPlot();
  void redrawFollowsTheLinesAndTheFilter();
  void chosenPairAndConstructionLines();
};

void TestPlotsWindow::abbeDiagramOfTheFilteredGlassesThenEveryPlot() {
  DQtSynthesis w;
  QVERIFY(w.loadCatalog(kSchott));
  QVERIFY(!child<QWidget>(w, "m_Group_Graph_Abbe")->isHidden());
  QVERIFY(child<QWidget>(w, "m_Group_Graph_Sh")->isHidden());
  const auto data = expectedData(w, 0.546074, 0.4799914, 0.6438469);
  const auto series = plot::statusSeries(data, plot::Abbe, plot::GlassFilter{});
  GlassPlotView& abbe = view(w, plot::Abbe);
  QVERIFY(abbe.isXReversed());
  // Standard and Preferred are checked: two series, one name each.
  QCOMPARE(abbe.graphCount(), 2);
  QCOMPARE(std::size_t(abbe.pointCount(1)), series.byStatus[1].points.size());
  QCOMPARE(std::size_t(abbe.itemCount()),
           series.byStatus[0].points.size() + series.byStatus[1].points.size());
  // The automatic range spans every filtered glass, unchecked statuses too.
  plot::PlotRanges expected;
  QVERIFY(plot::autoRange(series.accepted, expected));
  QCOMPARE(child<QLineEdit>(w, "m_LE_minx_Abbe")->text(),
           QStringLiteral("%1").arg(expected.xMin, 0, 'g', 6));
  QVERIFY(qAbs(abbe.ranges().xMin - expected.xMin) < 1e-9);

  for (const auto& d : plot::plotTable()) check(w, d.displaySwitch, true);
  check(w, "m_CB_Graph_Abbe", false);
  redraw(w);
  QVERIFY(child<QWidget>(w, "m_Group_Graph_Abbe")->isHidden());
  for (const auto& d : plot::plotTable()) {
    if (d.kind == plot::Abbe) continue;
    QVERIFY2(!child<QWidget>(w, d.group)->isHidden(), d.group);
    QVERIFY2(view(w, d.kind).itemCount() > 50, d.group);
  }
  // The normal line through K7 and F2 comes first, under the status series.
  QCOMPARE(view(w, plot::PartialDispersion).graphCount(), 3);
  QCOMPARE(view(w, plot::PartialDispersion).pointCount(0), 4);
}

void TestPlotsWindow::redrawFollowsTheLinesAndTheFilter() {
  DQtSynthesis w;
  QVERIFY(w.loadCatalog(kSchott));
  child<QComboBox>(w, "m_CB_Wavelength_main")->setCurrentIndex(7);  // d
  child<QComboBox>(w, "m_CB_Wavelength_min")->setCurrentIndex(5);   // F
  child<QComboBox>(w, "m_CB_Wavelength_max")->setCurrentIndex(10);  // C
  check(w, "m_CB_filter_abbe", false);
  check(w, "m_CB_Status_Obsolete", true);
  redraw(w);
  const auto data = expectedData(w, 0.5875618, 0.4861327, 0.6562725);
  plot::GlassFilter filter;
  filter.abbeOn = false;
  const auto series = plot::statusSeries(data, plot::Abbe, filter);
  GlassPlotView& abbe = view(w, plot::Abbe);
  QCOMPARE(abbe.graphCount(), 3);
  QCOMPARE(std::size_t(abbe.pointCount(2)), series.byStatus[2].points.size());
  plot::PlotRanges expected;
  QVERIFY(plot::autoRange(series.accepted, expected));
  QVERIFY(qAbs(abbe.ranges().yMax - expected.yMax) < 1e-12);

  // nmin above nmax lets no glass through: empty series, the ranges of the fields stay.
  child<QLineEdit>(w, "m_LE_filter_nmin")->setText(QStringLiteral("1.9"));
  child<QLineEdit>(w, "m_LE_filter_nmax")->setText(QStringLiteral("1.5"));
  const QString yMax = child<QLineEdit>(w, "m_LE_maxy_Abbe")->text();
  redraw(w);
  QCOMPARE(abbe.itemCount(), 0);
  QCOMPARE(child<QLineEdit>(w, "m_LE_maxy_Abbe")->text(), yMax);
  QCOMPARE(abbe.ranges().yMax, yMax.toDouble());
}

void TestPlotsWindow::chosenPairAndConstructionLines() {
  DQtSynthesis w;
  QVERIFY(w.loadCatalog(kSchott));
  QTest::mouseClick(child<QPushButton>(w, "m_PB_Calc"), Qt::LeftButton);
  QTableWidget* table = child<QTableWidget>(w, "m_TW_ResTable");
  QVERIFY(table->rowCount() > 0);
  table->setCurrentCell(0, 3);
  check(w, "m_CB_Draw_All_Glasses", false);
  check(w, "m_CB_Draw_Mark_Glasses", true);
  check(w, "m_CB_Line2", true);
  check(w, "m_CB_Line0", true);
  check(w, "m_CB_Graph_Vol", true);
  check(w, "m_CB_Graph_Tam", true);
  redraw(w);
  // Volosov: the two chosen glasses and the line through them; Tamagawa: two segments from 0.
  GlassPlotView& volosov = view(w, plot::Volosov);
  QCOMPARE(volosov.graphCount(), 2);
  QCOMPARE(volosov.itemCount(), 2);
  QCOMPARE(volosov.pointCount(1), 4);
  GlassPlotView& tamagawa = view(w, plot::Tamagawa);
  QCOMPARE(tamagawa.graphCount(), 3);
  QCOMPARE(tamagawa.pointCount(2), 2);
  QCOMPARE(view(w, plot::Abbe).graphCount(), 1);  // no lines on the Abbe diagram

  // The automatic range is the span of the two glasses.
  const QString name1 = table->item(0, 0)->text(), name2 = table->item(0, 1)->text();
  const auto data = expectedData(w, 0.546074, 0.4799914, 0.6438469);
  const auto chosen =
      plot::chosenSeries(data, plot::Volosov, name1.toStdString(), name2.toStdString());
  plot::PlotRanges expected;
  QVERIFY(plot::autoRange(chosen.points, expected));
  QVERIFY(qAbs(volosov.ranges().xMax - expected.xMax) < 1e-9);

  // Without a selected row the chosen-only plot keeps what it shows.
  table->setCurrentCell(-1, -1);
  redraw(w);
  QCOMPARE(volosov.graphCount(), 2);
}

QTEST_MAIN(TestPlotsWindow)
#include "test_plots_window.moc"
