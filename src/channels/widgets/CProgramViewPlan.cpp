// SPDX-License-Identifier: GPL-3.0-or-later
// The grid's channel-plan commands: sort and compact (whole records of the image),
// fill down and fill series, find and replace in names. The rules are the core's
// (channels/ChannelPlan.h); every command here is one change of the document.
#include <QMessageBox>
#include <QTableWidget>

#include "channels/widgets/CProgramView.h"
#include "gui/Text.h"

namespace radio::gui {

std::optional<ChannelSpan> CProgramView::selectedSpan() const {
  const std::vector<int> rows = selectedRows();
  if (rows.size() < 2 || rows.front() > kLastChannel) return std::nullopt;
  return ChannelSpan{rows.front(), std::min(rows.back(), kLastChannel)};
}

void CProgramView::sortChannels(SortKey key, ChannelSpan span) {
  moveRecords(tr("Sort Channels"), [&](RadioImage& image) { (void)radio::sortChannels(image, span, key, lang_); });
}

void CProgramView::compactChannels() {
  const ChannelSpan span = selectedSpan().value_or(ChannelSpan{});
  moveRecords(tr("Compact Channels"), [&](RadioImage& image) { (void)radio::compactChannels(image, span); });
}

void CProgramView::fillDown() {
  if (transferRunning() || !settleEditor()) return;
  ChannelGrid next = grid_;
  const PasteResult result = radio::fillDown(next, selectedRange(), doc_.state().band.limits, lang_);
  if (!result.changedRows.empty()) {
    hideCellEditors();
    applyGrid(next, tr("Fill Down"));
  }
  const std::string report = pasteReport(result, lang_, &fillDownReportHeading());
  if (report.empty()) return;
  MessageRequest request;
  request.caption = tr("Fill Down");
  request.text = qs(report);
  request.icon = QMessageBox::Warning;
  request.buttons = QMessageBox::Ok;
  (void)showMessage(this, request);
}

QString CProgramView::fillSeries(ChannelSpan rows, const SeriesPlan& plan) {
  if (transferRunning() || !settleEditor()) return {};
  ChannelGrid next = grid_;
  const PasteResult result = radio::fillSeries(next, rows, plan, doc_.state().band.limits, lang_);
  if (!result.refusals.empty()) return qs(pasteReport(result, lang_, &fillReportHeading()));
  if (!result.changedRows.empty()) {
    hideCellEditors();
    applyGrid(next, tr("Fill Series"));
  }
  return {};
}

int CProgramView::highlightNames(const QString& text, bool matchCase) {
  marked_ = ss(text);
  markCase_ = matchCase;
  for (int n = 1; n <= kChannelRows; ++n) setCellText(n, ColName, grid_.cell(n, ColName));
  return static_cast<int>(findInNames(grid_, marked_, markCase_).size());
}

bool CProgramView::findNextName() {
  const std::vector<int> rows = findInNames(grid_, marked_, markCase_);
  if (rows.empty()) return false;
  const int current = table_->currentRow() + 1;
  const auto after = std::upper_bound(rows.begin(), rows.end(), current);
  const int row = after == rows.end() ? rows.front() : *after;
  commitEdit();
  table_->setCurrentCell(row - 1, ColName);
  table_->scrollToItem(table_->item(row - 1, ColName));
  return true;
}

QString CProgramView::replaceInNames(const QString& replacement, bool currentOnly, int& changed) {
  changed = 0;
  if (transferRunning() || !settleEditor()) return {};
  std::vector<int> rows = findInNames(grid_, marked_, markCase_);
  const int current = table_->currentRow() + 1;
  if (currentOnly)
    rows = std::binary_search(rows.begin(), rows.end(), current) ? std::vector<int>{current} : std::vector<int>{};
  ChannelGrid next = grid_;
  const PasteResult result = radio::replaceInNames(next, rows, marked_, ss(replacement), markCase_, lang_);
  changed = static_cast<int>(result.changedRows.size());
  if (changed > 0) {
    hideCellEditors();
    applyGrid(next, tr("Replace"));
  }
  return qs(pasteReport(result, lang_, &replaceReportHeading()));
}

}  // namespace radio::gui
