// SPDX-License-Identifier: GPL-3.0-or-later
// The whole report: the page frame around each layout (title line, three rules,
// footer with the owner line and "Page %d of %d") and the pages of a print job.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "channels/ChannelGrid.h"
#include "model/Language.h"
#include "model/RadioImage.h"
#include "print/PrintPlan.h"
#include "print/ReportPage.h"

namespace radio::print {

// Everything a report is made from. The grid holds the channel texts as the user
// sees them (the channel pages print these, not the image).
struct ReportSource {
  const RadioImage& image;
  const ChannelGrid& grid;
  Language lang = Language::English;
  std::string owner;  // the "Copyrights Owner" line of the footer
};

// Page `page` (1-based) of the job that plan describes.
[[nodiscard]] ReportPage buildPage(const PrintPlan& plan, int page, const ReportSource& source,
                                   const PageGeometry& geometry);

// The plan for a selection: the channel page count is taken from the grid now.
[[nodiscard]] PrintPlan planReport(const SectionFlags& selected, const ChannelGrid& grid);

// Every page of the job, in order; none when nothing is selected.
[[nodiscard]] std::vector<ReportPage> buildReport(const SectionFlags& selected, const ReportSource& source,
                                                  const PageGeometry& geometry);

// "Page %d of %d".
[[nodiscard]] std::string pageFooterText(int page, int total);

}  // namespace radio::print
