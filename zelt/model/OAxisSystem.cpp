#include "zelt/model/OAxisSystem.h"

namespace zelt {

void OAxisSystem::clear() {
  OSystem::clear();
  paraxial.clear();
}

}  // namespace zelt
