// SPDX-License-Identifier: GPL-3.0-or-later
// The radio exchanges against the in-process virtual radio: the virtual radio's
// own rules; the transfer engine (the exact exchange, the image after every way a
// transfer ends, Retry/Cancel and cancellation); the squelch exchanges; verify and
// identify.
#include <gtest/gtest.h>

#include <cstdio>

#include "LinkTestSupport.h"
#include "TestImages.h"
#include "link/RadioInfo.h"
#include "link/RadioMemoryMap.h"
#include "link/SquelchExchange.h"
#include "link/TransferEngine.h"
#include "link/Verify.h"
#include "link/VirtualRadio.h"

namespace radio {
namespace {

TEST(RadioMemoryMap, EveryRadioAddressHasItsOwnImageByte) {
  std::vector<int> hits(kImageSize, 0);
  for (unsigned a = 0; a < kRadioMemorySize; ++a) ++hits[imageOffsetForRadioAddress(static_cast<std::uint16_t>(a))];
  for (std::size_t off = 0; off < kImageSize; ++off) {
    const std::size_t row = off / kRecordSize;
    const bool moved = row <= 129 || (row >= 195 && off % kRecordSize < 16);
    ASSERT_EQ(hits[off], moved ? 1 : 0) << off;
  }
  EXPECT_EQ(imageOffsetForRadioAddress(0x0FD1), addr::kBandType);
  EXPECT_EQ(imageOffsetForRadioAddress(0x0FE2), addr::kPassword);
  EXPECT_EQ(imageOffsetForRadioAddress(0x0FF6), addr::kSquelch);
  EXPECT_EQ(imageOffsetForRadioAddress(0x0C73), addr::kMskFlags);
}

using test::Harness;
using test::newDocument;
using test::randomMemory;

constexpr std::array<Byte, 7> kWake{0x02, 0x50, 0x52, 0x4F, 0x47, 0x52, 0x41};

struct Stream {
  std::vector<Byte> bytes;
  void add(std::initializer_list<Byte> b) { bytes.insert(bytes.end(), b); }
  void handshake() {
    bytes.insert(bytes.end(), kWake.begin(), kWake.end());
    add({0x4D, 0x02, 0x06});
  }
  void read(std::uint16_t a) { add({0x52, Byte(a >> 8), Byte(a & 0xFF), 0x08}); }
  void identification() {
    read(0x0FD0);
    add({0x06});
    read(0x0FD8);
    add({0x06});
    read(0x0C70);
  }
};

std::vector<Byte> expectedReadStream() {
  Stream s;
  s.handshake();
  s.identification();
  s.handshake();
  s.read(0x0FE0);
  s.add({0x06});
  for (unsigned a = 0; a < 0x1000; a += 8) {
    s.read(static_cast<std::uint16_t>(a));
    s.add({0x06});
  }
  return s.bytes;
}

std::vector<Byte> expectedWriteStream(const RadioImage& image) {
  const RadioMemory m = radioMemoryFromImage(image);
  Stream s;
  s.handshake();
  s.identification();
  s.handshake();
  for (unsigned a = 0; a < 0x1000; a += 8) {
    if (a >= 0x0FD0 && a < 0x0FE0) continue;  // identification row
    if (a >= 0x0FF0) continue;                // band record and squelch row
    s.add({0x57, Byte(a >> 8), Byte(a & 0xFF), 0x08});
    s.bytes.insert(s.bytes.end(), m.begin() + a, m.begin() + a + 8);
  }
  s.add({0x57, 0x0F, 0xD1, 0x01, 0x03});
  return s.bytes;
}

// The link calls in a compact form: s2 = sleep 2 ms, P = buffer purge, A = full
// purge, w:4D02 = a write, r12 = a read of 12 bytes.
std::string trace(const std::vector<VirtualRadioLink::Event>& log, std::size_t count) {
  std::string out;
  for (std::size_t i = 0; i < log.size() && i < count; ++i) {
    const auto& e = log[i];
    switch (e.kind) {
      case VirtualRadioLink::Event::Sleep: out += "s" + std::to_string(e.asked); break;
      case VirtualRadioLink::Event::PurgeBuffers: out += "P"; break;
      case VirtualRadioLink::Event::PurgeAll: out += "A"; break;
      case VirtualRadioLink::Event::Read: out += "r" + std::to_string(e.asked); break;
      case VirtualRadioLink::Event::Write:
        out += "w:";
        for (Byte b : e.bytes) {
          char h[3];
          std::snprintf(h, sizeof h, "%02X", b);
          out += h;
        }
        break;
    }
    out += ' ';
  }
  return out;
}

bool bit3(const RadioMemory& m) { return (m[0x0C73] >> 3) & 1; }

// The exact stream, the purges and pauses of the handshake and first blocks, and
// the image filled. That a read writes only the image bytes that hold radio memory,
// and its progress count, are properties of the link fuzzer; the count shown, of
// the end-to-end read.
TEST(TransferRead, ExactStreamPurgesAndPausesFillTheImage) {
  Harness h(randomMemory(7));
  RadioImage image = newDocument();
  const LinkResult r = h.transfer(TransferDirection::Read, image);
  ASSERT_TRUE(r.ok()) << r.text;
  EXPECT_TRUE(h.radio.violations().empty()) << h.radio.violations().front();
  EXPECT_EQ(radioMemoryFromImage(image), h.radio.memory());
  EXPECT_EQ(h.link.sentBytes(), expectedReadStream());
  EXPECT_EQ(h.statuses.front(), "Waiting the response from radio....");
  const std::string wake =
      "s1 s1 s1 s1 s1 s1 A s2 P w:02 s2 P w:50 s2 P w:52 s2 P w:4F s2 P w:47 s2 P w:52 s2 P w:41 r1 "
      "s1 P w:4D02 r8 P w:06 P s1 r1 ";
  const std::string expected =
      wake + "P w:520FD008 r12 s1 P w:06 r1 P w:520FD808 r12 s1 P w:06 r1 P w:520C7008 r12 " + wake +
      "w:520FE008 r12 w:06 r1 "
      "P w:52000008 r12 s1 P w:06 r1 s1 P w:52000808 r12 s1 P w:06 r1 s1 P w:52001008 r12 s1 P "
      "w:06 r1 P w:52001808 ";
  EXPECT_EQ(trace(h.link.log(), 200).substr(0, expected.size()), expected);
  // Rows 195..255 go without pauses.
  const std::string all = trace(h.link.log(), h.link.log().size());
  const std::string tail = "r1 P w:520FF008 r12 P w:06 r1 P w:520FF808 r12 P w:06 r1 ";
  EXPECT_EQ(all.substr(all.size() - tail.size()), tail);
}

TEST(TransferWrite, SendsTheImageAndLeavesIdentificationAndBandRowAlone) {
  const RadioMemory original = randomMemory(11);
  Harness h(original);
  RadioImage image = newDocument();
  for (std::size_t i = 0; i < kImageSize; ++i) image.set(i, static_cast<Byte>(i * 7 + 3));
  for (std::size_t i = 0; i < 6; ++i) image.set(addr::kPassword + i, 0x31);  // not checked by a write
  const RadioImage before = image;

  const LinkResult r = h.transfer(TransferDirection::Write, image);

  ASSERT_TRUE(r.ok());
  EXPECT_TRUE(h.radio.violations().empty());
  // The image changes only in bit 3 of 0x12AB, which takes the radio's value.
  RadioImage expectedImage = before;
  expectedImage.setBit(addr::kMskFlags, 3, bit3(original));
  EXPECT_EQ(image, expectedImage);
  // The exact stream: every block but the identification row and the band and
  // squelch rows, then the band type confirmed.
  EXPECT_EQ(h.link.sentBytes(), expectedWriteStream(image));
}

TEST(TransferHandshake, BandTypeIsCheckedBeforeAnythingIsMoved) {
  // 0x00, 0xFF and 0x06 pass, and a write leaves the radio at 3.
  for (const Byte type : {Byte{0x00}, Byte{0xFF}, Byte{0x06}}) {
    RadioMemory m = randomMemory(3);
    m[0x0FD1] = type;
    Harness h(m);
    RadioImage image = newDocument();
    ASSERT_TRUE(h.transfer(TransferDirection::Write, image).ok()) << int(type);
    EXPECT_EQ(h.radio.memory()[0x0FD1], 0x03);
  }
  for (const int type : {1, 2, 4, 5}) {
    for (const auto direction : {TransferDirection::Read, TransferDirection::Write}) {
      RadioFaults f;
      f.bandType = type;
      Harness h(randomMemory(5), f);
      RadioImage image = newDocument();
      const LinkResult r = h.transfer(direction, image);
      EXPECT_EQ(r.outcome, LinkOutcome::BandTypeError);
      EXPECT_EQ(r.text, "Band type error");
      EXPECT_EQ(h.radio.blocksRead(), 2);  // the two identification blocks
      EXPECT_EQ(h.radio.blocksWritten(), 0);
    }
  }
}

TEST(TransferHandshake, SilentRadioAsksAfterFifteenAttemptsAndRetryGivesFifteenMore) {
  RadioFaults f;
  f.silent = true;
  Harness h(randomMemory(1), f);
  std::vector<std::int64_t> askedAt;
  h.retries = 1;
  h.callbacks.askRetry = [&] {
    askedAt.push_back(h.link.nowUs());
    return h.retries-- > 0;
  };
  RadioImage image = newDocument();
  const LinkResult r = h.transfer(TransferDirection::Read, image);
  EXPECT_EQ(r.outcome, LinkOutcome::NoAnswer);
  EXPECT_EQ(r.message, MessageId::CommunicationError);
  ASSERT_EQ(askedAt.size(), 2u);
  // Each unanswered attempt: six 1 ms pauses, seven 2 ms pauses, two one-byte
  // reads of 190 ms, 2 ms after: 402 ms; fifteen of them before each question.
  EXPECT_EQ(askedAt[0], 15 * 402'000);
  EXPECT_EQ(askedAt[1] - askedAt[0], 15 * 402'000);
}

// Swallows the computer's bytes during the first few wake-up attempts, as a radio
// that is switched on late would.
class LateRadioLink : public Link {
 public:
  LateRadioLink(VirtualRadioLink& inner, int deafAttempts) : inner_(inner), deaf_(deafAttempts) {}
  bool write(std::span<const Byte> b) override { return attempts_ <= deaf_ ? true : inner_.write(b); }
  ReadResult read(std::size_t n) override {
    if (attempts_ > deaf_) return inner_.read(n);
    inner_.sleepMs(static_cast<int>(kReadTotalConstantMs + kReadTotalPerByteMs * n));
    return {};
  }
  void purgeBuffers() override { inner_.purgeBuffers(); }
  void purgeAll() override {
    ++attempts_;
    inner_.purgeAll();
  }
  void sleepMs(int ms) override { inner_.sleepMs(ms); }

 private:
  VirtualRadioLink& inner_;
  int deaf_;
  int attempts_ = 0;
};

// Identify unacknowledged: the counter is 1 + failed wake-up attempts; up to 5 the
// question is asked each time, at 6 the transfer is interrupted.
TEST(TransferHandshake, UnacknowledgedIdentifyAsksWhileFewAttemptsFailedThenInterrupts) {
  struct Case {
    int deafAttempts;
    int retries;
    LinkOutcome outcome;
    int questions;
  };
  const Case cases[] = {
      {0, 3, LinkOutcome::NoAnswer, 4}, {4, 0, LinkOutcome::NoAnswer, 1}, {5, 0, LinkOutcome::Interrupted, 0}};
  for (const Case& c : cases) {
    RadioFaults f;
    f.noIdentifyAck = true;
    Harness h(randomMemory(1), f);
    h.retries = c.retries;
    LateRadioLink link(h.link, c.deafAttempts);
    RadioImage image = newDocument();
    const LinkResult r = runTransfer(link, TransferDirection::Write, image, Language::English, h.callbacks);
    EXPECT_EQ(r.outcome, c.outcome) << c.deafAttempts;
    EXPECT_EQ(h.questions, c.questions) << c.deafAttempts;
    EXPECT_EQ(h.radio.blocksWritten(), 0);
  }
}

TEST(TransferRead, PasswordMismatchStopsBeforeChannelDataButTakesTheFeatureBit) {
  for (const bool radioBit : {false, true}) {
    RadioMemory m = randomMemory(9);
    m[0x0C73] = radioBit ? 0x08 : 0xF7;
    RadioFaults f;
    f.password = "123456";
    Harness h(m, f);
    RadioImage image = newDocument();
    image.setBit(addr::kMskFlags, 3, !radioBit);
    RadioImage expected = image;
    expected.setBit(addr::kMskFlags, 3, radioBit);

    const LinkResult r = h.transfer(TransferDirection::Read, image);

    EXPECT_EQ(r.outcome, LinkOutcome::PasswordError);
    EXPECT_EQ(r.text, "Password Error!");
    EXPECT_EQ(image, expected);
    EXPECT_EQ(h.radio.blocksRead(), 4);  // identification, feature block, password
  }
  // A single differing byte is enough (equal ones pass in every other read; a
  // write checks none, see TransferWrite).
  RadioMemory m = randomMemory(9);
  std::copy_n("246810", 6, m.begin() + 0x0FE2);
  RadioImage image = newDocument();
  image.setText(addr::kPassword, 6, "246811");
  Harness differs(m);
  EXPECT_EQ(differs.transfer(TransferDirection::Read, image).outcome, LinkOutcome::PasswordError);
}

// Every fault of the radio or the cable interrupts. The image stays as it was but
// for the feature bit, which a transfer takes from the radio once it has the
// feature block; a write sends nothing after an unacknowledged block and leaves the
// radio's band type unconfirmed.
TEST(TransferFaults, InterruptAndLeaveTheImageAsItWas) {
  using D = TransferDirection;
  const std::tuple<D, const char*, bool> cases[] = {
      // During identification, before anything is moved.
      {D::Read, "short:506", false},
      {D::Write, "short:506", false},
      // While the blocks are moved; the password block too short to compare.
      {D::Read, "short:508", true},
      {D::Read, "disconnect:100", true},
      {D::Read, "no-ack:511", true},  // the very last acknowledge
      {D::Write, "no-ack:0", true},
      {D::Write, "no-ack:509", true},
      {D::Write, "disconnect:40", true},
  };
  for (const auto& [direction, fault, bitTaken] : cases) {
    SCOPED_TRACE(fault);
    RadioFaults f;
    ASSERT_FALSE(parseRadioFault(fault, f).has_value());
    RadioMemory m = randomMemory(4);
    m[0x0C73] |= 0x08;
    m[0x0FD1] = 0x00;
    Harness h(m, f);
    RadioImage image = newDocument();
    image.setBit(addr::kMskFlags, 3, false);
    RadioImage expected = image;
    expected.setBit(addr::kMskFlags, 3, bitTaken);
    const LinkResult r = h.transfer(direction, image);
    EXPECT_EQ(r.outcome, LinkOutcome::Interrupted);
    EXPECT_EQ(r.message, MessageId::Interrupt);
    EXPECT_EQ(image, expected);
    if (direction == D::Write && !f.disconnectBlock) {
      EXPECT_EQ(h.link.log().back().kind, VirtualRadioLink::Event::Read);
    }
    EXPECT_NE(h.radio.memory()[0x0FD1], 0x03);
  }
}

// A cancel is silent and leaves the image (the link fuzzer's properties, and the
// transfer window's); it takes effect at the next block.
TEST(TransferCancel, EndsAtTheNextCheck) {
  using D = TransferDirection;
  for (const D direction : {D::Read, D::Write}) {
    Harness h(randomMemory(8));
    h.callbacks.progress = [&](int p) { h.cancel = h.cancel || p == 50; };
    RadioImage image = newDocument();
    EXPECT_EQ(h.transfer(direction, image).outcome, LinkOutcome::Cancelled);
    EXPECT_EQ(direction == D::Read ? h.radio.blocksRead() : h.radio.blocksWritten(), direction == D::Read ? 154 : 150);
  }
}

// The levels read into the image are tried through the Squelch Tuning window and
// end to end; here the exchange itself.
TEST(SquelchRead, HandshakeThenOneRequestWithoutStatusOrPurgesPerByte) {
  Harness h;
  RadioImage image = newDocument();
  ASSERT_TRUE(readSquelch(h.link, image, Language::English, h.callbacks).ok());
  EXPECT_TRUE(h.statuses.empty());
  EXPECT_TRUE(h.radio.violations().empty());
  // Full purge once, a 2 ms pause before each wake-up byte, no purge after the
  // acknowledge of Identify, 1 ms before the reply is read.
  EXPECT_EQ(trace(h.link.log(), h.link.log().size()),
            "A s2 w:02 s2 w:50 s2 w:52 s2 w:4F s2 w:47 s2 w:52 s2 w:41 r1 s1 P w:4D02 r8 P w:06 s1 r1 P w:520FF604 s1 "
            "r8 ");
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

// What a verify names is tried end to end and through the transfer window; here
// a radio that refuses it.
TEST(Verify, ARefusedPasswordIsTheLinksFailure) {
  RadioFaults faults;
  faults.password = "1234";
  Harness h(defaultRadioMemory(), faults);
  const VerifyResult v = verifyRadio(h.link, newDocument(), {}, h.callbacks);
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
