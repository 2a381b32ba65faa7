#pragma once

#include <ostream>
#include <string>

#include "zelt/model/OParaxial.h"

namespace zelt {

// Writes the fixed-layout paraxial report of a calculation result.
void writeParaxialReport(std::ostream& out, const OParaxial& p);

// Writes the report into a file, replacing it; a file that cannot be opened gets nothing.
void writeParaxialReportFile(const std::string& path, const OParaxial& p);

}  // namespace zelt
