// SPDX-License-Identifier: GPL-3.0-or-later
#include "features/DtmfDecodeForm.h"

#include "features/PrintedText.h"

namespace radio {

std::vector<std::string> dtmfGroupCodeChoices(Language lang) {
  return {kGroupCodeOff.in(lang), "A", "B", "C", "D", "*", "#"};
}

std::vector<std::string> dtmfStunTypeChoices(Language lang) {
  return {kStunTxInhibit.in(lang), kStunTransceiverInhibit.in(lang)};
}

namespace printout {

namespace {
// The codes print one byte beyond the page's ten.
constexpr std::size_t kPrintedCode = dtmf::kCodeLength + 1;
}  // namespace

std::string dtmfIdCode(const RadioImage& image, Language lang) {
  return imageText(image, addr::kDtmfIdCode, kPrintedCode, lang);
}

std::string dtmfGroupCode(const RadioImage& image, Language lang) {
  const std::size_t at = kDtmfDecodeFields[1].field.offset;
  return image.at(at) == 0xFF ? std::string(kGroupCodeOff.en) : imageText(image, at, 1, lang);
}

std::string dtmfStunCode(const RadioImage& image, Language lang) {
  return imageText(image, addr::kDtmfStunCode, kPrintedCode, lang);
}

std::string dtmfStunType(const RadioImage& image, Language lang) {
  const bool tx = image.flag(kDtmfDecodeFields[4].field);
  return (tx ? Text{"Tx inbibit", kStunTxInhibit.zh} : kStunTransceiverInhibit).in(lang);
}

}  // namespace printout

DtmfDecodeForm loadDtmfDecode(const RadioImage& image, Language lang) {
  DtmfDecodeForm form;
  form.idCode = image.text(addr::kDtmfIdCode, dtmf::kCodeLength);
  form.stunCode = image.text(addr::kDtmfStunCode, dtmf::kCodeLength);
  const Byte group = image.at(addr::kDtmfGroupCode);
  if (group == 0xFF)
    form.groupCode = kGroupCodeOff.in(lang);
  else if (group != 0x00)
    form.groupCode = std::string(1, static_cast<char>(group));
  form.stunActivation = image.flag(field::kDtmfStunActivation);
  form.stunType = (image.flag(field::kDtmfStunType) ? kStunTxInhibit : kStunTransceiverInhibit).in(lang);
  return form;
}

void storeDtmfDecode(const DtmfDecodeForm& form, RadioImage& image) {
  image.setText(addr::kDtmfIdCode, dtmf::kCodeLength, form.idCode);
  image.setText(addr::kDtmfStunCode, dtmf::kCodeLength, form.stunCode);
  const bool off = form.groupCode == kGroupCodeOff.en || form.groupCode == kGroupCodeOff.zh;
  image.set(addr::kDtmfGroupCode, off                      ? Byte{0xFF}
                                  : form.groupCode.empty() ? Byte{0x00}
                                                           : static_cast<Byte>(form.groupCode[0]));
  image.setFlag(field::kDtmfStunActivation, form.stunActivation);
  const bool tx = form.stunType == kStunTxInhibit.en || form.stunType == kStunTxInhibit.zh;
  image.setFlag(field::kDtmfStunType, tx);
}

KeyDecision dtmfDecodeKey(const KeyStroke& key, bool inStunCode) {
  if (key.kind == KeyKind::F1) return {true, true};
  if (!inStunCode || isNavigationKey(key)) return {true, false};
  if (key.shift) return {isHashOrStar(key) || isLetterUpTo(key, 'D'), false};
  return {isDigitOrEditingKey(key, false) || isLetterUpTo(key, 'D'), false};
}

}  // namespace radio
