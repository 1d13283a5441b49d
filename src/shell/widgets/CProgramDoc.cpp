#include "shell/widgets/CProgramDoc.h"

#include "shell/IniFile.h"

namespace radio::gui {

CProgramDoc::CProgramDoc(AppState& state, QObject* parent) : QObject(parent), state_(state) {}

void CProgramDoc::newDocument() {
  image_ = newDocumentImage(state_.band.record);
  filePath_ = state_.config ? QString::fromStdString(state_.config->get("Setup", "AppName", "")) : QString();
  hasFile_ = false;
  setModified(false);
}

FileResult CProgramDoc::open(const QString& path) {
  const FileResult result = loadDatFile(path.toStdString(), image_);
  if (result) {
    filePath_ = path;
    hasFile_ = true;
    setModified(false);
  }
  return result;
}

FileResult CProgramDoc::save(const QString& path) {
  storeGrid();
  const FileResult result = saveDatFile(path.toStdString(), image_);
  if (result) {
    filePath_ = path;
    hasFile_ = true;
    setModified(false);
  }
  return result;
}

QString CProgramDoc::title() const {
  return QString::fromUtf8(Text{"Channel Information", "信道信息"}.in(state_.lang));
}

void CProgramDoc::setModified(bool modified) {
  if (modified_ == modified) return;
  modified_ = modified;
  emit modifiedChanged(modified_);
}

void CProgramDoc::storeGrid() {
  if (gridStore_) gridStore_();
}

void CProgramDoc::editImage(const std::function<void(RadioImage&)>& edit) {
  const RadioImage before = image_;
  edit(image_);
  if (!(image_ == before)) setModified(true);
}

void CProgramDoc::replaceImage(const RadioImage& image) {
  image_ = image;
  setModified(true);
  emit imageReplaced();
}

}  // namespace radio::gui
