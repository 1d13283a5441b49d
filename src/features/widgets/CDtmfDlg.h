// The DTMF window: three tab pages, "Encode", "Decode" and "CallList". A page
// loads from the image when it is shown and stores into it when it is hidden,
// so switching tabs stores the page being left before the next one loads, and
// every way of closing the window stores the visible page. There is no OK or
// Cancel: edits are never discarded.
#pragma once

#include <QDialog>

#include "gui/AppState.h"
#include "model/RadioImage.h"

class QTabWidget;

namespace radio::gui {

class CDtmfEncodePage;
class CDtmfDecodePage;
class CDtmfCallListPage;

class CDtmfDlg : public QDialog {
  Q_OBJECT

 public:
  CDtmfDlg(RadioImage& image, AppState& state, QWidget* parent = nullptr);

  [[nodiscard]] QTabWidget* tabs() const { return tabs_; }
  [[nodiscard]] CDtmfEncodePage* encodePage() const { return encode_; }
  [[nodiscard]] CDtmfDecodePage* decodePage() const { return decode_; }
  [[nodiscard]] CDtmfCallListPage* callListPage() const { return callList_; }

  // Closing by any path (close box, Esc or Enter where a page lets them through)
  // stores the visible page first.
  void done(int result) override;

 protected:
  // A window run again after closing loads its visible page afresh.
  void showEvent(QShowEvent* event) override;

 private:
  void loadPage(int index);
  void storePage(int index);
  void switchTo(int index);

  RadioImage& image_;
  AppState& state_;
  QTabWidget* tabs_ = nullptr;
  CDtmfEncodePage* encode_ = nullptr;
  CDtmfDecodePage* decode_ = nullptr;
  CDtmfCallListPage* callList_ = nullptr;
  int shown_ = -1;  // the page that was loaded last and not yet stored
};

}  // namespace radio::gui
