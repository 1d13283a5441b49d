// SPDX-License-Identifier: GPL-3.0-or-later
// One open radio image: the document of a document window, a Qt wrapper around
// radio::Document that forwards its notifications as signals. Every edit of the
// image (Document::change with ChangeKind::Edit) becomes one step of the
// document's undo stack, holding the image before and after; undo and redo put
// those images back through Document::change. The modified flag follows the
// stack's clean state, so undoing back to the saved state clears it. Views show
// the image again on changed(), whatever made the change.
#pragma once

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <functional>
#include <string_view>

#include "gui/AppState.h"
#include "model/Document.h"
#include "model/RadioImage.h"

namespace radio::gui {

class CProgramDoc : public QObject {
  Q_OBJECT

 public:
  explicit CProgramDoc(AppState& state, QObject* parent = nullptr);
  // Quiet on the way out: the undo stack tells its clean state as it goes, and the
  // windows listening may be half destroyed by then.
  ~CProgramDoc() override;

  [[nodiscard]] Document& document() { return doc_; }
  [[nodiscard]] const Document& document() const { return doc_; }
  [[nodiscard]] const RadioImage& image() const { return doc_.image(); }
  [[nodiscard]] AppState& state() { return state_; }

  // A new document: the factory defaults, the band record of the application,
  // the title "Channel Information" and the proposed file name [Setup] AppName.
  void newDocument();
  // Loads a .dat file; a refused file leaves this document as it was.
  [[nodiscard]] FileResult open(const QString& path);
  // Loads a .dat file as an untitled copy (a backup, which stays as it was read):
  // the document has no file, so Save asks for a name; filePath() names the
  // file it came from until then.
  [[nodiscard]] FileResult openCopy(const QString& path);
  // True while the document is an untitled copy of the file filePath() names.
  [[nodiscard]] bool isCopy() const { return copy_; }
  // Stores the channel grid into the image first, then writes the file atomically.
  [[nodiscard]] FileResult save(const QString& path);

  // The file of the document; for a new document the proposed name [Setup] AppName.
  [[nodiscard]] const QString& filePath() const { return filePath_; }
  // True once the document has been opened from or saved to a file, so that Save
  // writes there without asking.
  [[nodiscard]] bool hasFile() const { return !doc_.path().empty(); }
  [[nodiscard]] QString title() const;

  // Edits (grid, dialogs, a read from the radio) mark the document modified; a
  // successful save or open clears it.
  [[nodiscard]] bool isModified() const { return doc_.modified(); }

  // The view registers how its grid is committed and stored into the image; the
  // document calls it before saving and before a transfer.
  void setGridStore(std::function<void()> store) { gridStore_ = std::move(store); }
  void storeGrid();

  // Every change of the image goes through here (Document::change).
  void change(std::string_view label, const std::function<void(RadioImage&)>& edit,
              ChangeKind kind = ChangeKind::Edit) {
    doc_.change(label, edit, kind);
  }
  // Takes over a whole image (an import) as one change.
  void replaceImage(const RadioImage& image, std::string_view label) { doc_.replaceImage(image, label); }

  // The undo stack of this document.
  [[nodiscard]] QUndoStack* undoStack() { return &undo_; }
  // Puts image back as undo and redo do: a change, but not a new undo step.
  void restoreImage(const RadioImage& image, std::string_view label);

 signals:
  void modifiedChanged(bool modified);
  // Any change of the image, with its label: an edit, undo, redo, a read, an import.
  void changed(const QString& label);

 private:
  AppState& state_;
  Document doc_;
  QString filePath_;
  std::function<void()> gridStore_;
  QUndoStack undo_;
  bool restoring_ = false;  // undo/redo is applying an image: not a new step
  bool copy_ = false;
};

}  // namespace radio::gui
