// The designed doublet written through the library's file exports.

#include "synthesis/doublet_files.h"

#include "zelt_api/zelt_api.h"

namespace synthesis {

void saveDoubletOpj(const DoubletResult& doublet, const std::string& path) {
  doublet.buildDoublet();
  ZELT_Throw_On_Error(ZELT_System_Write_Opj_File(path.c_str()));
}

void saveDoubletTxt(const DoubletResult& doublet, const std::string& path) {
  doublet.buildDoublet();
  ZELT_Throw_On_Error(ZELT_System_Write_Txt_File(path.c_str()));
}

void saveDoubletOsm(const DoubletResult& doublet, const std::string& path) {
  doublet.buildDoublet();
  ZELT_Throw_On_Error(ZELT_System_Write_Osm_File(path.c_str()));
}

}  // namespace synthesis
