#pragma once
// Message texts that the library hands to its callers through the error list, kept in one place
// so that every layer reports a fault in the same words.

#include <string>

namespace zelt::messages {

inline constexpr char kSurfaceNumber[] = "Ошибка при задании номера поверхности";
inline constexpr char kZoneNumber[] = "Ошибка при задании номера зоны";
inline constexpr char kWavelengthNumber[] = "Ошибка при задании номера длины волны";
inline constexpr char kNoBaseSystem[] =
    "Система не создана: вызовите ZELT_System_Create_Base / No system: call "
    "ZELT_System_Create_Base first";
inline constexpr char kNullOutput[] = "Null output pointer passed to the library";

/// Returns the text for a surface whose outgoing gap has no medium.
inline std::string noMediumAfter(int surface) {
  const std::string n = std::to_string(surface);
  return "После поверхности " + n + " не задана среда / No medium after surface " + n;
}

/// Returns the text for a glass that no catalog searched holds; the single-catalog lookup puts a
/// space after the colon, the lookup over several catalogs does not.
inline std::string noMediumFound(const std::string& glass, bool spaced) {
  return (spaced ? "NoMediumFound: " : "NoMediumFound:") + glass;
}

}  // namespace zelt::messages
