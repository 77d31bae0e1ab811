#pragma once

#include "config/tanimlamalar.h"
#include "site/site_tables.h"

#include <QString>

// The site report as rich text for a page layout: the heading, the facts of the site and its
// two tables, each with its header row marked to repeat on every page the table runs onto.
QString siteReportHtml(const Tanimlamalar &model, const ReportFacts &facts);
