// SPDX-License-Identifier: GPL-3.0-or-later
// The "PrintList" window: which of the six report sections to print. It opens
// with Optional and Channel Info checked; OK hands the checked sections on, Cancel
// abandons printing.
#pragma once

#include <QDialog>
#include <array>

#include "print/PrintPlan.h"

class QCheckBox;
class QPushButton;

namespace radio::gui {

class CPrintListDlg : public QDialog {
  Q_OBJECT

 public:
  // Control ids, also the help context ids of F1.
  enum ControlId : int {
    IdOk = 1,
    IdCancel = 2,
    IdDtmf = 1045,
    IdMsk = 1246,
    IdOptional = 1247,
    IdTwoTone = 1248,
    IdChannelInfo = 1249,
    IdSelectAll = 1279,
    IdClearAll = 1280,
    IdChannelTable = 1281,
  };

  // channelPages: the channel page count of the document, counted now.
  // tablePages: the channel table's page count, counted now.
  CPrintListDlg(int channelPages, int tablePages, QWidget* parent = nullptr);

  // The sections handed on by OK (all clear until then).
  [[nodiscard]] const radio::print::SectionFlags& selection() const { return selection_; }
  // Pages of each section: 1, 1, 1, 2, the channel page count and the table page count.
  [[nodiscard]] const radio::print::SectionPages& pages() const { return pages_; }

  [[nodiscard]] QCheckBox* checkBox(radio::print::Section section) const;
  [[nodiscard]] QPushButton* selectAllButton() const { return selectAll_; }
  [[nodiscard]] QPushButton* clearAllButton() const { return clearAll_; }

  void accept() override;

 private:
  void selectAll();
  void clearAll();
  void toggle(int index);
  void showChecks();
  void takeChecks();

  radio::print::SectionFlags checks_{};
  radio::print::SectionPages pages_{};
  radio::print::SectionFlags selection_{};
  std::array<QCheckBox*, radio::print::kSectionCount> boxes_{};
  QPushButton* selectAll_ = nullptr;
  QPushButton* clearAll_ = nullptr;
};

}  // namespace radio::gui
