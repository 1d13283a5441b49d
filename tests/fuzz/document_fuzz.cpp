// SPDX-License-Identifier: GPL-3.0-or-later
// A document of any bytes and length: open, into the grid and back, save, open
// again. Opening and saving never changes a channel nobody edited, and the saved
// file shows the same grid; the report prints from any image.
#include "FuzzInput.h"
#include "channels/ChannelGrid.h"
#include "model/Document.h"
#include "print/Report.h"

using namespace radio;

namespace {
const fuzz::ScratchFolder scratch;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const Byte> input(data, size);
  const auto in = scratch.file("in.dat");
  const auto out = scratch.file("out.dat");
  fuzz::writeFile(in, input);

  RadioImage image;
  const RadioImage untouched = image;
  if (!loadDatFile(in, image)) {
    FUZZ_CHECK(size < kImageSize && image == untouched);
    return 0;
  }
  FUZZ_CHECK(std::equal(image.bytes().begin(), image.bytes().end(), input.begin()));

  for (Language lang : {Language::English, Language::Chinese}) {
    RadioImage working = image;
    ChannelGrid grid;
    BandState band;
    imageToGrid(working, grid, band, lang);
    gridToImage(grid, working, band.limits, lang);
    for (int n = 1; n <= kChannelRows; ++n) {
      if (grid.row(n).empty()) continue;
      FUZZ_CHECK(std::equal(working.channel(n).begin(), working.channel(n).end(), image.channel(n).begin()));
    }

    FUZZ_CHECK(saveDatFile(out, working));
    RadioImage reopened;
    FUZZ_CHECK(loadDatFile(out, reopened));
    FUZZ_CHECK(reopened == working);
    ChannelGrid again;
    BandState bandAgain;
    imageToGrid(reopened, again, bandAgain, lang);
    FUZZ_CHECK(again == grid);

    if ((size & 1) == (lang == Language::Chinese ? 1u : 0u)) {
      const print::PageGeometry geometry{9360, 12960, 400, 300};
      print::SectionFlags all{};
      all.fill(true);
      const auto pages = print::buildReport(all, {working, grid, lang, "Owner"}, geometry);
      FUZZ_CHECK(!pages.empty());
    }
  }
  return 0;
}
