// One open radio image: the document of a document window.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "model/Document.h"
#include "model/RadioImage.h"
#include "shell/AppState.h"

namespace radio::gui {

class CProgramDoc : public QObject {
  Q_OBJECT

 public:
  explicit CProgramDoc(AppState& state, QObject* parent = nullptr);

  [[nodiscard]] RadioImage& image() { return image_; }
  [[nodiscard]] const RadioImage& image() const { return image_; }
  [[nodiscard]] AppState& state() { return state_; }

  // A new document: the factory defaults, the band record of the application,
  // the title "Channel Information" and the proposed file name [Setup] AppName.
  void newDocument();
  // Loads a .dat file; a refused file leaves this document as it was.
  [[nodiscard]] FileResult open(const QString& path);
  // Stores the channel grid into the image first, then writes the file atomically.
  [[nodiscard]] FileResult save(const QString& path);

  // The file of the document; for a new document the proposed name [Setup] AppName.
  [[nodiscard]] const QString& filePath() const { return filePath_; }
  // True once the document has been opened from or saved to a file, so that Save
  // writes there without asking.
  [[nodiscard]] bool hasFile() const { return hasFile_; }
  [[nodiscard]] QString title() const;

  // Edits (grid, dialogs, a read from the radio) mark the document modified; a
  // successful save or open clears it.
  [[nodiscard]] bool isModified() const { return modified_; }
  void setModified(bool modified);

  // The view registers how its grid is committed and stored into the image; the
  // document calls it before saving and before a transfer.
  void setGridStore(std::function<void()> store) { gridStore_ = std::move(store); }
  void storeGrid();

  // Runs an edit of the image and marks the document modified when a byte changed.
  void editImage(const std::function<void(RadioImage&)>& edit);

 signals:
  void modifiedChanged(bool modified);
  // The image was replaced as a whole (a read from the radio): views refresh.
  void imageReplaced();

 public:
  // Takes over a whole image read from the radio.
  void replaceImage(const RadioImage& image);

 private:
  AppState& state_;
  RadioImage image_;
  QString filePath_;
  bool hasFile_ = false;
  bool modified_ = false;
  std::function<void()> gridStore_;
};

}  // namespace radio::gui
