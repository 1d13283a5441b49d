// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/CProgramDoc.h"

#include "app/IniFile.h"

namespace radio::gui {

namespace {

// One undo step: the image before and after a change of the document.
class ImageCommand : public QUndoCommand {
 public:
  ImageCommand(CProgramDoc& doc, const QString& label, const RadioImage& before, const RadioImage& after)
      : QUndoCommand(label), doc_(doc), before_(before), after_(after) {}
  void undo() override { doc_.restoreImage(before_, "Undo"); }
  void redo() override {
    // The change has already happened when the step is recorded.
    if (std::exchange(recorded_, false)) return;
    doc_.restoreImage(after_, "Redo");
  }

 private:
  CProgramDoc& doc_;
  RadioImage before_;
  RadioImage after_;
  bool recorded_ = true;
};

}  // namespace

CProgramDoc::CProgramDoc(AppState& state, QObject* parent) : QObject(parent), state_(state) {
  doc_.setModifiedListener([this](bool modified) { emit modifiedChanged(modified); });
  doc_.setChangeListener([this](const DocumentChange& change) {
    const QString label = QString::fromUtf8(change.label.data(), static_cast<qsizetype>(change.label.size()));
    if (change.kind == ChangeKind::Edit && !restoring_)
      undo_.push(new ImageCommand(*this, label, change.before, change.after));
    emit changed(label);
  });
  // An edit marks the document itself; undo and redo move the stack to or from
  // its clean state, which says whether what is shown is what was saved.
  connect(&undo_, &QUndoStack::cleanChanged, this, [this](bool clean) { doc_.setModified(!clean); });
}

CProgramDoc::~CProgramDoc() {
  QObject::disconnect(&undo_, nullptr, this, nullptr);
  doc_.setModifiedListener(nullptr);
  doc_.setChangeListener(nullptr);
}

void CProgramDoc::restoreImage(const RadioImage& image, std::string_view label) {
  restoring_ = true;
  doc_.change(label, [&](RadioImage& current) { current = image; });
  restoring_ = false;
}

void CProgramDoc::newDocument() {
  doc_.reset(newDocumentImage(state_.band.record));
  copy_ = false;
  undo_.clear();
  filePath_ = state_.config ? QString::fromStdString(state_.config->get("Setup", "AppName", "")) : QString();
}

FileResult CProgramDoc::open(const QString& path) {
  const FileResult result = doc_.load(path.toStdString());
  if (result) {
    filePath_ = path;
    copy_ = false;
    undo_.clear();
  }
  return result;
}

FileResult CProgramDoc::openCopy(const QString& path) {
  Document file;
  const FileResult result = file.load(path.toStdString());
  if (result) {
    doc_.reset(file.image());
    filePath_ = path;
    copy_ = true;
    undo_.clear();
  }
  return result;
}

FileResult CProgramDoc::save(const QString& path) {
  storeGrid();
  const FileResult result = doc_.saveAs(path.toStdString());
  if (result) {
    filePath_ = path;
    copy_ = false;
    undo_.setClean();
  }
  return result;
}

QString CProgramDoc::title() const { return tr("Channel Information"); }

void CProgramDoc::storeGrid() {
  if (gridStore_) gridStore_();
}

}  // namespace radio::gui
