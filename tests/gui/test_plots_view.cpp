// The plot view on a real plot widget, offscreen.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QWidget>
#include <memory>

#include "gui/plot/GlassPlotView.h"

namespace {

using namespace plot;

TEST(PlotView, SeriesRangesTooltipsExportAndClear) {
  int argc = 1;
  char name[] = "test_plots_view";
  char* argv[] = {name, nullptr};
  QApplication app(argc, argv);
  std::unique_ptr<QWidget> widget(GlassPlotView::createPlotWidget(nullptr));
  widget->resize(400, 300);
  GlassPlotView* view = GlassPlotView::of(widget.get());
  ASSERT_NE(view, nullptr);
  QWidget plain;
  EXPECT_EQ(GlassPlotView::of(&plain), nullptr);

  view->addSeries({{{60, 1.5}, {40, 1.6}}, {"A", "B"}, {"tip A", "tip B"}}, Qt::black);
  view->addLine({{0, 0}, {1, 1}}, QPen(Qt::blue, 6));
  view->setRanges({100, 20, 1.4, 1.8}, true);
  view->replot();
  EXPECT_EQ(view->graphCount(), 2);
  EXPECT_EQ(view->itemCount(), 2);
  EXPECT_TRUE(view->isXReversed());
  EXPECT_EQ(view->ranges().xMin, 20);  // the plot orders the range; reversal shows 100 left
  view->clear();
  EXPECT_EQ(view->graphCount(), 0);
  EXPECT_EQ(view->itemCount(), 0);

  view->setRanges({0, 10, 0, 10}, false);
  view->addSeries({{{5, 5}}, {"A"}, {"tip A"}}, Qt::red);
  view->replot();
  EXPECT_TRUE(view->tooltipAt({0, 0}).isEmpty());
  // Find the disc's pixel through a scan: the axis layout belongs to the plot.
  bool found = false;
  for (int x = 0; x < 400 && !found; ++x) {
    for (int y = 0; y < 300 && !found; ++y) found = view->tooltipAt({x, y}) == "tip A";
  }
  EXPECT_TRUE(found);

  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  EXPECT_TRUE(view->saveImage(dir.filePath("plot.png")));
  EXPECT_TRUE(view->saveImage(dir.filePath("plot.pdf")));
  EXPECT_GT(QFileInfo(dir.filePath("plot.pdf")).size(), 0);
  EXPECT_FALSE(view->saveImage(dir.filePath("no/such/folder/plot.png")));
}

}  // namespace
