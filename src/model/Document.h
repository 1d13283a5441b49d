// SPDX-License-Identifier: GPL-3.0-or-later
// The document: one radio image, the .dat file it came from, and whether it holds
// changes not yet saved. Every change of the image passes through
// Document::change(), which is where change notification (and undo) hang.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "model/Language.h"
#include "model/RadioImage.h"

namespace radio {

// The image of a new document. bandRecord is the process-wide band record: an
// absent one (all 0x00 or all 0xFF) is replaced by the default, and the result is
// copied into the image.
[[nodiscard]] RadioImage newDocumentImage(BandRecord& bandRecord);

struct FileResult {
  bool ok = false;
  std::string error;    // one line for the user when !ok, in English
  std::string errorZh;  // the same line in Chinese; empty when there is none
  explicit operator bool() const { return ok; }
  // The line in the language (English when it has no Chinese one).
  [[nodiscard]] const std::string& text(Language lang) const {
    return lang == Language::Chinese && !errorZh.empty() ? errorZh : error;
  }
};

// A failure whose line is pattern with %1, %2, ... replaced by args, in both languages.
[[nodiscard]] FileResult fileFailure(const Text& pattern, std::initializer_list<std::string_view> args);

// Loads the first 6144 bytes of a .dat file into image. A shorter or unreadable
// file is refused and image is left as it was.
[[nodiscard]] FileResult loadDatFile(const std::filesystem::path& path, RadioImage& image);

// Writes exactly the 6144 image bytes. The bytes go to a temporary file in the
// same folder, which then replaces the target in one step, so a failed save never
// destroys the previous file.
[[nodiscard]] FileResult saveDatFile(const std::filesystem::path& path, const RadioImage& image);

// The same atomic replacement for any file content.
[[nodiscard]] FileResult writeFileAtomically(const std::filesystem::path& path, std::string_view content);

// Whether path can be written the way a save writes it (a new file in its folder
// that then replaces the target), checked before the work that produces the
// content begins (a read from the radio takes a while): refused when path is a
// folder, its folder does not exist or takes no new file. Leaves nothing behind.
[[nodiscard]] FileResult checkOutputPath(const std::filesystem::path& path);

// What a change of the image is.
enum class ChangeKind {
  // The user's edit (grid, dialog, read, import...): it marks the document modified.
  Edit,
  // Showing the image rewrote bytes the way the grid keeps them (a refresh moves
  // the band record out of the image): the modified flag stays as it was.
  View,
};

// One change of the image, as the change listener sees it. The references are
// valid only during the call.
struct DocumentChange {
  std::string_view label;  // short and user-facing: "Edit", "Read", a dialog's title
  const RadioImage& before;
  const RadioImage& after;
  ChangeKind kind = ChangeKind::Edit;
};

class Document {
 public:
  // A document holding the blank image (every byte 0xFF), no file, not modified.
  Document() = default;
  explicit Document(const RadioImage& image) : image_(image) {}

  [[nodiscard]] const RadioImage& image() const { return image_; }
  // The file the document was loaded from or last saved to; empty for a new one.
  [[nodiscard]] const std::filesystem::path& path() const { return path_; }

  // Set by every change that alters a byte; cleared by load and by a successful save.
  [[nodiscard]] bool modified() const { return modified_; }
  void setModified(bool modified);

  // Starts over with image: no file, not modified. Not a change (nothing to undo).
  void reset(const RadioImage& image);

  // Opens a .dat file: image, path and a cleared modified flag. A refused file
  // leaves the document entirely as it was. Not a change (nothing to undo).
  [[nodiscard]] FileResult load(const std::filesystem::path& path);
  // Writes the image atomically to path() (saveAs() for a document without one).
  // A failed save keeps the previous file, the path and the modified flag.
  [[nodiscard]] FileResult save();
  [[nodiscard]] FileResult saveAs(const std::filesystem::path& path);

  // The one entry point for changing the image: edit works on a copy of the image,
  // which the document then takes over. When it altered any byte, the change
  // listener hears label with the image before and after, and an Edit marks the
  // document modified; an edit that altered nothing is not a change.
  void change(std::string_view label, const std::function<void(RadioImage&)>& edit, ChangeKind kind = ChangeKind::Edit);
  // Takes over a whole image (a read from the radio, an import) through change().
  void replaceImage(const RadioImage& next, std::string_view label);

  void setChangeListener(std::function<void(const DocumentChange&)> listener) { changeListener_ = std::move(listener); }
  // Hears every switch of the modified flag (a window marks its title with it).
  void setModifiedListener(std::function<void(bool)> listener) { modifiedListener_ = std::move(listener); }

 private:
  RadioImage image_;
  std::filesystem::path path_;
  bool modified_ = false;
  std::function<void(const DocumentChange&)> changeListener_;
  std::function<void(bool)> modifiedListener_;
};

}  // namespace radio
