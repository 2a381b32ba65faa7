#include "gui/cell_format.h"

#include <cmath>

QString formatNumber(double value, int decimals) {
  if (std::isnan(value)) return QStringLiteral("NAN");
  if (std::isinf(value)) return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
  return QStringLiteral("%1").arg(value, 0, 'f', decimals);
}

QString formatGeneral(double value) {
  return QString::number(value, 'g', 6);
}

namespace {

QString field(QString text, QChar separator) {
  const bool quote = text.contains(separator) || text.contains(QLatin1Char('"')) ||
                     text.contains(QLatin1Char('\n'));
  if (!quote) return text;
  text.replace(QLatin1String("\""), QLatin1String("\"\""));
  return QLatin1Char('"') + text + QLatin1Char('"');
}

QString line(const QStringList& fields, QChar separator) {
  QStringList out;
  for (const QString& f : fields) out << field(f, separator);
  return out.join(separator) + QLatin1Char('\n');
}

}  // namespace

QString tableText(const QStringList& headers, const std::vector<QStringList>& rows,
                  QChar separator) {
  QStringList flat;
  for (QString h : headers) flat << h.replace(QLatin1Char('\n'), QLatin1Char(' ')).simplified();
  QString text = line(flat, separator);
  for (const QStringList& row : rows) text += line(row, separator);
  return text;
}
