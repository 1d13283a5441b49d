// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/widgets/ReportPrinter.h"

#include <QFile>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <optional>

#include "app/IniFile.h"
#include "channels/ChannelGrid.h"
#include "gui/AppState.h"
#include "model/Document.h"
#include "model/RadioImage.h"
#include "print/Report.h"
#include "print/widgets/CPrintListDlg.h"
#include "print/widgets/ReportPainter.h"

namespace radio::gui {

namespace {

// Runs the PrintList window; nullopt when it was cancelled.
std::optional<radio::print::SectionFlags> chooseSections(QWidget* parent, const radio::ChannelGrid& grid) {
  CPrintListDlg dialog(radio::print::channelPageCount(grid), radio::print::tablePageCount(grid), parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.selection();
}

}  // namespace

ReportPrinter::ReportPrinter(radio::AppState& state)
    : state_(state), printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
  printer_->setFullPage(false);
  printer_->setDocName(QStringLiteral("radioprog"));
}

ReportPrinter::~ReportPrinter() = default;

namespace {

radio::print::ReportSource makeSource(const radio::AppState& state, const radio::RadioImage& image,
                                      const radio::ChannelGrid& grid) {
  std::string owner;
  if (state.config) owner = state.config->get(state.languageName, "Copyrights Owner");
  return radio::print::ReportSource{image, grid, state.lang, owner};
}

bool hasPages(QWidget* parent, const radio::print::SectionFlags& sections, const radio::ChannelGrid& grid) {
  if (radio::print::planReport(sections, grid).totalPages() > 0) return true;
  QMessageBox::information(parent, parent ? parent->window()->windowTitle() : QString(),
                           ReportPrinter::tr("There is nothing to print: the chosen sections have no pages."));
  return false;
}

// Printing to a PDF file writes the file directly; its text map is put right
// afterwards (the file keeps its length).
void restoreHanCharactersInPdfFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return;
  QByteArray pdf = file.readAll();
  file.close();
  if (restoreHanCharactersInPdf(pdf) == 0) return;
  (void)radio::writeFileAtomically(path.toStdString(),
                                   std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
}

}  // namespace

void ReportPrinter::print(QWidget* parent, const radio::RadioImage& image, const radio::ChannelGrid& grid) {
  const auto sections = chooseSections(parent, grid);
  if (!sections || !hasPages(parent, *sections, grid)) return;
  const int total = radio::print::planReport(*sections, grid).totalPages();

  printer_->setPrintRange(QPrinter::AllPages);
  printer_->setFromTo(1, total);
  QPrintDialog dialog(printer_.get(), parent);
  dialog.setMinMax(1, total);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
  if (dialog.exec() != QDialog::Accepted) return;

  int from = 0;
  int to = 0;
  if (printer_->printRange() == QPrinter::PageRange) {
    from = printer_->fromPage();
    to = printer_->toPage();
  }
  // Where the printer cannot make copies itself, the pages are sent again.
  const int copies = printer_->supportsMultipleCopies() ? 1 : printer_->copyCount();
  const radio::print::ReportSource source = makeSource(state_, image, grid);
  if (renderReport(*printer_, *sections, source, from, to, copies) == 0) {
    QMessageBox::warning(parent, parent ? parent->window()->windowTitle() : QString(),
                         tr("The printer could not be opened."));
    return;
  }
  if (printer_->outputFormat() == QPrinter::PdfFormat && !printer_->outputFileName().isEmpty())
    restoreHanCharactersInPdfFile(printer_->outputFileName());
}

void ReportPrinter::preview(QWidget* parent, const radio::RadioImage& image, const radio::ChannelGrid& grid) {
  const auto sections = chooseSections(parent, grid);
  if (!sections || !hasPages(parent, *sections, grid)) return;
  const radio::print::ReportSource source = makeSource(state_, image, grid);
  printer_->setPrintRange(QPrinter::AllPages);
  QPrintPreviewDialog dialog(printer_.get(), parent);
  dialog.setWindowTitle(tr("Print Preview"));
  const radio::print::SectionFlags chosen = *sections;
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&source, chosen](QPrinter* target) {
    int from = 0;
    int to = 0;
    if (target->printRange() == QPrinter::PageRange) {
      from = target->fromPage();
      to = target->toPage();
    }
    renderReport(*target, chosen, source, from, to);
  });
  // The window's own Print button prints the pages and closes it with Accepted;
  // a PDF file written that way gets the same text map as one from Print.
  if (dialog.exec() == QDialog::Accepted && printer_->outputFormat() == QPrinter::PdfFormat &&
      !printer_->outputFileName().isEmpty())
    restoreHanCharactersInPdfFile(printer_->outputFileName());
}

void ReportPrinter::pageSetup(QWidget* parent) {
  QPageSetupDialog dialog(printer_.get(), parent);
  dialog.exec();
}

}  // namespace radio::gui
