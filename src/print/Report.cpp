// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/Report.h"

#include <cstdio>

#include "print/ReportLayouts.h"

namespace radio::print {

PageGeometry PageGeometry::nominal(int width, int height) {
  PageGeometry g;
  g.width = width;
  g.height = height;
  g.titleLine = g.titleCharHeight() * 115 / 100;
  g.bodyLine = g.bodyCharHeight() * 115 / 100;
  return g;
}

std::string pageFooterText(int page, int total) {
  char buf[48];
  std::snprintf(buf, sizeof buf, "Page %d of %d", page, total);
  return buf;
}

PrintPlan planReport(const SectionFlags& selected, const ChannelGrid& grid) {
  return PrintPlan(selected, channelPageCount(grid), tablePageCount(grid));
}

ReportPage buildPage(const PrintPlan& plan, int page, const ReportSource& source, const PageGeometry& geometry) {
  ReportPage out;
  out.number = page;
  out.total = plan.totalPages();
  out.kind = plan.kindOf(page);
  out.channelPage = plan.channelPageOf(page);
  out.tablePage = plan.tablePageOf(page);

  PageWriter writer(geometry);
  const int u = geometry.unit();
  const int t = geometry.titleLine;
  // The three rules: two under the title line, one above the footer.
  for (const int y : {-(2 * t + 50), -(2 * t + 120), t / 2 - 36 * t}) writer.line(5 * u, y, 60 * u, y);

  switch (out.kind) {
    case PageKind::Dtmf: drawDtmfPage(writer, source.image, source.lang); break;
    case PageKind::Msk: drawMskPage(writer, source.image, source.lang); break;
    case PageKind::Optional: drawOptionalPage(writer, source.image, source.lang); break;
    case PageKind::TwoToneDecode: drawTwoToneDecodePage(writer, source.image, source.lang); break;
    case PageKind::TwoToneEncode: drawTwoToneEncodePage(writer, source.image, source.lang); break;
    case PageKind::Channel:
      // The boundaries are counted from the grid as it is when the page is drawn.
      drawChannelPage(writer, source.image, source.grid, channelPageRows(source.grid, out.channelPage), source.lang);
      break;
    case PageKind::Table:
      drawTablePage(writer, source.grid, tablePageRows(source.grid, out.tablePage), source.lang);
      break;
  }

  writer.textAt(10 * u, -36 * t, source.owner);
  writer.textAt(45 * u, -36 * t, pageFooterText(page, out.total));
  out.items = std::move(writer.items());
  return out;
}

std::vector<ReportPage> buildReport(const SectionFlags& selected, const ReportSource& source,
                                    const PageGeometry& geometry) {
  const PrintPlan plan = planReport(selected, source.grid);
  std::vector<ReportPage> pages;
  for (int page = 1; page <= plan.totalPages(); ++page) pages.push_back(buildPage(plan, page, source, geometry));
  return pages;
}

}  // namespace radio::print
