// Helpers of the report tests: a fixed page geometry, crafted grids and lookups of
// the items on a page by their position.
#pragma once

#include <string>
#include <vector>

#include "channels/ChannelGrid.h"
#include "print/Report.h"

namespace radio::print::test {

// A letter-sized printable area: U = 174, T = 386, B = 308 twips.
inline PageGeometry geometry() { return PageGeometry::nominal(11520, 15120); }

// A grid whose listed rows hold a programmed channel.
inline ChannelGrid gridWithRows(const std::vector<int>& rows) {
  ChannelGrid grid;
  for (const int row : rows) {
    grid.cell(row, ColRx) = "145.12500";
    grid.cell(row, ColTx) = "145.12500";
  }
  return grid;
}

inline std::vector<int> firstRows(int count) {
  std::vector<int> rows;
  for (int i = 1; i <= count; ++i) rows.push_back(i);
  return rows;
}

// The text drawn with its cell's top-left corner at (x, y) twips; "<none>" when
// nothing is drawn there.
inline std::string textAt(const std::vector<PageItem>& items, int x, int y) {
  for (const auto& item : items)
    if (item.kind == PageItem::Kind::Text && item.x == x && item.y == y) return item.text;
  return "<none>";
}

// The same at (x columns, y body lines) of the test geometry.
inline std::string cell(const std::vector<PageItem>& items, double x, int y) {
  const PageGeometry g = geometry();
  return textAt(items, static_cast<int>(x * g.unit()), y * g.bodyLine);
}

}  // namespace radio::print::test
