#pragma once
// Checks of the design inputs before any search: each input has one small verifier that returns
// nothing or the reason, which names the field as the window labels it and the values it may take.

#include <optional>
#include <string>

#include "synthesis/doublet_calculation.h"

namespace synthesis {

/// The number inputs of a calculation.
enum class InputField {
  P,
  W,
  C,
  Focus,
  Pupil,
  CrownThickness,
  FlintThickness,
  Field,
  Temperature,
  Pressure,
  IndexMin,
  IndexMax,
  AbbeMin,
  AbbeMax,
  MinEdge,
  MaxCost,
  MaxClimate,
  MaxStain,
  MaxAcid,
  MaxAlkali,
  MaxPhosphate,
  MinTransmittance,
};

/// Returns the field's name as the window labels it.
std::string inputFieldName(InputField field);

/// Returns the refusal of a field whose text is empty or not a number.
std::string unreadableInputMessage(InputField field);

/// Returns why the inputs cannot make a doublet, or nothing when they can. Filter ranges are
/// checked only while their filter is on, the limits on the maker's data only while set.
std::optional<std::string> checkInputs(const CalculationInputs& inputs);

}  // namespace synthesis
