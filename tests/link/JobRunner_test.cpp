// SPDX-License-Identifier: GPL-3.0-or-later
// The job runner: every kind of radio job over the in-process virtual radio on the
// runner's worker, the port as the job names it, the Retry/Cancel question
// answered from another thread or ended by cancel, a write stopped midway said as
// a partial write, and runners on several ports at once.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <semaphore>
#include <utility>

#include "LinkTestSupport.h"
#include "TempFolder.h"
#include "link/JobRunner.h"
#include "link/RadioMemoryMap.h"

namespace radio {
namespace {

using namespace std::chrono_literals;

// A link that says when it has been closed.
class ClosingLink : public VirtualRadioLink {
 public:
  ClosingLink(VirtualRadio& radio, std::atomic<bool>& closed) : VirtualRadioLink(radio), closed_(closed) {}
  ~ClosingLink() override { closed_ = true; }

 private:
  std::atomic<bool>& closed_;
};

RadioImage documentWithAChannel() {
  RadioImage image = test::newDocument();
  test::putChannel(image, 1, "145.50000", "RADIO");
  return image;
}

RadioMemory radioWithAChannel() {
  RadioMemory memory = radioMemoryFromImage(documentWithAChannel());
  memory[radioaddr::kBandType] = 0x03;
  return memory;
}

// A runner over a virtual radio of its own. What the worker records is read after
// wait(); the end is awaited on a semaphore, not a clock.
struct RadioJob {
  explicit RadioJob(const RadioMemory& memory = radioWithAChannel(), RadioFaults faults = {})
      : radio(memory, std::move(faults)), runner([this](const std::string& port, Language lang) {
          ports.push_back(port);
          if (refuse) return OpenedLink{nullptr, linkResult(LinkOutcome::PortError, lang)};
          auto link = std::make_unique<ClosingLink>(radio, closed);
          link->beforeWrite = [this](const VirtualRadioLink::Event& event) {
            if (beforeWrite) beforeWrite(event);
          };
          return OpenedLink{std::move(link), {}};
        }) {
    events.question = [this] {
      ++questions;
      asked.release();
    };
    events.finished = [this] {
      closedAtFinish = closed.load();
      ++finished;
      done.release();
    };
  }

  Job job(JobKind kind) const {
    Job job;
    job.kind = kind;
    job.port = "COM7";
    job.image = documentWithAChannel();
    return job;
  }
  void start(Job job) { ASSERT_TRUE(runner.start(std::move(job), events)); }
  const JobResult& end() {
    done.acquire();
    runner.wait();
    return runner.result();
  }
  const JobResult& run(Job job) {
    start(std::move(job));
    return end();
  }

  VirtualRadio radio;
  JobRunner runner;
  JobEvents events;
  std::function<void(const VirtualRadioLink::Event&)> beforeWrite;  // on the worker
  bool refuse = false;                                              // the port does not open
  std::vector<std::string> ports;
  std::atomic<int> questions{0};
  std::atomic<bool> closed{false};
  bool closedAtFinish = false;
  int finished = 0;
  std::counting_semaphore<> asked{0};
  std::binary_semaphore done{0};
};

using JobRunnerTest = test::TempFolderTest;

// Each kind of job reaches its part of the engine over the port it names, and the
// link is closed before the job says it has finished. (The squelch jobs are tried
// through their window.)
TEST_F(JobRunnerTest, EveryKindOfJobRunsOverThePortItNamesAndEndsWithTheLinkClosed) {
  for (const JobKind kind : {JobKind::Read, JobKind::Write, JobKind::Verify, JobKind::Identify}) {
    SCOPED_TRACE(static_cast<int>(kind));
    RadioJob r;
    Job job = r.job(kind);
    job.verifyAfterWrite = true;  // taken by a write only
    job.backupFolder = dir_ / "backups";
    job.image.set(0x0010, 'X');  // channel 1's name, which the radio lacks
    const JobResult& result = r.run(job);
    EXPECT_TRUE(result.link.ok()) << result.link.text;
    EXPECT_EQ(r.ports, std::vector<std::string>{"COM7"});
    EXPECT_EQ(r.finished, 1);
    EXPECT_TRUE(r.closedAtFinish);
    EXPECT_EQ(r.radio.memory()[0x0010], kind == JobKind::Write ? 'X' : 'R');
    EXPECT_EQ(result.image.at(0x0010), kind == JobKind::Read ? 'R' : 'X');
    EXPECT_EQ(result.backup.has_value(), kind == JobKind::Read);
    EXPECT_EQ(result.info.has_value(), kind == JobKind::Identify);
    ASSERT_EQ(result.verify.has_value(), kind == JobKind::Write || kind == JobKind::Verify);
    if (result.verify) {
      EXPECT_EQ(result.verify->agrees(), kind == JobKind::Write);
    }
  }
  EXPECT_EQ(entries(dir_ / "backups"), 1);
}

// No port chosen: nothing is opened and the text says where to choose one; a port
// that does not open ends the job with the opener's message.
TEST(JobRunner, WithoutAPortOrWithOneThatDoesNotOpenNothingIsSent) {
  for (const Language lang : {Language::English, Language::Chinese}) {
    RadioJob r;
    Job job = r.job(JobKind::Write);
    job.port.clear();
    job.context.lang = lang;
    const JobResult& result = r.run(job);
    EXPECT_EQ(result.link.outcome, LinkOutcome::PortError);
    EXPECT_EQ(result.link.text, noPortChosen(lang).text);
    EXPECT_TRUE(r.ports.empty());
    EXPECT_EQ(r.finished, 1);
  }
  EXPECT_NE(noPortChosen(Language::English).text.find("Setup > Com Setup"), std::string::npos);
  EXPECT_NE(noPortChosen(Language::English).text, noPortChosen(Language::Chinese).text);

  RadioJob refused;
  refused.refuse = true;
  EXPECT_EQ(refused.run(refused.job(JobKind::Read)).link.message, MessageId::OpenPort);
}

// A silent radio asks Retry/Cancel on the worker; the answer comes from this
// thread. Retry starts another round; Cancel, or cancel() while the question is
// pending, ends the job.
TEST(JobRunner, RetryQuestionIsAnsweredFromAnotherThreadOrEndedByCancel) {
  RadioFaults silent;
  silent.silent = true;
  for (const bool byCancel : {false, true}) {
    RadioJob r(radioWithAChannel(), silent);
    r.start(r.job(JobKind::Read));
    r.asked.acquire();
    if (byCancel) {
      r.runner.cancel();
    } else {
      r.runner.answer(true);
      r.asked.acquire();
      r.runner.answer(false);
    }
    const JobResult& result = r.end();
    EXPECT_FALSE(result.link.ok());
    EXPECT_EQ(r.questions, byCancel ? 1 : 2);
    EXPECT_EQ(r.runner.cancelled(), byCancel);
    EXPECT_EQ(r.radio.wakeUps(), 0);
  }
}

// A write that stops after its first block says that the radio holds a partial
// write, and gives the document the grid flag its handshake took from the radio;
// one that stopped before sending anything, and a read, do neither.
TEST(JobRunner, WriteStoppedMidwaySaysTheRadioHoldsAPartialWrite) {
  struct Case {
    const char* what;
    JobKind kind;
    RadioFaults faults;
    int cancelAtWrite;  // cancel() at this write of the link; 0: never
    std::string text;
  };
  RadioFaults noAck;
  noAck.missingAckBlock = 100;
  RadioFaults silent;
  silent.silent = true;
  const std::string partial = "The radio holds a partial write: write the document again.";
  const Case cases[] = {
      {"no acknowledge", JobKind::Write, noAck, 0,
       messageText(MessageId::Interrupt, Language::English) + std::string("\n") + partial},
      {"cancelled", JobKind::Write, {}, 300, "Write cancelled.\n" + partial},
      {"cancelled before the handshake ended", JobKind::Write, silent, 1, ""},
      {"read", JobKind::Read, noAck, 0, messageText(MessageId::Interrupt, Language::English)},
  };
  // The radio's grid flag is not the document's.
  RadioImage radioImage = documentWithAChannel();
  const bool radioBit = !radioImage.flag(field::kChannelGridFlag);
  radioImage.setFlag(field::kChannelGridFlag, radioBit);
  RadioMemory memory = radioMemoryFromImage(radioImage);
  memory[radioaddr::kBandType] = 0x03;
  for (const Case& c : cases) {
    RadioJob r(memory, c.faults);
    int writes = 0;
    r.beforeWrite = [&](const VirtualRadioLink::Event&) {
      if (++writes == c.cancelAtWrite) r.runner.cancel();
    };
    const JobResult& result = r.run(r.job(c.kind));
    EXPECT_FALSE(result.link.ok()) << c.what;
    EXPECT_EQ(result.link.text, c.text) << c.what;
    const auto flag = gridFlagAfterFailedWrite(result, documentWithAChannel());
    const bool handshakeDone = c.kind == JobKind::Write && !c.text.empty();
    EXPECT_EQ(flag, handshakeDone ? std::optional(radioBit) : std::nullopt) << c.what;
  }
}

// Runners on two ports run at once: the first radio's job waits, inside its first
// write, until the second's has reached its own; both then complete.
TEST(JobRunner, RunnersOnSeveralPortsRunAtOnce) {
  RadioJob first;
  RadioJob second;
  std::binary_semaphore secondWriting{0};
  std::atomic<bool> sawSecond{false};
  bool waited = false;  // first's worker only
  first.beforeWrite = [&](const VirtualRadioLink::Event&) {
    if (std::exchange(waited, true)) return;
    sawSecond = secondWriting.try_acquire_for(60s);
  };
  bool signalled = false;  // second's worker only
  second.beforeWrite = [&](const VirtualRadioLink::Event&) {
    if (!std::exchange(signalled, true)) secondWriting.release();
  };
  Job a = first.job(JobKind::Read);
  a.port = "/dev/ttyUSB0";
  Job b = second.job(JobKind::Write);
  b.port = "/dev/ttyUSB1";
  first.start(a);
  second.start(b);
  // One job per runner at a time.
  EXPECT_FALSE(first.runner.start(a, first.events));
  EXPECT_TRUE(second.end().link.ok());
  EXPECT_TRUE(first.end().link.ok());
  EXPECT_TRUE(sawSecond);
  EXPECT_EQ(first.ports, std::vector<std::string>{"/dev/ttyUSB0"});
  EXPECT_EQ(second.ports, std::vector<std::string>{"/dev/ttyUSB1"});
}

}  // namespace
}  // namespace radio
