// The document's data: the new-document image and the .dat file.
#pragma once

#include <filesystem>
#include <string>

#include "model/RadioImage.h"

namespace radio {

// The image of a new document. bandRecord is the process-wide band record: an
// absent one (all 0x00 or all 0xFF) is replaced by the default, and the result is
// copied into the image.
[[nodiscard]] RadioImage newDocumentImage(BandRecord& bandRecord);

struct FileResult {
  bool ok = false;
  std::string error;  // one line for the user when !ok
  explicit operator bool() const { return ok; }
};

// Loads the first 6144 bytes of a .dat file into image. A shorter or unreadable
// file is refused and image is left as it was.
[[nodiscard]] FileResult loadDatFile(const std::filesystem::path& path, RadioImage& image);

// Writes exactly the 6144 image bytes. The bytes go to a temporary file in the
// same folder, which then replaces the target in one step, so a failed save never
// destroys the previous file.
[[nodiscard]] FileResult saveDatFile(const std::filesystem::path& path, const RadioImage& image);

// The same atomic replacement for any file content.
[[nodiscard]] FileResult writeFileAtomically(const std::filesystem::path& path, std::string_view content);

}  // namespace radio
