#include "link/TransferEngine.h"

#include <optional>

#include "link/LinkSession.h"
#include "link/RadioMemoryMap.h"

namespace radio {
namespace {

using Failure = std::optional<LinkOutcome>;

// Image rows and the radio addresses they occupy (model/ImageMap.h): the channel
// rows whole (three blocks), the settings rows' data bytes (two blocks).
constexpr int kLastChannelRow = static_cast<int>(addr::kChannelRecords) - 1;
constexpr int kFirstSettingsRow = static_cast<int>(addr::kSettings / kRecordSize);
constexpr int kIdentificationRow = static_cast<int>(addr::kIdentification / kRecordSize);
constexpr int kLastRow = static_cast<int>(kRecordCount) - 1;
constexpr std::uint16_t kBlock = 8;
constexpr int kChannelRowBlocks = static_cast<int>(kRecordSize / kBlock);
constexpr int kSettingsRowBlocks = static_cast<int>(kRowDataBytes / kBlock);

// The block a radio address lies in, and its position there.
constexpr std::uint16_t blockOf(std::uint16_t address) { return static_cast<std::uint16_t>(address / kBlock * kBlock); }
constexpr std::size_t inBlock(std::uint16_t address) { return address % kBlock; }

class Transfer {
 public:
  Transfer(Link& link, Language lang, const LinkCallbacks& callbacks)
      : session_(link, lang, callbacks, LinkSession::Mode::Transfer), link_(link), callbacks_(callbacks) {}

  LinkResult run(TransferDirection direction, RadioImage& image) {
    direction_ = direction;
    const Failure failure = handshakeAndTransfer(direction, image);
    LinkResult result = linkResult(failure.value_or(LinkOutcome::Completed), session_.lang());
    result.partialWrite = failure && sending_;
    return result;
  }

 private:
  Failure handshakeAndTransfer(TransferDirection direction, RadioImage& image) {
    // A read fills a copy, which replaces the image only when every block arrived.
    RadioImage copy = image;
    RadioImage& target = direction == TransferDirection::Read ? copy : image;
    if (Failure f = session_.wake()) return f;
    if (Failure f = identify(image, copy)) return f;
    if (Failure f = session_.wake()) return f;
    if (direction == TransferDirection::Write) return write(target);
    if (Failure f = read(copy)) return f;
    image = copy;
    return std::nullopt;
  }

  // Checks the radio's band type and takes its channel grid flag into the image
  // (and into the copy a read fills).
  Failure identify(RadioImage& image, RadioImage& copy) {
    LinkSession::Identity identity;
    if (Failure f = session_.identify(identity)) return f;
    if (bandTypeRefused(identity.bandType())) return LinkOutcome::BandTypeError;
    if (Failure f = session_.readFeatureBit(identity)) return f;
    image.setFlag(field::kChannelGridFlag, identity.featureBit);
    copy.setFlag(field::kChannelGridFlag, identity.featureBit);
    return std::nullopt;
  }

  Failure read(RadioImage& image) {
    // The password request and its acknowledge go without purges.
    const auto password = session_.request(blockOf(radioaddr::kPassword), kBlock);
    if (!password) return LinkOutcome::Interrupted;
    for (std::size_t i = 0; i < addr::kPasswordLength; ++i)
      if ((*password)[inBlock(radioaddr::kPassword) + i] != image.at(addr::kPassword + i))
        return LinkOutcome::PasswordError;
    if (!session_.acknowledge(false)) return LinkOutcome::Interrupted;

    std::uint16_t address = 0;
    for (int row = 0; row <= kLastRow; ++row) {
      if (row == kLastChannelRow + 1) row = kFirstSettingsRow;
      const bool channelRow = row <= kLastChannelRow;
      const int blocks = channelRow ? kChannelRowBlocks : kSettingsRowBlocks;
      for (int b = 0; b < blocks; ++b) {
        if (channelRow && b > 0) link_.sleepMs(1);
        link_.purgeBuffers();
        const auto data = session_.request(address, kBlock);
        if (!data) return LinkOutcome::Interrupted;
        image.copyIn(static_cast<std::size_t>(row) * kRecordSize + b * kBlock, *data);
        if (channelRow) link_.sleepMs(1);
        if (!session_.acknowledge(true)) return LinkOutcome::Interrupted;
        address += kBlock;
      }
      if (Failure f = rowDone()) return f;
    }
    return std::nullopt;
  }

  Failure write(const RadioImage& image) {
    sending_ = true;
    std::uint16_t address = 0;
    for (int row = 0; row < kLastRow; ++row) {
      if (row == kLastChannelRow + 1) row = kFirstSettingsRow;
      if (row == kIdentificationRow) {
        // The radio's identification block is never overwritten.
        address += 2 * kBlock;
        continue;
      }
      const int blocks = row <= kLastChannelRow ? kChannelRowBlocks : kSettingsRowBlocks;
      for (int b = 0; b < blocks; ++b) {
        link_.purgeBuffers();
        const auto data = image.span(static_cast<std::size_t>(row) * kRecordSize + b * kBlock, kBlock);
        if (!session_.sendBlock(address, data)) return LinkOutcome::Interrupted;
        address += kBlock;
      }
      if (Failure f = rowDone()) return f;
    }
    link_.purgeBuffers();
    const Byte bandType = kBandTypeAfterWrite;
    if (!session_.sendBlock(radioaddr::kBandType, std::span<const Byte>(&bandType, 1))) return LinkOutcome::Interrupted;
    return std::nullopt;
  }

  // After each row: the progress step, then five chances to cancel.
  Failure rowDone() {
    if (position_ < kProgressRange) {
      ++position_;
      if (callbacks_.progress) callbacks_.progress(position_);
      if (callbacks_.status) callbacks_.status(progressStatusText(direction_, position_, session_.lang()));
    }
    for (int i = 0; i < 5; ++i)
      if (session_.cancelRequested()) return LinkOutcome::Cancelled;
    return std::nullopt;
  }

  LinkSession session_;
  Link& link_;
  const LinkCallbacks& callbacks_;
  int position_ = 0;
  TransferDirection direction_ = TransferDirection::Read;
  bool sending_ = false;  // the write has begun sending blocks
};

}  // namespace

bool bandTypeRefused(Byte type) { return type == 1 || type == 2 || type == 4 || type == 5; }

std::string waitingStatusText(Language lang) {
  return Text{"Waiting the response from radio....", "请等待对机讲响应...."}.in(lang);
}

std::string progressStatusText(TransferDirection direction, int position, Language lang) {
  const bool read = direction == TransferDirection::Read;
  const Text action = read ? Text{"Reading", "正在读取"} : Text{"Writing", "正在写入"};
  return std::string(action.in(lang)) + " " + std::to_string(position) + "/" +
         std::to_string(read ? kReadProgressSteps : kWriteProgressSteps);
}

LinkResult runTransfer(Link& link, TransferDirection direction, RadioImage& image, Language lang,
                       const LinkCallbacks& callbacks) {
  Transfer transfer(link, lang, callbacks);
  return transfer.run(direction, image);
}

}  // namespace radio
