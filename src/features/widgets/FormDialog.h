// SPDX-License-Identifier: GPL-3.0-or-later
// A settings window on the image of the active document, run modally: it shows
// the image as it is each time it opens (load()), and F1 asks for help at the
// focused control's id, or at the window's own.
#pragma once

#include <QDialog>

#include "gui/AppState.h"
#include "model/RadioImage.h"

class QShowEvent;

namespace radio::gui {

class FormDialog : public QDialog {
  Q_OBJECT

 protected:
  FormDialog(RadioImage& image, AppState& state, const QString& title, int windowHelpId, QWidget* parent);

  // Shows the image's values in the controls; the window's constructor calls it
  // once its controls exist.
  virtual void load() = 0;
  void showEvent(QShowEvent* event) override;

  RadioImage& image_;
  AppState& state_;
};

}  // namespace radio::gui
