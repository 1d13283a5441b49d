// SPDX-License-Identifier: GPL-3.0-or-later
#include "features/widgets/FieldKeyFilter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>

#include "gui/HelpHook.h"

namespace radio::gui {

namespace {

// The digit key that types a symbol with Shift on the usual keyboard layout.
char shiftedDigit(int key) {
  switch (key) {
    case Qt::Key_ParenRight: return '0';
    case Qt::Key_Exclam: return '1';
    case Qt::Key_At: return '2';
    case Qt::Key_NumberSign: return '3';
    case Qt::Key_Dollar: return '4';
    case Qt::Key_Percent: return '5';
    case Qt::Key_AsciiCircum: return '6';
    case Qt::Key_Ampersand: return '7';
    case Qt::Key_Asterisk: return '8';
    case Qt::Key_ParenLeft: return '9';
    default: return 0;
  }
}

}  // namespace

KeyStroke keyStrokeFromEvent(const QKeyEvent& event) {
  KeyStroke k;
  const Qt::KeyboardModifiers mods = event.modifiers();
  k.shift = mods.testFlag(Qt::ShiftModifier);
  k.keypad = mods.testFlag(Qt::KeypadModifier);
  const int key = event.key();
  // Shortcuts (Ctrl, Alt) type nothing the dialogs accept; Ctrl+Tab switches tab
  // pages and Ctrl+A selects the text.
  if (mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
    if (key == Qt::Key_F1)
      k.kind = KeyKind::F1;
    else if ((key == Qt::Key_Tab || key == Qt::Key_Backtab) && !(mods & (Qt::AltModifier | Qt::MetaModifier)))
      k.kind = KeyKind::Tab;
    else if (event.matches(QKeySequence::SelectAll))
      k.kind = KeyKind::SelectAll;
    else
      k.kind = KeyKind::Other;
    return k;
  }
  if (key >= Qt::Key_0 && key <= Qt::Key_9) {
    k.kind = KeyKind::Digit;
    k.ch = static_cast<char>('0' + (key - Qt::Key_0));
    return k;
  }
  if (key >= Qt::Key_A && key <= Qt::Key_Z) {
    k.kind = KeyKind::Letter;
    k.ch = static_cast<char>('A' + (key - Qt::Key_A));
    return k;
  }
  if (!k.keypad) {
    if (const char digit = shiftedDigit(key)) {
      k.kind = KeyKind::Digit;
      k.ch = digit;
      k.shift = true;
      return k;
    }
  }
  switch (key) {
    case Qt::Key_Period: k.kind = k.keypad ? KeyKind::KeypadDecimal : KeyKind::FullStop; break;
    case Qt::Key_Comma: k.kind = k.keypad ? KeyKind::KeypadDecimal : KeyKind::Other; break;
    case Qt::Key_Backspace: k.kind = KeyKind::Backspace; break;
    case Qt::Key_Delete: k.kind = KeyKind::Delete; break;
    case Qt::Key_Left: k.kind = KeyKind::Left; break;
    case Qt::Key_Right: k.kind = KeyKind::Right; break;
    case Qt::Key_Up: k.kind = KeyKind::Up; break;
    case Qt::Key_Down: k.kind = KeyKind::Down; break;
    case Qt::Key_F1: k.kind = KeyKind::F1; break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: k.kind = KeyKind::Tab; break;
    case Qt::Key_Return:
    case Qt::Key_Enter: k.kind = KeyKind::Enter; break;
    case Qt::Key_Escape: k.kind = KeyKind::Escape; break;
    default: k.kind = KeyKind::Other; break;
  }
  return k;
}

FieldKeyFilter::FieldKeyFilter(Rule rule, QObject* parent) : QObject(parent), rule_(std::move(rule)) {}

void FieldKeyFilter::watch(QWidget* widget) {
  widget->installEventFilter(this);
  for (QWidget* child : widget->findChildren<QWidget*>()) child->installEventFilter(this);
}

bool FieldKeyFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    // A number field taking the focus selects its text, so typing replaces the
    // value instead of adding to it; after the click that placed the cursor.
    if (auto* edit = qobject_cast<QLineEdit*>(watched); edit && !edit->isReadOnly())
      QTimer::singleShot(0, edit, &QLineEdit::selectAll);
    return false;
  }
  if (event->type() != QEvent::KeyPress) return false;
  // A key the focused control ignored travels on to its parents: judge it once,
  // where it was aimed.
  QWidget* focus = QApplication::focusWidget();
  if (focus && watched != focus) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget) return false;
  const auto& keyEvent = static_cast<const QKeyEvent&>(*event);
  const KeyStroke key = keyStrokeFromEvent(keyEvent);
  const KeyDecision decision = rule_(key, widget);
  if (decision.help) requestHelp(widget, helpIdAt(widget));
  if (!decision.pass) return true;
  // Shift+3 and Shift+8 type "#" and "*" whatever text the event carries.
  if (key.kind == KeyKind::Digit && key.shift) {
    const char typed = typedCharacter(key);
    auto* edit = qobject_cast<QLineEdit*>(widget);
    if (typed && edit && keyEvent.text() != QString(QChar(typed))) {
      edit->insert(QString(QChar(typed)));
      return true;
    }
  }
  return false;
}

}  // namespace radio::gui
