#pragma once
// Helpers shared by the fuzz harnesses: the library's readers take paths, so every input is
// written to a scratch file of this process first.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "zelt_api/zelt_api.h"

namespace zelt::fuzz {

/// Returns a scratch folder of this process, created on the first call.
inline const std::filesystem::path& scratchFolder() {
  static const std::filesystem::path folder = [] {
    auto path = std::filesystem::temp_directory_path() /
                ("zelt_fuzz_" + std::to_string(static_cast<long>(::getpid())));
    std::filesystem::create_directories(path);
    return path;
  }();
  return folder;
}

/// Writes `size` bytes at `data` to `fileName` in the scratch folder; returns its path.
inline std::string writeScratchFile(const std::string& fileName, const std::uint8_t* data,
                                    std::size_t size) {
  const std::string path = (scratchFolder() / fileName).string();
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  return path;
}

/// Reads the catalogs the seed lens files name in their GCAT lines. They hold only the glasses of
/// those lenses: every input that grows the library's state sets off a leak scan of the whole
/// heap, and full catalogs would make each scan slow.
inline void readLensCatalogs() {
  const std::filesystem::path folder = std::filesystem::path(ZELT_FUZZ_DATA) / "catalogs";
  for (const char* name : {"SCHOTT.agf", "HIKARI.agf", "HOYA.agf"}) {
    ZELT_Throw_On_Error(ZELT_System_Read_Catalog((folder / name).c_str()));
  }
}

/// Traces the chief ray and the rim rays of the axis and the full field at the first and last
/// wavelength of the current system.
inline void traceRays() {
  int waves = 0;
  if (ZELT_Source_Get_Wavelength_Count(&waves) != 0 || waves < 1) return;
  const double pupils[][2] = {{0.0, 0.0}, {0.0, 1.0}, {0.0, -1.0}, {1.0, 0.0}};
  for (int w : {0, waves - 1}) {
    for (double field : {0.0, 1.0}) {
      for (const auto& p : pupils) {
        double x, y, z, X, Y, Z, L;
        int code, surface;
        ZELT_Ray_Trace(0.0, field, p[0], p[1], w, &x, &y, &z, &X, &Y, &Z, &L, &code, &surface);
      }
    }
  }
}

/// Runs the calculations a system read from a lens file must survive (each may fail cleanly):
/// the paraxial calculation, then, when it succeeds, the rays and the aberration tables.
inline void calculateReadSystem() {
  if (ZELT_Calc_Paraxial() != 0) return;
  traceRays();
  std::vector<double> values;
  if (ZELT_Calc_Aberration() == 0) ZELT_Aberration_Get_Transverse_Aberration(0, 4, values);
}

}  // namespace zelt::fuzz
