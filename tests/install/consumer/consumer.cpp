// Builds a plano-convex lens of the installed sample catalog's N-BK7 through the installed
// library and checks its focal length; argv[1] is the catalog.
#include <cmath>
#include <cstdio>

#include "zelt_api/zelt_api.h"

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  char message[1024] = {};
  auto failed = [&](int status) {
    if (status == 0) return false;
    ZELT_Get_Error(status, message);
    std::fprintf(stderr, "zelt_api: %s\n", message);
    return true;
  };
  if (failed(ZELT_System_Read_Catalog(argv[1])) || failed(ZELT_System_Create_Base()) ||
      failed(ZELT_System_Append_Surface()) || failed(ZELT_System_Append_Surface()) ||
      failed(ZELT_Surface_Set_Curvature(1, 1.0 / 51.68)) ||
      failed(ZELT_Surface_Set_Thickness(1, 5.0)) ||
      failed(ZELT_Surface_Set_Glass(1, "N-BK7", "sample_glasses")) ||
      failed(ZELT_Stop_Set_Surface_Num(1)) || failed(ZELT_Stop_Set(10.0, 'p')) ||
      failed(ZELT_Calc_Paraxial())) {
    return 1;
  }
  double focal = 0.0;
  if (failed(ZELT_Paraxial_Get_F_(&focal))) return 1;
  std::printf("f' = %.6f mm\n", focal);
  return std::abs(focal - 100.0) < 1.0 ? 0 : 1;
}
