// Project file exports: OPJ projects and their ZMX conversions, the text report and OSM files.

#include <filesystem>
#include <string>

#include "zelt/api/ApiStatus.h"
#include "zelt/calc/OAxisSystemCalc.h"
#include "zelt/io/OpjReader.h"
#include "zelt/io/OpjWriter.h"
#include "zelt/io/OsmWriter.h"
#include "zelt/io/TxtReport.h"
#include "zelt_api/zelt_api.h"

namespace {

// Name of the file a conversion writes: the input's name with the target extension, so that
// the file just read is never overwritten.
std::string convertedPath(const char* input, const char* extension) {
  const std::string original = input ? input : "";
  std::filesystem::path out(original);
  out.replace_extension(extension);
  return out.string() == original ? original + extension : out.string();
}

}  // namespace

int ZELT_System_Read_Opj_File(const char* file) {
  return zelt::runStatus([&](zelt::OApiState& s) {
    if (file == nullptr) throw std::runtime_error("Read OPJ Error: file does not exist");
    zelt::readOpjFile(file, s.system);
  });
}

int ZELT_System_Write_Opj_File(const char* file) {
  return zelt::runStatus(
      [&](zelt::OApiState& s) { zelt::writeOpjFile(s.system, file ? file : ""); });
}

int ZELT_System_Convert_Opj_to_Zmx_File(const char* file, const char* catalog) {
  if (const int status = ZELT_System_Read_Opj_File(file)) return status;
  return ZELT_System_Write_Zmx_File(convertedPath(file, ".zmx").c_str(), catalog);
}

int ZELT_System_Convert_Zmx_to_Opj_File(const char* file) {
  if (const int status = ZELT_System_Read_Zmx_File(file)) return status;
  return ZELT_System_Write_Opj_File(convertedPath(file, ".opj").c_str());
}

int ZELT_System_Write_Txt_File(const char* file) {
  return zelt::runStatus(
      [&](zelt::OApiState& s) { zelt::writeTextReport(s.system, file ? file : ""); });
}

int ZELT_System_Write_Osm_File(const char* file) {
  return zelt::runStatus([&](zelt::OApiState& s) {
    zelt::OAxisSystemCalc(s.system).calcParaxial();
    zelt::writeOsmFile(s.system, file ? file : "");
  });
}

int ZELT_System_Read_Osm_File(const char* /*file*/) {
  return zelt::recordError("Чтение OSM пока не работает");
}
