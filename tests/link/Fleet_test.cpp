// SPDX-License-Identifier: GPL-3.0-or-later
// The fleet over in-process virtual radios, one cable per port: radios come and
// go on each cable by a plan on the link's own clock, so the gap and the swaps
// are exact whatever the load of the machine. The tests wait for the fleet's own
// end, never on a clock.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "LinkTestSupport.h"
#include "TempFolder.h"
#include "link/Fleet.h"

namespace radio {
namespace {

enum class Change { Away, Back, New };

// A programming cable with a virtual radio on it. After each radio has ended,
// the plan runs: each change at its offset (ms on the link's clock).
struct Cable {
  explicit Cable(RadioFaults faults = {}) : radio(defaultRadioMemory(), std::move(faults)) {}

  void ended() {
    endedMs = link->clockMs();
    step = 0;
    radiosLogged.push_back(radio.number());
  }
  void tick() {
    for (; endedMs >= 0 && step < plan.size() && link->clockMs() - endedMs >= plan[step].first; ++step) {
      if (plan[step].second == Change::Away) radio.takeAway();
      if (plan[step].second == Change::Back) radio.putBack();
      if (plan[step].second == Change::New) radio.replaceWithNew();
    }
  }

  VirtualRadio radio;
  VirtualRadioLink* link = nullptr;  // the port's, while its worker runs
  std::vector<std::pair<int, Change>> plan{{0, Change::Away}, {3000, Change::New}};
  std::int64_t endedMs = -1;
  std::size_t step = 0;
  std::vector<int> radiosLogged;  // the cable's radio number of each logged radio
};

class FleetTest : public test::TempFolderTest {
 protected:
  Cable& cable(const std::string& port, RadioFaults faults = {}) {
    return *cables_.emplace(port, std::make_unique<Cable>(std::move(faults))).first->second;
  }

  FleetOptions options(int count) {
    FleetOptions o;
    for (const auto& entry : cables_) o.ports.push_back(entry.first);
    o.image = test::newDocument();
    test::putChannel(o.image, 1, "145.50000", "FLEET");
    o.count = count;
    return o;
  }

  // Runs the fleet to its end; onRecord (with each record) may stop it.
  void run(FleetOptions o, const std::function<void(Fleet&)>& onRecord = {}) {
    std::string error;
    FleetLog log;
    ASSERT_TRUE(log.open(dir_ / "fleet.csv", error)) << error;
    Fleet fleet([this](const std::string& port, Language lang) {
      const auto found = cables_.find(port);
      if (found == cables_.end()) return OpenedLink{nullptr, linkResult(LinkOutcome::PortError, lang)};
      Cable* c = found->second.get();
      auto link = std::make_unique<VirtualRadioLink>(c->radio);
      c->link = link.get();
      link->beforeWrite = [c](const VirtualRadioLink::Event&) { c->tick(); };
      return OpenedLink{std::move(link), {}};
    });
    FleetEvents events;
    events.radioEnded = [&](const FleetRecord& r) {
      records_.push_back(r);
      if (const auto found = cables_.find(r.port); found != cables_.end() && r.radio > 0) found->second->ended();
      if (onRecord) onRecord(fleet);
    };
    fleet_ = &fleet;
    ASSERT_TRUE(fleet.start(std::move(o), events, &log));
    fleet.wait();
    totals_ = fleet.totals();
    fleet_ = nullptr;
    for (const auto& entry : cables_) EXPECT_TRUE(entry.second->radio.violations().empty()) << entry.first;
  }

  int logged(const std::string& port, bool ok) const {
    return static_cast<int>(std::count_if(records_.begin(), records_.end(),
                                          [&](const FleetRecord& r) { return r.port == port && r.ok == ok; }));
  }

  std::map<std::string, std::unique_ptr<Cable>> cables_;
  Fleet* fleet_ = nullptr;  // while run() runs
  std::vector<FleetRecord> records_;
  FleetTotals totals_;
};

TEST_F(FleetTest, ThreePortsShareTheCountOfSixSwappedRadiosEachVerified) {
  for (const char* port : {"/dev/ttyUSB0", "/dev/ttyUSB1", "/dev/ttyUSB2"}) cable(port);
  run(options(6));
  EXPECT_EQ(totals_.started, 6);
  EXPECT_EQ(totals_.ok, 6);
  std::set<int> numbers;
  for (const FleetRecord& r : records_) {
    EXPECT_TRUE(r.ok) << r.message;
    EXPECT_EQ(r.identification.size(), 8u);
    numbers.insert(r.radio);
  }
  EXPECT_EQ(numbers, (std::set<int>{1, 2, 3, 4, 5, 6}));
}

// The radio stays on, goes quiet for less than the gap (a restart) and answers
// again, then is taken off: only the next radio is written.
TEST_F(FleetTest, RadioLeftOnTheCableIsNotWrittenTwiceEvenAfterARestart) {
  Cable& c = cable("COM3");
  c.plan = {{5000, Change::Away}, {6000, Change::Back}, {11000, Change::Away}, {14000, Change::New}};
  run(options(2));
  EXPECT_EQ(totals_.ok, 2);
  EXPECT_EQ(c.radiosLogged, (std::vector<int>{1, 2}));
}

// One port's radios are refused and another port cannot be opened; the good
// ports go on writing until stopped.
TEST_F(FleetTest, FailuresAreLoggedWithTheirReasonWhileTheOtherPortsGoOn) {
  RadioFaults refused;
  refused.bandType = 1;
  cable("A", refused);
  cable("B");
  cable("C");
  FleetOptions o = options(0);
  o.ports.push_back("gone");
  run(std::move(o), [this](Fleet& fleet) {
    if (logged("A", false) >= 2 && logged("B", true) >= 2 && logged("C", true) >= 2) fleet.stop();
  });
  EXPECT_EQ(logged("A", true), 0);
  EXPECT_EQ(logged("gone", false), 1);
  EXPECT_EQ(totals_.portsFailed, 1);
  for (const FleetRecord& r : records_) {
    if (r.port == "A") {
      EXPECT_EQ(r.message, linkResult(LinkOutcome::BandTypeError, Language::English).text);
    }
    if (r.port == "gone") {
      EXPECT_EQ(r.radio, 0);
    }
  }
  const std::string log = test::readFile(dir_ / "fleet.csv");
  EXPECT_NE(log.find(",gone,,failed,"), std::string::npos) << log;
}

// Stop once mid-write: the radio is finished and verified, no other starts.
// Stop twice: the write is cut and the radio logged as holding a partial write.
TEST_F(FleetTest, StopFinishesTheRadioBeingWrittenAndASecondStopCutsIt) {
  for (const int stops : {1, 2}) {
    SCOPED_TRACE(stops);
    cables_.clear();
    records_.clear();
    Cable& c = cable("COM1");
    int fullWrite = 0;
    c.radio.onWritten = [&](std::uint16_t, std::size_t length) {
      if (c.radio.blocksWritten() == 100)
        for (int i = 0; i < stops; ++i) fleet_->stop();
      if (length != 8) fullWrite = c.radio.blocksWritten();  // the last request of a whole write
    };
    run(options(0));
    ASSERT_EQ(records_.size(), 1u);
    EXPECT_EQ(records_[0].ok, stops == 1) << records_[0].message;
    EXPECT_EQ(fullWrite > 0, stops == 1);
    EXPECT_EQ(totals_.cut, stops - 1);
    if (stops == 2) {
      EXPECT_NE(records_[0].message.find("partial write"), std::string::npos) << records_[0].message;
    }
  }
}

}  // namespace
}  // namespace radio
