// SPDX-License-Identifier: GPL-3.0-or-later
// get/set sections of the signalling dialogs: DTMF (encode, decode and the fast
// call list), MSK and 2-Tone. Every section is its pages' field tables: get shows
// each field as its page shows it on opening; set types the value into the page,
// leaves the field (normalisation, clamping) and stores the page as closing it
// would, so 2-Tone values land in both their display and radio forms.
#include "features/DtmfCallListForm.h"
#include "features/DtmfDecodeForm.h"
#include "features/DtmfEncodeForm.h"
#include "features/MskForm.h"
#include "features/SettingsSections.h"
#include "features/TwoToneDecodeForm.h"
#include "features/TwoToneEncodeForm.h"

namespace radio {

std::vector<Section> signallingSections() {
  const FormPage<DtmfEncodeForm> dtmfEncode{
      kDtmfEncodeRows, [](const RadioImage& image, const SectionContext&, int) { return loadDtmfEncode(image); },
      [](DtmfEncodeForm& form, RadioImage& image, int) { storeDtmfEncode(form, image); }};
  const FormPage<DtmfDecodeForm> dtmfDecode{
      kDtmfDecodeRows,
      [](const RadioImage& image, const SectionContext& ctx, int) { return loadDtmfDecode(image, ctx.lang); },
      [](DtmfDecodeForm& form, RadioImage& image, int) { storeDtmfDecode(form, image); }};
  const FormPage<DtmfCallListForm> dtmfCalls{
      kDtmfCallRows, [](const RadioImage& image, const SectionContext&, int) { return loadDtmfCallList(image); },
      [](DtmfCallListForm& form, RadioImage& image, int) { storeDtmfCallList(form, image); }};
  const FormPage<MskForm> msk{kMskRows,
                              [](const RadioImage& image, const SectionContext&, int) { return loadMsk(image); },
                              [](MskForm& form, RadioImage& image, int) { storeMsk(form, image); }};
  const FormPage<TwoToneEncodeForm> twoToneEncode{
      kTwoToneEncodeRows, [](const RadioImage& image, const SectionContext&, int) { return loadTwoToneEncode(image); },
      [](TwoToneEncodeForm& form, RadioImage& image, int) { storeTwoToneEncode(form, image); }};
  const FormPage<TwoToneDecodeForm> twoToneDecode{
      kTwoToneDecodeRows,
      [](const RadioImage& image, const SectionContext&, int entry) { return loadTwoToneDecode(image, entry); },
      [](TwoToneDecodeForm& form, RadioImage& image, int entry) { storeTwoToneDecode(form, image, entry); },
      kTwoToneDecodeEntries,
      kTwoToneDecodeKey,
      kTwoToneDecodeTab};

  std::vector<Section> list;
  list.push_back(pagesSection(kDtmfSection, "DTMF: Encode, Decode and CallList pages",
                              {sectionPage(dtmfEncode), sectionPage(dtmfDecode), sectionPage(dtmfCalls)}));
  list.push_back(pagesSection(kMskSection, "MSK: ID code and call list", {sectionPage(msk)}));
  list.push_back(pagesSection(kTwoToneSection,
                              "2-Tone: encode timing, 32 encode tone pairs, 8 decode entries (stored in both forms)",
                              {sectionPage(twoToneEncode), sectionPage(twoToneDecode)}));
  return list;
}

}  // namespace radio
