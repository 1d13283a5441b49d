// The DTMF window's "Decode" page: ID code, group code, and the stun settings.
// Group code and stun type are shown in edits that a drop-down list covers while
// they have the focus, so they can only be chosen, never typed.
#pragma once

#include <QWidget>

#include "gui/AppState.h"
#include "model/RadioImage.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace radio::gui {

class CDtmfDecodePage : public QWidget {
  Q_OBJECT

 public:
  CDtmfDecodePage(RadioImage& image, AppState& state, QWidget* parent = nullptr);

  void load();
  void store();

  [[nodiscard]] QLineEdit* idCode() const { return idCode_; }
  [[nodiscard]] QLineEdit* groupCode() const { return groupCode_; }
  [[nodiscard]] QComboBox* groupList() const { return groupList_; }
  [[nodiscard]] QCheckBox* stunActivation() const { return stunActivation_; }
  [[nodiscard]] QLineEdit* stunCode() const { return stunCode_; }
  [[nodiscard]] QLineEdit* stunType() const { return stunType_; }
  [[nodiscard]] QComboBox* stunTypeList() const { return stunTypeList_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void openList(QLineEdit* edit, QComboBox* list);
  void closeList(QLineEdit* edit, QComboBox* list);
  void closeLists();
  void enableStunControls();

  RadioImage& image_;
  AppState& state_;
  QLineEdit* idCode_ = nullptr;
  QLineEdit* groupCode_ = nullptr;
  QCheckBox* stunActivation_ = nullptr;
  QLabel* stunCodeLabel_ = nullptr;
  QLineEdit* stunCode_ = nullptr;
  QLabel* stunTypeLabel_ = nullptr;
  QLineEdit* stunType_ = nullptr;
  QComboBox* groupList_ = nullptr;
  QComboBox* stunTypeList_ = nullptr;
};

}  // namespace radio::gui
