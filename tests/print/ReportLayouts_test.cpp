// The six page layouts against crafted images: positions, labels in both
// languages and every value rule.
#include <gtest/gtest.h>

#include "ReportTestSupport.h"
#include "features/OptionalFeaturesForm.h"
#include "model/Document.h"
#include "print/ReportLayouts.h"

namespace radio::print {
namespace {

using test::cell;
using test::geometry;

constexpr Language En = Language::English;
constexpr Language Zh = Language::Chinese;

template <typename Draw>
std::vector<PageItem> drawn(Draw draw) {
  PageWriter writer(geometry());
  draw(writer);
  return writer.items();
}

std::vector<PageItem> dtmf(const RadioImage& image, Language lang = En) {
  return drawn([&](PageWriter& w) { drawDtmfPage(w, image, lang); });
}
std::vector<PageItem> msk(const RadioImage& image, Language lang = En) {
  return drawn([&](PageWriter& w) { drawMskPage(w, image, lang); });
}
std::vector<PageItem> optional(const RadioImage& image, Language lang = En) {
  return drawn([&](PageWriter& w) { drawOptionalPage(w, image, lang); });
}
std::vector<PageItem> decode(const RadioImage& image, Language lang = En) {
  return drawn([&](PageWriter& w) { drawTwoToneDecodePage(w, image, lang); });
}
std::vector<PageItem> encode(const RadioImage& image, Language lang = En) {
  return drawn([&](PageWriter& w) { drawTwoToneEncodePage(w, image, lang); });
}

void putText(RadioImage& image, std::size_t offset, const std::string& text) {
  for (std::size_t i = 0; i < text.size(); ++i) image.set(offset + i, static_cast<Byte>(text[i]));
}

TEST(ImageText, EndsAtFFOrZeroAndShowsUndecodableBytesAsQuestionMarks) {
  RadioImage image;
  putText(image, 0x1320, "12345");
  EXPECT_EQ(imageText(image, 0x1320, 11, En), "12345");
  EXPECT_EQ(imageText(image, 0x1320, 3, En), "123");
  image.set(0x1322, 0x00);
  EXPECT_EQ(imageText(image, 0x1320, 11, En), "12");
  putText(image, 0x1338, "A\x01#");
  EXPECT_EQ(imageText(image, 0x1338, 11, En), "A?#");
  // GBK in Chinese, the ANSI code page in English.
  putText(image, 0x1380, "\xD6\xD0");
  EXPECT_EQ(imageText(image, 0x1380, 16, Zh), "中");
  EXPECT_EQ(imageText(image, 0x1380, 16, En), "ÖÐ");
  // A GBK lead byte without its trail byte is no character.
  putText(image, 0x1398, "7\xD6");
  EXPECT_EQ(imageText(image, 0x1398, 16, Zh), "7?");
}

TEST(DtmfLayout, EncodeValues) {
  RadioImage image;
  const std::pair<Byte, std::string> speeds[] = {{0, "6"}, {1, "8"}, {2, "10"}, {3, "15"}, {0xFF, "15"}};
  for (const auto& [code, text] : speeds) {
    image.set(0x1308, code);
    EXPECT_EQ(cell(dtmf(image), 40, -5), text) << int(code);
  }
  image.set(0x1309, 3);
  image.set(0x130A, 0);
  image.set(0x130B, 0xFF);
  image.set(0x12A8, 0x40);
  auto items = dtmf(image);
  EXPECT_EQ(cell(items, 40, -6), "150");
  EXPECT_EQ(cell(items, 40, -7), "0");
  EXPECT_EQ(cell(items, 40, -8), "12750");
  EXPECT_EQ(cell(items, 40, -9), "√");
  image.set(0x12A8, 0xBF);
  EXPECT_EQ(cell(dtmf(image), 40, -9), "×");
  EXPECT_EQ(cell(items, 9, -6), "First Digit Delay Time(ms):");
  EXPECT_EQ(cell(dtmf(image, Zh), 9, -8), "* 和 # 数码时间 (毫秒):");
}

TEST(DtmfLayout, DecodeValuesInBothLanguages) {
  RadioImage image;
  putText(image, 0x1320, "12345678901");
  putText(image, 0x1338, "999");
  image.set(0x12A8, 0x30);  // stun on, transmit inhibit
  auto en = dtmf(image);
  auto zh = dtmf(image, Zh);
  EXPECT_EQ(cell(en, 40, -12), "12345678901");
  EXPECT_EQ(cell(en, 40, -13), "Off");
  EXPECT_EQ(cell(zh, 40, -13), "Off");
  EXPECT_EQ(cell(en, 40, -14), "On");
  EXPECT_EQ(cell(zh, 40, -14), "开");
  EXPECT_EQ(cell(en, 40, -15), "999");
  EXPECT_EQ(cell(en, 40, -16), "Tx inbibit");
  EXPECT_EQ(cell(zh, 40, -16), "禁止发射");
  EXPECT_EQ(cell(zh, 9, -12), "身份码:");
  EXPECT_EQ(cell(zh, 6, -11), "解码");

  image.set(0x132F, '#');
  image.set(0x12A8, 0x00);
  en = dtmf(image);
  zh = dtmf(image, Zh);
  EXPECT_EQ(cell(en, 40, -13), "#");
  EXPECT_EQ(cell(en, 40, -14), "Off");
  EXPECT_EQ(cell(zh, 40, -14), "关");
  EXPECT_EQ(cell(en, 40, -16), "Transceiver inhibit");
  EXPECT_EQ(cell(zh, 40, -16), "禁止收发");
}

TEST(DtmfLayout, FastCallListEntriesAndRules) {
  RadioImage image;
  putText(image, 0x1380, "1234567890123456");  // all 16 bytes
  putText(image, 0x1380 + 24 * 8, "*#0");      // entry 9
  const auto items = dtmf(image);
  const PageGeometry g = geometry();
  const int u = g.unit();
  const int b = g.bodyLine;
  EXPECT_EQ(test::textAt(items, 10 * u, -20 * b - 50), "1");
  EXPECT_EQ(test::textAt(items, 18 * u, -20 * b - 50), "1234567890123456");
  EXPECT_EQ(test::textAt(items, 10 * u, -28 * b - 50), "9");
  EXPECT_EQ(test::textAt(items, 18 * u, -28 * b - 50), "*#0");
  EXPECT_EQ(test::textAt(items, 18 * u, -21 * b - 50), "");
  EXPECT_EQ(cell(items, 21, -19), "FastCallList");
  EXPECT_TRUE(test::hasLine(items, 8 * u, -20 * b + 25, 40 * u, -20 * b + 25));
  EXPECT_TRUE(test::hasLine(items, 15 * u, 50 - 19 * b, 15 * u, -29 * b));
}

TEST(MskLayout, OwnCodeAndCallListSlots) {
  RadioImage image;
  putText(image, 0x12C0, "1234");
  putText(image, 0x12C4, "0001");  // entry 1
  putText(image, 0x12CC, "0003");  // entry 3
  putText(image, 0x12D8, "04");    // entry 4: first slot of the next record
  putText(image, 0x12F4, "0009");  // entry 9
  const auto items = msk(image);
  const PageGeometry g = geometry();
  const int u = g.unit();
  const int b = g.bodyLine;
  EXPECT_EQ(cell(items, 15, -4), "1234");
  EXPECT_EQ(test::textAt(items, 17 * u, -8 * b - 25), "0001");
  EXPECT_EQ(test::textAt(items, 17 * u, -10 * b - 25), "0003");
  EXPECT_EQ(test::textAt(items, 17 * u, -11 * b - 25), "04");
  EXPECT_EQ(test::textAt(items, 17 * u, -16 * b - 25), "0009");
  EXPECT_EQ(test::textAt(items, 10 * u, -16 * b - 25), "9");
  EXPECT_TRUE(test::hasLine(items, 8 * u, -8 * b + 25, 25 * u, -8 * b + 25));
  EXPECT_TRUE(test::hasLine(items, 14 * u, 25 - 7 * b, 14 * u, -17 * b - 50));
  EXPECT_EQ(cell(msk(image, Zh), 16, -7), "呼叫列表");
}

struct OptionalCase {
  std::size_t offset;
  Byte value;
  int y;
  const char* en;
  const char* zh;
};

// The lines no dialog shows keep the printout's own readings.
TEST(OptionalLayout, PageOnlyValueRules) {
  const OptionalCase cases[] = {
      {0x12A8, 0x08, -16, "On", "开"},     {0x12A8, 0xF7, -16, "Off", "关"},  {0x1264, 0x10, -20, "On", "开"},
      {0x1264, 0xEF, -20, "Off", "关"},    {0x1264, 0x80, -24, "On", "开"},   {0x1264, 0x7F, -24, "Off", "关"},
      {0x12A8, 0x04, -25, "DTMF", "DTMF"}, {0x12A8, 0xFB, -25, "MSK", "MSK"},
  };
  for (const auto& c : cases) {
    RadioImage image;
    image.set(c.offset, c.value);
    EXPECT_EQ(cell(optional(image), 30, c.y), c.en) << std::hex << c.offset << " " << int(c.value);
    EXPECT_EQ(cell(optional(image, Zh), 30, c.y), c.zh) << std::hex << c.offset << " " << int(c.value);
  }
}

// Every line the Optional Features dialog also shows prints what the dialog
// (and `get optional`) shows, over images with varied settings.
TEST(OptionalLayout, SharedLinesAgreeWithTheDialog) {
  struct Shared {
    int y;
    OptionalList list;
  };
  const Shared shared[] = {
      {-5, OptionalList::BackLight}, {-6, OptionalList::BackLightColor}, {-7, OptionalList::DisplayMode},
      {-8, OptionalList::KeyLock},   {-9, OptionalList::Priority},       {-10, OptionalList::ScanMode},
      {-11, OptionalList::Squelch},  {-12, OptionalList::Step},          {-13, OptionalList::Tot},
      {-14, OptionalList::Vox},      {-17, OptionalList::MskType},       {-18, OptionalList::BatterySaver},
      {-19, OptionalList::Beep},
  };
  std::vector<RadioImage> images(5);
  BandRecord band{};
  images[1] = newDocumentImage(band);
  // Every list at its second-to-last entry, then at its second entry.
  for (const int pick : {-2, 1}) {
    OptionalFeaturesForm form = loadOptionalFeatures(images[1]);
    for (int i = 0; i < kOptionalListCount; ++i) {
      const auto list = static_cast<OptionalList>(i);
      const int n = static_cast<int>(optionalListItems(list, En).size());
      form[list] = pick < 0 ? n + pick : pick;
    }
    form[OptionalCheck::KeypadLock] = pick < 0;
    storeOptionalFeatures(form, images[pick < 0 ? 2 : 3], En);
  }
  // Bytes no dialog would store.
  for (std::size_t i = 0; i < kImageSize; ++i) images[4].set(i, static_cast<Byte>(i * 37 + 11));

  for (const RadioImage& image : images) {
    const OptionalFeaturesForm form = loadOptionalFeatures(image);
    for (const Language lang : {En, Zh}) {
      const auto page = optional(image, lang);
      for (const Shared& s : shared) {
        const auto items = optionalListItems(s.list, lang);
        EXPECT_EQ(cell(page, 30, s.y), items.at(static_cast<std::size_t>(form[s.list]))) << s.y;
      }
      EXPECT_EQ(cell(page, 30, -21), (form[OptionalCheck::KeypadLock] ? Text{"On", "开"} : Text{"Off", "关"}).in(lang));
    }
  }
  // The faults that were reported: Auto printed as On, MSK-I as MSK-II.
  RadioImage image;
  OptionalFeaturesForm form = loadOptionalFeatures(image);
  form[OptionalList::BackLight] = 1;
  form[OptionalList::MskType] = 0;
  storeOptionalFeatures(form, image, En);
  EXPECT_EQ(cell(optional(image), 30, -5), "Auto");
  EXPECT_EQ(cell(optional(image), 30, -17), "MSK-I");
}

TEST(OptionalLayout, VoiceAnnunciationNeedsItsSwitchBeforeTheLanguage) {
  RadioImage image;
  image.set(0x1264, 0x00);
  image.set(0x12A8, 0x02);
  EXPECT_EQ(cell(optional(image), 30, -15), "Off");
  EXPECT_EQ(cell(optional(image, Zh), 30, -15), "无");
  image.set(0x1264, 0x04);
  EXPECT_EQ(cell(optional(image), 30, -15), "Chinese");
  image.set(0x12A8, 0x00);
  EXPECT_EQ(cell(optional(image), 30, -15), "English");
  EXPECT_EQ(cell(optional(image, Zh), 30, -15), "英文");
}

TEST(OptionalLayout, LabelsAndPttIdTexts) {
  RadioImage image;
  putText(image, 0x1278, "123ABC");
  putText(image, 0x1290, "0123456789ABCDEF");
  const auto en = optional(image);
  const auto zh = optional(image, Zh);
  EXPECT_EQ(cell(en, 30, -26), "123ABC");
  EXPECT_EQ(cell(en, 30, -27), "0123456789ABCDEF");
  EXPECT_EQ(cell(en, 6, -4), "Function");
  EXPECT_EQ(cell(zh, 6, -4), "功能");
  EXPECT_EQ(cell(en, 6, -23), "PTT ID");
  EXPECT_EQ(cell(zh, 6, -23), "PTT ID");
  EXPECT_EQ(cell(en, 9, -26), "Beginning of Trasmit:");
  EXPECT_EQ(cell(zh, 9, -21), "数字功能键锁定:");
  EXPECT_EQ(cell(zh, 9, -17), "MSK 类型:");
}

TEST(TwoToneDecodeLayout, EntriesInTwoColumnsWithTheirFields) {
  RadioImage image;
  // Entry 4: group 1, right column -> 0x15C0 + 24 + 8.
  const std::size_t e4 = 0x15C0 + 24 + 8;
  image.setBe16(e4, 3000);
  image.setBe16(e4 + 2, 12);
  image.set(e4 + 4, 5);
  image.set(e4 + 5, 25);
  image.set(e4 + 6, 7);   // interval
  image.set(e4 + 7, 30);  // long tone
  const auto items = decode(image);
  EXPECT_EQ(cell(items, 35, -13), "2-Tone 4:");
  EXPECT_EQ(cell(items, 36, -14), "A Tone (Hz):");
  EXPECT_EQ(cell(items, 58, -14), "300.0");
  EXPECT_EQ(cell(items, 58, -15), " 1.2");
  EXPECT_EQ(cell(items, 58, -16), "0.5");
  EXPECT_EQ(cell(items, 58, -17), "2.5");
  EXPECT_EQ(cell(items, 58, -18), "3.0");  // long tone from byte 7
  EXPECT_EQ(cell(items, 58, -19), "0.7");  // interval from byte 6
  // Erased bytes print as they are.
  EXPECT_EQ(cell(items, 26, -5), "6553.5");
  EXPECT_EQ(cell(items, 26, -7), "25.5");
  EXPECT_EQ(cell(items, 3, -31), "2-Tone 7:");
  EXPECT_EQ(cell(decode(image, Zh), 3, -31), "2-Tone 7:");
  EXPECT_EQ(cell(decode(image, Zh), 36, -17), "第二音频持续时间 (s)");
}

TEST(TwoToneEncodeLayout, TimingFormats) {
  RadioImage image;
  image.set(0x1620, 15);
  image.set(0x1621, 0);
  image.set(0x1622, 100);
  image.setBe16(0x1623, 30);  // 1.5 s
  image.setBe16(0x1625, 7);   // 0.35 s
  image.set(0x1627, 0x01);
  const auto en = encode(image);
  EXPECT_EQ(cell(en, 30, -4), "1.5");
  EXPECT_EQ(cell(en, 30, -5), "0.0");
  EXPECT_EQ(cell(en, 30, -6), "10.0");
  EXPECT_EQ(cell(en, 30, -7), "1.5");
  EXPECT_EQ(cell(en, 30, -8), "0.35");
  EXPECT_EQ(cell(en, 30, -9), "ON");
  EXPECT_EQ(cell(encode(image, Zh), 30, -9), "开");
  image.set(0x1627, 0xFE);
  EXPECT_EQ(cell(encode(image), 30, -9), "Off");
  EXPECT_EQ(cell(encode(image, Zh), 30, -9), "关");
}

TEST(TwoToneEncodeLayout, ToneTableHalvesAndEmptyTones) {
  RadioImage image;
  image.setBe16(0x1500, 6700);                // tone 1, first
  image.setBe16(0x1502, 10000);               // tone 1, second
  image.setBe16(0x1500 + 24 * 3 + 12, 2500);  // tone 16 (i = 15)
  image.setBe16(0x1560, 4444);                // tone 17
  image.set(0x1562, 0xFF);                    // its second tone is empty
  const auto items = encode(image);
  const PageGeometry g = geometry();
  const int u = g.unit();
  const int b = g.bodyLine;
  const auto row = [&](int i) { return -(i + 13) * b - 25; };
  EXPECT_EQ(test::textAt(items, 7 * u, row(0)), "1");
  EXPECT_EQ(test::textAt(items, 13 * u, row(0)), "670.0");
  EXPECT_EQ(test::textAt(items, 23 * u, row(0)), "1000.0");
  EXPECT_EQ(test::textAt(items, 13 * u, row(15)), "250.0");
  EXPECT_EQ(test::textAt(items, 35 * u, row(0)), "17");
  EXPECT_EQ(test::textAt(items, 41 * u, row(0)), "444.4");
  EXPECT_EQ(test::textAt(items, 51 * u, row(0)), "");
  EXPECT_EQ(test::textAt(items, 35 * u, row(15)), "32");
  EXPECT_EQ(test::textAt(items, 41 * u, row(15)), "");
  EXPECT_TRUE(test::hasLine(items, 6 * u - 25, 15 - 13 * b, 30 * u, 15 - 13 * b));
  EXPECT_TRUE(test::hasLine(items, 34 * u - 25, 15 - 13 * b, 58 * u, 15 - 13 * b));
  EXPECT_TRUE(test::hasLine(items, 39 * u, 25 - 12 * b, 39 * u, -29 * b - 25));
}

TEST(TwoToneEncodeLayout, ChineseToneHeadsSitFurtherRight) {
  const RadioImage image;
  const auto en = encode(image);
  const auto zh = encode(image, Zh);
  EXPECT_EQ(cell(en, 12, -12), "Tone Fre1");
  EXPECT_EQ(cell(en, 50, -12), "Tone Fre2");
  EXPECT_EQ(cell(zh, 6, -12), "编码");
  EXPECT_EQ(cell(zh, 34, -12), "编码");
  EXPECT_EQ(cell(zh, 13.5, -12), "音频1");
  EXPECT_EQ(cell(zh, 41.5, -12), "音频1");
  EXPECT_EQ(cell(zh, 51.5, -12), "音频2");
  EXPECT_EQ(cell(zh, 12, -12), "<none>");
}

TEST(ChannelLayout, BlocksPrintTheGridTexts) {
  RadioImage image;
  image.channel(129)[12] = 0x05;
  image.channel(129)[14] = 0x12;
  image.channel(129)[15] = 0xAB;
  ChannelGrid grid;
  const RowTexts fr{{"446.00625", "446.00625", "67.0", "D023N", "PMR", "Low", "Narrow", "No", "QT/DQT Tone"}};
  grid.row(129) = fr;
  grid.row(3) = RowTexts{{"145.00000", "", "None", "", "", "", "", "", ""}};
  PageWriter writer(geometry());
  drawChannelPage(writer, image, grid, {3, 129}, En);
  const auto& items = writer.items();
  EXPECT_EQ(cell(items, 4, -4), "Channel 3:");
  EXPECT_EQ(cell(items, 24, -5), "145.00000");
  EXPECT_EQ(cell(items, 24, -6), "");
  EXPECT_EQ(cell(items, 55, -7), "FF");
  EXPECT_EQ(cell(items, 4, -12), "Channel FR:");
  const std::pair<int, std::string> left[] = {{-13, "446.00625"}, {-14, "446.00625"}, {-15, "67.0"},
                                              {-16, "D023N"},     {-17, "PMR"},       {-18, "Low"}};
  for (const auto& [y, text] : left) EXPECT_EQ(cell(items, 24, y), text) << y;
  EXPECT_EQ(cell(items, 5, -13), "Receive Frequency:");
  EXPECT_EQ(cell(items, 5, -14), "Transceive Frequency:");
  EXPECT_EQ(cell(items, 55, -13), "Narrow");
  EXPECT_EQ(cell(items, 55, -14), "No");
  EXPECT_EQ(cell(items, 40, -15), "PTT ID:");
  EXPECT_EQ(cell(items, 55, -15), "05");
  EXPECT_EQ(cell(items, 55, -16), "QT/DQT");
  EXPECT_EQ(cell(items, 40, -17), "Optional Singal:");
  EXPECT_EQ(cell(items, 55, -17), "12 AB");

  PageWriter zh(geometry());
  drawChannelPage(zh, image, grid, {129}, Zh);
  EXPECT_EQ(cell(zh.items(), 4, -4), "信道 FR:");
  EXPECT_EQ(cell(zh.items(), 5, -10), "发射功率:");
  EXPECT_EQ(cell(zh.items(), 40, -9), "可选信号:");
  EXPECT_EQ(cell(zh.items(), 40, -7), "PTT ID:");
  EXPECT_EQ(test::textAt(zh.items(), 6 * geometry().unit(), -geometry().titleLine), "信道信息");
}

}  // namespace
}  // namespace radio::print
