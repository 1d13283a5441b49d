// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/widgets/CAboutDlg.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

#include "app/Version.h"
#include "gui/HelpHook.h"
#include "shell/widgets/Commands.h"

namespace radio::gui {

CAboutDlg::CAboutDlg(const AboutTexts& texts, const QString& programDirectory, QWidget* parent) : QDialog(parent) {
  // Every text is set, even an empty one: nothing of a template stays visible.
  setWindowTitle(QString::fromStdString(texts.caption));
  // F1 anywhere asks about the command that opens the window.
  setHelpId(this, cmd::kAbout);
  installHelpKey(this);
  picture_ = new QLabel(this);
  const QIcon icon(QDir(programDirectory).filePath(QStringLiteral("title.ico")));
  if (!icon.isNull()) picture_->setPixmap(icon.pixmap(32, 32));
  picture_->setFixedSize(40, 40);
  // The built-in version, in the words of Program.ini's line.
  version_ = new QLabel(QString::fromStdString(aboutVersionLine(texts.version, programVersion())), this);
  copyrights_ = new QLabel(QString::fromStdString(texts.copyrights), this);
  owner_ = new QLabel(QString::fromStdString(texts.copyrightOwner), this);
  for (QLabel* label : {version_, copyrights_, owner_}) label->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* layout = new QGridLayout(this);
  layout->setHorizontalSpacing(16);
  layout->addWidget(picture_, 0, 0, 3, 1, Qt::AlignTop);
  layout->addWidget(version_, 0, 1);
  layout->addWidget(copyrights_, 1, 1);
  layout->addWidget(owner_, 2, 1);
  layout->addWidget(buttons, 0, 2, 3, 1, Qt::AlignTop);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace radio::gui
