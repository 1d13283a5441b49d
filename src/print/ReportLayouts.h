// SPDX-License-Identifier: GPL-3.0-or-later
// The bodies of the seven page layouts: the title line and everything between the
// rules, with every label in the report's language and every value decoded from the
// image (the channel pages print the texts of the channel grid).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "channels/ChannelGrid.h"
#include "features/PrintedText.h"
#include "model/Language.h"
#include "model/RadioImage.h"
#include "print/ReportPage.h"

namespace radio::print {

// Places texts and lines by the page's units: x in columns (U), y in body lines
// (B), both as multiples that may be fractional; offsets in twips are added after.
class PageWriter {
 public:
  explicit PageWriter(const PageGeometry& geometry) : g_(geometry) {}

  // Body text at (x columns, y body lines).
  void text(double x, int y, std::string text);
  // Body text at a position already in twips.
  void textAt(int x, int y, std::string text, FontRole font = FontRole::Body);
  void line(int x1, int y1, int x2, int y2);

  [[nodiscard]] int u(double columns) const { return static_cast<int>(columns * g_.unit()); }
  [[nodiscard]] int b(int lines) const { return lines * g_.bodyLine; }
  [[nodiscard]] const PageGeometry& geometry() const { return g_; }
  [[nodiscard]] std::vector<PageItem>& items() { return items_; }

 private:
  PageGeometry g_;
  std::vector<PageItem> items_;
};

// The page title texts.
[[nodiscard]] const char* pageTitle(PageKind kind, Language lang);

void drawDtmfPage(PageWriter& page, const RadioImage& image, Language lang);
void drawMskPage(PageWriter& page, const RadioImage& image, Language lang);
void drawOptionalPage(PageWriter& page, const RadioImage& image, Language lang);
void drawTwoToneDecodePage(PageWriter& page, const RadioImage& image, Language lang);
void drawTwoToneEncodePage(PageWriter& page, const RadioImage& image, Language lang);
// rows: the grid rows of this channel page (at most five).
void drawChannelPage(PageWriter& page, const RadioImage& image, const ChannelGrid& grid, const std::vector<int>& rows,
                     Language lang);
// rows: the grid rows of this channel table page, one line each.
void drawTablePage(PageWriter& page, const ChannelGrid& grid, const std::vector<int>& rows, Language lang);

// What the channel pages print under "PTT ID:" and "Optional Singal:": the
// record's per-channel signalling bytes (byte 12, and bytes 14 and 15), which the
// grid does not show, in hexadecimal.
[[nodiscard]] std::string channelPttIdText(const RadioImage& image, int row);
[[nodiscard]] std::string channelSignalText(const RadioImage& image, int row);

}  // namespace radio::print
