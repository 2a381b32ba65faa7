#pragma once
// Text of the window's number cells and of the table exports, free of widgets.

#include <QString>
#include <QStringList>
#include <vector>

/// Returns `value` in fixed notation with `decimals` decimals; INF, -INF or NAN when not finite.
QString formatNumber(double value, int decimals);

/// Returns `value` in general format with six significant digits, as rich text and range fields
/// show.
QString formatGeneral(double value);

/// Returns one header line and the rows joined by `separator`, one line each; fields that hold
/// the separator, a quote or a line break are quoted, line breaks inside headers become blanks.
QString tableText(const QStringList& headers, const std::vector<QStringList>& rows,
                  QChar separator);
