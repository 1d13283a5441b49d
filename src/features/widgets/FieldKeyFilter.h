// SPDX-License-Identifier: GPL-3.0-or-later
// The key filter of a signalling dialog or page: every key press aimed at one of
// its controls is described as a KeyStroke and judged by the page's rule (a core
// function); discarded keys never reach the control, F1 asks for help at the
// focused control's id first.
#pragma once

#include <QObject>
#include <functional>

#include "features/KeyRules.h"

class QKeyEvent;
class QWidget;

namespace radio::gui {

// The physical key of a Qt key event. Shifted digit symbols of the usual
// keyboard layout ("#", "*", ...) are reported as their digit key with Shift.
[[nodiscard]] KeyStroke keyStrokeFromEvent(const QKeyEvent& event);

class FieldKeyFilter : public QObject {
  Q_OBJECT

 public:
  // rule judges a key for the control that has the focus.
  using Rule = std::function<KeyDecision(const KeyStroke& key, QWidget* focus)>;

  FieldKeyFilter(Rule rule, QObject* parent);

  // Filters keys for widget and every widget inside it (call again for widgets
  // created later).
  void watch(QWidget* widget);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Rule rule_;
};

}  // namespace radio::gui
