// SPDX-License-Identifier: GPL-3.0-or-later
// Every rule that turns a typed text into a stored value: the 2-Tone numbers,
// the DTMF numbers and codes, the MSK codes and the password. A text left in an
// edit lands in the field's range and is left alone when left again; a code the
// key filter lets through is stored and read back unchanged.
#include <utility>

#include "FuzzInput.h"
#include "app/StartupConfig.h"
#include "features/DtmfCallListForm.h"
#include "features/DtmfEncodeForm.h"
#include "features/KeyRules.h"
#include "features/MskForm.h"
#include "features/OptionalFeaturesForm.h"
#include "features/TwoToneEncodeForm.h"
#include "features/TwoToneNumber.h"

using namespace radio;

namespace {

struct Range {
  TwoToneField field;
  Micros low;
  Micros high;
};
constexpr Range kTwoToneRanges[] = {
    {TwoToneField::Tone, 288'500'000, 3'106'000'000}, {TwoToneField::Delay, 500'000, 10'000'000},
    {TwoToneField::DecodeInterval, 0, 2'000'000},     {TwoToneField::EncodeInterval, 0, 2'000'000},
    {TwoToneField::TxRise, 100'000, 1'000'000},
};

bool inRange(const Range& r, const std::string& text) {
  const Micros v = parseMicros(text);
  return v >= r.low && v <= r.high;
}

void checkTwoTone(const std::string& text, int step) {
  for (const Range& r : kTwoToneRanges) {
    const std::string left = twoToneLeave(r.field, text);
    FUZZ_CHECK(inRange(r, left));
    FUZZ_CHECK(twoToneLeave(r.field, left) == left);
    const std::string spun = twoToneSpin(r.field, text, step);
    FUZZ_CHECK(inRange(r, spun));
  }
  const std::string cell = twoToneCellCommit(text);
  FUZZ_CHECK(text.empty() == cell.empty());
  if (!cell.empty()) FUZZ_CHECK(twoToneCellCommit(cell) == cell && inRange(kTwoToneRanges[0], cell));
  // Six decimals print and read back exactly.
  const Micros value = parseMicros(text);
  FUZZ_CHECK(parseMicros(formatMicros(value, 1, 6)) == value);
  (void)scaledUnits(value, 20, 0xFF);
  (void)nearestDivisor(twotone::kDecodeDivisor, value);
}

void checkDtmf(const std::string& text, int step) {
  (void)readDtmfNumber(text);
  using Rule = std::string (*)(std::string_view);
  using Spin = std::string (*)(std::string_view, int);
  const std::pair<Rule, Spin> rules[] = {{normaliseDtmfSpeed, spinDtmfSpeed},
                                         {normaliseDtmfFirstDelay, spinDtmfFirstDelay},
                                         {normaliseDtmfDigitTime, spinDtmfDigitTime}};
  for (const auto& [normalise, spin] : rules) {
    const std::string once = normalise(text);
    FUZZ_CHECK(normalise(once) == once);
    const std::string spun = spin(text, step);
    FUZZ_CHECK(normalise(spun) == spun);
  }
}

// Codes as their edits hold them, stored and loaded.
void checkCodes(const std::string& text, Language lang) {
  RadioImage image;
  MskForm msk;
  msk.idCode = cellEditorText(text, addr::kMskCodes.length);
  msk.calls[0] = msk.idCode;
  storeMsk(msk, image);
  if (onlyCharacters(msk.idCode, kMskCharacters)) FUZZ_CHECK(loadMsk(image).idCode == msk.idCode);

  DtmfCallListForm calls;
  calls.entries[8] = cellEditorText(text, addr::kDtmfCalls.length);
  storeDtmfCallList(calls, image);
  if (onlyCharacters(calls.entries[8], kDtmfCharacters))
    FUZZ_CHECK(loadDtmfCallList(image).entries[8] == calls.entries[8]);

  // The password: what the dialog shows after OK is what it stored.
  OptionalFeaturesForm optional = loadOptionalFeatures(image);
  optional.password = text;
  storeOptionalFeatures(optional, image);
  const std::string shown = loadOptionalFeatures(image).password;
  FUZZ_CHECK(shown == passwordFromField(image.span(addr::kPassword, kPasswordLength)));
  if (text.size() <= kPasswordLength && onlyCharacters(text, "0123456789")) FUZZ_CHECK(shown == text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FuzzInput in(data, size);
  const Language lang = in.flag() ? Language::Chinese : Language::English;
  const int step = in.flag() ? 1 : -1;
  const std::string text = in.text(64);
  checkTwoTone(text, step);
  checkDtmf(text, step);
  checkCodes(text, lang);
  (void)wholeNumber(text);
  return 0;
}
