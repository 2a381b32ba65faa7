#include "gui/result_columns.h"

#include <QCoreApplication>

#include "synthesis/doublet_calculation.h"

namespace {

// The value columns follow ResultSummary::columns() one to one; a value the core adds there
// gets its header here.
const ResultColumn kValueColumns[] = {
    {"phi1", QT_TRANSLATE_NOOP("ResultColumns", "сила\n1-й линзы"),
     QT_TRANSLATE_NOOP("ResultColumns", "Оптическая сила φ₁ первой линзы; φ₁ + φ₂ = 1"), 4},
    {"phi2", QT_TRANSLATE_NOOP("ResultColumns", "сила\n2-й линзы"),
     QT_TRANSLATE_NOOP("ResultColumns", "Оптическая сила φ₂ второй линзы; φ₁ + φ₂ = 1"), 4},
    {"P", "P", QT_TRANSLATE_NOOP("ResultColumns", "Параметр P спроектированного компонента"), 6},
    {"W", "W", QT_TRANSLATE_NOOP("ResultColumns", "Параметр W спроектированного компонента"), 6},
    {"C", "C", QT_TRANSLATE_NOOP("ResultColumns", "Параметр C спроектированного компонента"), 6},
    {"transverse", QT_TRANSLATE_NOOP("ResultColumns", "поперечная\nаберрация [мм]"),
     QT_TRANSLATE_NOOP("ResultColumns", "Поперечная сферическая аберрация края зрачка [мм]"), 6},
    {"longitudinal", QT_TRANSLATE_NOOP("ResultColumns", "продольная\nаберрация [мм]"),
     QT_TRANSLATE_NOOP("ResultColumns", "Продольная сферическая аберрация края зрачка ΔS′ [мм]"),
     6},
    {"longitudinal3", QT_TRANSLATE_NOOP("ResultColumns", "продольная\n3-го порядка [мм]"),
     QT_TRANSLATE_NOOP("ResultColumns", "Часть третьего порядка ΔS′_III [мм]"), 6},
    {"longitudinal5", QT_TRANSLATE_NOOP("ResultColumns", "продольная\n5-го порядка [мм]"),
     QT_TRANSLATE_NOOP("ResultColumns", "Часть пятого порядка ΔS′_V [мм]"), 6},
    {"chromatism", QT_TRANSLATE_NOOP("ResultColumns", "хроматизм\nположения [мм]"),
     QT_TRANSLATE_NOOP("ResultColumns", "Хроматизм положения λmin − λmax у оси [мм]"), 6},
    {"secondary_spectrum", QT_TRANSLATE_NOOP("ResultColumns", "вторичный\nспектр [мм]"),
     QT_TRANSLATE_NOOP("ResultColumns", "Вторичный спектр (λmin + λmax)/2 − λ0 у оси [мм]"), 6},
    {"coma", QT_TRANSLATE_NOOP("ResultColumns", "кома [мм]"),
     QT_TRANSLATE_NOOP("ResultColumns", "Кома на краю поля [мм]"), 6},
    {"thermal", QT_TRANSLATE_NOOP("ResultColumns", "КТЛР·10⁻⁶\n[°C⁻¹]"),
     QT_TRANSLATE_NOOP("ResultColumns",
                       "−10⁶·V: коэффициент теплового линейного расширения оправы (в 10⁻⁶ °C⁻¹), "
                       "при котором компонент остается в фокусе, когда меняется температура"),
     6},
};
// The maker's data of the doublet's glasses follow the core's values.
const ResultColumn kGlassDataColumns[] = {
    {"cost1", QT_TRANSLATE_NOOP("ResultColumns", "стоимость\n1-й линзы"),
     QT_TRANSLATE_NOOP("ResultColumns", "Относительная стоимость стекла первой линзы по каталогу"),
     2},
    {"cost2", QT_TRANSLATE_NOOP("ResultColumns", "стоимость\n2-й линзы"),
     QT_TRANSLATE_NOOP("ResultColumns", "Относительная стоимость стекла второй линзы по каталогу"),
     2},
    {"transmittance", QT_TRANSLATE_NOOP("ResultColumns", "пропускание\nпри λmin"),
     QT_TRANSLATE_NOOP("ResultColumns",
                       "Внутреннее пропускание обеих линз при λmin на их осевых толщинах"),
     4},
    {"mass", QT_TRANSLATE_NOOP("ResultColumns", "масса [г]"),
     QT_TRANSLATE_NOOP("ResultColumns", "Масса обеих линз, обрезанных по диаметру зрачка [г]"), 2},
};

static_assert(std::size(kValueColumns) == synthesis::ResultSummary::kColumnCount,
              "every value of a result row needs a column header");

// Image quality by real rays, after the core's values (spots in micrometres here, millimetres in
// the files).
const ResultColumn kQualityColumns[] = {
    {"rms_axis", QT_TRANSLATE_NOOP("ResultColumns", "RMS пятна\nна оси [мкм]"),
     QT_TRANSLATE_NOOP("ResultColumns",
                       "Среднеквадратический радиус пятна рассеяния на оси, три длины волны [мкм]"),
     4},
    {"rms_field", QT_TRANSLATE_NOOP("ResultColumns", "RMS пятна\nна краю поля [мкм]"),
     QT_TRANSLATE_NOOP("ResultColumns", "Среднеквадратический радиус пятна на краю поля [мкм]"), 4},
    {"wfe_rms", QT_TRANSLATE_NOOP("ResultColumns", "RMS волновой\nаберрации [λ]"),
     QT_TRANSLATE_NOOP("ResultColumns", "Среднеквадратическая волновая аберрация на оси при λ0"),
     4},
    {"strehl", QT_TRANSLATE_NOOP("ResultColumns", "число\nШтреля"),
     QT_TRANSLATE_NOOP("ResultColumns", "Число Штреля по Марешалю на оси"), 4},
    {"image_distance", QT_TRANSLATE_NOOP("ResultColumns", "s′ [мм]"),
     QT_TRANSLATE_NOOP("ResultColumns",
                       "Расстояние от последней поверхности до плоскости изображения [мм]"),
     6},
    {"rms_axis_start", QT_TRANSLATE_NOOP("ResultColumns", "RMS на оси\nдо доводки [мкм]"),
     QT_TRANSLATE_NOOP("ResultColumns", "RMS пятна на оси до доводки по реальным лучам [мкм]"), 4},
};

}  // namespace

const std::vector<ResultColumn>& resultColumns() {
  static const std::vector<ResultColumn> columns = [] {
    std::vector<ResultColumn> all{
        {"order", "№",
         QT_TRANSLATE_NOOP("ResultColumns",
                           "Порядок, в котором пары найдены: ближе к заданному P₀ — выше. "
                           "Щелчок по заголовку возвращает этот порядок"),
         0},
        {"glass1", QT_TRANSLATE_NOOP("ResultColumns", "стекло 1"),
         QT_TRANSLATE_NOOP("ResultColumns", "Марка стекла первой по ходу лучей линзы"), 0},
        {"glass2", QT_TRANSLATE_NOOP("ResultColumns", "стекло 2"),
         QT_TRANSLATE_NOOP("ResultColumns", "Марка стекла второй линзы"), 0}};
    all.insert(all.end(), std::begin(kValueColumns), std::end(kValueColumns));
    all.insert(all.end(), std::begin(kQualityColumns), std::end(kQualityColumns));
    all.insert(all.end(), std::begin(kGlassDataColumns), std::end(kGlassDataColumns));
    return all;
  }();
  return columns;
}

QString columnHeader(const ResultColumn& column) {
  return QCoreApplication::translate("ResultColumns", column.header);
}

QString columnTooltip(const ResultColumn& column) {
  return QCoreApplication::translate("ResultColumns", column.tooltip);
}
