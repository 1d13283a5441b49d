// DTMF Encode, Decode and CallList pages: values shown, rules on leaving an edit
// and on the spin arrows, and the bytes stored (other bits and bytes untouched).
#include <gtest/gtest.h>

#include <functional>

#include "KeyStrokes.h"
#include "features/DtmfCallListForm.h"
#include "features/DtmfDecodeForm.h"
#include "features/DtmfEncodeForm.h"

namespace radio {
namespace {

using namespace test;

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

TEST(Dtmf, KeyFilters) {
  const KeyCase cases[] = {
      {"encode",
       dtmfEncodeKey,
       {digit('5'), digit('5', false, true), named(KeyKind::Backspace), named(KeyKind::Left)},
       {digit('5', true), named(KeyKind::Up), named(KeyKind::Escape), named(KeyKind::Enter), letter('A')}},
      {"stun code",
       [](const KeyStroke& k) { return dtmfDecodeKey(k, true); },
       {letter('D'), digit('3', true), digit('8', true)},
       {letter('E'), digit('5', true), letter('A', true), named(KeyKind::Up), named(KeyKind::Escape)}},
      {"call list",
       dtmfCallListKey,
       {letter('A'), letter('B'), letter('C'), letter('D'), digit('3', true), named(KeyKind::Down)},
       {letter('E'), digit('5', true), named(KeyKind::Enter), named(KeyKind::Escape)}},
  };
  for (const KeyCase& c : cases) {
    for (const KeyStroke& k : c.pass) EXPECT_TRUE(c.filter(k).pass) << c.what << " " << int(k.kind) << k.ch;
    for (const KeyStroke& k : c.discard) EXPECT_FALSE(c.filter(k).pass) << c.what << " " << int(k.kind) << k.ch;
  }
}

TEST(DtmfDecode, GroupCodeAndStunTypeTexts) {
  RadioImage image;
  image.set(0x12A8, 0x81);  // bits 0 and 7 belong to the optional features
  DtmfDecodeForm form = loadDtmfDecode(image, Language::English);
  EXPECT_EQ(form.groupCode, "Off");
  EXPECT_EQ(form.stunType, "Transceiver inhibit");
  EXPECT_FALSE(form.stunActivation);
  EXPECT_EQ(loadDtmfDecode(image, Language::Chinese).groupCode, "关");

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
  for (int i = 0; i < 10; ++i) EXPECT_EQ(image.at(0x1320 + i), 0xFF);
}

TEST(DtmfCallList, EntriesAtTheirRowsCutAtSixteen) {
  RadioImage image;
  image.setText(dtmfCallOffset(2), 16, "12");
  image.set(dtmfCallOffset(2) + 2, 0xFF);
  image.set(dtmfCallOffset(2) + 3, '9');  // after the 0xFF: not part of the entry
  DtmfCallListForm form = loadDtmfCallList(image);
  EXPECT_EQ(form.entries[1], "12");

  form.entries[0] = "0123456789ABCD*#";  // exactly 16
  form.entries[8] = "#";
  storeDtmfCallList(form, image);
  EXPECT_EQ(image.text(0x1380, 16), "0123456789ABCD*#");
  EXPECT_EQ(image.at(0x1398 + 3), 0xFF);  // the rest after the cut is 0xFF
  EXPECT_EQ(image.at(0x1440), '#');
}

}  // namespace
}  // namespace radio
