#pragma once
// Helpers for the tests that use the optics library through its exports only.

#include <string>

#include "zelt/api/zelt_api.h"

namespace zelt_test {

/// Returns the text of message `code` as ZELT_Get_Error hands it out.
inline std::string errorText(int code) {
  char buffer[256] = "untouched";
  ZELT_Get_Error(code, buffer);
  return buffer;
}

/// Builds a base system with `surfaces` plane surfaces; returns 0 or the first failing status.
inline int buildSystem(int surfaces) {
  if (int s = ZELT_System_Create_Base()) return s;
  for (int i = 0; i < surfaces; ++i) {
    if (int s = ZELT_System_Append_Surface()) return s;
  }
  return 0;
}

inline const std::string kCatalogs = std::string(ZELT_TEST_DATA) + "/catalogs/";
inline const char kSurfaceNumberMessage[] = "Ошибка при задании номера поверхности";
inline const char kZoneNumberMessage[] = "Ошибка при задании номера зоны";
inline const char kWavelengthNumberMessage[] = "Ошибка при задании номера длины волны";

}  // namespace zelt_test
