// Verify and identify against the in-process virtual radio.
#include "link/Verify.h"

#include <gtest/gtest.h>

#include "LinkTestSupport.h"
#include "TestImages.h"
#include "channels/ChannelGrid.h"
#include "link/RadioInfo.h"

namespace radio {
namespace {

using test::Harness;

// A document with channel 1 on 145.125 MHz, as the grid stores it.
RadioImage document() {
  RadioImage image = test::newDocument();
  test::putChannel(image, 1, "145.12500");
  return image;
}

TEST(Verify, AgreesAfterAWriteAndNamesWhatDiffersLater) {
  Harness h(defaultRadioMemory());
  RadioImage image = document();
  ASSERT_TRUE(h.transfer(TransferDirection::Write, image).ok());
  const int written = h.radio.blocksWritten();

  const VerifyResult same = verifyRadio(h.link, image, {}, h.callbacks);
  EXPECT_TRUE(same.agrees()) << (same.differences.empty() ? same.link.text : same.differences[0]);
  EXPECT_EQ(h.radio.blocksWritten(), written);  // verify never writes

  RadioImage edited = image;
  RowTexts row = decodeChannel(edited.channel(1), Language::English);
  row[ColName] = "BASE";
  encodeChannel(row, edited.channel(1), Language::English);
  edited.set(0x0C20, 0x00);          // a byte no field shows
  edited.set(addr::kBandRecord, 0);  // never written: not compared
  const VerifyResult differs = verifyRadio(h.link, edited, {}, h.callbacks);
  EXPECT_TRUE(differs.link.ok());
  EXPECT_EQ(differs.differences, (std::vector<std::string>{"channel 1: name: BASE -> CALL", "bytes 0x0C20-0x0C20"}));
  EXPECT_EQ(h.radio.blocksWritten(), written);
  EXPECT_TRUE(h.radio.violations().empty());
}

TEST(Verify, FindsACellThatKeepsItsOldValue) {
  RadioFaults faults;
  faults.stuckCell = 0x0002;  // a byte of channel 1's receive frequency
  Harness h(defaultRadioMemory(), faults);
  RadioImage image = document();
  ASSERT_TRUE(h.transfer(TransferDirection::Write, image).ok());
  const VerifyResult v = verifyRadio(h.link, image, {}, h.callbacks);
  ASSERT_TRUE(v.link.ok());
  ASSERT_EQ(v.differences.size(), 1u);
  EXPECT_EQ(v.differences[0].rfind("channel 1: rx: 145.12500 -> ", 0), 0u) << v.differences[0];
}

TEST(Verify, ARefusedPasswordIsTheLinksFailure) {
  RadioFaults faults;
  faults.password = "1234";
  Harness h(defaultRadioMemory(), faults);
  const VerifyResult v = verifyRadio(h.link, document(), {}, h.callbacks);
  EXPECT_EQ(v.link.outcome, LinkOutcome::PasswordError);
  EXPECT_FALSE(v.agrees());
}

TEST(Identify, ReportsWithoutReadingTheChannels) {
  struct Case {
    RadioFaults faults;
    LinkOutcome outcome;
    std::optional<std::string> password;
  };
  RadioFaults refused;
  refused.bandType = 2;
  RadioFaults locked;
  locked.password = "8888";
  const Case cases[] = {{{}, LinkOutcome::Completed, ""},
                        {locked, LinkOutcome::Completed, "8888"},
                        {refused, LinkOutcome::BandTypeError, std::nullopt}};
  for (const Case& c : cases) {
    Harness h(defaultRadioMemory(), c.faults);
    const RadioInfo info = identifyRadio(h.link, Language::English, h.callbacks);
    EXPECT_EQ(info.link.outcome, c.outcome);
    EXPECT_TRUE(info.identified);
    EXPECT_EQ(info.password, c.password);
    EXPECT_LE(h.radio.blocksRead(), 5);
    EXPECT_EQ(h.radio.blocksWritten(), 0);
    const auto lines = describeRadio(info, {"KV-240T"}, Language::English);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(
        lines[1].rfind(c.outcome == LinkOutcome::Completed ? "Band type: 3 (accepted" : "Band type: 2 (refused", 0), 0u)
        << lines[1];
  }
}

}  // namespace
}  // namespace radio
