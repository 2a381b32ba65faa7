// Lens file exports: the current system to and from Zemax ZMX files.

#include <string>

#include "zelt/api/ApiStatus.h"
#include "zelt/io/ZmxReader.h"
#include "zelt/io/ZmxWriter.h"
#include "zelt_api/zelt_api.h"

int ZELT_System_Write_Zmx_File(const char* file, const char* catalog) {
  return zelt::runStatus([&](zelt::OApiState& s) {
    zelt::writeZmxFile(s.system, file ? file : "", catalog ? catalog : "");
  });
}

int ZELT_System_Read_Zmx_File(const char* file) {
  return zelt::runStatus([&](zelt::OApiState& s) {
    if (file == nullptr) throw std::runtime_error("Read ZMX Error: file does not exist");
    zelt::readZmxFile(file, s.system);
  });
}
