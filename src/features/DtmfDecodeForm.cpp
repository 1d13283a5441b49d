#include "features/DtmfDecodeForm.h"

#include "features/DtmfEncodeForm.h"

namespace radio {

std::vector<std::string> dtmfGroupCodeChoices(Language lang) {
  return {kGroupCodeOff.in(lang), "A", "B", "C", "D", "*", "#"};
}

std::vector<std::string> dtmfStunTypeChoices(Language lang) {
  return {kStunTxInhibit.in(lang), kStunTransceiverInhibit.in(lang)};
}

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
