// SPDX-License-Identifier: GPL-3.0-or-later
// Any text committed into any grid column, in both languages, over a row decoded
// from any record: the commit rules, the code-page conversion of names and the
// store into the record. A frequency or list entry the grid accepted reads back
// as the cell shows it.
#include <algorithm>

#include "FuzzInput.h"
#include "channels/ChannelGrid.h"

using namespace radio;

namespace {

const BandLimits kLimits{13'600'000, 17'400'000, 40'000'000, 52'000'000};

bool isListItem(int column, const std::string& text, Language lang) {
  const auto items = listItemsForColumn(column, lang);
  return std::find(items.begin(), items.end(), text) != items.end();
}

// A text the grid would show for the column, so that storing and reading it back
// must give it again.
bool isShownText(const RowTexts& row, int column, Language lang) {
  const std::string& text = row[column];
  if (text.empty()) return true;
  // A raw-field text is shown only for bytes that are no value, of its field's length.
  std::array<Byte, 4> raw{};
  switch (editorForColumn(column)) {
    case EditorKind::Frequency:
      if (parseRawFieldText(text, raw)) return frequencyFieldText(raw, lang) == text;
      return formatFrequency(parseFrequencyText(text).value) == text;
    case EditorKind::ToneList:
      if (parseRawFieldText(text, std::span(raw).first(2))) return decodeToneField(raw[0], raw[1], true, lang) == text;
      return isListItem(column, text, lang);
    case EditorKind::FlagList: return isListItem(column, text, lang);
    default: return false;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::FuzzInput in(data, size);
  const Language lang = in.flag() ? Language::Chinese : Language::English;
  const int column = ColRx + in.pick(kGridColumns - 1);
  const bool onEnter = in.flag();
  std::array<Byte, kRecordSize> record;
  record.fill(0xFF);
  const auto given = in.bytes(kRecordSize);
  std::copy(given.begin(), given.end(), record.begin());
  const RowTexts before = decodeChannel(record, lang);

  // A list column mostly gets one of its entries, as its editor only offers those.
  std::string text;
  const auto items = listItemsForColumn(column, lang);
  if (!items.empty() && in.flag())
    text = items[static_cast<std::size_t>(in.byte()) % items.size()];
  else
    text = in.text(256);

  const CommitResult result = onEnter && editorForColumn(column) == EditorKind::Frequency
                                  ? commitFrequencyOnEnter(before, column, text, kLimits, lang)
                                  : commitCellEdit(before, column, text, kLimits, lang);
  FUZZ_CHECK(result.message.valid() || result.editorShown);
  if (!result.message.valid()) FUZZ_CHECK(result.row == before);
  // Only a receive frequency changes other cells (a new channel, a cleared one).
  if (column != ColRx)
    for (int c = ColRx; c <= ColBusy; ++c)
      if (c != column) FUZZ_CHECK(result.row[c] == before[c]);

  // Stored and read back.
  auto stored = record;
  encodeChannel(result.row, stored, lang);
  const RowTexts after = decodeChannel(stored, lang);
  const bool inUse = !after[ColRx].empty();  // receive-only channels included
  for (int c : {ColRx, ColTx}) {
    if (isShownText(result.row, c, lang) && result.row[c].size() <= static_cast<std::size_t>(kFrequencyEditLimit))
      FUZZ_CHECK(after[c] == result.row[c]);
  }
  if (inUse) {
    for (int c : {ColDecode, ColEncode, ColPower, ColBandwidth, ColScan, ColBusy})
      if (isShownText(result.row, c, lang) && !result.row[c].empty()) FUZZ_CHECK(after[c] == result.row[c]);
  }
  return 0;
}
