// SPDX-License-Identifier: GPL-3.0-or-later
// The pages of the navigation tree and the Edit menu: each opens the window of the
// same name. A tree item is recognised by its label in the current language.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "model/Language.h"

namespace radio {

enum class Page {
  ChannelInformation,
  OptionalFeatures,
  Dtmf,
  Msk,
  ProductInformation,
  TwoTone,
  KeyAssignment,
  SquelchTuning,
};

// In the order in which a label is compared.
inline constexpr std::array<Page, 8> kAllPages{
    Page::ChannelInformation, Page::OptionalFeatures, Page::Dtmf,          Page::Msk,
    Page::ProductInformation, Page::TwoTone,          Page::KeyAssignment, Page::SquelchTuning,
};

// The tree's children, in tree order.
inline constexpr std::array<Page, 8> kTreePages{
    Page::ProductInformation, Page::ChannelInformation, Page::OptionalFeatures, Page::Dtmf, Page::Msk, Page::TwoTone,
    Page::KeyAssignment,      Page::SquelchTuning,
};

[[nodiscard]] const char* pageLabel(Page page, Language lang);

// The first page whose label in lang equals label exactly; none for any other text
// (the tree's root, an empty label).
[[nodiscard]] std::optional<Page> pageForLabel(std::string_view label, Language lang);

// The command id of the page's menu command (also its help context).
[[nodiscard]] int pageCommandId(Page page);

}  // namespace radio
