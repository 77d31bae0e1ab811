#include "site/settings_csv.h"

#include "site/csv_rows.h"
#include "site/site_columns.h"

#include <QStringList>

namespace {

QString groupHeader()
{
    QStringList names{kGroupNumberColumn.name};
    for (const GroupValue &v : kGroupValues)
        names.append(v.rule.name);
    return names.join(u';');
}

QString groupRow(const Tanimlamalar &model, int g)
{
    QStringList fields{QString::number(g + 1)};
    for (const GroupValue &v : kGroupValues)
        fields.append(QString::number((model.*v.values)[g] + v.shownOffset));
    return fields.join(u';');
}

QString slotRow(const Tanimlamalar &model, int t, int s)
{
    const int16_t count = model.PriorityCount[t][s];
    return QStringList{QString::number(t + 1), QString::number(s + 1), QString::number(model.PriorityGroup[t][s]),
                       count == kMaxCount ? kMaxCountText : QString::number(count)}
        .join(u';');
}

}  // namespace

QByteArray settingsCsv(const Tanimlamalar &model)
{
    QStringList lines{groupHeader()};
    for (int g = 0; g < kGroupCount; ++g)
        lines.append(groupRow(model, g));
    lines.append(QString());
    lines.append(
        QStringList{kTerminalColumn.name, kSlotColumn.name, kSlotGroupColumn.name, kSlotCountColumn.name}.join(u';'));
    for (int t = 0; t < kTerminalCount; ++t) {
        for (int s = 0; s < kSlotCount; ++s)
            lines.append(slotRow(model, t, s));
    }
    lines.append(QString());  // so the last row ends in CR LF too
    return kUtf8Bom + lines.join(QStringLiteral("\r\n")).toUtf8();
}

QString CsvRefusal::message() const
{
    const QString where = QStringLiteral("CSV dosyası, satır %1").arg(line);
    QString what;
    if (firstLine > 0)
        what = QStringLiteral("%1, \"%2\" sütunu: %3 iki kez var (satır %4 ve %5).")
                   .arg(where, column, value)
                   .arg(firstLine)
                   .arg(line);
    else if (allowed.isEmpty())
        what = QStringLiteral("%1: \"%2\" sütunu bulunamadı.").arg(where, column);
    else
        what = QStringLiteral("%1, \"%2\" sütunu: %3 kabul edilmez (%4).")
                   .arg(where, column, value.isEmpty() ? QStringLiteral("boş alan") : value, allowed);
    return what + QStringLiteral(" Hiçbir değer değiştirilmedi.");
}
