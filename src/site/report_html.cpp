#include "site/report_html.h"

#include "images/unit_names.h"

namespace {

// No cell wraps: the table takes the width its texts need, and "16/MAX" stays one line.
QString rowHtml(const QStringList &texts, const QString &cell)
{
    QString html = QStringLiteral("<tr>");
    for (const QString &text : texts)
        html += QStringLiteral("<%1 nowrap>%2</%1>").arg(cell, text.toHtmlEscaped());
    return html + QStringLiteral("</tr>");
}

// The header row goes in <thead>: the layout then repeats it at the top of each page.
QString tableHtml(const SiteTable &table)
{
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" "
                                  "style=\"border-collapse: collapse\"><thead>");
    html += rowHtml(table.headers, QStringLiteral("th")) + QStringLiteral("</thead><tbody>");
    for (const QStringList &row : table.rows)
        html += rowHtml(row, QStringLiteral("td"));
    return html + QStringLiteral("</tbody></table>");
}

QString factsHtml(const Tanimlamalar &model, const ReportFacts &facts)
{
    const QString chip = clockChipName(model.ClockChip);
    const QStringList lines{QStringLiteral("Tarih: ") + facts.when.toString(QStringLiteral("dd.MM.yyyy HH:mm")),
                            QStringLiteral("Ayarlar Dosyası: ") + facts.settingsFile,
                            QStringLiteral("COM Port: ") + model.Text4, kClockChipWord + QStringLiteral(": ") + chip};
    QStringList escaped;
    for (const QString &line : lines)
        escaped << line.toHtmlEscaped();
    return QStringLiteral("<p>") + escaped.join(QStringLiteral("<br>")) + QStringLiteral("</p>");
}

QString lastSendsHtml(const SiteTable &lastSends)
{
    const QString heading = QStringLiteral("<h2>Son Gönderimler</h2>");
    if (lastSends.rows.isEmpty())
        return heading + QStringLiteral("<p>Bu dosyadan birime tam bir gönderim kaydedilmemiş.</p>");
    return heading + tableHtml(lastSends);
}

}  // namespace

QString siteReportHtml(const Tanimlamalar &model, const ReportFacts &facts)
{
    // The terminals start a page of their own, so their heading never ends the page before.
    return QStringLiteral("<html><body style=\"font-size: 9pt\"><h1>Site Raporu</h1>") + factsHtml(model, facts) +
           lastSendsHtml(facts.lastSends) + QStringLiteral("<h2>Gruplar</h2>") + tableHtml(groupTable(model)) +
           QStringLiteral("<h2 style=\"page-break-before: always\">Terminaller</h2>") +
           tableHtml(terminalTable(model)) + QStringLiteral("</body></html>");
}
