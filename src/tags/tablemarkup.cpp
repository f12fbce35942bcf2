#include "tags/tablemarkup.h"

#include "platform/bytetext.h"
#include <QStringList>

#include <cmath>
#include <optional>

namespace {

// The part as a whole number within [0, largest], halves to even; nothing otherwise.
std::optional<int> wholeNumber(const QString& part, int largest)
{
    bool ok = false;
    const double value = std::nearbyint(part.trimmed().toDouble(&ok));
    if (!ok || !(value >= 0 && value <= largest))
        return std::nullopt;
    return int(value);
}

QString borderAttributes(int style)
{
    switch (style) {
    case 0:
        return QStringLiteral("BORDER=\"1\" ");
    case 1:
        return QStringLiteral("BORDER=\"1\" CELLSPACING=\"0\" BORDERCOLOR=\"#000000\" ");
    default:
        return {};
    }
}

} // namespace

QString tabelisteqsti(const QString& spec, const QString& noBreakSpace)
{
    const QStringList parts = spec.split(QLatin1Char('|'));
    if (parts.size() < 3)
        return {};
    const std::optional<int> lastColumn = wholeNumber(parts[0], 0x7FFF);
    const std::optional<int> lastRow = wholeNumber(parts[1], 0x7FFF);
    const std::optional<int> style = wholeNumber(parts[2], 0xFF);
    if (!lastColumn || !lastRow || !style)
        return {};

    const QString cell = QStringLiteral("<TD WIDTH=\"") + QString::number(100 / (*lastColumn + 1)) +
                         QStringLiteral("%\">") + noBreakSpace + QStringLiteral("</TD>");
    QString cells;
    cells.reserve((cell.size() + kCrLf.size()) * (*lastColumn + 1));
    for (int column = 0; column <= *lastColumn; ++column) {
        if (column > 0)
            cells += kCrLf;
        cells += cell;
    }
    const QString row = QStringLiteral("<TR>\r\n") + cells + QStringLiteral("\r\n</TR>\r\n");

    const QString opening = QStringLiteral("<TABLE ") + borderAttributes(*style) +
                            QStringLiteral("WIDTH=\"100%\">\r\n");
    const QString closing = QStringLiteral("</TABLE>\r\n");
    QString table;
    table.reserve(opening.size() + row.size() * (*lastRow + 1) + closing.size());
    table += opening;
    for (int r = 0; r <= *lastRow; ++r)
        table += row;
    table += closing;
    return table;
}
