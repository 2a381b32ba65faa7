#include "synthesis/design_input_check.h"

#include <array>
#include <cmath>
#include <cstdio>

#include "synthesis/message_text.h"

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

// Names and allowed values are translated where a message is made.
constexpr std::array<InputRule, 22> kRules{{
    {InputField::P, SYNTHESIS_TEXT("synthesis", "P"),
     SYNTHESIS_TEXT("synthesis", "любое конечное число"), finite},
    {InputField::W, SYNTHESIS_TEXT("synthesis", "W"),
     SYNTHESIS_TEXT("synthesis", "любое конечное число"), finite},
    {InputField::C, SYNTHESIS_TEXT("synthesis", "C"),
     SYNTHESIS_TEXT("synthesis", "любое конечное число"), finite},
    {InputField::Focus, SYNTHESIS_TEXT("synthesis", "Заднее фокусное расстояние f′ [мм]"),
     SYNTHESIS_TEXT("synthesis", "конечное число, не равное 0"), finiteNonZero},
    {InputField::Pupil, SYNTHESIS_TEXT("synthesis", "Диаметр зрачка D [мм]"),
     SYNTHESIS_TEXT("synthesis", "больше 0"), positive},
    {InputField::CrownThickness, SYNTHESIS_TEXT("synthesis", "Толщина кроновой линзы [мм]"),
     SYNTHESIS_TEXT("synthesis", "больше 0"), positive},
    {InputField::FlintThickness, SYNTHESIS_TEXT("synthesis", "Толщина флинтовой линзы [мм]"),
     SYNTHESIS_TEXT("synthesis", "больше 0"), positive},
    {InputField::Field, SYNTHESIS_TEXT("synthesis", "Поле [°]"),
     SYNTHESIS_TEXT("synthesis", "от 0 до 90, меньше 90"), fieldAngle},
    {InputField::Temperature, SYNTHESIS_TEXT("synthesis", "Температура T [°C]"),
     SYNTHESIS_TEXT("synthesis", "выше −273.15"), aboveAbsoluteZero},
    {InputField::Pressure, SYNTHESIS_TEXT("synthesis", "Давление P [атм]"),
     SYNTHESIS_TEXT("synthesis", "больше 0"), positive},
    {InputField::IndexMin, SYNTHESIS_TEXT("synthesis", "Фильтр: показатель преломления n, Min"),
     SYNTHESIS_TEXT("synthesis", "конечное число"), finite},
    {InputField::IndexMax, SYNTHESIS_TEXT("synthesis", "Фильтр: показатель преломления n, Max"),
     SYNTHESIS_TEXT("synthesis", "конечное число"), finite},
    {InputField::AbbeMin, SYNTHESIS_TEXT("synthesis", "Фильтр: число Аббе ν, Min"),
     SYNTHESIS_TEXT("synthesis", "конечное число"), finite},
    {InputField::AbbeMax, SYNTHESIS_TEXT("synthesis", "Фильтр: число Аббе ν, Max"),
     SYNTHESIS_TEXT("synthesis", "конечное число"), finite},
    {InputField::MinEdge, SYNTHESIS_TEXT("synthesis", "Мин. толщина по краю [мм]"),
     SYNTHESIS_TEXT("synthesis", "0 или больше"), notNegative},
    {InputField::MaxCost, SYNTHESIS_TEXT("synthesis", "Фильтр: стоимость, не дороже"),
     SYNTHESIS_TEXT("synthesis", "0 или больше"), notNegative},
    {InputField::MaxClimate, SYNTHESIS_TEXT("synthesis", "Фильтр: класс CR, не выше"),
     SYNTHESIS_TEXT("synthesis", "0 или больше"), notNegative},
    {InputField::MaxStain, SYNTHESIS_TEXT("synthesis", "Фильтр: класс FR, не выше"),
     SYNTHESIS_TEXT("synthesis", "0 или больше"), notNegative},
    {InputField::MaxAcid, SYNTHESIS_TEXT("synthesis", "Фильтр: класс SR, не выше"),
     SYNTHESIS_TEXT("synthesis", "0 или больше"), notNegative},
    {InputField::MaxAlkali, SYNTHESIS_TEXT("synthesis", "Фильтр: класс AR, не выше"),
     SYNTHESIS_TEXT("synthesis", "0 или больше"), notNegative},
    {InputField::MaxPhosphate, SYNTHESIS_TEXT("synthesis", "Фильтр: класс PR, не выше"),
     SYNTHESIS_TEXT("synthesis", "0 или больше"), notNegative},
    {InputField::MinTransmittance,
     SYNTHESIS_TEXT("synthesis", "Фильтр: пропускание 10 мм при λmin, не ниже"),
     SYNTHESIS_TEXT("synthesis", "от 0 до 1"), fraction},
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
  std::string text = messageText("synthesis", "Фильтр «");
  text += messageText("synthesis", filter);
  text += "»: Min = " + shown(min);
  text += messageText("synthesis", " больше Max = ") + shown(max);
  text += messageText("synthesis", "; допустимо Min ≤ Max.");
  return text;
}

}  // namespace

std::string inputFieldName(InputField field) {
  return messageText("synthesis", ruleOf(field).name);
}

namespace {

std::string allowedOf(const InputRule& rule) {
  return messageText("synthesis", rule.allowed);
}

}  // namespace

std::string unreadableInputMessage(InputField field) {
  const InputRule& rule = ruleOf(field);
  return "«" + inputFieldName(field) +
         messageText("synthesis", "»: поле пусто или не число; допустимо ") + allowedOf(rule) + ".";
}

std::optional<std::string> checkInputs(const CalculationInputs& in) {
  for (const InputRule& rule : kRules) {
    const double v = valueOf(in, rule.field);
    if (!checked(in, rule.field) || rule.admits(v)) continue;
    return "«" + inputFieldName(rule.field) + "» = " + shown(v) +
           messageText("synthesis", ": допустимо ") + allowedOf(rule) + ".";
  }
  if (in.indexFilter) {
    if (auto e = checkRange(InputField::IndexMin, InputField::IndexMax,
                            SYNTHESIS_TEXT("synthesis", "показатель преломления n"), in))
      return e;
  }
  if (in.abbeFilter)
    return checkRange(InputField::AbbeMin, InputField::AbbeMax,
                      SYNTHESIS_TEXT("synthesis", "число Аббе ν"), in);
  return std::nullopt;
}

}  // namespace synthesis
