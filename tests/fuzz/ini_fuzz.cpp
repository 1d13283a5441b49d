// SPDX-License-Identifier: GPL-3.0-or-later
// The ini reader on any text, as Program.ini edited by hand: every lookup the
// program makes answers, a change is written and read back, and what is written
// reads back as the same file.
#include <cctype>

#include "FuzzInput.h"
#include "app/IniFile.h"
#include "app/StartupConfig.h"
#include "features/ProductInfoForm.h"

using namespace radio;

namespace {
const fuzz::ScratchFolder scratch;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const bool caseInsensitive = data[0] & 1;
  const auto path = scratch.file("Program.ini");
  fuzz::writeFile(path, std::span<const Byte>(data + 1, size - 1));

  IniFile ini;
  FUZZ_CHECK(ini.load(path, false, caseInsensitive, false));
  (void)readStartupConfig(ini);
  (void)modelNames(&ini);

  // What the file is written as reads back as the same file.
  const std::string written = ini.serialise();
  {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << written;
    IniFile reread;
    FUZZ_CHECK(reread.load(path, false, caseInsensitive, false));
    FUZZ_CHECK(reread.serialise() == written);
  }

  // A change the program makes is saved and found again.
  fuzz::writeFile(path, std::span<const Byte>(data + 1, size - 1));
  FUZZ_CHECK(ini.load(path, false, caseInsensitive, false));
  ini.set("Setup", "Language", "Chinese");
  (void)ini.save(false);
  IniFile changed;
  FUZZ_CHECK(changed.load(path, false, caseInsensitive, false));
  std::string language = changed.get("Setup", "Language");
  // A value differing only in case counts as unchanged when names fold.
  if (caseInsensitive)
    for (char& c : language) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  FUZZ_CHECK(language == (caseInsensitive ? "chinese" : "Chinese"));
  return 0;
}
