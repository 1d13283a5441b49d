// SPDX-License-Identifier: GPL-3.0-or-later
// The grid exchange over all 129 rows, with every channel in use and named.
#include <benchmark/benchmark.h>

#include "channels/ChannelGrid.h"
#include "model/Document.h"

namespace {

radio::RadioImage fullImage(radio::Language lang) {
  radio::BandRecord band{};
  radio::RadioImage image = radio::newDocumentImage(band);
  radio::ChannelGrid grid;
  radio::BandState state;
  radio::imageToGrid(image, grid, state, lang);
  for (int n = 1; n <= radio::kChannelRows; ++n) {
    auto r = radio::commitCellEdit(grid.row(n), radio::ColRx, "145.125", state.limits, lang);
    grid.row(n) = r.row;
    grid.row(n)[radio::ColName] = lang == radio::Language::Chinese ? "信道名字" : "CHAN" + std::to_string(n);
    grid.row(n)[radio::ColDecode] = "D023N";
    grid.row(n)[radio::ColEncode] = "88.5";
  }
  radio::gridToImage(grid, image, state.limits, lang);
  return image;
}

void exchange(benchmark::State& st, radio::Language lang) {
  radio::RadioImage image = fullImage(lang);
  radio::ChannelGrid grid;
  radio::BandState band;
  for (auto _ : st) {
    radio::imageToGrid(image, grid, band, lang);
    radio::gridToImage(grid, image, band.limits, lang);
    benchmark::DoNotOptimize(image);
  }
}

void BM_ImageToGridToImage_English(benchmark::State& st) { exchange(st, radio::Language::English); }
void BM_ImageToGridToImage_Chinese(benchmark::State& st) { exchange(st, radio::Language::Chinese); }

}  // namespace

BENCHMARK(BM_ImageToGridToImage_English)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ImageToGridToImage_Chinese)->Unit(benchmark::kMicrosecond);
