// Plane shapes: containment, bounding boxes and transformations of points and ellipses.

#include <gtest/gtest.h>

#include <numbers>

#include "zelt/geom/GEllipse.h"
#include "zelt/geom/GPoint.h"

using geom::GEllipse;
using geom::GPoint;
using geom::GRect;
using geom::GTransform;

constexpr double kPi = std::numbers::pi;

TEST(Ellipse, BoundaryCountsAsInside) {
  const GEllipse<double> e(1.0, -2.0, 4.0, 2.0, 0.0);
  EXPECT_TRUE(e.contains(5.0, -2.0));
  EXPECT_TRUE(e.contains(1.0, 0.0));
  EXPECT_FALSE(e.contains(5.0001, -2.0));
  EXPECT_FALSE(e.contains(1.0, 0.0001));
}

TEST(Ellipse, RotationTurnsContainmentButNotTheBoundingBox) {
  const GEllipse<double> e(0.0, 0.0, 2.0, 1.0, kPi / 2);
  EXPECT_TRUE(e.contains(0.0, 1.5));
  EXPECT_FALSE(e.contains(1.5, 0.0));
  GRect<double> box;
  e.boundingBox(box);
  EXPECT_EQ(box.xmin, -2.0);
  EXPECT_EQ(box.xmax, 2.0);
  EXPECT_EQ(box.ymin, -1.0);
  EXPECT_EQ(box.ymax, 1.0);
}

TEST(Ellipse, OffCentreRotationRotatesAboutTheCentre) {
  // Long axis along y after a quarter turn, centred at (3, 1).
  const GEllipse<double> e(3.0, 1.0, 2.0, 0.5, kPi / 2);
  EXPECT_TRUE(e.contains(3.0, 2.9));
  EXPECT_TRUE(e.contains(3.0, -0.9));
  EXPECT_FALSE(e.contains(4.0, 1.0));
  EXPECT_FALSE(e.contains(-3.0, -1.0));  // the mirror image of the centre is not inside
}

TEST(Ellipse, TransformShiftsScalesThenRotatesTheCentre) {
  GEllipse<double> e(1.0, 0.0, 1.0, 1.0, 0.0);
  GTransform<double> t;
  t.dx = 1.0;
  t.sx = 2.0;
  t.sy = 3.0;
  t.angle = kPi / 2;
  e.transform(t);
  EXPECT_DOUBLE_EQ(e.a, 2.0);
  EXPECT_DOUBLE_EQ(e.b, 3.0);
  // Centre (2, 0) turned by a quarter: x' = x cos + y sin = 0, y' = y cos − x sin = −2.
  EXPECT_NEAR(e.centre.x, 0.0, 1e-15);
  EXPECT_NEAR(e.centre.y, -2.0, 1e-15);
  EXPECT_DOUBLE_EQ(e.angle, kPi / 2);
}

TEST(Ellipse, FitToBoxFillsTheRectangle) {
  GEllipse<double> e(9.0, 9.0, 1.0, 1.0, 0.7);
  GRect<double> box{4.0, -2.0, 1.0, 3.0};  // corners in either order
  e.fitToBox(box);
  EXPECT_EQ(e.a, 3.0);
  EXPECT_EQ(e.b, 1.0);
  EXPECT_EQ(e.centre, GPoint<double>(1.0, 2.0));
  EXPECT_EQ(e.angle, 0.0);
}

TEST(Point, TransformFitAndContainment) {
  GPoint<double> p(1.0, 2.0);
  GTransform<double> t;
  t.dx = 1.0;
  t.dy = -1.0;
  t.sx = 3.0;
  t.sy = 2.0;
  p.transform(t);
  EXPECT_EQ(p, GPoint<double>(6.0, 2.0));
  EXPECT_TRUE(p.contains(6.0, 2.0));
  EXPECT_FALSE(p.contains(6.0, 2.0000001));
  GRect<double> box{-1.0, 5.0, -2.0, 7.0};
  p.fitToBox(box);
  EXPECT_EQ(p, GPoint<double>(-1.0, -2.0));
  EXPECT_EQ(box.xmax, -1.0);
  EXPECT_EQ(box.ymax, -2.0);
}

