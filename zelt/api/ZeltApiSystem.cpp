// System and Surface exports: building and editing the chain, surfaces and their media.

#include <cmath>
#include <string>

#include "zelt/api/ApiStatus.h"
#include "zelt/geom/GEllipse.h"
#include "zelt_api/zelt_api.h"

using zelt::OApiState;
using zelt::runStatus;

namespace {

// Returns the surface node 1..N; the object and the image cannot be deleted.
zelt::ONode& checkedSurfaceNode(zelt::OSystem& system, int i) {
  if (i < 1 || static_cast<std::size_t>(i) > system.surfaceCount()) {
    throw std::runtime_error(zelt::messages::kSurfaceNumber);
  }
  return zelt::checkedNode(system, i);
}

}  // namespace

int ZELT_System_Create_Base() {
  return runStatus([](OApiState& s) { s.system.createBase(); });
}

int ZELT_System_Append_Surface() {
  return runStatus([](OApiState& s) { s.system.appendSurface(); });
}

int ZELT_System_Delete_Surface(int number) {
  return runStatus([&](OApiState& s) { s.system.remove(&checkedSurfaceNode(s.system, number)); });
}

int ZELT_System_Get_Surface_Count(int* count) {
  return zelt::runGetter(count, [&](OApiState& s) { return s.system.nodeCount(); });
}

int ZELT_System_Get_Lenght_System(double* length) {
  return zelt::runGetter(length, [&](OApiState& s) {
    const zelt::OImage& image = zelt::requireImage(s.system);
    // Vertex of surface 1 to vertex of surface N, then to a finite image.
    double sum = 0.0;
    const int n = static_cast<int>(s.system.surfaceCount());
    for (int i = 1; i < n; ++i) sum += s.system.nodeAt(i)->out->getDistance();
    if (image.finite) sum += image.S_;
    return sum;
  });
}

int ZELT_System_Get_Name(std::string& name) {
  return runStatus([&](OApiState& s) { name = s.system.name; });
}

int ZELT_System_Set_Name(const std::string& name) {
  return runStatus([&](OApiState& s) { s.system.name = name; });
}

int ZELT_System_Read_Catalog(const char* path) {
  return runStatus(
      [&](OApiState& s) { s.system.glassStore().readCatalog(path ? std::string(path) : ""); });
}

int ZELT_Surface_Get_Curvature(int i, double* c) {
  return zelt::runGetter(c, [&](OApiState& s) {
    const zelt::OElement* e = zelt::checkedNode(s.system, i).element();
    return e ? e->getCurvature() : 0.0;
  });
}

int ZELT_Surface_Set_Curvature(int i, double c) {
  return runStatus(
      [&](OApiState& s) { zelt::ownSurface(zelt::checkedNode(s.system, i)).setCurvature(c); });
}

int ZELT_Surface_Get_Conic(int i, double* e2) {
  return zelt::runGetter(e2, [&](OApiState& s) {
    const zelt::OElement* e = zelt::checkedNode(s.system, i).element();
    return e ? e->getConic() : 0.0;
  });
}

int ZELT_Surface_Set_Conic(int i, double e2) {
  return runStatus(
      [&](OApiState& s) { zelt::ownSurface(zelt::checkedNode(s.system, i)).setConic(e2); });
}

int ZELT_Surface_Get_Thickness(int i, double* d) {
  return zelt::runGetter(
      d, [&](OApiState& s) { return zelt::outgoingGap(s.system, i).getDistance(); });
}

int ZELT_Surface_Set_Thickness(int i, double d) {
  return runStatus([&](OApiState& s) { zelt::outgoingGap(s.system, i).distance() = d; });
}

int ZELT_Surface_Get_Height(int i, double& h) {
  return runStatus([&](OApiState& s) { h = zelt::checkedNode(s.system, i).h; });
}

int ZELT_Surface_Set_Height(int i, double h) {
  return runStatus([&](OApiState& s) { zelt::checkedNode(s.system, i).h = h; });
}

int ZELT_Surface_Is_Mirror(int i, bool* mirror) {
  return zelt::runGetter(mirror, [&](OApiState& s) {
    const zelt::ONode& node = zelt::checkedNode(s.system, i);
    if (node.in == nullptr || node.out == nullptr) {
      throw std::runtime_error("Поверхность " + std::to_string(i) +
                               " — объект или изображение, а не зеркало / Node " +
                               std::to_string(i) + " is the object or the image, not a surface");
    }
    return node.in->sign != node.out->sign;
  });
}

int ZELT_Surface_Create_Ellipse(int i, double cx, double cy, double a, double b, double angle) {
  return runStatus([&](OApiState& s) {
    zelt::ONode& node = zelt::checkedNode(s.system, i);
    node.setOutline(std::make_unique<geom::GEllipse<double>>(cx, cy, a, b, angle));
    node.h = a > b ? a : b;
  });
}

int ZELT_Surface_Get_Glass(int i, std::string& name) {
  return runStatus([&](OApiState& s) {
    const zelt::OGuide& gap = zelt::outgoingGap(s.system, i);
    if (gap.medium == nullptr) {
      throw std::runtime_error(zelt::messages::noMediumAfter(i));
    }
    name = gap.medium->name;
  });
}

int ZELT_Surface_Set_Glass(int i, const std::string& glass, const std::string& catalog) {
  return runStatus([&](OApiState& s) {
    zelt::OGuide& gap = zelt::outgoingGap(s.system, i);
    // The indices follow the source: they are recomputed whenever they are read.
    gap.medium = &s.system.glassStore().findGlass(glass, catalog);
  });
}

int ZELT_Surface_Set_And_Create_Glass(int i, const std::string& name, std::vector<double> indices) {
  return runStatus([&](OApiState& s) {
    zelt::OGuide& gap = zelt::outgoingGap(s.system, i);
    gap.medium = &s.system.glassStore().addMedium(
        std::make_unique<zelt::OHMedium>(name, std::move(indices)));
  });
}

int ZELT_Surface_Set_Glass_Nd_Vd(int i, double nd, double vd) {
  return runStatus([&](OApiState& s) {
    if (!std::isfinite(nd) || nd < 1.0 || !std::isfinite(vd) || vd <= 0.0) {
      throw std::runtime_error("nd must be a number of at least 1 and vd a positive number");
    }
    zelt::OGuide& gap = zelt::outgoingGap(s.system, i);
    auto* made = dynamic_cast<zelt::OHMedium*>(gap.medium);
    // A catalog glass has its own nd and νd from its formula.
    if (made == nullptr || dynamic_cast<zelt::OAMedium*>(gap.medium) != nullptr) {
      throw std::runtime_error("the medium after surface " + std::to_string(i) +
                               " is not a glass made from indices");
    }
    made->nd = nd;
    made->vd = vd;
  });
}

int ZELT_Surface_Get_Ingex_Of_Refraction(int i, int w, double* n) {
  return zelt::runGetter(n, [&](OApiState& s) {
    zelt::OGuide& gap = zelt::outgoingGap(s.system, i);
    const zelt::OMedium& medium = zelt::currentMedium(s.system, gap, i);
    if (w < 0) throw std::runtime_error(zelt::messages::kWavelengthNumber);
    return medium.index(static_cast<unsigned>(w)) * gap.sign;
  });
}
