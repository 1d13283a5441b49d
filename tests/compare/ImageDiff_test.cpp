// SPDX-License-Identifier: GPL-3.0-or-later
// The differences between two images, in words: channel fields, settings keys and
// the bytes no field shows.
#include <gtest/gtest.h>

#include <functional>

#include "TestImages.h"
#include "compare/ImageDiff.h"
#include "features/SettingsSections.h"

namespace radio {
namespace {

RadioImage base() {
  RadioImage image = test::newDocument();
  test::putChannel(image, 5, "145.12500");
  return image;
}

void setting(RadioImage& image, const std::string& section, const std::string& key, const std::string& value) {
  const SectionContext ctx;
  ASSERT_FALSE(sections().at(section).set(image, ctx, key, value).has_value());
}

TEST(ImageDiff, NamesEveryDifferenceInWords) {
  struct Case {
    const char* what;
    std::function<void(RadioImage&)> edit;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {"nothing", [](RadioImage&) {}, {}},
      {"a channel's texts",
       [](RadioImage& image) {
         RowTexts row = decodeChannel(image.channel(5), Language::English);
         row[ColRx] = "145.13750";
         row[ColName] = "";
         encodeChannel(row, image.channel(5), Language::English);
       },
       // The offset direction bits of byte 13 follow the new receive frequency;
       // no column shows them.
       {"channel 5: rx: 145.12500 -> 145.13750", "channel 5: name: CALL -> \"\"", "bytes 0x006D-0x006D"}},
      {"the extra row",
       [](RadioImage& image) {
         std::copy_n(image.channel(5).begin(), 4, image.channel(kChannelRows).begin());  // the receive frequency
         image.set(kRecordSize * (kChannelRows - 1) + 12, 0x00);                         // a byte no column shows
       },
       // A receive frequency alone makes a receive-only channel: its tones and flags show.
       {"channel Fr: rx: \"\" -> 145.12500", "channel Fr: dec: \"\" -> None", "channel Fr: enc: \"\" -> None",
        "channel Fr: power: \"\" -> High", "channel Fr: wn: \"\" -> Wide", "channel Fr: scan: \"\" -> Yes",
        "channel Fr: busy: \"\" -> QT/DQT", "bytes 0x0C0C-0x0C0C"}},
      {"settings", [](RadioImage& image) { setting(image, "optional", "tot", "60"); }, {"optional.tot: 30 -> 60"}},
      {"bytes no field shows, neighbours merged",
       [](RadioImage& image) {
         image.set(0x0C40, 0x00);
         image.set(0x0C41, 0x01);
         image.set(0x0C43, 0x02);
         image.set(0x17F8, 0x00);  // beyond what a transfer moves
       },
       {"bytes 0x0C40-0x0C41", "bytes 0x0C43-0x0C43", "bytes 0x17F8-0x17F8"}},
  };
  const SectionContext ctx;
  for (const Case& c : cases) {
    const RadioImage a = base();
    RadioImage b = a;
    c.edit(b);
    EXPECT_EQ(diffImages(a, b, ctx), c.expected) << c.what;
  }
}

// Without --bytes the bytes no field shows are one counting line after the field
// lines; the comparison keeps both sides of each changed row and setting.
TEST(ImageDiff, FieldLinesThenOneLineCountingTheUnshownBytes) {
  const RadioImage a = base();
  RadioImage b = a;
  test::putChannel(b, 5, "145.12500", "BASE");
  setting(b, "optional", "tot", "60");
  for (const std::size_t at : {0x0C40, 0x0C41, 0x0C43}) b.set(at, 0x00);
  const ImageComparison c = compareImages(a, b, SectionContext{});
  EXPECT_EQ(comparisonLines(c, false, Language::English),
            (std::vector<std::string>{"channel 5: name: CALL -> BASE", "optional.tot: 30 -> 60",
                                      "3 bytes no field shows differ"}));
  EXPECT_EQ(unshownBytesText(12, Language::Chinese), "12 个没有字段显示的字节不同");
  // Bytes alone still make the documents differ (diff exits 20).
  RadioImage hidden = a;
  hidden.set(0x17F8, 0x00);
  EXPECT_FALSE(compareImages(a, hidden, SectionContext{}).same());
}

}  // namespace
}  // namespace radio
