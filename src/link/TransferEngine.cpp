#include "link/TransferEngine.h"

#include <optional>

#include "link/LinkSession.h"
#include "link/RadioMemoryMap.h"

namespace radio {
namespace {

using Failure = std::optional<LinkOutcome>;

// Image rows and the radio addresses they occupy: rows 0..129 whole (24 bytes,
// three blocks), rows 195..255 bytes 0..15 (two blocks).
constexpr int kLastChannelRow = 129;
constexpr int kFirstSettingsRow = 195;
constexpr int kIdentificationRow = 253;
constexpr int kLastRow = 255;
constexpr int kBlock = 8;
constexpr std::uint16_t kBandTypeAddress = 0x0FD1;

class Transfer {
 public:
  Transfer(Link& link, Language lang, const LinkCallbacks& callbacks)
      : session_(link, lang, callbacks, LinkSession::Mode::Transfer), link_(link), callbacks_(callbacks) {}

  LinkResult run(TransferDirection direction, RadioImage& image) {
    const Failure failure = handshakeAndTransfer(direction, image);
    return linkResult(failure.value_or(LinkOutcome::Completed), session_.lang());
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

  // Checks the radio's band type and takes its bit 3 of 0x0C73 into 0x12AB of the
  // image (and of the copy a read fills).
  Failure identify(RadioImage& image, RadioImage& copy) {
    LinkSession::Identity identity;
    if (Failure f = session_.identify(identity)) return f;
    if (bandTypeRefused(identity.bandType())) return LinkOutcome::BandTypeError;
    if (Failure f = session_.readFeatureBit(identity)) return f;
    image.setBit(addr::kMskFlags, 3, identity.featureBit);
    copy.setBit(addr::kMskFlags, 3, identity.featureBit);
    return std::nullopt;
  }

  Failure read(RadioImage& image) {
    // The password request and its acknowledge go without purges.
    const auto password = session_.request(0x0FE0, kBlock);
    if (!password) return LinkOutcome::Interrupted;
    for (std::size_t i = 0; i < 6; ++i)
      if ((*password)[2 + i] != image.at(addr::kPassword + i)) return LinkOutcome::PasswordError;
    if (!session_.acknowledge(false)) return LinkOutcome::Interrupted;

    std::uint16_t address = 0;
    for (int row = 0; row <= kLastRow; ++row) {
      if (row == kLastChannelRow + 1) row = kFirstSettingsRow;
      const bool channelRow = row <= kLastChannelRow;
      const int blocks = channelRow ? 3 : 2;
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
    std::uint16_t address = 0;
    for (int row = 0; row < kLastRow; ++row) {
      if (row == kLastChannelRow + 1) row = kFirstSettingsRow;
      if (row == kIdentificationRow) {
        // The radio's identification block is never overwritten.
        address += 2 * kBlock;
        continue;
      }
      const int blocks = row <= kLastChannelRow ? 3 : 2;
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
    if (!session_.sendBlock(kBandTypeAddress, std::span<const Byte>(&bandType, 1))) return LinkOutcome::Interrupted;
    return std::nullopt;
  }

  // After each row: the progress step, then five chances to cancel.
  Failure rowDone() {
    if (position_ < kProgressRange) {
      ++position_;
      if (callbacks_.progress) callbacks_.progress(position_);
      if (callbacks_.status) callbacks_.status(std::to_string(position_));
    }
    for (int i = 0; i < 5; ++i)
      if (session_.cancelRequested()) return LinkOutcome::Cancelled;
    return std::nullopt;
  }

  LinkSession session_;
  Link& link_;
  const LinkCallbacks& callbacks_;
  int position_ = 0;
};

}  // namespace

bool bandTypeRefused(Byte type) { return type == 1 || type == 2 || type == 4 || type == 5; }

std::string waitingStatusText(Language lang) {
  return Text{"Waiting the response from radio....", "请等待对机讲响应...."}.in(lang);
}

LinkResult runTransfer(Link& link, TransferDirection direction, RadioImage& image, Language lang,
                       const LinkCallbacks& callbacks) {
  Transfer transfer(link, lang, callbacks);
  return transfer.run(direction, image);
}

}  // namespace radio
