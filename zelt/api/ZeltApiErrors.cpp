// The library state, the status frame and the error-handling exports.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "zelt/api/ApiStatus.h"
#include "zelt/model/Messages.h"
#include "zelt_api/zelt_api.h"

namespace zelt {
namespace {

constexpr std::size_t kMessageBytes = 255;  // longest message text handed out, without its zero

using messages::kNoBaseSystem;
using messages::kSurfaceNumber;
using messages::kWavelengthNumber;
using messages::kZoneNumber;

// Copies message `code` cut to 255 bytes, or a text naming the code when it names no message.
void copyMessage(int code, char (&buffer)[kMessageBytes + 1]) {
  const auto& errors = apiState().errors;
  std::string text;
  if (code >= 1 && static_cast<std::size_t>(code) <= errors.size()) {
    text = errors[code - 1];
  } else {
    text = "Неизвестный код ошибки " + std::to_string(code) + " / Unknown error code " +
           std::to_string(code);
  }
  const std::size_t n = std::min(text.size(), kMessageBytes);
  std::memcpy(buffer, text.data(), n);
  buffer[n] = '\0';
}

}  // namespace

OApiState& apiState() {
  // Created on first use and deliberately never destroyed: exports may run during process exit.
  static OApiState* const state = new OApiState();
  return *state;
}

int recordError(std::string message) {
  auto& errors = apiState().errors;
  errors.push_back(std::move(message));
  return static_cast<int>(errors.size());
}

ONode& checkedNode(OSystem& system, int i) {
  ONode* node = i >= 0 && i < system.nodeCount() ? system.nodeAt(i) : nullptr;
  if (node == nullptr) throw std::runtime_error(kSurfaceNumber);
  return *node;
}

OGuide& outgoingGap(OSystem& system, int i) {
  ONode& node = checkedNode(system, i);
  if (node.out == nullptr) {
    throw std::runtime_error("Поверхность " + std::to_string(i) +
                             " — изображение, за ним нет промежутка / Surface " +
                             std::to_string(i) + " is the image: no gap follows it");
  }
  return *node.out;
}

OElement& ownSurface(ONode& node) {
  if (node.element() == nullptr) node.setElement(std::make_unique<OSurface2>());
  return *node.element();
}

OZone& checkedZone(OSystem& system, int i) {
  auto& zones = system.zones();
  if (i < 0 || static_cast<std::size_t>(i) >= zones.size() || !zones[i]) {
    throw std::runtime_error(kZoneNumber);
  }
  return *zones[i];
}

OSource& requireSource(OSystem& system) {
  if (!system.source()) throw std::runtime_error(kNoBaseSystem);
  return *system.source();
}

OObject& requireObject(OSystem& system) {
  if (!system.object()) throw std::runtime_error(kNoBaseSystem);
  return *system.object();
}

OImage& requireImage(OSystem& system) {
  if (!system.image()) throw std::runtime_error(kNoBaseSystem);
  return *system.image();
}

OMedium& currentMedium(OSystem& system, OGuide& gap, int i) {
  if (gap.medium == nullptr) {
    throw std::runtime_error(messages::noMediumAfter(i));
  }
  system.refreshMedium(*gap.medium);
  return *gap.medium;
}

int checkWavelengthNumber(int i) {
  const OSource* source = apiState().system.source();
  const std::size_t count = source ? source->count() : 0;
  if (i >= 0 && static_cast<std::size_t>(i) < count) return 0;
  return recordError(kWavelengthNumber);
}

}  // namespace zelt

void ZELT_Throw_On_Error(int code) {
  if (code == 0) return;
  char buffer[256];
  zelt::copyMessage(code, buffer);
  throw std::runtime_error(buffer);
}

void ZELT_Exit_On_Error(int code) {
  if (code == 0) return;
  char buffer[256];
  zelt::copyMessage(code, buffer);
  std::cout << buffer << std::endl;
  std::exit(1);
}

void ZELT_Get_Error(int code, char* buffer) {
  const auto& errors = zelt::apiState().errors;
  if (buffer == nullptr || code < 1 || static_cast<std::size_t>(code) > errors.size()) return;
  char local[256];
  zelt::copyMessage(code, local);
  std::memcpy(buffer, local, std::strlen(local) + 1);
}

void ZELT_Check_Surface_Number(int number) {
  zelt::checkedNode(zelt::apiState().system, number);
}
