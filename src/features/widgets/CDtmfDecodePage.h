// SPDX-License-Identifier: GPL-3.0-or-later
// The DTMF window's "Decode" page: ID code, group code, and the stun settings.
// Group code and stun type are shown in edits that a drop-down list covers while
// they have the focus, so they can only be chosen, never typed.
#pragma once

#include <QWidget>
#include <array>

#include "gui/AppState.h"
#include "model/RadioImage.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace radio::gui {

class CDtmfDecodePage : public QWidget {
  Q_OBJECT

 public:
  CDtmfDecodePage(RadioImage& image, AppState& state, QWidget* parent = nullptr);

  void load();
  void store();

  [[nodiscard]] QLineEdit* idCode() const { return idCode_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // An edit that a drop-down list covers while it has the focus.
  struct ChoiceEdit {
    QLineEdit* edit = nullptr;
    QComboBox* list = nullptr;
  };

  void openList(const ChoiceEdit& choice);
  void closeList(const ChoiceEdit& choice);
  void closeLists();
  void enableStunControls();

  RadioImage& image_;
  AppState& state_;
  QLineEdit* idCode_ = nullptr;
  ChoiceEdit groupCode_;
  QCheckBox* stunActivation_ = nullptr;
  QLineEdit* stunCode_ = nullptr;
  ChoiceEdit stunType_;
  // What the stun activation enables: the code and the type with their labels.
  std::array<QWidget*, 4> stunControls_{};
};

}  // namespace radio::gui
