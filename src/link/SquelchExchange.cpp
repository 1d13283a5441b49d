// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/SquelchExchange.h"

#include "link/LinkSession.h"

namespace radio {

LinkResult readSquelch(Link& link, RadioImage& image, Language lang, const LinkCallbacks& callbacks) {
  LinkSession session(link, lang, callbacks, LinkSession::Mode::Squelch);
  if (const auto failure = session.wake()) return linkResult(*failure, lang);
  link.purgeBuffers();
  // No acknowledge follows this reply. A short reply changes nothing.
  const auto data = session.request(radioaddr::kSquelch, 4, 1);
  if (!data) return linkResult(LinkOutcome::Interrupted, lang);
  image.copyIn(addr::kSquelch, *data);
  LinkResult result = linkResult(LinkOutcome::Completed, lang);
  result.text = Text{"Read Successfully", "读数据成功"}.in(lang);
  return result;
}

LinkResult writeSquelch(Link& link, RadioImage& image, const SquelchBytes& values, Language lang,
                        const LinkCallbacks& callbacks) {
  LinkSession session(link, lang, callbacks, LinkSession::Mode::Squelch);
  if (const auto failure = session.wake()) return linkResult(*failure, lang);
  image.copyIn(addr::kSquelch, values);
  link.purgeBuffers();
  if (!session.sendBlock(radioaddr::kSquelch, image.span(addr::kSquelch, values.size())))
    return linkResult(LinkOutcome::Interrupted, lang);
  LinkResult result = linkResult(LinkOutcome::Completed, lang);
  result.text = Text{"Write Successfully", "写数据成功"}.in(lang);
  return result;
}

}  // namespace radio
