// Exports of the aberration calculation and its three tables.

#include <stdexcept>
#include <string>
#include <vector>

#include "zelt/api/ApiStatus.h"
#include "zelt_api/zelt_api.h"

using zelt::OApiState;

namespace {

// Refuses, with the library's message, a row that the last calculation does not hold.
void requireRow(const zelt::OAberration& aberration, int w, int field) {
  if (!aberration.ready())
    throw std::runtime_error(
        "Аберрации не рассчитаны: вызовите ZELT_Calc_Aberration / No aberration tables: call "
        "ZELT_Calc_Aberration first");
  if (w < 0 || w >= aberration.wavelengthCount())
    throw std::runtime_error("Ошибка при задании номера длины волны / Wavelength index " +
                             std::to_string(w) + " is outside the aberration tables (0 to " +
                             std::to_string(aberration.wavelengthCount() - 1) + ")");
  if (field < 0 || field >= aberration.fieldCount())
    throw std::runtime_error("Ошибка при задании номера поля / Field index " +
                             std::to_string(field) + " is outside the aberration tables (0 to " +
                             std::to_string(aberration.fieldCount() - 1) + ")");
}

}  // namespace

int ZELT_Calc_Aberration() {
  return zelt::runStatus([](OApiState& s) { s.aberration.calculate(); });
}

int ZELT_Aberration_Get_Longitudinale_Aberration(int w, std::vector<double>& out) {
  return zelt::runStatus([&](OApiState& s) {
    requireRow(s.aberration, w, 0);
    out = s.aberration.longitudinal(w);
  });
}

int ZELT_Aberration_Get_Transverse_Aberration(int w, int field, std::vector<double>& out) {
  return zelt::runStatus([&](OApiState& s) {
    requireRow(s.aberration, w, field);
    out = s.aberration.transverse(w, field);
  });
}

int ZELT_Aberration_Get_Wave_Aberration(int w, int field, std::vector<double>& out) {
  return zelt::runStatus([&](OApiState& s) {
    requireRow(s.aberration, w, field);
    out = s.aberration.wave(w, field);
  });
}
