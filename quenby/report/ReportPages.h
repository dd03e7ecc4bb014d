#pragma once

#include "quenby/logic/ClassReport.h"

#include <QPageLayout>
#include <QString>

class QPagedPaintDevice;

// Draws the class report on paper-like devices: a printer, the print preview, a PDF file.
namespace reportpages {

// A4 portrait with margins of 18 mm, the page the report is laid out for.
QPageLayout pageLayout();

// Draws the report on the device's pages, starting on its current page and adding pages as the
// marks need them. Everything is placed inside the device's paintable area, so the page size,
// orientation and margins set on the device hold.
void paint(QPagedPaintDevice &device, const classreport::Content &content);

// The number of pages the report takes on the device.
int pageCount(QPagedPaintDevice &device, const classreport::Content &content);

// Writes the report to a PDF file on A4 portrait pages. The file is written whole or not at all:
// on failure an existing file is left as it was, and the reason is given for the user.
bool writePdf(const QString &path, const classreport::Content &content, QString *reason);

} // namespace reportpages
