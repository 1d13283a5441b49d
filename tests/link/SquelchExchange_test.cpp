// The squelch read and write exchanges against the in-process virtual radio.
#include <gtest/gtest.h>

#include "LinkTestSupport.h"
#include "link/SquelchExchange.h"

namespace radio {
namespace {

using test::Harness;
using test::newDocument;
using test::randomMemory;

TEST(SquelchRead, CopiesTheFourLevelsAfterAHandshakeWithoutStatusOrPurgesPerByte) {
  RadioMemory m = randomMemory(1);
  const SquelchBytes levels{50, 45, 40, 35};
  std::copy(levels.begin(), levels.end(), m.begin() + 0x0FF6);
  Harness h(m);
  RadioImage image = newDocument();
  RadioImage expected = image;
  expected.copyIn(addr::kSquelch, levels);

  const LinkResult r = readSquelch(h.link, image, Language::English, h.callbacks);

  ASSERT_TRUE(r.ok());
  EXPECT_EQ(r.text, "Read Successfully");
  EXPECT_EQ(image, expected);
  EXPECT_TRUE(h.statuses.empty());
  EXPECT_TRUE(h.radio.violations().empty());
  std::vector<Byte> sent{0x02, 0x50, 0x52, 0x4F, 0x47, 0x52, 0x41, 0x4D, 0x02, 0x06, 0x52, 0x0F, 0xF6, 0x04};
  EXPECT_EQ(h.link.sentBytes(), sent);
  // Full purge once, a 2 ms pause before each wake-up byte, no purge after the
  // acknowledge of Identify, 1 ms before the reply is read.
  using E = VirtualRadioLink::Event;
  std::vector<E::Kind> kinds;
  for (const auto& e : h.link.log()) kinds.push_back(e.kind);
  std::vector<E::Kind> expectedKinds{E::PurgeAll};
  for (int i = 0; i < 7; ++i) {
    expectedKinds.push_back(E::Sleep);
    expectedKinds.push_back(E::Write);
  }
  for (auto k : {E::Read, E::Sleep, E::PurgeBuffers, E::Write, E::Read, E::PurgeBuffers, E::Write, E::Sleep, E::Read,
                 E::PurgeBuffers, E::Write, E::Sleep, E::Read})
    expectedKinds.push_back(k);
  EXPECT_EQ(kinds, expectedKinds);
}

TEST(SquelchWrite, StoresInImageAndRadioAndReportsSuccess) {
  const RadioMemory original = randomMemory(3);
  Harness h(original);
  RadioImage image = newDocument();
  const SquelchBytes values{9, 118, 64, 30};
  const LinkResult r = writeSquelch(h.link, image, values, Language::English, h.callbacks);
  ASSERT_TRUE(r.ok());
  EXPECT_EQ(r.text, "Write Successfully");
  EXPECT_TRUE(std::ranges::equal(image.span(addr::kSquelch, 4), values));
  RadioMemory expected = original;
  std::copy(values.begin(), values.end(), expected.begin() + 0x0FF6);
  EXPECT_EQ(h.radio.memory(), expected);
}

// A failed write keeps the values in the image once the radio took the
// request; a failed read or an unanswered handshake changes nothing.
TEST(SquelchExchange, FailuresAndWhatTheImageHoldsAfterThem) {
  struct Case {
    bool write;
    RadioFaults faults;
    LinkOutcome outcome;
    bool imageHoldsValues;
  };
  RadioFaults shortReply, noAck, silent;
  shortReply.shortReplyBlock = 510;
  noAck.missingAckBlock = 510;
  silent.silent = true;
  const Case cases[] = {{false, shortReply, LinkOutcome::Interrupted, false},
                        {true, noAck, LinkOutcome::Interrupted, true},
                        {true, silent, LinkOutcome::NoAnswer, false}};
  const SquelchBytes values{20, 21, 22, 23};
  for (const Case& c : cases) {
    Harness h(randomMemory(3), c.faults);
    h.retries = 1;
    RadioImage image = newDocument();
    RadioImage expected = image;
    if (c.imageHoldsValues) expected.copyIn(addr::kSquelch, values);
    const LinkResult r = c.write ? writeSquelch(h.link, image, values, Language::English, h.callbacks)
                                 : readSquelch(h.link, image, Language::English, h.callbacks);
    EXPECT_EQ(r.outcome, c.outcome);
    EXPECT_EQ(image, expected);
    if (c.outcome == LinkOutcome::Interrupted) {
      EXPECT_EQ(r.text, "Program Interrupt, Please reset the radio and try again");
    } else {
      EXPECT_EQ(h.questions, 2);
    }
  }
}

}  // namespace
}  // namespace radio
