// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's entry to the printed report: Print, Print Preview and Print
// Setup. One object lives as long as the main window and keeps the printer, so
// that the choices made in Print Setup and in the print dialog persist.
#pragma once

#include <QCoreApplication>
#include <memory>

class QPrinter;
class QWidget;

namespace radio {
struct AppState;
class ChannelGrid;
class RadioImage;
}  // namespace radio

namespace radio::gui {

class ReportPrinter {
  Q_DECLARE_TR_FUNCTIONS(radio::gui::ReportPrinter)

 public:
  explicit ReportPrinter(radio::AppState& state);
  ~ReportPrinter();
  ReportPrinter(const ReportPrinter&) = delete;
  ReportPrinter& operator=(const ReportPrinter&) = delete;

  // Asks for the sections (PrintList window; Cancel abandons), then shows the
  // standard print dialog and prints the chosen pages.
  void print(QWidget* parent, const radio::RadioImage& image, const radio::ChannelGrid& grid);
  // Asks for the sections, then shows the pages in the print preview window.
  void preview(QWidget* parent, const radio::RadioImage& image, const radio::ChannelGrid& grid);
  // The page setup dialog for the kept printer.
  void pageSetup(QWidget* parent);

  // The printer the report goes to (for the preview window and tests).
  [[nodiscard]] QPrinter& printer() { return *printer_; }

 private:
  radio::AppState& state_;
  std::unique_ptr<QPrinter> printer_;
};

}  // namespace radio::gui
