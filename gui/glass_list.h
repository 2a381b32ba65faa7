#pragma once
// Glass names of a catalog as the window lists them, free of widgets.

#include <QStringList>

#include "synthesis/glass_catalog.h"

/// Returns the non-empty glass names of `catalog` in its byte-wise order.
QStringList glassNames(const synthesis::GlassCatalog& catalog);

/// Returns the glasses whose index at `lambda0` or Abbe number at the three lines [um] cannot be
/// computed (a range that misses a line, broken coefficients); the diagrams leave them out.
QStringList glassesWithoutIndices(const synthesis::GlassCatalog& catalog, double lambda0,
                                  double lambdaMin, double lambdaMax);
