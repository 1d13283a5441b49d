#include "shell/widgets/MdiBackground.h"

#include <QBrush>
#include <QDir>
#include <QPixmap>

namespace radio::gui {

MdiBackground::MdiBackground(const QString& programDirectory, QWidget* parent) : QMdiArea(parent) {
  QPixmap picture(QDir(programDirectory).filePath(QStringLiteral("background.bmp")));
  fromFile_ = !picture.isNull();
  if (!fromFile_) picture.load(QStringLiteral(":/shell/background.png"));
  // A texture brush repeats the picture from the top-left corner in rows and
  // columns, and is redrawn whole when the area changes size.
  setBackground(QBrush(picture));
}

}  // namespace radio::gui
