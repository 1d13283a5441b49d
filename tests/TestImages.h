// SPDX-License-Identifier: GPL-3.0-or-later
// Images the tests start from: a new document, and one channel stored as the grid
// stores it.
#pragma once

#include <string>

#include "channels/ChannelGrid.h"
#include "model/Document.h"

namespace radio::test {

inline RadioImage newDocument() {
  BandRecord band{};
  return newDocumentImage(band);
}

// Stores channel row as in use on rx MHz (transmit alike), no tones, high power,
// wide, scanned, busy lock off.
inline void putChannel(RadioImage& image, int row, const std::string& rx, const std::string& name = "CALL") {
  RowTexts texts = decodeChannel(image.channel(row), Language::English);
  texts[ColRx] = texts[ColTx] = rx;
  texts[ColDecode] = texts[ColEncode] = "None";
  texts[ColName] = name;
  texts[ColPower] = "High";
  texts[ColBandwidth] = "Wide";
  texts[ColScan] = "Yes";
  texts[ColBusy] = "Off";
  encodeChannel(texts, image.channel(row), Language::English);
}

}  // namespace radio::test
