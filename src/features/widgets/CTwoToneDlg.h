// The 2-Tone window: "Encode" and "Decode" tabs. The page being left stores
// before the next one loads, and every way of closing the window (close box,
// Esc or Enter reaching the window) stores the visible page, so no edit is lost.
#pragma once

#include <QDialog>

#include "gui/AppState.h"
#include "model/RadioImage.h"

class QTabWidget;

namespace radio::gui {

class CTwoToneEncodePage;
class CTwoToneDecodeTabs;

class CTwoToneDlg : public QDialog {
  Q_OBJECT

 public:
  CTwoToneDlg(RadioImage& image, AppState& state, QWidget* parent = nullptr);

  [[nodiscard]] QTabWidget* tabs() const { return tabs_; }
  [[nodiscard]] CTwoToneEncodePage* encodePage() const { return encode_; }
  [[nodiscard]] CTwoToneDecodeTabs* decodeTabs() const { return decode_; }

  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void loadPage(int index);
  void storePage(int index);
  void switchTo(int index);

  RadioImage& image_;
  AppState& state_;
  QTabWidget* tabs_ = nullptr;
  CTwoToneEncodePage* encode_ = nullptr;
  CTwoToneDecodeTabs* decode_ = nullptr;
  int shown_ = -1;
};

}  // namespace radio::gui
