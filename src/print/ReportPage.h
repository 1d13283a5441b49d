// SPDX-License-Identifier: GPL-3.0-or-later
// One page of the printed report as a list of items in twips (1/1440 inch). The
// origin is the top-left corner of the printable area and y grows upwards, so
// everything on the page has y <= 0. The painter only draws these items.
#pragma once

#include <string>
#include <vector>

namespace radio::print {

// The two fonts of a page: the title line and the body (also used for the footer).
enum class FontRole { Title, Body };

struct PageItem {
  enum class Kind { Text, Line };
  Kind kind = Kind::Text;
  FontRole font = FontRole::Body;
  int x = 0;   // text: left edge of the text cell; line: start
  int y = 0;   // text: top edge of the text cell; line: start
  int x2 = 0;  // line: end
  int y2 = 0;
  std::string text;  // UTF-8

  bool operator==(const PageItem&) const = default;
};

// What a page's body shows.
enum class PageKind { Dtmf = 1, Msk, Optional, TwoToneDecode, TwoToneEncode, Channel, Table };

struct ReportPage {
  int number = 0;  // 1-based page of the job
  int total = 0;   // pages in the job
  PageKind kind = PageKind::Optional;
  int channelPage = 0;  // 1-based channel page when kind is Channel
  int tablePage = 0;    // 1-based channel table page when kind is Table
  std::vector<PageItem> items;
};

// The measures of the printable area and of the two fonts, all in twips.
struct PageGeometry {
  int width = 0;      // W: printable width
  int height = 0;     // H: printable height
  int titleLine = 0;  // T: title font height plus external leading
  int bodyLine = 0;   // B: body font height plus external leading

  // U: the column unit, W / 66.
  [[nodiscard]] int unit() const { return width / 66; }
  // Character (em) heights and average character widths of the two fonts.
  [[nodiscard]] int titleCharHeight() const { return height / 45; }
  [[nodiscard]] int titleCharWidth() const { return unit(); }
  [[nodiscard]] int bodyCharHeight() const { return static_cast<int>(0.8 * height / 45); }
  [[nodiscard]] int bodyCharWidth() const { return static_cast<int>(0.8 * unit()); }

  // A geometry whose line heights follow the proportions of the report's serif
  // face (cell height 1.15 em with no external leading); the painter measures the
  // real fonts instead.
  [[nodiscard]] static PageGeometry nominal(int width, int height);
};

}  // namespace radio::print
