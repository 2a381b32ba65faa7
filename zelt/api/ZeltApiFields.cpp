// Object, Image, Stop, Source and Zone exports.

#include <numbers>

#include "zelt/api/ApiStatus.h"
#include "zelt_api/zelt_api.h"

using zelt::OApiState;
using zelt::runStatus;

namespace {

constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;

// Returns the stop; the Stop exports other than the surface setter need one.
zelt::OStop& requireStop(zelt::OSystem& system) {
  if (!system.stop()) {
    throw std::runtime_error(
        "Апертурная диафрагма не задана: вызовите ZELT_Stop_Set_Surface_Num / No aperture stop: "
        "call ZELT_Stop_Set_Surface_Num first");
  }
  return *system.stop();
}

// Returns a count argument as a size; throws for a negative one.
std::size_t checkedCount(int count, const char* what) {
  if (count < 0) {
    throw std::runtime_error(std::string("Отрицательное число ") + what + ": " +
                             std::to_string(count));
  }
  return static_cast<std::size_t>(count);
}

// Returns the curvature of the own surface of the object or image (0 when it carries none).
double ownCurvature(const zelt::ONode& node) {
  return node.element() ? node.element()->getCurvature() : 0.0;
}

}  // namespace

// ---- Object ------------------------------------------------------------------------------------

int ZELT_Object_Get_Type(bool* finite) {
  return zelt::runGetter(finite,
                         [&](OApiState& s) { return zelt::requireObject(s.system).finite; });
}

int ZELT_Object_Set_Type(bool finite) {
  return runStatus([&](OApiState& s) { zelt::requireObject(s.system).finite = finite; });
}

int ZELT_Object_Get_S(double* S) {
  return zelt::runGetter(S, [&](OApiState& s) { return zelt::requireObject(s.system).S; });
}

int ZELT_Object_Set_S(double S) {
  return runStatus([&](OApiState& s) { zelt::requireObject(s.system).S = S; });
}

int ZELT_Object_Get_Size(double* size) {
  return zelt::runGetter(size, [&](OApiState& s) { return zelt::requireObject(s.system).h; });
}

int ZELT_Object_Set_Size(double size) {
  return runStatus([&](OApiState& s) { zelt::requireObject(s.system).h = size; });
}

int ZELT_Object_Get_Size_Grad(double* degrees) {
  return zelt::runGetter(degrees, [&](OApiState& s) {
    const zelt::OObject& object = zelt::requireObject(s.system);
    return object.finite ? 0.0 : object.h * kDegreesPerRadian;
  });
}

int ZELT_Object_Get_Curvature(double& c) {
  return runStatus([&](OApiState& s) { c = ownCurvature(zelt::requireObject(s.system)); });
}

int ZELT_Object_Set_Curvature(double c) {
  return runStatus(
      [&](OApiState& s) { zelt::ownSurface(zelt::requireObject(s.system)).setCurvature(c); });
}

// ---- Image -------------------------------------------------------------------------------------

int ZELT_Image_Get_Type(bool* finite) {
  return zelt::runGetter(finite, [&](OApiState& s) { return zelt::requireImage(s.system).finite; });
}

int ZELT_Image_Set_Type(bool finite) {
  return runStatus([&](OApiState& s) { zelt::requireImage(s.system).finite = finite; });
}

int ZELT_Image_Get_S_(double* S) {
  return zelt::runGetter(S, [&](OApiState& s) { return zelt::requireImage(s.system).S_; });
}

int ZELT_Image_Set_S_(double S) {
  return runStatus([&](OApiState& s) { zelt::requireImage(s.system).S_ = S; });
}

int ZELT_Image_Get_Size(double* size) {
  return zelt::runGetter(size, [&](OApiState& s) { return zelt::requireImage(s.system).h; });
}

int ZELT_Image_Set_Size(double size) {
  return runStatus([&](OApiState& s) { zelt::requireImage(s.system).h = size; });
}

int ZELT_Image_Get_Size_Grad(double* degrees) {
  return zelt::runGetter(degrees, [&](OApiState& s) {
    const zelt::OImage& image = zelt::requireImage(s.system);
    return image.finite ? 0.0 : image.h * kDegreesPerRadian;
  });
}

int ZELT_Image_Get_Distance_Type(bool) {
  // The flag arrives by value, so there is nothing to hand back.
  return 0;
}

int ZELT_Image_Set_Distance_Type(bool fromParaxial) {
  return runStatus([&](OApiState& s) { zelt::requireImage(s.system).fromParaxial = fromParaxial; });
}

int ZELT_Image_Get_Curvature(double& c) {
  return runStatus([&](OApiState& s) { c = ownCurvature(zelt::requireImage(s.system)); });
}

int ZELT_Image_Set_Curvature(double c) {
  return runStatus(
      [&](OApiState& s) { zelt::ownSurface(zelt::requireImage(s.system)).setCurvature(c); });
}

// ---- Stop --------------------------------------------------------------------------------------

int ZELT_Stop_Set(double size, char type) {
  return runStatus([&](OApiState& s) {
    zelt::OStop& stop = requireStop(s.system);
    stop.size = size;
    stop.type = type;
  });
}

int ZELT_Stop_Get_Size(double* size) {
  return zelt::runGetter(size, [&](OApiState& s) { return requireStop(s.system).size; });
}

int ZELT_Stop_Get_Type(char* type) {
  return zelt::runGetter(type, [&](OApiState& s) { return requireStop(s.system).type; });
}

int ZELT_Stop_Set_Surface_Num(int n) {
  return runStatus([&](OApiState& s) {
    zelt::ONode& node = zelt::checkedNode(s.system, n);
    auto* aperture = dynamic_cast<zelt::OApertureStop*>(s.system.stop());
    if (aperture == nullptr) {
      // No stop yet, or a stop of another kind: an aperture stop takes over, keeping the kind and
      // size of aperture that were set.
      auto fresh = std::make_unique<zelt::OApertureStop>();
      if (const zelt::OStop* old = s.system.stop()) {
        fresh->type = old->type;
        fresh->size = old->size;
      }
      aperture = fresh.get();
      s.system.setStop(std::move(fresh));
    }
    aperture->node = &node;
  });
}

int ZELT_Stop_Get_Surface_Num(int* n) {
  return zelt::runGetter(n, [&](OApiState& s) {
    const auto* aperture = dynamic_cast<const zelt::OApertureStop*>(&requireStop(s.system));
    if (aperture == nullptr || aperture->node == nullptr) {
      throw std::runtime_error(
          "Апертурная диафрагма не стоит на поверхности / The aperture stop is on no surface");
    }
    return s.system.indexOf(aperture->node);
  });
}

// ---- Source ------------------------------------------------------------------------------------

int ZELT_Source_Append_Wave(double lambda, double weight) {
  return runStatus([&](OApiState& s) { zelt::requireSource(s.system).append(lambda, weight); });
}

int ZELT_Source_Clear() {
  return runStatus([](OApiState& s) { zelt::requireSource(s.system).clear(); });
}

int ZELT_Source_Get_Wavelength_Count(int* count) {
  return zelt::runGetter(
      count, [&](OApiState& s) { return static_cast<int>(zelt::requireSource(s.system).count()); });
}

int ZELT_Source_Set_Wavelength_Count(int count) {
  return runStatus([&](OApiState& s) {
    zelt::OSource& source = zelt::requireSource(s.system);
    source.resize(checkedCount(count, "длин волн / of wavelengths"));
  });
}

int ZELT_Source_Get_Wavelength(int i, double* lambda) {
  if (const int status = zelt::checkWavelengthNumber(i)) return status;
  return zelt::runGetter(lambda, [&](OApiState& s) { return s.system.source()->wavelengths[i]; });
}

int ZELT_Source_Set_Wavelength(int i, double lambda) {
  if (const int status = zelt::checkWavelengthNumber(i)) return status;
  return runStatus([&](OApiState& s) { s.system.source()->wavelengths[i] = lambda; });
}

// ---- Zone --------------------------------------------------------------------------------------

int ZELT_Zone_Get_Count(int& count) {
  return runStatus([&](OApiState& s) { count = static_cast<int>(s.system.zones().size()); });
}

int ZELT_Zone_Set_Count(int count) {
  return runStatus([&](OApiState& s) {
    auto& zones = s.system.zones();
    const std::size_t n = checkedCount(count, "зон / of zones");
    const std::size_t old = zones.size();
    zones.resize(n);  // dropped zones are released with their owners
    for (std::size_t k = old; k < n; ++k) {
      zones[k] = std::make_unique<zelt::OZone>();
      zones[k]->resizeEntries(1);
    }
  });
}

int ZELT_Zone_Get_Real_Coord(int i, double& x, double& y) {
  return runStatus([&](OApiState& s) {
    const zelt::OZone& zone = zelt::checkedZone(s.system, i);
    x = zone.real.x;
    y = zone.real.y;
  });
}

int ZELT_Zone_Set_Real_Coord(int i, double x, double y) {
  return runStatus([&](OApiState& s) { zelt::checkedZone(s.system, i).real = {x, y}; });
}

int ZELT_Zone_Get_Relative_Coord(int i, double& x, double& y) {
  return runStatus([&](OApiState& s) {
    const zelt::OZone& zone = zelt::checkedZone(s.system, i);
    x = zone.relative.x;
    y = zone.relative.y;
  });
}

int ZELT_Zone_Set_Relative_Coord(int i, double x, double y) {
  return runStatus([&](OApiState& s) {
    zelt::OZone& zone = zelt::checkedZone(s.system, i);
    const double objectSize = zelt::requireObject(s.system).h;
    zone.relative = {x, y};
    if (zone.points.empty()) zone.resizeEntries(1);
    zone.points.front() = {0.0, y * objectSize};
  });
}

int ZELT_Zone_Get_Shift(int i, double& x, double& y, double& z) {
  return runStatus([&](OApiState& s) {
    const zelt::OZone& zone = zelt::checkedZone(s.system, i);
    x = zone.shift[0];
    y = zone.shift[1];
    z = zone.shift[2];
  });
}

int ZELT_Zone_Set_Shift(int i, double& x, double& y, double& z) {
  return runStatus([&](OApiState& s) { zelt::checkedZone(s.system, i).shift = {x, y, z}; });
}

int ZELT_Zone_Get_Vign(int i, double& upper, double& lower) {
  return runStatus(
      [&](OApiState& s) { zelt::checkedZone(s.system, i).getVignetting(upper, lower); });
}

int ZELT_Zone_Set_Vign(int i, double upper, double lower) {
  return runStatus(
      [&](OApiState& s) { zelt::checkedZone(s.system, i).setVignetting(upper, lower); });
}
