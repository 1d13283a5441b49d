// SPDX-License-Identifier: GPL-3.0-or-later
// Every settings form loaded from any image and stored back, as opening a dialog
// and pressing OK does, then again with any texts typed into its fields. A store
// writes only the bits its form owns, and storing what was just loaded a second
// time changes nothing more.
#include <functional>
#include <vector>

#include "FuzzInput.h"
#include "features/DtmfCallListForm.h"
#include "features/DtmfDecodeForm.h"
#include "features/DtmfEncodeForm.h"
#include "features/KeyAssignForm.h"
#include "features/MskForm.h"
#include "features/OptionalFeaturesForm.h"
#include "features/ProductInfoForm.h"
#include "features/SquelchForm.h"
#include "features/TwoToneDecodeForm.h"
#include "features/TwoToneEncodeForm.h"

using namespace radio;

namespace {

// The bits each form may write, byte by byte.
struct Owned {
  std::array<Byte, kImageSize> mask{};
  Owned& bytes(std::size_t offset, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) mask.at(offset + i) = 0xFF;
    return *this;
  }
  Owned& bits(std::size_t offset, Byte bits) {
    mask.at(offset) |= bits;
    return *this;
  }
};

// Bits that changed outside the mask.
bool onlyOwnedChanged(const RadioImage& before, const RadioImage& after, const Owned& owned) {
  for (std::size_t i = 0; i < kImageSize; ++i)
    if ((before.at(i) ^ after.at(i)) & ~owned.mask[i]) {
      std::fprintf(stderr, "byte 0x%04zX changed from %02X to %02X outside the form\n", i, before.at(i), after.at(i));
      return false;
    }
  return true;
}

struct FormCase {
  const char* name;
  Owned owned;
  // Loads the form from the image, lets edit change it (nothing when edit is
  // empty) and stores it.
  std::function<void(RadioImage&, Language, fuzz::FuzzInput*)> openAndOk;
};

std::string typed(fuzz::FuzzInput* in, std::size_t max = 24) { return in->text(max); }

std::vector<FormCase> formCases() {
  std::vector<FormCase> cases;
  {
    Owned o;
    for (int n = 1; n <= kDtmfCallCount; ++n) o.bytes(addr::kDtmfCalls.offset(n - 1), addr::kDtmfCalls.length);
    cases.push_back({"dtmf call list", o, [](RadioImage& image, Language, fuzz::FuzzInput* in) {
                       DtmfCallListForm form = loadDtmfCallList(image);
                       if (in)
                         for (auto& entry : form.entries) entry = typed(in);
                       storeDtmfCallList(form, image);
                     }});
  }
  // The ID, group and stun codes, stun activation and type.
  cases.push_back({"dtmf decode", Owned().bytes(0x1320, 10).bytes(0x132F, 1).bytes(0x1338, 10).bits(0x12A8, 0x30),
                   [](RadioImage& image, Language lang, fuzz::FuzzInput* in) {
                     DtmfDecodeForm form = loadDtmfDecode(image, lang);
                     if (in) {
                       form.idCode = typed(in);
                       form.groupCode = typed(in);
                       form.stunActivation = in->flag();
                       form.stunCode = typed(in);
                       form.stunType = typed(in);
                     }
                     storeDtmfDecode(form, image);
                   }});
  // The speed, the three times, the side tone.
  cases.push_back({"dtmf encode", Owned().bits(0x1308, 0x03).bytes(0x1309, 3).bits(0x12A8, 0x40),
                   [](RadioImage& image, Language, fuzz::FuzzInput* in) {
                     DtmfEncodeForm form = loadDtmfEncode(image);
                     if (in) {
                       form.speed = typed(in);
                       form.firstDelay = typed(in);
                       form.firstTime = typed(in);
                       form.starHashTime = typed(in);
                       form.sideTone = in->flag();
                     }
                     storeDtmfEncode(form, image);
                   }});
  cases.push_back(
      {"key assignment", Owned().bits(addr::kKeyAssign, 0x03), [](RadioImage& image, Language, fuzz::FuzzInput* in) {
         KeyAssignForm form = loadKeyAssign(image);
         if (in) form.choice = static_cast<signed char>(in->byte());
         storeKeyAssign(form, image);
       }});
  {
    Owned o;
    for (int code = 0; code <= kMskCallCount; ++code) o.bytes(addr::kMskCodes.offset(code), addr::kMskCodes.length);
    cases.push_back({"msk", o, [](RadioImage& image, Language, fuzz::FuzzInput* in) {
                       MskForm form = loadMsk(image);
                       if (in) {
                         form.idCode = typed(in);
                         for (auto& call : form.calls) call = typed(in);
                       }
                       storeMsk(form, image);
                     }});
  }
  {
    Owned o;
    o.bytes(0x1260, 6).bits(0x1266, 0xFD).bits(0x1267, 0x03).bytes(0x12A9, 1);
    o.bits(0x12A8, 0x81).bits(addr::kMskFlags, 0x13).bytes(addr::kPassword, kPasswordLength);
    cases.push_back({"optional features", o, [](RadioImage& image, Language lang, fuzz::FuzzInput* in) {
                       OptionalFeaturesForm form = loadOptionalFeatures(image);
                       if (in) {
                         for (int& selection : form.selection) selection = static_cast<signed char>(in->byte());
                         for (bool& check : form.checked) check = in->flag();
                         form.password = typed(in);
                       }
                       storeOptionalFeatures(form, image);
                     }});
  }
  cases.push_back(
      {"product information", Owned().bytes(addr::kModelIndex, 1).bytes(addr::kBandRecord, 6),
       [](RadioImage& image, Language, fuzz::FuzzInput* in) {
         BandState band;
         band.limits = bandLimitsFromRecord(normalisedBandRecord(image.bandRecord()));
         const std::optional<std::int64_t> remembered =
             in ? std::optional<std::int64_t>(static_cast<signed char>(in->byte())) : std::nullopt;
         ProductInfoForm form = loadProductInfo(image, band.limits, {"A", "B", "C"}, remembered);
         if (in) {
           form.model = static_cast<signed char>(in->byte());
           for (std::int32_t* edge : {&form.edges.low1, &form.edges.high1, &form.edges.low2, &form.edges.high2})
             *edge = static_cast<std::int32_t>(in->byte() * 256 + in->byte()) - 1000;
         }
         (void)storeProductInfo(form, image, band);
       }});
  cases.push_back(
      {"squelch", Owned().bytes(addr::kSquelch, kSquelchRows), [](RadioImage& image, Language, fuzz::FuzzInput* in) {
         SquelchForm form = loadSquelch(image);
         if (in)
           for (auto& shown : form.shown)
             shown = in->flag() ? std::optional<int>(static_cast<signed char>(in->byte())) : std::nullopt;
         storeSquelch(form, image);
       }});
  for (int k = 1; k <= kTwoToneDecodeEntries; ++k) {
    Owned o;
    o.bytes(twoToneDecodeOffset(k), 8).bytes(twoToneDecodeOffset(k) + twotone::kRadioOffset, 8);
    cases.push_back({"2-tone decode", o, [k](RadioImage& image, Language, fuzz::FuzzInput* in) {
                       TwoToneDecodeForm form = loadTwoToneDecode(image, k);
                       if (in)
                         for (std::string* text : {&form.aTone, &form.bTone, &form.firstDelay, &form.secondDelay,
                                                   &form.interval, &form.longDelay})
                           *text = typed(in);
                       storeTwoToneDecode(form, image, k);
                     }});
  }
  {
    Owned o;
    for (int n = 0; n < twotone::kEncodeEntries; ++n)
      for (int t = 0; t < 2; ++t)
        o.bytes(twoToneEncodeOffset(n, t), 2).bytes(twoToneEncodeOffset(n, t) + twotone::kRadioOffset, 2);
    o.bytes(0x1620, 7).bytes(0x1620 + twotone::kRadioOffset, 7);  // the timing, both forms
    o.bytes(0x1627, 1);                                           // short beep
    cases.push_back({"2-tone encode", o, [](RadioImage& image, Language, fuzz::FuzzInput* in) {
                       TwoToneEncodeForm form = loadTwoToneEncode(image);
                       if (in) {
                         for (std::string* text :
                              {&form.firstDelay, &form.secondDelay, &form.longDelay, &form.toneInterval, &form.txRise})
                           *text = typed(in);
                         form.shortBeep = in->flag();
                         for (auto& pair : form.tones)
                           for (auto& tone : pair) tone = in->flag() ? typed(in, 12) : std::string();
                       }
                       storeTwoToneEncode(form, image);
                     }});
  }
  return cases;
}

const std::vector<FormCase> kForms = formCases();

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FuzzInput in(data, size);
  const Language lang = in.flag() ? Language::Chinese : Language::English;
  const FormCase& form = kForms[static_cast<std::size_t>(in.pick(static_cast<int>(kForms.size())))];
  const RadioImage image = fuzz::imageFrom(in.bytes(kImageSize));

  // Opened and OK pressed, twice: the second time changes nothing.
  RadioImage once = image;
  form.openAndOk(once, lang, nullptr);
  FUZZ_CHECK(onlyOwnedChanged(image, once, form.owned));
  RadioImage twice = once;
  form.openAndOk(twice, lang, nullptr);
  FUZZ_CHECK(twice == once);

  // Any texts typed in.
  RadioImage edited = image;
  form.openAndOk(edited, lang, &in);
  FUZZ_CHECK(onlyOwnedChanged(image, edited, form.owned));
  return 0;
}
