// SPDX-License-Identifier: GPL-3.0-or-later
// The image map: where every area, byte and bit of the radio image lives, and
// where each radio address lands in the image. Every other file names image
// positions through these constants; none spells an offset as a number.
//
// The image is 256 records of 24 bytes. Records 0..129 hold channels and travel
// to the radio whole; records 195..255 are the settings rows, of which only bytes
// 0..15 travel (bytes 16..23 are image only). Texts and tables in the settings
// rows therefore run through the first 16 bytes of consecutive rows:
// rowDataOffset() and rowSlotOffset() place them.
//
// Usage:
//   image.field(field::kScanMode)                 // bits 5-6 of the key flags byte
//   image.setFlag(field::kChannelGridFlag, true)
//   image.code(addr::kMskCodes, n)                // MSK code n
//   imageOffsetForRadioAddress(0x0C70)            // the radio's byte in the image
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>

namespace radio {

using Byte = std::uint8_t;

inline constexpr std::size_t kImageSize = 6144;
inline constexpr std::size_t kRecordSize = 24;
inline constexpr std::size_t kRecordCount = 256;
inline constexpr int kChannelRows = 129;  // grid rows 1..129; row 129 is "Fr"

// Bits [lowBit, lowBit + bitCount) of the byte at offset; a whole byte by default.
struct ImageField {
  std::size_t offset = 0;
  int lowBit = 0;
  int bitCount = 8;
};

// ---- rows of the settings area ---------------------------------------------------

// Bytes 0..15 of each settings row carry data; the rest of the row is image only.
inline constexpr std::size_t kRowDataBytes = 16;

// Data byte `index` of a run that starts at the row offset `base`.
[[nodiscard]] constexpr std::size_t rowDataOffset(std::size_t base, std::size_t index) {
  return base + index / kRowDataBytes * kRecordSize + index % kRowDataBytes;
}

// Slot n of slotSize bytes (a divisor of 16) in the data bytes of the rows from base.
[[nodiscard]] constexpr std::size_t rowSlotOffset(std::size_t base, std::size_t slotSize, std::size_t n) {
  return rowDataOffset(base, n * slotSize);
}

// Codes of one length in consecutive slots of the data bytes of the rows from
// base. A code ends at its first 0xFF; stored, the rest of its slot is 0xFF.
struct CodeSlots {
  std::size_t base;
  std::size_t length;  // bytes of one slot, a divisor of 16
  [[nodiscard]] constexpr std::size_t offset(std::size_t n) const { return rowSlotOffset(base, length, n); }
};

// ---- areas and bytes -------------------------------------------------------------

namespace addr {
// Channels: records 0..127 are channels 1..128, record 128 is "Fr", record 129
// travels with them and is otherwise left alone.
inline constexpr std::size_t kChannels = 0x0000;
inline constexpr std::size_t kChannelRecords = 130;
inline constexpr std::size_t kFr = kChannels + 128 * kRecordSize;      // the grid's row "Fr"
inline constexpr std::size_t kUnused = kChannelRecords * kRecordSize;  // records 130..194, image only
inline constexpr std::size_t kSettings = 195 * kRecordSize;            // first settings row

// Optional features, ten bytes.
inline constexpr std::size_t kOptional = 0x1260;
inline constexpr std::size_t kOptionalLength = 10;
inline constexpr std::size_t kTot = kOptional + 0;
inline constexpr std::size_t kSquelchLevel = kOptional + 1;
inline constexpr std::size_t kVoxLevel = kOptional + 2;
inline constexpr std::size_t kStep = kOptional + 3;
inline constexpr std::size_t kPreAlert = kOptional + 4;
inline constexpr std::size_t kKeyFlags = kOptional + 5;
inline constexpr std::size_t kDisplayFlags = kOptional + 6;
inline constexpr std::size_t kDisplayMode = kOptional + 7;

// PTT ID texts, printed only.
inline constexpr std::size_t kPttIdBegin = 0x1278;
inline constexpr std::size_t kPttIdEnd = 0x1290;
inline constexpr std::size_t kPttIdLength = 16;

inline constexpr std::size_t kOptionalFlags = 0x12A8;  // saver, keypad lock, DTMF side tone and stun
inline constexpr std::size_t kPriorityChannel = kOptionalFlags + 1;
inline constexpr std::size_t kKeyAssign = kOptionalFlags + 2;
inline constexpr std::size_t kMskFlags = kOptionalFlags + 3;  // MSK type, reset, channel grid flag

// MSK: the own ID code (code 0) and nine call codes (1..9), four bytes each.
inline constexpr std::size_t kMsk = 0x12C0;
inline constexpr CodeSlots kMskCodes{kMsk, 4};

// DTMF encode timing.
inline constexpr std::size_t kDtmf = 0x1308;
inline constexpr std::size_t kDtmfSpeed = kDtmf + 0;
inline constexpr std::size_t kDtmfFirstDelay = kDtmf + 1;
inline constexpr std::size_t kDtmfFirstTime = kDtmf + 2;
inline constexpr std::size_t kDtmfStarHashTime = kDtmf + 3;
inline constexpr std::size_t kDtmfEncodeLast = kDtmf + 5;  // no page uses it; a new document sets 1
// DTMF decode: own identity and stun code.
inline constexpr std::size_t kDtmfDecode = 0x1320;
inline constexpr std::size_t kDtmfIdCode = kDtmfDecode;
inline constexpr std::size_t kDtmfGroupCode = kDtmfDecode + 15;
inline constexpr std::size_t kDtmfStunCode = kDtmfDecode + kRecordSize;
inline constexpr std::size_t kDtmfDecodeLast = kDtmfDecode + 39;  // no page uses it; a new document sets 0
inline constexpr std::size_t kDtmfCodeLength = 10;
// DTMF call list: nine entries of 16 characters, one row each (entry n is code n-1).
inline constexpr std::size_t kDtmfCallList = 0x1380;
inline constexpr CodeSlots kDtmfCalls{kDtmfCallList, 16};

// 2-Tone: every value kept twice, a display form (the one read back) and a radio
// form kTwoToneRadioForm further on.
inline constexpr std::size_t kTwoToneEncode = 0x1500;  // 32 tone pairs, 4 bytes each
inline constexpr std::size_t kTwoToneDecode = 0x15C0;  // 8 entries, 8 bytes each
inline constexpr std::size_t kTwoToneTiming = 0x1620;  // the encode timing, 8 bytes
inline constexpr std::size_t kTwoToneRadioForm = 0x180;
inline constexpr std::size_t kTwoToneFirstDelay = kTwoToneTiming + 0;
inline constexpr std::size_t kTwoToneSecondDelay = kTwoToneTiming + 1;
inline constexpr std::size_t kTwoToneLongDelay = kTwoToneTiming + 2;
inline constexpr std::size_t kTwoToneInterval = kTwoToneTiming + 3;   // 16 bits
inline constexpr std::size_t kTwoToneTxRise = kTwoToneTiming + 5;     // 16 bits
inline constexpr std::size_t kTwoToneShortBeep = kTwoToneTiming + 7;  // display form only

// The radio's own records.
inline constexpr std::size_t kIdentification = 253 * kRecordSize;  // read from the radio, never written
inline constexpr std::size_t kBandType = kIdentification + 1;
inline constexpr std::size_t kModelIndex = 0x17D1;
inline constexpr std::size_t kPassword = kModelIndex + 1;
inline constexpr std::size_t kPasswordLength = 6;
inline constexpr std::size_t kBandRecord = 255 * kRecordSize;
inline constexpr std::size_t kBandRecordLength = 6;
inline constexpr std::size_t kSquelch = kBandRecord + kBandRecordLength;  // four calibration levels
}  // namespace addr

// A 2-Tone encode slot: two 16-bit tones.
inline constexpr std::size_t kTwoToneSlotSize = 4;

// Offsets within a 2-Tone decode entry, two entries per row.
namespace decodeEntry {
inline constexpr std::size_t kSize = 8;
inline constexpr std::size_t kATone = 0;  // 16 bits
inline constexpr std::size_t kBTone = 2;  // 16 bits
inline constexpr std::size_t kFirstDelay = 4;
inline constexpr std::size_t kSecondDelay = 5;
inline constexpr std::size_t kInterval = 6;
inline constexpr std::size_t kLongDelay = 7;
}  // namespace decodeEntry

// Offsets within a channel record.
namespace chan {
inline constexpr std::size_t kRx = 0;
inline constexpr std::size_t kTx = 4;
inline constexpr std::size_t kRxTone = 8;
inline constexpr std::size_t kTxTone = 10;
inline constexpr std::size_t kPttId = 12;  // printed only
inline constexpr std::size_t kFlags = 13;
inline constexpr std::size_t kSignal = 14;  // two bytes, printed only
inline constexpr std::size_t kName = 16;
inline constexpr std::size_t kNameSize = 8;
inline constexpr Byte kBitUp = 0x80;    // transmit above receive
inline constexpr Byte kBitDown = 0x40;  // transmit below receive
inline constexpr Byte kBitHigh = 0x20;
inline constexpr Byte kBitWide = 0x10;
inline constexpr Byte kBitScan = 0x08;
inline constexpr Byte kBitBusyQt = 0x04;
inline constexpr Byte kBitBusyCarrier = 0x02;
}  // namespace chan

// ---- fields: the bits each dialog reads and writes --------------------------------
// Each is {byte, lowest bit, bit count}; a byte alone is the whole byte.

namespace field {
// Optional Features. Whole bytes hold a list index.
inline constexpr ImageField kTot{addr::kTot};
inline constexpr ImageField kSquelchLevel{addr::kSquelchLevel};
inline constexpr ImageField kVoxLevel{addr::kVoxLevel};
inline constexpr ImageField kStep{addr::kStep};
inline constexpr ImageField kPreAlert{addr::kPreAlert};
inline constexpr ImageField kPriorityChannel{addr::kPriorityChannel};
inline constexpr ImageField kShortPress{addr::kKeyFlags, 0, 2};
inline constexpr ImageField kKeyLock{addr::kKeyFlags, 2, 1};
inline constexpr ImageField kBeep{addr::kKeyFlags, 3, 1};
inline constexpr ImageField kStopwatch{addr::kKeyFlags, 4, 1};
inline constexpr ImageField kScanMode{addr::kKeyFlags, 5, 2};
inline constexpr ImageField kTail{addr::kKeyFlags, 7, 1};
inline constexpr ImageField kStrSet{addr::kDisplayFlags, 0, 1};
inline constexpr ImageField kPowerOnStyle{addr::kDisplayFlags, 2, 2};
inline constexpr ImageField kBackLight{addr::kDisplayFlags, 4, 2};
inline constexpr ImageField kBackLightColor{addr::kDisplayFlags, 6, 2};
inline constexpr ImageField kDisplayMode{addr::kDisplayMode, 0, 2};
inline constexpr ImageField kBatterySaver{addr::kOptionalFlags, 0, 1};
inline constexpr ImageField kKeypadLockOff{addr::kOptionalFlags, 7, 1};  // set = keypad lock off
inline constexpr ImageField kMskType{addr::kMskFlags, 0, 1};
inline constexpr ImageField kRepeaterMskInvert{addr::kMskFlags, 1, 1};
inline constexpr ImageField kAllowReset{addr::kMskFlags, 4, 1};

// Set by every store of the channel grid and replaced by the radio's own bit
// during the handshake of a transfer; no dialog touches it.
inline constexpr ImageField kChannelGridFlag{addr::kMskFlags, 3, 1};

// Key Assignment: the side key's function, stored as 3 minus the choice.
inline constexpr ImageField kSideKey{addr::kKeyAssign, 0, 2};

// DTMF, sharing the optional flags byte with the Optional Features. The three
// digit times are read from bits 0-4 and written as whole bytes.
inline constexpr ImageField kDtmfSpeed{addr::kDtmfSpeed, 0, 2};
inline constexpr ImageField kDtmfFirstDelay{addr::kDtmfFirstDelay, 0, 5};
inline constexpr ImageField kDtmfFirstTime{addr::kDtmfFirstTime, 0, 5};
inline constexpr ImageField kDtmfStarHashTime{addr::kDtmfStarHashTime, 0, 5};
inline constexpr ImageField kDtmfStunActivation{addr::kOptionalFlags, 4, 1};
inline constexpr ImageField kDtmfStunType{addr::kOptionalFlags, 5, 1};  // set = Tx inhibit
inline constexpr ImageField kDtmfSideTone{addr::kOptionalFlags, 6, 1};

// The printed Optional page has always read some bits the dialogs do not use: it
// takes bits of the pre-alert byte as flags and other bits of the optional flags
// byte. Only lines no dialog shows print these readings; every line a dialog
// also shows prints the dialog's own reading, so the sheet never contradicts it.
namespace printout {
inline constexpr ImageField kVoice{addr::kPreAlert, 2, 1};              // set: voice announcements on
inline constexpr ImageField kVoiceChinese{addr::kOptionalFlags, 1, 1};  // set: Chinese, clear: English
inline constexpr ImageField kFrequencyMode{addr::kOptionalFlags, 3, 1};
inline constexpr ImageField kScrambler{addr::kPreAlert, 4, 1};
inline constexpr ImageField kDisplayPttId{addr::kPreAlert, 7, 1};
inline constexpr ImageField kPttIdDtmf{addr::kOptionalFlags, 2, 1};  // set: DTMF, clear: MSK
}  // namespace printout
}  // namespace field

// ---- the radio's addresses --------------------------------------------------------

// The radio's 4096-byte memory: its channel area (records 0..129 whole) has the
// image's offsets; from kRadioSettingsStart on, consecutive radio bytes fill the
// data bytes of the settings rows.
inline constexpr std::size_t kRadioMemorySize = 4096;
inline constexpr std::size_t kRadioSettingsStart = addr::kUnused;

[[nodiscard]] constexpr std::size_t imageOffsetForRadioAddress(std::uint16_t address) {
  return address < kRadioSettingsStart ? address : rowDataOffset(addr::kSettings, address - kRadioSettingsStart);
}

// The radio address of an image offset the radio holds; throws for an offset that
// lives in the image only.
[[nodiscard]] constexpr std::uint16_t radioAddressOf(std::size_t offset) {
  if (offset < kRadioSettingsStart) return static_cast<std::uint16_t>(offset);
  if (offset < addr::kSettings || offset >= kImageSize || (offset - addr::kSettings) % kRecordSize >= kRowDataBytes)
    throw std::out_of_range("image offset the radio does not hold");
  const std::size_t rel = offset - addr::kSettings;
  return static_cast<std::uint16_t>(kRadioSettingsStart + rel / kRecordSize * kRowDataBytes + rel % kRecordSize);
}

// Radio addresses the protocol names.
namespace radioaddr {
inline constexpr std::uint16_t kOptionalFlags = radioAddressOf(addr::kOptionalFlags);
inline constexpr std::uint16_t kIdentification = radioAddressOf(addr::kIdentification);
inline constexpr std::uint16_t kBandType = radioAddressOf(addr::kBandType);
inline constexpr std::uint16_t kPassword = radioAddressOf(addr::kPassword);
inline constexpr std::uint16_t kBandRecord = radioAddressOf(addr::kBandRecord);
inline constexpr std::uint16_t kSquelch = radioAddressOf(addr::kSquelch);
}  // namespace radioaddr

// A description of the area an offset belongs to, for dumps and reports.
[[nodiscard]] const char* areaName(std::size_t offset);

}  // namespace radio
