#include "site/csv_rows.h"

#include "config/code_page_1254.h"

#include <QStringDecoder>

namespace {

QString decoded(const QByteArray &csv)
{
    if (csv.startsWith(kUtf8Bom))
        return QString::fromUtf8(csv.mid(kUtf8Bom.size()));
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(csv);
    // A spreadsheet on Turkish Windows saves a plain CSV in its own code page.
    return utf8.hasError() ? fromWindows1254(csv) : text;
}

// Spreadsheets quote a field with '"' and double a quote inside it.
QStringList fields(const QString &line)
{
    QStringList out;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == u'"' && quoted && i + 1 < line.size() && line[i + 1] == u'"') {
            field += c;
            ++i;
        } else if (c == u'"') {
            quoted = !quoted;
        } else if (c == u';' && !quoted) {
            out.append(field.trimmed());
            field.clear();
        } else {
            field += c;
        }
    }
    out.append(field.trimmed());
    return out;
}

}  // namespace

QList<QStringList> csvRows(const QByteArray &csv)
{
    QList<QStringList> rows;
    for (QString line : decoded(csv).split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        rows.append(fields(line));
    }
    return rows;
}
