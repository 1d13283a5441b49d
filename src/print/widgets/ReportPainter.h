// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the report's pages (item lists in twips) on a printer, a PDF writer or the
// preview. The painter measures the two fonts on the device, hands the measures to
// the layout and maps twips to device pixels; it holds no rules of its own.
// Uses Qt Gui only, so the command-line tool can render PDF files without a display.
#pragma once

#include <QByteArray>
#include <QFont>
#include <QPageLayout>
#include <QString>

#include "model/Language.h"
#include "print/PrintPlan.h"
#include "print/Report.h"
#include "print/ReportPage.h"

class QPainter;
class QPaintDevice;
class QPagedPaintDevice;

namespace radio::gui {

class ReportPainter {
 public:
  // Measures the printable area and the two fonts of the report on device.
  ReportPainter(const QPaintDevice& device, radio::Language lang);

  [[nodiscard]] const radio::print::PageGeometry& geometry() const { return geometry_; }
  [[nodiscard]] const QFont& font(radio::print::FontRole role) const;

  // Draws one page; the painter is active on the measured device.
  void drawPage(QPainter& painter, const radio::print::ReportPage& page) const;

  // The face families of the report: the serif face (or its metric-compatible
  // stand-in) and, for Chinese, a face that has the Han characters.
  [[nodiscard]] static QStringList fontFamilies(radio::Language lang);

 private:
  struct FontSet {
    QFont font;
    double ascent = 0;   // device pixels
    double stretch = 1;  // horizontal scale that gives the font its average width
  };
  FontSet makeFont(int charHeightTwips, int charWidthTwips) const;
  [[nodiscard]] double toX(int twips) const { return twips * dpiX_ / 1440.0; }
  [[nodiscard]] double toY(int twips) const { return -twips * dpiY_ / 1440.0; }

  const QPaintDevice& device_;
  radio::Language lang_;
  double dpiX_ = 0;
  double dpiY_ = 0;
  radio::print::PageGeometry geometry_;
  FontSet title_;
  FontSet body_;
};

// Pages [from, to] (1-based, 0 = the first / the last) of the job, copies times,
// on a printer or PDF writer. Returns the number of pages drawn; 0 when nothing
// was selected or the device could not be opened.
int renderReport(QPagedPaintDevice& device, const radio::print::SectionFlags& sections,
                 const radio::print::ReportSource& source, int from = 0, int to = 0, int copies = 1);

// The job as a PDF document in memory, on the given page layout; empty when there
// is no page to print.
[[nodiscard]] QByteArray renderReportPdf(const radio::print::SectionFlags& sections,
                                         const radio::print::ReportSource& source, const QPageLayout& layout,
                                         const QString& title);

// PDF files name each drawn glyph's character in a text map. The CJK faces draw
// many Han characters with the same glyph as their look-alike radicals (U+2E80 to
// U+2FDF), and the writer then names the radical, so copying or searching the text
// of a Chinese report would find the radical U+2F9D where the page shows U+8EAB
// (the first character of the label of the radio's ID code). This puts the Han
// characters back, in place (the file keeps its length). Returns the characters
// changed.
int restoreHanCharactersInPdf(QByteArray& pdf);

// The page layout the PDF report uses when none is chosen: A4 portrait with the
// quarter-inch unprintable margin of a typical printer.
[[nodiscard]] QPageLayout defaultReportPageLayout();

}  // namespace radio::gui
