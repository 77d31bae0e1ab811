#pragma once

#include "config/tanimlamalar.h"
#include "site/site_tables.h"

#include <QString>

// Writes the site report to a PDF of A4 pages. Lays out text, so a QGuiApplication must exist.
// Empty when written, else the operator's words: "Rapor yazılamadı: PATH (reason)". A file
// already at the path is replaced only by a whole report.
QString writeSiteReport(const QString &pdfPath, const Tanimlamalar &model, const ReportFacts &facts);
