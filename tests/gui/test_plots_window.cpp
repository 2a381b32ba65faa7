// The second tab of the real window, offscreen: which plots show, what they hold against the
// filter and the plot data, automatic ranges and the chosen pair with its construction lines.
#include <qcustomplot.h>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QWheelEvent>
#include <QtTest>

#include "gui/DQtSynthesis.h"
#include "gui/cell_format.h"
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

// Shows the window on its diagram tab: names are placed on plots of a real size.
void showDiagrams(DQtSynthesis& w) {
  w.show();
  child<QTabWidget>(w, "tabWidget")->setCurrentIndex(1);
}

// Returns true when no two names shown on `v` overlap.
bool namesApart(GlassPlotView& v) {
  const auto& rects = v.labelRects();
  for (std::size_t i = 0; i < rects.size(); ++i) {
    for (std::size_t j = i + 1; j < rects.size(); ++j) {
      if (rects[i].intersects(rects[j])) return false;
    }
  }
  return true;
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
  showDiagrams(w);
  QVERIFY(w.loadCatalog(kSchott));
  QVERIFY(!child<QWidget>(w, "m_Group_Graph_Abbe")->isHidden());
  QVERIFY(child<QWidget>(w, "m_Group_Graph_Sh")->isHidden());
  const auto data = expectedData(w, 0.546074, 0.4799914, 0.6438469);
  const auto series = plot::statusSeries(data, plot::Abbe, plot::GlassFilter{});
  GlassPlotView& abbe = view(w, plot::Abbe);
  QVERIFY(abbe.isXReversed());
  // The automatic range holds the bulk of every filtered glass, unchecked statuses too.
  plot::PlotRanges expected;
  QVERIFY(plot::robustRange(series.accepted, {}, expected));
  // Standard and Preferred are checked: two series, the glasses beyond the range on the border.
  std::size_t inside = 0, outside = 0;
  for (int s : {0, 1}) {
    const auto split = plot::splitAtBorder(series.byStatus[s], expected);
    inside += split.inside.points.size();
    outside += split.border.points.size();
  }
  QCOMPARE(abbe.graphCount(), outside > 0 ? 3 : 2);
  QCOMPARE(std::size_t(abbe.namedPointCount()), inside);
  // Names never overlap: a part of them is shown, more as one zooms in.
  QVERIFY(abbe.itemCount() > 10 && abbe.itemCount() < abbe.namedPointCount());
  QVERIFY(namesApart(abbe));
  QCOMPARE(child<QLineEdit>(w, "m_LE_minx_Abbe")->text(),
           QStringLiteral("%1").arg(expected.xMin, 0, 'g', 6));
  QVERIFY(qAbs(abbe.ranges().xMin - expected.xMin) < 1e-9);
  // Colour by cost, at once: five cost bins and one grey series instead of the status series.
  check(w, "m_CB_CostColour", true);
  QCOMPARE(abbe.graphCount(), outside > 0 ? 7 : 6);
  QCOMPARE(std::size_t(abbe.namedPointCount()), inside);
  QCOMPARE(abbe.graphName(5), QStringLiteral("без цены"));
  check(w, "m_CB_CostColour", false);
  QCOMPARE(abbe.graphCount(), outside > 0 ? 3 : 2);

  const int shown = abbe.itemCount();
  auto* plotWidget = child<QWidget>(w, "m_Graph_Abbe");
  const QPoint centre = plotWidget->rect().center();
  QWheelEvent wheel(centre, plotWidget->mapToGlobal(centre), {}, {0, 360}, Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(plotWidget, &wheel);  // zoom in: the fields follow, more names
  QCOMPARE(child<QLineEdit>(w, "m_LE_maxy_Abbe")->text(), formatGeneral(abbe.ranges().yMax));
  QVERIFY(abbe.ranges().yMax < expected.yMax);
  QTRY_VERIFY(abbe.itemCount() > shown);  // the plot redraws from the event loop
  QVERIFY(namesApart(abbe));

  // A switch takes effect at once, without "Перерисовать".
  for (const auto& d : plot::plotTable()) check(w, d.displaySwitch, true);
  check(w, "m_CB_Graph_Abbe", false);
  QVERIFY(child<QWidget>(w, "m_Group_Graph_Abbe")->isHidden());
  for (const auto& d : plot::plotTable()) {
    if (d.kind == plot::Abbe) continue;
    QVERIFY2(!child<QWidget>(w, d.group)->isHidden(), d.group);
    QVERIFY2(view(w, d.kind).namedPointCount() > 50, d.group);
  }
  // The Schwarz nomogram: the glasses with V near zero no longer set the range.
  const auto schwarz = plot::statusSeries(data, plot::Schwarz, plot::GlassFilter{});
  plot::PlotRanges full;
  QVERIFY(plot::autoRange(schwarz.accepted, full));
  const plot::PlotRanges robust = view(w, plot::Schwarz).ranges();
  QVERIFY(robust.yMax - robust.yMin < (full.yMax - full.yMin) / 5);
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
  plot::PlotRanges expected;
  QVERIFY(plot::robustRange(series.accepted, {}, expected));
  QCOMPARE(std::size_t(abbe.pointCount(2)),
           plot::splitAtBorder(series.byStatus[2], expected).inside.points.size());
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
  showDiagrams(w);
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
  const QString name1 = table->item(0, 1)->text(), name2 = table->item(0, 2)->text();
  const auto data = expectedData(w, 0.546074, 0.4799914, 0.6438469);
  const auto chosen =
      plot::chosenSeries(data, plot::Volosov, name1.toStdString(), name2.toStdString());
  plot::PlotRanges expected;
  QVERIFY(plot::robustRange({}, chosen.points, expected));
  QVERIFY(qAbs(volosov.ranges().xMax - expected.xMax) < 1e-9);

  // Without a selected row the chosen-glass layer is empty.
  table->setCurrentCell(-1, -1);
  redraw(w);
  QCOMPARE(volosov.graphCount(), 0);

  // A click on a glass of the Abbe diagram offers it as glass 1 or 2; glass 2 sets the pair.
  check(w, "m_CB_Draw_All_Glasses", true);
  table->setCurrentCell(0, 3);
  redraw(w);
  auto* abbe = qobject_cast<QCustomPlot*>(child<QWidget>(w, "m_Graph_Abbe"));
  const auto point = plot::chosenSeries(data, plot::Abbe, name1.toStdString(), name1.toStdString());
  const QPoint pixel(int(abbe->xAxis->coordToPixel(point.points[0].x)),
                     int(abbe->yAxis->coordToPixel(point.points[0].y)));
  QTimer::singleShot(50, [] {
    QWidget* menu = QApplication::activePopupWidget();
    QVERIFY(menu);
    QTest::keyClick(menu, Qt::Key_Down);
    QTest::keyClick(menu, Qt::Key_Down);
    QTest::keyClick(menu, Qt::Key_Return);
  });
  QTest::mouseClick(abbe, Qt::LeftButton, {}, pixel);
  QCOMPARE(child<QComboBox>(w, "m_CB_Glass_2")->currentText(), name1);
  QVERIFY(child<QRadioButton>(w, "m_RB_Calc_Pair")->isChecked());
}

QTEST_MAIN(TestPlotsWindow)
#include "test_plots_window.moc"
