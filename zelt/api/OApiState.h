#pragma once
// The single state behind the exported functions: the current system, its aberration tables and
// the error list.

#include <string>
#include <vector>

#include "zelt/analysis/OImageQuality.h"
#include "zelt/analysis/OMtfAnalysis.h"
#include "zelt/calc/OAberration.h"
#include "zelt/model/OAxisSystem.h"

namespace zelt {

/// Library state: one per process, created on first use and never destroyed.
struct OApiState {
  OAxisSystem system;
  std::vector<std::string> errors;  // every failure message, in order; never shortened
  OAberration aberration{system};   // aberration tables of the current system
  OImageQuality quality{system};    // spots and wavefront of the current system
  OMtfAnalysis mtf{system};         // diffraction MTF of the current system
};

/// Returns the library state, creating it on the first call.
OApiState& apiState();

}  // namespace zelt
