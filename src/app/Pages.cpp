// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Pages.h"

namespace radio {

const char* pageLabel(Page page, Language lang) {
  switch (page) {
    case Page::ChannelInformation: return Text{"Channel Information", "信道信息"}.in(lang);
    case Page::OptionalFeatures: return Text{"Optional Features", "可选功能"}.in(lang);
    case Page::Dtmf: return "DTMF";
    case Page::Msk: return "MSK";
    case Page::ProductInformation: return Text{"Product Information", "机型设置"}.in(lang);
    case Page::TwoTone: return "2-Tone";
    case Page::KeyAssignment: return Text{"Key Assignment", "侧键设定"}.in(lang);
    case Page::SquelchTuning: return Text{"Squelch Tuning", "静噪微调"}.in(lang);
  }
  return "";
}

std::optional<Page> pageForLabel(std::string_view label, Language lang) {
  for (const Page page : kAllPages)
    if (label == pageLabel(page, lang)) return page;
  return std::nullopt;
}

int pageCommandId(Page page) {
  switch (page) {
    case Page::ChannelInformation: return 32787;
    case Page::OptionalFeatures: return 32788;
    case Page::Dtmf: return 32789;
    case Page::Msk: return 32790;
    case Page::ProductInformation: return 32786;
    case Page::TwoTone: return 32791;
    case Page::KeyAssignment: return 32800;
    case Page::SquelchTuning: return 32801;
  }
  return 0;
}

}  // namespace radio
