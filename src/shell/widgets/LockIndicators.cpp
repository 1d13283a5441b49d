// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/widgets/LockIndicators.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>

#ifdef RADIOPROG_HAVE_X11
#include <QtGui/qguiapplication_platform.h>
#include <X11/XKBlib.h>
#endif

namespace radio::gui {

LockIndicators::LockIndicators(QWidget* parent) : QWidget(parent) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  const char* names[] = {"CAP", "NUM", "SCRL"};
  for (std::size_t i = 0; i < panes_.size(); ++i) {
    panes_[i] = new QLabel(QString::fromLatin1(names[i]), this);
    panes_[i]->setFrameShape(QFrame::Panel);
    panes_[i]->setFrameShadow(QFrame::Sunken);
    panes_[i]->setAlignment(Qt::AlignCenter);
    panes_[i]->setMinimumWidth(panes_[i]->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 10);
    panes_[i]->setEnabled(false);
    layout->addWidget(panes_[i]);
  }
#ifdef RADIOPROG_HAVE_X11
  if (QGuiApplication::platformName() == QLatin1String("xcb")) {
    timer_ = new QTimer(this);
    connect(timer_, &QTimer::timeout, this, &LockIndicators::poll);
    timer_->start(300);
    poll();
  }
#endif
}

void LockIndicators::setLocks(bool caps, bool num, bool scroll) {
  panes_[0]->setEnabled(caps);
  panes_[1]->setEnabled(num);
  panes_[2]->setEnabled(scroll);
}

void LockIndicators::poll() {
#ifdef RADIOPROG_HAVE_X11
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  if (!x11 || !x11->display()) return;
  unsigned int state = 0;
  if (XkbGetIndicatorState(x11->display(), XkbUseCoreKbd, &state) != Success) return;
  setLocks(state & 0x1, state & 0x2, state & 0x4);
#endif
}

}  // namespace radio::gui
