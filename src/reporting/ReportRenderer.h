#pragma once

#include <QString>

#include <functional>

class QPainter;
class QPrinter;

namespace report {

struct Document;
struct Page;

// Called before each page is painted with the pages done so far and their
// total; returning false cancels.
using Progress = std::function<bool(int done, int total)>;

// Paints one page with its top-left corner at the painter's origin, at that
// many device pixels per millimetre (the zoom of a preview is in it).
void PaintPage(QPainter &painter, const Page &page, qreal dotsPerMm);

// Sends the document to the printer, page set-up taken from the document.
// Returns false when cancelled or when the printer could not be opened. A
// cancelled job is aborted; if the printer cannot abort it and writes to a
// file, the unfinished file is removed.
bool Print(const Document &document, QPrinter &printer, const Progress &progress = {});

// Writes the document as a PDF with its fonts embedded. Returns false when
// cancelled (nothing is left at `path`) or when the file cannot be written.
bool WritePdf(const Document &document, const QString &path, const Progress &progress = {});

} // namespace report
