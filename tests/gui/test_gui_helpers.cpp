// The window's helpers without widgets: cell texts, table export, sketch geometry.
#include <QtTest>
#include <cmath>
#include <limits>

#include "gui/cell_format.h"
#include "gui/sketch_geometry.h"

class TestGuiHelpers : public QObject {
  Q_OBJECT

 private slots:
  void cellTextsAndTableExport() {
    QCOMPARE(formatNumber(0.123456789, 4), QStringLiteral("0.1235"));
    QCOMPARE(formatNumber(std::numeric_limits<double>::infinity(), 6), QStringLiteral("INF"));
    QCOMPARE(formatNumber(std::nan(""), 6), QStringLiteral("NAN"));
    QCOMPARE(formatGeneral(61.2345678), QStringLiteral("61.2346"));
    // Table export quotes only what needs it.
    QCOMPARE(tableText({QStringLiteral("a\nb"), QStringLiteral("c")},
                       {{QStringLiteral("x,y"), QStringLiteral("q\"")}}, ','),
             QStringLiteral("a b,c\n\"x,y\",\"q\"\"\"\n"));
  }

  void biconvexLensSpansItsSagsAndHeight() {
    // R1 = 50, R2 = -50, t = 5, h = 10: each sag is 50 - sqrt(2400) = 1.01021 mm.
    const std::vector<SketchSurface> s = {{50, 5, 10, 1.5}, {-50, 0, 10, 0}};
    const QPainterPath path = lensOutline(s, 2.0, 0);
    const QRectF box = path.boundingRect();
    QVERIFY(std::abs(box.left() - 2.0) < 1e-6 && std::abs(box.right() - 7.0) < 1e-6);
    // Qt approximates part of a circle by a cubic; its ends lie a few 0.01 mm off the sphere.
    QVERIFY(std::abs(box.top() + 10.0) < 0.05 && std::abs(box.bottom() - 10.0) < 0.05);
    const double sag9 = 50.0 - std::sqrt(2500.0 - 81.0);  // front surface at height 9
    QVERIFY(path.contains(QPointF(2.0 + sag9 + 0.05, 9.0)));
    QVERIFY(!path.contains(QPointF(2.0 + sag9 - 0.05, 9.0)));
  }

  void meniscusPlaneAndSteepSurfacesStayFinite() {
    const std::vector<SketchSurface> s = {{0, 4, 10, 1.5}, {-3, 2, 10, 1.6}, {20, 0, 10, 0}};
    for (std::size_t i : {0u, 1u}) {
      const QRectF box = lensOutline(s, 0.0, i).boundingRect();
      QVERIFY(std::isfinite(box.width()) && std::isfinite(box.height()) && box.height() > 0);
    }
    QVERIFY(lensOutline(s, 0.0, 2).isEmpty());  // no surface behind the last
  }

  void windowKeepsScaleAndMargins() {
    const std::vector<SketchSurface> s = {{50, 5, 10, 1.5}, {-50, 3, 10, 1.6}, {80, 0, 10, 0}};
    const QRectF wide = sketchWindow(s, QSize(400, 100));  // height limits: A = 20
    QCOMPARE(wide.height(), 24.0);
    QCOMPARE(wide.width() / wide.height(), 4.0);
    QVERIFY(sketchWindow(s, QSize(0, 0)).isEmpty());
  }
};

QTEST_MAIN(TestGuiHelpers)
#include "test_gui_helpers.moc"
