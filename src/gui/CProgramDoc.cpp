#include "gui/CProgramDoc.h"

#include "app/IniFile.h"

namespace radio::gui {

CProgramDoc::CProgramDoc(AppState& state, QObject* parent) : QObject(parent), state_(state) {
  doc_.setModifiedListener([this](bool modified) { emit modifiedChanged(modified); });
  doc_.setChangeListener([this](const DocumentChange& change) {
    emit changed(QString::fromUtf8(change.label.data(), change.label.size()));
  });
}

void CProgramDoc::newDocument() {
  doc_.reset(newDocumentImage(state_.band.record));
  filePath_ = state_.config ? QString::fromStdString(state_.config->get("Setup", "AppName", "")) : QString();
}

FileResult CProgramDoc::open(const QString& path) {
  const FileResult result = doc_.load(path.toStdString());
  if (result) filePath_ = path;
  return result;
}

FileResult CProgramDoc::save(const QString& path) {
  storeGrid();
  const FileResult result = doc_.saveAs(path.toStdString());
  if (result) filePath_ = path;
  return result;
}

QString CProgramDoc::title() const {
  return QString::fromUtf8(Text{"Channel Information", "信道信息"}.in(state_.lang));
}

void CProgramDoc::storeGrid() {
  if (gridStore_) gridStore_();
}

void CProgramDoc::replaceImage(const RadioImage& image, std::string_view label) {
  doc_.replaceImage(image, label);
  emit imageReplaced();
}

}  // namespace radio::gui
