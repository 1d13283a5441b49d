// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ImageMap.h"

namespace radio {

const char* areaName(std::size_t o) {
  using namespace addr;
  struct Area {
    std::size_t first, last;
    const char* name;
  };
  constexpr std::size_t kMskLast = rowSlotOffset(kMsk, 4, 9) + 3;
  constexpr std::size_t kCallListLast = rowSlotOffset(kDtmfCallList, kRowDataBytes, 8) + kRowDataBytes - 1;
  constexpr std::size_t kEncodeLast = kTwoToneEncode + 8 * kRecordSize - 1;  // whole rows
  constexpr std::size_t kDecodeLast = kTwoToneDecode + 4 * kRecordSize - 1;
  constexpr std::size_t kRadio = kTwoToneRadioForm;
  static constexpr Area areas[] = {
      {kChannels, kFr - 1, "channels 1-128"},
      {kFr, kFr + kRecordSize - 1, "channel Fr"},
      {kFr + kRecordSize, kUnused - 1, "channel record 129 (not shown)"},
      {kUnused, kSettings - 1, "unused (preserved)"},
      {kOptional, kOptional + kOptionalLength - 1, "optional features"},
      {kPttIdBegin, kPttIdBegin + kPttIdLength - 1, "PTT ID begin"},
      {kPttIdEnd, kPttIdEnd + kPttIdLength - 1, "PTT ID end"},
      {kOptionalFlags, kPriorityChannel, "optional features (saver, priority)"},
      {kKeyAssign, kKeyAssign, "key assignment"},
      {kMskFlags, kMskFlags, "optional features (MSK type, reset)"},
      {kMsk, kMskLast, "MSK"},
      {kDtmf, kDtmfEncodeLast, "DTMF encode"},
      {kDtmfDecode, kDtmfDecodeLast, "DTMF decode"},
      {kDtmfCallList, kCallListLast, "DTMF call list"},
      {kTwoToneEncode, kEncodeLast, "2-Tone encode tones (display)"},
      {kTwoToneDecode, kDecodeLast, "2-Tone decode entries (display)"},
      {kTwoToneTiming, kTwoToneShortBeep, "2-Tone encode timing (display)"},
      {kTwoToneEncode + kRadio, kEncodeLast + kRadio, "2-Tone encode tones (radio)"},
      {kTwoToneDecode + kRadio, kDecodeLast + kRadio, "2-Tone decode entries (radio)"},
      {kTwoToneTiming + kRadio, kTwoToneTxRise + 1 + kRadio, "2-Tone encode timing (radio)"},
      {kIdentification, kIdentification + kRowDataBytes - 1, "radio identification"},
      {kModelIndex, kModelIndex, "model index"},
      {kPassword, kPassword + kPasswordLength - 1, "radio password"},
      {kBandRecord, kBandRecord + kBandRecordLength - 1, "band record"},
      {kSquelch, kSquelch + 3, "squelch tuning"},
  };
  for (const auto& a : areas) {
    if (o >= a.first && o <= a.last) return a.name;
  }
  if (o >= kSettings && o < kImageSize)
    return o % kRecordSize >= kRowDataBytes ? "settings record tail (image only)" : "settings (unnamed, preserved)";
  return "";
}

}  // namespace radio
