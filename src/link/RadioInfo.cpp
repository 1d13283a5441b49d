// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/RadioInfo.h"

#include <cstdio>

#include "link/LinkSession.h"
#include "link/RadioMemoryMap.h"
#include "model/ChannelCodec.h"

namespace radio {
RadioInfo identifyRadio(Link& link, Language lang, const LinkCallbacks& callbacks) {
  RadioInfo info;
  auto end = [&](LinkOutcome outcome) {
    info.link = linkResult(outcome, lang);
    return info;
  };
  LinkSession session(link, lang, callbacks, LinkSession::Mode::Transfer);
  if (const auto f = session.wake()) return end(*f);
  LinkSession::Identity identity;
  if (const auto f = session.identify(identity)) return end(*f);
  info.identified = true;
  info.identification = identity.block;
  info.bandType = identity.bandType();
  info.bandTypeAccepted = !bandTypeRefused(info.bandType);
  // A refused radio is left at once, as a transfer leaves it.
  if (!info.bandTypeAccepted) return end(LinkOutcome::BandTypeError);
  if (const auto f = session.readFeatureBit(identity)) return end(*f);
  info.featureBit = identity.featureBit;
  if (const auto f = session.wake()) return end(*f);

  // The block of the model and password, as a read asks for it first, then the
  // band record; each acknowledged.
  constexpr std::uint16_t kProductBlock = radioAddressOf(addr::kModelIndex) / 8 * 8;
  const auto product = session.request(kProductBlock, 8);
  if (!product || !session.acknowledge(false)) return end(LinkOutcome::Interrupted);
  info.modelIndex = (*product)[radioAddressOf(addr::kModelIndex) - kProductBlock];
  std::string digits;
  for (std::size_t i = radioaddr::kPassword - kProductBlock; i < 8 && (*product)[i] != 0xFF; ++i)
    digits += static_cast<char>((*product)[i]);
  info.password = digits;
  link.purgeBuffers();
  const auto band = session.request(radioaddr::kBandRecord, 8);
  if (!band || !session.acknowledge(true)) return end(LinkOutcome::Interrupted);
  BandRecord record{};
  for (std::size_t i = 0; i < record.size(); ++i) record[i] = (*band)[i];
  info.bandRecord = record;
  return end(LinkOutcome::Completed);
}

std::vector<std::string> describeRadio(const RadioInfo& info, const std::vector<std::string>& models, Language lang) {
  std::vector<std::string> lines;
  if (!info.identified) return lines;
  auto line = [&](Text label, const std::string& value) {
    lines.push_back(std::string(label.in(lang)) + ": " + value);
  };
  line({"Identification", "识别数据"}, hexBytes(info.identification));
  char type[8];
  std::snprintf(type, sizeof type, "%u", static_cast<unsigned>(info.bandType));
  const std::string typeText =
      std::string(type) + " (" +
      (info.bandTypeAccepted
           ? Text{"accepted: this program reads and writes this radio", "可读写：本程序支持此电台"}
           : Text{"refused: a read or write stops with \"Band type error\"", "不支持：读写时提示“频宽类型错误”"})
          .in(lang) +
      ")";
  line({"Band type", "频宽类型"}, typeText);
  if (info.modelIndex) {
    const std::size_t index = *info.modelIndex;
    std::string model = std::to_string(index);
    if (index < models.size()) model += " (" + models[index] + ")";
    line({"Model", "机型"}, model);
  }
  if (info.password)
    line({"Password", "密码"},
         info.password->empty() ? Text{"none set", "未设置"}.in(lang) : Text{"set", "已设置"}.in(lang));
  if (info.bandRecord) {
    BandRecord record = *info.bandRecord;
    std::string note;
    if (isAbsentBandRecord(record)) {
      record = normalisedBandRecord(record);
      note = Text{" (none stored; the default applies)", "（未存储，使用默认值）"}.in(lang);
    }
    const BandLimits l = bandLimitsFromRecord(record);
    line({"Bands", "频段"}, formatFrequency(l.low1) + "-" + formatFrequency(l.high1) + " MHz, " +
                                formatFrequency(l.low2) + "-" + formatFrequency(l.high2) + " MHz" + note);
  }
  return lines;
}

}  // namespace radio
