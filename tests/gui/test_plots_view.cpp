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

  // Names never cover each other: of fifty glasses on one spot, the one always named shows and
  // the rest fill the free corners; zoomed in, the spot spreads and more names show.
  view->clear();
  view->setRanges({0, 10, 0, 10}, false);
  GlassSeries crowd;
  for (int i = 0; i < 50; ++i) {
    crowd.points.push_back({5 + 0.01 * i, 5});
    crowd.names.push_back(std::string("G").append(std::to_string(i)));
    crowd.tooltips.push_back("");
  }
  view->addSeries(crowd, Qt::black);
  view->addSeries({{{5.25, 5}}, {"CHOSEN"}, {""}}, Qt::blue, true);
  view->replot();
  const auto apart = [&] {
    const auto& r = view->labelRects();
    for (std::size_t i = 0; i < r.size(); ++i) {
      for (std::size_t j = i + 1; j < r.size(); ++j) {
        if (r[i].intersects(r[j])) return false;
      }
    }
    return true;
  };
  const int crowded = view->itemCount();
  EXPECT_EQ(view->namedPointCount(), 51);
  EXPECT_GE(crowded, 1);
  EXPECT_LT(crowded, 10);
  EXPECT_TRUE(apart());
  view->setRanges({4.9, 5.6, 4, 6}, false);
  view->replot();
  EXPECT_GT(view->itemCount(), crowded);
  EXPECT_TRUE(apart());

  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  EXPECT_TRUE(view->saveImage(dir.filePath("plot.png")));
  EXPECT_TRUE(view->saveImage(dir.filePath("plot.pdf")));
  EXPECT_GT(QFileInfo(dir.filePath("plot.pdf")).size(), 0);
  EXPECT_FALSE(view->saveImage(dir.filePath("no/such/folder/plot.png")));
}

}  // namespace
