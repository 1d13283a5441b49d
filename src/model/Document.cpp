// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Document.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <utility>

namespace radio {

RadioImage newDocumentImage(BandRecord& bandRecord) {
  RadioImage image;  // every byte 0xFF
  auto put = [&](std::size_t offset, std::initializer_list<Byte> bytes) {
    for (Byte b : bytes) image.set(offset++, b);
  };
  put(addr::kOptional, {0x01, 0x04, 0x00, 0x00, 0x00, 0xBE, 0x13, 0x7A, 0x00, 0x00});
  put(addr::kOptionalFlags, {0xFD, 0x00});
  put(addr::kMskFlags, {0x01});
  put(addr::kDtmf, {0x00, 0x04, 0x00, 0x00});
  put(addr::kDtmfEncodeLast, {0x01});
  put(addr::kDtmfGroupCode, {0x41});
  put(addr::kDtmfDecodeLast, {0x00});
  for (std::size_t k = 0; k < 32; ++k)
    put(rowSlotOffset(addr::kTwoToneEncode, kTwoToneSlotSize, k), {0x4E, 0x20, 0x27, 0x10});
  for (std::size_t k = 0; k < 8; ++k)
    put(rowSlotOffset(addr::kTwoToneDecode, decodeEntry::kSize, k), {0x4E, 0x20, 0x27, 0x10, 0x05, 0x05, 0x0A, 0x05});
  put(addr::kTwoToneTiming, {0x05, 0x05, 0x0A, 0x00, 0x14, 0x00, 0x02, 0x00});
  put(addr::kModelIndex, {0x00});
  bandRecord = normalisedBandRecord(bandRecord);
  image.setBandRecord(bandRecord);
  put(addr::kSquelch, {0x29, 0x27, 0x22, 0x1E});
  return image;
}

FileResult fileFailure(const Text& pattern, std::initializer_list<std::string_view> args) {
  return {false, fillText(pattern.en, args), fillText(pattern.zh, args)};
}

FileResult loadDatFile(const std::filesystem::path& path, RadioImage& image) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec))
    return fileFailure({"%1 is a folder, not a .dat file.", "%1 是文件夹，不是 .dat 文件。"}, {path.string()});
  errno = 0;
  std::ifstream in(path, std::ios::binary);
  if (!in)
    return fileFailure({"Cannot open %1: %2", "无法打开 %1：%2"},
                       {path.string(), std::strerror(errno != 0 ? errno : ENOENT)});
  RadioImage loaded;
  in.read(reinterpret_cast<char*>(loaded.bytes().data()), static_cast<std::streamsize>(kImageSize));
  const auto got = static_cast<std::size_t>(in.gcount());
  if (got < kImageSize) {
    return fileFailure({"%1 is not a radio image: it holds %2 bytes, an image needs %3.",
                        "%1 不是电台映像：只有 %2 字节，映像需要 %3 字节。"},
                       {path.string(), std::to_string(got), std::to_string(kImageSize)});
  }
  image = loaded;
  return {true, {}, {}};
}

FileResult saveDatFile(const std::filesystem::path& path, const RadioImage& image) {
  const auto& bytes = image.bytes();
  return writeFileAtomically(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

// ---------------------------------------------------------------------------
// Document

void Document::setModified(bool modified) {
  if (modified_ == modified) return;
  modified_ = modified;
  if (modifiedListener_) modifiedListener_(modified_);
}

void Document::reset(const RadioImage& image) {
  image_ = image;
  path_.clear();
  setModified(false);
}

FileResult Document::load(const std::filesystem::path& path) {
  FileResult result = loadDatFile(path, image_);
  if (!result) return result;
  path_ = path;
  setModified(false);
  return result;
}

FileResult Document::save() {
  if (path_.empty())
    return fileFailure(
        {"The document has no file yet: give one to save it as.", "文档还没有文件：请指定保存的文件名。"}, {});
  return saveAs(path_);
}

FileResult Document::saveAs(const std::filesystem::path& path) {
  FileResult result = saveDatFile(path, image_);
  if (!result) return result;
  path_ = path;
  setModified(false);
  return result;
}

void Document::change(std::string_view label, const std::function<void(RadioImage&)>& edit, ChangeKind kind) {
  RadioImage next = image_;
  edit(next);
  if (next == image_) return;
  const RadioImage before = std::exchange(image_, next);
  if (kind == ChangeKind::Edit) setModified(true);
  if (changeListener_) changeListener_(DocumentChange{label, before, image_, kind});
}

void Document::replaceImage(const RadioImage& next, std::string_view label) {
  change(label, [&](RadioImage& image) { image = next; });
}

}  // namespace radio
