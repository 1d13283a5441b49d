// The area that holds the document windows, painted with a tiled picture:
// "background.bmp" beside the program, or the built-in picture without it.
#pragma once

#include <QMdiArea>
#include <QString>

namespace radio::gui {

class MdiBackground : public QMdiArea {
  Q_OBJECT

 public:
  explicit MdiBackground(const QString& programDirectory, QWidget* parent = nullptr);

  // True when the picture came from beside the program.
  [[nodiscard]] bool usesPictureFile() const { return fromFile_; }

 private:
  bool fromFile_ = false;
};

}  // namespace radio::gui
