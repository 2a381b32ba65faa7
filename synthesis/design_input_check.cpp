#include "synthesis/design_input_check.h"

#include <array>
#include <cmath>
#include <cstdio>

namespace synthesis {
namespace {

// A field, its name, what it may hold and the test of that.
struct InputRule {
  InputField field;
  const char* name;
  const char* allowed;
  bool (*admits)(double);
};

bool finite(double v) {
  return std::isfinite(v);
}
bool finiteNonZero(double v) {
  return std::isfinite(v) && v != 0.0;
}
bool positive(double v) {
  return std::isfinite(v) && v > 0.0;
}
bool notNegative(double v) {
  return std::isfinite(v) && v >= 0.0;
}
bool fieldAngle(double v) {
  return v >= 0.0 && v < 90.0;  // at 90° the chief ray runs along the lens
}
bool fraction(double v) {
  return v >= 0.0 && v <= 1.0;
}
bool aboveAbsoluteZero(double v) {
  return std::isfinite(v) && v > -273.15;
}

constexpr std::array<InputRule, 22> kRules{{
    {InputField::P, "P", "любое конечное число", finite},
    {InputField::W, "W", "любое конечное число", finite},
    {InputField::C, "C", "любое конечное число", finite},
    {InputField::Focus, "Заднее фокусное расстояние f′ [мм]", "конечное число, не равное 0",
     finiteNonZero},
    {InputField::Pupil, "Диаметр зрачка D [мм]", "больше 0", positive},
    {InputField::CrownThickness, "Толщина кроновой линзы [мм]", "больше 0", positive},
    {InputField::FlintThickness, "Толщина флинтовой линзы [мм]", "больше 0", positive},
    {InputField::Field, "Поле [°]", "от 0 до 90, меньше 90", fieldAngle},
    {InputField::Temperature, "Температура T [°C]", "выше −273.15", aboveAbsoluteZero},
    {InputField::Pressure, "Давление P [атм]", "больше 0", positive},
    {InputField::IndexMin, "Фильтр: показатель преломления n, Min", "конечное число", finite},
    {InputField::IndexMax, "Фильтр: показатель преломления n, Max", "конечное число", finite},
    {InputField::AbbeMin, "Фильтр: число Аббе ν, Min", "конечное число", finite},
    {InputField::AbbeMax, "Фильтр: число Аббе ν, Max", "конечное число", finite},
    {InputField::MinEdge, "Мин. толщина по краю [мм]", "0 или больше", notNegative},
    {InputField::MaxCost, "Фильтр: стоимость, не дороже", "0 или больше", notNegative},
    {InputField::MaxClimate, "Фильтр: класс CR, не выше", "0 или больше", notNegative},
    {InputField::MaxStain, "Фильтр: класс FR, не выше", "0 или больше", notNegative},
    {InputField::MaxAcid, "Фильтр: класс SR, не выше", "0 или больше", notNegative},
    {InputField::MaxAlkali, "Фильтр: класс AR, не выше", "0 или больше", notNegative},
    {InputField::MaxPhosphate, "Фильтр: класс PR, не выше", "0 или больше", notNegative},
    {InputField::MinTransmittance, "Фильтр: пропускание 10 мм при λmin, не ниже", "от 0 до 1",
     fraction},
}};

// The rules are listed in the order of InputField, so that a field finds its rule by number.
constexpr bool rulesInFieldOrder() {
  for (std::size_t k = 0; k < kRules.size(); ++k) {
    if (static_cast<std::size_t>(kRules[k].field) != k) return false;
  }
  return true;
}
static_assert(rulesInFieldOrder());

const InputRule& ruleOf(InputField field) {
  return kRules[static_cast<std::size_t>(field)];
}

/// Returns the limit on the maker's data that `field` sets, or nullptr for any other field.
const std::optional<double>* dataLimitOf(const CalculationInputs& in, InputField field) {
  const GlassDataFilter& f = in.dataFilter;
  if (field == InputField::MaxCost) return &f.maxCost;
  if (field == InputField::MinTransmittance) return &f.minTransmittance;
  const int k = static_cast<int>(field) - static_cast<int>(InputField::MaxClimate);
  return k >= 0 && k < kResistanceCount ? &f.maxClass[std::size_t(k)] : nullptr;
}

double valueOf(const CalculationInputs& in, InputField field) {
  if (const std::optional<double>* limit = dataLimitOf(in, field))
    return limit->value_or(std::nan(""));
  switch (field) {
    case InputField::P:
      return in.P;
    case InputField::W:
      return in.W;
    case InputField::C:
      return in.C;
    case InputField::Focus:
      return in.focus;
    case InputField::Pupil:
      return in.design.pupilDiameter;
    case InputField::CrownThickness:
      return in.design.crownThickness;
    case InputField::FlintThickness:
      return in.design.flintThickness;
    case InputField::Field:
      return in.design.fieldAngle;
    case InputField::Temperature:
      return in.design.environment.temperature;
    case InputField::Pressure:
      return in.design.environment.pressure;
    case InputField::IndexMin:
      return in.ranges[0];
    case InputField::IndexMax:
      return in.ranges[1];
    case InputField::AbbeMin:
      return in.ranges[2];
    case InputField::AbbeMax:
      return in.ranges[3];
    case InputField::MinEdge:
      return in.design.minEdgeThickness;
    default:
      break;
  }
  return std::nan("");
}

std::string shown(double v) {
  char text[32];
  std::snprintf(text, sizeof text, "%.10g", v);
  return text;
}

bool checked(const CalculationInputs& in, InputField field) {
  if (field == InputField::IndexMin || field == InputField::IndexMax) return in.indexFilter;
  if (field == InputField::AbbeMin || field == InputField::AbbeMax) return in.abbeFilter;
  if (const std::optional<double>* limit = dataLimitOf(in, field)) return limit->has_value();
  return true;
}

std::optional<std::string> checkRange(InputField low, InputField high, const char* filter,
                                      const CalculationInputs& in) {
  const double min = valueOf(in, low), max = valueOf(in, high);
  if (min <= max) return std::nullopt;
  return std::string("Фильтр «") + filter + "»: Min = " + shown(min) +
         " больше Max = " + shown(max) + "; допустимо Min ≤ Max.";
}

}  // namespace

std::string inputFieldName(InputField field) {
  return ruleOf(field).name;
}

std::string unreadableInputMessage(InputField field) {
  const InputRule& rule = ruleOf(field);
  return std::string("«") + rule.name + "»: поле пусто или не число; допустимо " + rule.allowed +
         ".";
}

std::optional<std::string> checkInputs(const CalculationInputs& in) {
  for (const InputRule& rule : kRules) {
    const double v = valueOf(in, rule.field);
    if (!checked(in, rule.field) || rule.admits(v)) continue;
    return std::string("«") + rule.name + "» = " + shown(v) + ": допустимо " + rule.allowed + ".";
  }
  if (in.indexFilter) {
    if (auto e =
            checkRange(InputField::IndexMin, InputField::IndexMax, "показатель преломления n", in))
      return e;
  }
  if (in.abbeFilter)
    return checkRange(InputField::AbbeMin, InputField::AbbeMax, "число Аббе ν", in);
  return std::nullopt;
}

}  // namespace synthesis
