#pragma once
// The status frame shared by every export: failures become numbered messages.

#include <exception>
#include <stdexcept>
#include <string>

#include "zelt/api/OApiState.h"
#include "zelt/model/Messages.h"

namespace zelt {

/// Appends `message` to the error list and returns its 1-based number.
int recordError(std::string message);

/// Runs `body(state)`; returns 0 when it completes, or the number of the recorded message of the
/// std::exception it throws. Changes made before a failure are kept.
template <class Body>
int runStatus(Body&& body) {
  OApiState& state = apiState();
  try {
    body(state);
    return 0;
  } catch (const std::exception& e) {
    return recordError(e.what());
  }
}

/// Throws unless 0 <= i < node count; returns node `i`.
ONode& checkedNode(OSystem& system, int i);
/// Returns the gap after node `i`; throws for the image, which has none.
OGuide& outgoingGap(OSystem& system, int i);
/// Returns the surface of `node`, giving a plane one to an object or image that carries none.
OElement& ownSurface(ONode& node);
/// Returns the zone `i`; throws "Ошибка при задании номера зоны" when out of range.
OZone& checkedZone(OSystem& system, int i);
/// Returns the source; throws when no base system exists yet.
OSource& requireSource(OSystem& system);
/// Returns the object; throws when no base system exists yet.
OObject& requireObject(OSystem& system);
/// Returns the image; throws when no base system exists yet.
OImage& requireImage(OSystem& system);
/// Returns the medium of `gap` with its indices up to date for the source's wavelengths.
OMedium& currentMedium(OSystem& system, OGuide& gap, int i);

/// Returns `out` when it is not null; throws otherwise (an out-pointer the caller forgot).
template <class T>
T& outValue(T* out) {
  if (out == nullptr) throw std::runtime_error(messages::kNullOutput);
  return *out;
}

/// Runs a getter: writes `value(state)` to `out` only when it succeeds, as every getter must.
template <class T, class Value>
int runGetter(T* out, Value&& value) {
  return runStatus([&](OApiState& state) {
    T& target = outValue(out);
    target = value(state);
  });
}

/// Returns 0 when 0 <= i < count, else records "Ошибка при задании номера длины волны".
int checkWavelengthNumber(int i);

}  // namespace zelt
