#include "report/site_report.h"

#include "site/report_html.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

namespace {

// Room for a printer's grip on every side, and little more: the terminal table is wide.
const QMarginsF kMarginsMm(12, 15, 12, 15);

QString failure(const QString &path, const QString &reason)
{
    return QStringLiteral("Rapor yazılamadı: %1 (%2)").arg(QDir::toNativeSeparators(path), reason);
}

void printReport(QIODevice &device, const Tanimlamalar &model, const ReportFacts &facts)
{
    QPdfWriter writer(&device);
    writer.setTitle(QStringLiteral("Site Raporu"));
    writer.setCreator(QStringLiteral("bilvex-config"));
    // Landscape: a terminal's 16 slots, "16/MAX" at the widest, fit one line at 9 pt.
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, kMarginsMm, QPageLayout::Millimeter));
    QTextDocument document;
    // Laid out on the writer itself, in its pages' size: the document breaks its own pages,
    // and so repeats each table's header row on every page it runs onto.
    document.documentLayout()->setPaintDevice(&writer);
    document.setHtml(siteReportHtml(model, facts));
    document.setPageSize(QSizeF(writer.width(), writer.height()));
    document.print(&writer);
}

}  // namespace

QString writeSiteReport(const QString &pdfPath, const Tanimlamalar &model, const ReportFacts &facts)
{
    QSaveFile file(pdfPath);
    if (!file.open(QIODevice::WriteOnly))
        return failure(pdfPath, file.errorString());
    printReport(file, model, facts);
    if (!file.commit())
        return failure(pdfPath, file.errorString());
    return {};
}
