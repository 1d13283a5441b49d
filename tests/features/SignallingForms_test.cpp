// SPDX-License-Identifier: GPL-3.0-or-later
// The DTMF, MSK and 2-Tone pages: values shown, rules on leaving an edit and on
// the spin arrows, the key filters, and the bytes stored (other bits and bytes
// untouched), in both stored forms where the 2-Tone pages keep two.
#include <gtest/gtest.h>

#include "TestImages.h"

#include <functional>
#include <map>

#include "features/DtmfCallListForm.h"
#include "features/DtmfDecodeForm.h"
#include "features/DtmfEncodeForm.h"
#include "features/KeyRules.h"
#include "features/MskForm.h"
#include "features/SettingsSections.h"
#include "features/TwoToneDecodeForm.h"
#include "features/TwoToneEncodeForm.h"

namespace radio {
namespace {

// Short names for the key strokes the filter tables list.
KeyStroke digit(char c, bool shift = false, bool keypad = false) { return {KeyKind::Digit, c, keypad, shift}; }
KeyStroke letter(char c, bool shift = false) { return {KeyKind::Letter, c, false, shift}; }
KeyStroke named(KeyKind kind) { return {kind, 0, false, false}; }

// ---- DTMF -------------------------------------------------------------------

std::vector<Byte> bytes(const RadioImage& image, std::size_t at, std::size_t n) {
  const auto span = image.span(at, n);
  return {span.begin(), span.end()};
}

TEST(DtmfEncode, BlankImageShowsCodesAsStoredAndStoresNormalised) {
  RadioImage image;  // all 0xFF
  DtmfEncodeForm form = loadDtmfEncode(image);
  EXPECT_EQ(form.speed, "15");
  EXPECT_EQ(form.firstDelay, "1550");

  storeDtmfEncode(form, image);  // what a tab switch stores
  EXPECT_EQ(bytes(image, 0x1308, 4), (std::vector<Byte>{0xFF, 20, 20, 20}));
  EXPECT_EQ(image.at(0x12A8), 0xFF);
}

TEST(DtmfEncode, StoreWritesOnlyItsBits) {
  RadioImage image;
  image.set(0x1308, 0xA4);  // bits 2-7 belong to no field of the page
  image.set(0x12A8, 0x00);
  DtmfEncodeForm form{"8", "275", "250", "600", true};
  storeDtmfEncode(form, image);
  EXPECT_EQ(bytes(image, 0x1308, 5), (std::vector<Byte>{0xA5, 5, 2, 10, 0xFF}));  // 250, 100 and 500 ms
  EXPECT_EQ(image.at(0x12A8), 0x40);
}

TEST(DtmfEncode, LeavingAnEditNormalises) {
  const std::pair<const char*, const char*> speed[] = {{"7", "6"},   {"8", "8"},   {"9", "8"},
                                                       {"14", "10"}, {"99", "15"}, {"", "6"}};
  for (const auto& [in, out] : speed) EXPECT_EQ(normaliseDtmfSpeed(in), out) << in;
  const std::pair<const char*, const char*> delay[] = {{"1234", "1000"}, {"275", "250"}, {"49", "0"},
                                                       {"1000", "1000"}, {"", "0"},      {"99999999999999", "1000"}};
  for (const auto& [in, out] : delay) EXPECT_EQ(normaliseDtmfFirstDelay(in), out) << in;
  const std::pair<const char*, const char*> time[] = {{"250", "100"}, {"99", "0"},    {"499", "100"},
                                                      {"500", "500"}, {"999", "500"}, {"1000", "1000"}};
  for (const auto& [in, out] : time) EXPECT_EQ(normaliseDtmfDigitTime(in), out) << in;
}

TEST(DtmfEncode, SpinArrowsCycleAndWrap) {
  using Spin = std::string (*)(std::string_view, int);
  const std::tuple<Spin, const char*, int, const char*> cases[] = {
      {spinDtmfFirstDelay, "275", +1, "300"}, {spinDtmfFirstDelay, "275", -1, "250"},
      {spinDtmfFirstDelay, "1000", +1, "0"},  {spinDtmfFirstDelay, "0", -1, "1000"},
      {spinDtmfDigitTime, "1000", +1, "0"},   {spinDtmfDigitTime, "250", +1, "500"},
      {spinDtmfDigitTime, "250", -1, "100"},  {spinDtmfSpeed, "12", +1, "15"},
      {spinDtmfSpeed, "40", -1, "15"},        {spinDtmfSpeed, "15", +1, "6"},
      {spinDtmfSpeed, "6", -1, "15"}};
  for (const auto& [spin, from, step, to] : cases) EXPECT_EQ(spin(from, step), to) << from << step;
}

// Keys each filter lets through and keys it discards.
struct KeyCase {
  const char* what;
  std::function<KeyDecision(const KeyStroke&)> filter;
  std::vector<KeyStroke> pass, discard;
};

TEST(SignallingKeys, FiltersPassTheirCharactersAndNeverTrapTheKeyboard) {
  const KeyCase cases[] = {
      {"encode",
       dtmfEncodeKey,
       {digit('5'), digit('5', false, true), named(KeyKind::Backspace), named(KeyKind::Left)},
       {digit('5', true), named(KeyKind::Up), named(KeyKind::Enter), letter('A')}},
      {"stun code",
       [](const KeyStroke& k) { return dtmfDecodeKey(k, true); },
       {letter('D'), letter('A', true), digit('3', true), digit('8', true)},
       {letter('E'), letter('E', true), digit('5', true), named(KeyKind::Up)}},
      {"call list",
       dtmfCallListKey,
       {letter('A'), letter('D', true), digit('3', true), named(KeyKind::Down)},
       {letter('E'), digit('5', true), named(KeyKind::Enter)}},
      {"msk", mskKey, {letter('F'), letter('A', true), digit('0')}, {letter('G', true), digit('3', true)}},
      // Either decimal point, on the encode page and on a decode page alike.
      {"2-tone encode",
       [](const KeyStroke& k) { return twoToneKey(k, true); },
       {named(KeyKind::KeypadDecimal), named(KeyKind::FullStop), digit('4', false, true)},
       {letter('A'), named(KeyKind::Other), digit('4', true), named(KeyKind::Enter)}},
      {"2-tone decode",
       [](const KeyStroke& k) { return twoToneKey(k, false); },
       {named(KeyKind::KeypadDecimal), named(KeyKind::FullStop), digit('4', false, true)},
       {named(KeyKind::Other), digit('4', true), named(KeyKind::Enter)}},
  };
  // Moving between fields and pages, closing and selecting pass everywhere.
  const KeyStroke navigation[] = {
      named(KeyKind::Tab), {KeyKind::Tab, 0, false, true}, named(KeyKind::Escape), named(KeyKind::SelectAll)};
  for (const KeyCase& c : cases) {
    for (const KeyStroke& k : c.pass) EXPECT_TRUE(c.filter(k).pass) << c.what << " " << int(k.kind) << k.ch;
    for (const KeyStroke& k : navigation) EXPECT_EQ(c.filter(k), (KeyDecision{true, false})) << c.what << int(k.kind);
    for (const KeyStroke& k : c.discard) EXPECT_FALSE(c.filter(k).pass) << c.what << " " << int(k.kind) << k.ch;
  }
}

// What the page shows for its bytes, in both languages, is what the printed DTMF
// page shows (the report test); here what it stores.
TEST(DtmfDecode, GroupCodeAndStunTypeTexts) {
  RadioImage image;
  image.set(0x12A8, 0x81);  // bits 0 and 7 belong to the optional features
  DtmfDecodeForm form = loadDtmfDecode(image, Language::English);
  form.groupCode = "*";
  form.stunType = "Tx inhibit";
  form.stunActivation = true;
  storeDtmfDecode(form, image);
  EXPECT_EQ(image.at(0x132F), 0x2A);
  EXPECT_EQ(image.at(0x12A8), 0x81 | 0x30);

  form.groupCode = "关";
  form.stunType = "禁止收发";
  form.stunActivation = false;
  storeDtmfDecode(form, image);
  EXPECT_EQ(image.at(0x132F), 0xFF);
  EXPECT_EQ(image.at(0x12A8), 0x81);
}

TEST(DtmfDecode, CodesFillTenBytes) {
  RadioImage image;
  DtmfDecodeForm form = loadDtmfDecode(image, Language::English);
  form.idCode = "0123456789";
  form.stunCode = "12AB";
  storeDtmfDecode(form, image);
  EXPECT_EQ(image.text(0x1320, 10), "0123456789");
  EXPECT_EQ(image.text(0x1338, 10), "12AB");
  EXPECT_EQ(image.at(0x1341), 0xFF);

  form.idCode.clear();
  storeDtmfDecode(form, image);
  EXPECT_EQ(bytes(image, 0x1320, 10), std::vector<Byte>(10, 0xFF));
}

TEST(DtmfCallList, EntriesAtTheirRowsCutAtSixteen) {
  RadioImage image;
  image.setText(addr::kDtmfCalls.offset(1), 16, "12");
  image.set(addr::kDtmfCalls.offset(1) + 2, 0xFF);
  image.set(addr::kDtmfCalls.offset(1) + 3, '9');  // after the 0xFF: not part of the entry
  DtmfCallListForm form = loadDtmfCallList(image);
  EXPECT_EQ(form.entries[1], "12");

  form.entries[0] = "0123456789ABCD*#";  // exactly 16
  storeDtmfCallList(form, image);
  EXPECT_EQ(image.text(0x1380, 16), "0123456789ABCD*#");
  EXPECT_EQ(image.at(0x1398 + 3), 0xFF);  // the rest after the cut is 0xFF
}

// ---- MSK --------------------------------------------------------------------

// The call slots of later records are tried through set and the MSK window.
TEST(Msk, StoreWritesTheCodesPaddedWithFF) {
  RadioImage image;
  image.fill(0x12C4, 4, 0x33);
  MskForm form = loadMsk(image);
  form.idCode = "1A2F";
  form.calls[0] = "12";
  storeMsk(form, image);
  EXPECT_EQ(bytes(image, 0x12C0, 8), (std::vector<Byte>{0x31, 0x41, 0x32, 0x46, 0x31, 0x32, 0xFF, 0xFF}));
}

// ---- 2-Tone -----------------------------------------------------------------

TEST(TwoToneNumber, ParsesLikeAnEditAndFormatsLikePrintf) {
  const std::pair<const char*, std::int64_t> parsed[] = {
      {"1000.0", 1000 * kMicro}, {" 5.0", 5 * kMicro}, {"0.35", 350'000}, {"1.2.3", 1'200'000}, {"abc", 0}, {"", 0},
      {".5", 500'000},
  };
  for (const auto& [text, micros] : parsed) EXPECT_EQ(parseMicros(text), micros) << text;
  EXPECT_EQ(formatMicros(5 * kMicro, 4, 1), " 5.0");
  EXPECT_EQ(formatMicros(3'276'750'000, 2, 1), "3276.8");  // halves away from zero
  EXPECT_EQ(formatMicros(250'000, 2, 1), "0.3");
  EXPECT_EQ(formatMicros(300'000, 3, 2), "0.30");
}

TEST(TwoToneNumber, DivisorsAreNearestWholeNumbersHalvesUp) {
  EXPECT_EQ(nearestDivisor(twotone::kEncodeDivisor, 1000 * kMicro), 112u);   // 111.957
  EXPECT_EQ(nearestDivisor(twotone::kDecodeDivisor, 1000 * kMicro), 896u);   // 895.658
  EXPECT_EQ(nearestDivisor(10, 4 * kMicro), 3u);                             // 2.5 goes up
  EXPECT_EQ(nearestDivisor(twotone::kDecodeDivisor, 0), 0u);                 // no divisor for 0 Hz
  EXPECT_EQ(nearestDivisor(twotone::kDecodeDivisor, kMicro / 10), 0xFFFFu);  // never wraps
}

// One field, what is in it, and what leaving it or a spin arrow makes of it.
struct FieldCase {
  TwoToneField field;
  const char* text;
  const char* expected;
};

TEST(TwoToneRules, LeavingAnEditClampsAndFormats) {
  using F = TwoToneField;
  const FieldCase cases[] = {
      {F::Tone, "5000", "3106.0"},    {F::Tone, "12", "288.5"},        {F::Tone, "abc", "288.5"},
      {F::Tone, "1000.06", "1000.1"}, {F::Delay, "0.1", "0.5"},        {F::Delay, "25", "10.0"},
      {F::DecodeInterval, "", "0.0"}, {F::EncodeInterval, "3", "2.0"}, {F::TxRise, "0.33", "0.30"},
      {F::TxRise, "0.35", "0.35"},    {F::TxRise, "0.07", "0.10"},     {F::TxRise, "1.04", "1.00"}};
  for (const auto& c : cases) EXPECT_EQ(twoToneLeave(c.field, c.text), c.expected) << c.text;
  EXPECT_EQ(twoToneCellCommit(""), "");
  EXPECT_EQ(twoToneCellCommit("9999"), "3106.0");
}

TEST(TwoToneRules, SpinArrowsStepAndWrap) {
  using F = TwoToneField;
  const FieldCase up[] = {{F::Tone, "3106.0", "288.5"},      {F::Tone, "1000.0", "1000.1"}, {F::Delay, "10.0", "0.5"},
                          {F::DecodeInterval, "2.0", "0.0"}, {F::TxRise, "0.33", "0.35"},   {F::TxRise, "0.35", "0.40"},
                          {F::TxRise, "1.00", "0.10"}};
  const FieldCase down[] = {{F::Tone, "288.5", "3106.0"},      {F::Delay, "0.5", "10.0"},
                            {F::Delay, "0.6", "0.5"},  // exact: no wrap on 0.6 - 0.1
                            {F::EncodeInterval, "0.0", "2.0"}, {F::TxRise, "0.33", "0.30"},
                            {F::TxRise, "0.10", "1.00"}};
  for (const auto& c : up) EXPECT_EQ(twoToneSpin(c.field, c.text, +1), c.expected) << c.text;
  for (const auto& c : down) EXPECT_EQ(twoToneSpin(c.field, c.text, -1), c.expected) << c.text;
}

TEST(TwoToneEncode, StoresBothFormsOfCellsAndTiming) {
  RadioImage image;
  TwoToneEncodeForm form = loadTwoToneEncode(image);
  EXPECT_EQ(form.tones[0][0], "");  // 0xFFFF is an empty cell
  EXPECT_EQ(form.firstDelay, "25.5");
  form.tones[0][0] = "1000.0";
  form.tones[5][1] = "";
  form.firstDelay = "10.0";
  form.secondDelay = "0.5";
  form.longDelay = "2.3";
  form.toneInterval = "1.5";
  form.txRise = "0.35";
  form.shortBeep = true;
  storeTwoToneEncode(form, image);

  EXPECT_EQ(image.be16(0x1500), 0x2710);
  EXPECT_EQ(image.be16(0x1500 + 0x180), 112);  // the radio's divisor for 1000 Hz
  const std::size_t cell = twoToneEncodeOffset(5, 1);
  EXPECT_EQ(cell, 0x1500u + 24 + 4 + 2);
  EXPECT_EQ(image.be16(cell), 0xFFFF);
  EXPECT_EQ(image.be16(cell + 0x180), 0x0000);
  // Each timing byte in its shown form and, 0x180 further on, the radio's.
  const std::tuple<std::size_t, unsigned, unsigned> timing[] = {
      {0x1620, 100, 200}, {0x1621, 5, 10}, {0x1622, 23, 46}, {0x1627, 1, 0xFF}};  // the short beep has no radio form
  for (const auto& [at, shown, radio] : timing) {
    EXPECT_EQ(image.at(at), shown) << std::hex << at;
    EXPECT_EQ(image.at(at + 0x180), radio) << std::hex << at;
  }
  for (std::size_t at : {0x1623u, 0x17A3u}) EXPECT_EQ(image.be16(at), 30) << std::hex << at;
  for (std::size_t at : {0x1625u, 0x17A5u}) EXPECT_EQ(image.be16(at), 7) << std::hex << at;
}

TEST(TwoToneEncode, BlankValuesNeverWrapWhenStoredBack) {
  RadioImage image;
  TwoToneEncodeForm form = loadTwoToneEncode(image);
  EXPECT_EQ(form.toneInterval, "3276.8");
  EXPECT_EQ(form.txRise, "3276.75");
  storeTwoToneEncode(form, image);
  EXPECT_EQ(image.at(0x1620), 0xFF);
  EXPECT_EQ(image.at(0x17A0), 0xFF);  // 510 fifties do not fit a byte
  EXPECT_EQ(image.be16(0x1623), 0xFFFF);
  EXPECT_EQ(image.be16(0x1625), 0xFFFF);
}

TEST(TwoToneDecode, EntriesAtTheirBasesInBothForms) {
  RadioImage image;
  TwoToneDecodeForm form{"1000.0", "3106.0", "10.0", "0.5", "1.5", "2.0"};
  storeTwoToneDecode(form, image, 3);
  EXPECT_EQ(image.be16(0x15D8), 0x2710);
  EXPECT_EQ(image.be16(0x1758), 0x0380);
  EXPECT_EQ(image.be16(0x15DA), 31060);
  EXPECT_EQ(image.be16(0x175A), 288);  // 895658 / 3106 = 288.36
  const Byte display[] = {100, 5, 15, 20};
  const Byte radioForm[] = {200, 10, 30, 40};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(image.at(0x15DC + i), display[i]);
    EXPECT_EQ(image.at(0x175C + i), radioForm[i]);
  }
  EXPECT_EQ(loadTwoToneDecode(image, 3), form);
}

// ---- get and set over the field tables --------------------------------------

// The key of every field of a page's table, as get lists them.
template <class Rows>
void addKeys(std::vector<std::pair<std::string, const FieldInfo*>>& out, const Rows& rows, const char* entryKey = "",
             int entries = 0) {
  for (int k = entries ? 1 : 0; k <= entries; ++k)
    for (const auto& row : rows)
      for (int n = row.count ? 1 : 0; n <= row.count; ++n)
        for (int c = 0; c < row.columns; ++c)
          out.emplace_back(numberedKey(entryKey, k) + numberedKey(row.info[c].key, n), &row.info[c]);
}

// A value the field's control holds, as typed, and as its page then shows it.
std::pair<std::string, std::string> typedAndShown(const ValueRule& r) {
  switch (r.kind) {
    case ValueKind::Check: return {"1", "checked"};
    case ValueKind::Choice:
      return {lowerAscii(r.choices(Language::English).back()), r.choices(Language::English).back()};
    case ValueKind::Text: return {"ab c1", "AB C1"};
    case ValueKind::Code: {
      std::string code(r.alphabet.rbegin(), r.alphabet.rend());
      code.resize(std::min(code.size(), r.maxLength));
      return {lowerAscii(code), code};
    }
    case ValueKind::Number: {
      const std::string value = r.spin ? r.spin(r.leave("1"), +1) : r.leave("1000");
      return {value, value};
    }
  }
  return {};
}

TEST(SignallingSections, EveryKeyOfEveryTableIsListedAndSetsThroughItsRule) {
  std::map<std::string, std::vector<std::pair<std::string, const FieldInfo*>>> tables;
  addKeys(tables["dtmf"], kDtmfEncodeRows);
  addKeys(tables["dtmf"], kDtmfDecodeRows);
  addKeys(tables["dtmf"], kDtmfCallRows);
  addKeys(tables["msk"], kMskRows);
  addKeys(tables["twotone"], kTwoToneEncodeRows);
  addKeys(tables["twotone"], kTwoToneDecodeRows, kTwoToneDecodeKey, kTwoToneDecodeEntries);
  const RadioImage image = test::newDocument();
  const SectionContext ctx;
  for (const auto& [name, keys] : tables) {
    const Section& section = sections().at(name);
    const std::vector<FieldLine> before = section.get(image, ctx);
    ASSERT_EQ(before.size(), keys.size()) << name;
    for (std::size_t i = 0; i < keys.size(); ++i) {
      const auto& [key, info] = keys[i];
      EXPECT_EQ(before[i].key, key) << name;
      const auto [typed, shown] = typedAndShown(info->rule);
      RadioImage changed = image;
      ASSERT_EQ(section.set(changed, ctx, key, typed), std::nullopt) << name << "." << key << "=" << typed;
      const std::vector<FieldLine> after = section.get(changed, ctx);
      // The field shows the value; every other field of the section is as it was.
      for (std::size_t j = 0; j < after.size(); ++j)
        EXPECT_EQ(after[j].value, j == i ? shown : before[j].value) << name << "." << key << " -> " << after[j].key;
    }
  }
}

TEST(SignallingSections, RefusalsNameWhatTheFieldTakesInTheLanguage) {
  RadioImage image = test::newDocument();
  const RadioImage before = image;
  const Section& dtmf = sections().at("dtmf");
  const SectionContext en;
  const SectionContext zh{Language::Chinese, {}, {}};
  const std::tuple<const Section*, const char*, const char*, const char*> cases[] = {
      {&dtmf, "speed", "1a", "digits only"},
      {&dtmf, "star_hash_time", "12345", "at most 4 digits"},
      {&dtmf, "id_code", "\x01", "printable ASCII characters only"},
      {&dtmf, "stun_code", "12345678901", "at most 10 characters"},
      {&dtmf, "call9", "12e", "only the characters 0123456789ABCD*#"},
      {&dtmf, "group_code", "E", "not an entry of the list (Off, A, B, C, D, *, #; or #0..#6)"},
      {&dtmf, "sidetone", "maybe", "give checked or unchecked (or 1/0)"},
      {&sections().at("twotone"), "dec9_a", "1", "unknown key 'dec9_a' (see 'radioprog-cli set --help')"},
      {&sections().at("twotone"), "enc1_b", "1,5", "a number with digits and a decimal point"},
  };
  for (const auto& [section, key, value, message] : cases)
    EXPECT_EQ(section->set(image, en, key, value), message) << key;
  EXPECT_EQ(dtmf.set(image, zh, "call1", "x"), "只能是这些字符：0123456789ABCD*#");
  EXPECT_EQ(image, before);
  // A list takes its entries in either language and by number.
  EXPECT_EQ(dtmf.set(image, en, "stun_type", "禁止发射"), std::nullopt);
  EXPECT_EQ(dtmf.set(image, zh, "group_code", "#0"), std::nullopt);
  EXPECT_EQ(loadDtmfDecode(image, Language::English).stunType, "Tx inhibit");
  EXPECT_EQ(image.at(addr::kDtmfGroupCode), 0xFF);
}

}  // namespace
}  // namespace radio
