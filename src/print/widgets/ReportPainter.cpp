// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/widgets/ReportPainter.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QHash>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>
#include <QRawFont>
#include <algorithm>
#include <cmath>

namespace radio::gui {

using radio::print::FontRole;
using radio::print::PageItem;

namespace {
constexpr double kTwipsPerInch = 1440.0;
}

QStringList ReportPainter::fontFamilies(radio::Language lang) {
  // Qt falls back family by family for characters the first face lacks, so Latin
  // text keeps the serif face in both languages and Han characters come from the
  // CJK face.
  QStringList families{QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")};
  if (lang == radio::Language::Chinese)
    families << QStringLiteral("Noto Serif CJK SC") << QStringLiteral("Noto Sans CJK SC");
  return families;
}

ReportPainter::ReportPainter(const QPaintDevice& device, radio::Language lang)
    : device_(device), lang_(lang), dpiX_(device.logicalDpiX()), dpiY_(device.logicalDpiY()) {
  geometry_.width = static_cast<int>(std::lround(device.width() * kTwipsPerInch / dpiX_));
  geometry_.height = static_cast<int>(std::lround(device.height() * kTwipsPerInch / dpiY_));
  title_ = makeFont(geometry_.titleCharHeight(), geometry_.titleCharWidth());
  body_ = makeFont(geometry_.bodyCharHeight(), geometry_.bodyCharWidth());
  const auto lineTwips = [this](const QFont& f) {
    const QFontMetricsF fm(f, &device_);
    return static_cast<int>(std::lround((fm.height() + fm.leading()) * kTwipsPerInch / dpiY_));
  };
  geometry_.titleLine = lineTwips(title_.font);
  geometry_.bodyLine = lineTwips(body_.font);
}

ReportPainter::FontSet ReportPainter::makeFont(int charHeightTwips, int charWidthTwips) const {
  FontSet set;
  set.font.setFamilies(fontFamilies(lang_));
  set.font.setStyleHint(QFont::Serif);
  set.font.setWeight(QFont::Normal);
  set.font.setPixelSize(std::max(1, static_cast<int>(std::lround(charHeightTwips * dpiY_ / kTwipsPerInch))));
  const QFontMetricsF fm(set.font, &device_);
  set.ascent = fm.ascent();
  // The report's fonts are given an average character width as well as a height;
  // the face is scaled horizontally to reach it.
  const double natural = fm.averageCharWidth();
  const double wanted = charWidthTwips * dpiX_ / kTwipsPerInch;
  if (natural > 0 && wanted > 0) set.stretch = wanted / natural;
  return set;
}

const QFont& ReportPainter::font(FontRole role) const { return role == FontRole::Title ? title_.font : body_.font; }

void ReportPainter::drawPage(QPainter& painter, const radio::print::ReportPage& page) const {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  QPen pen(Qt::black);
  pen.setWidthF(std::max(1.0, dpiX_ / 300.0));
  painter.setPen(pen);
  for (const PageItem& item : page.items) {
    if (item.kind == PageItem::Kind::Line) {
      painter.drawLine(QPointF(toX(item.x), toY(item.y)), QPointF(toX(item.x2), toY(item.y2)));
      continue;
    }
    if (item.text.empty()) continue;
    const FontSet& f = item.font == FontRole::Title ? title_ : body_;
    painter.save();
    painter.setFont(f.font);
    // Item positions are the top-left corner of the text cell.
    painter.translate(toX(item.x), toY(item.y));
    painter.scale(f.stretch, 1.0);
    painter.drawText(QPointF(0, f.ascent), QString::fromStdString(item.text));
    painter.restore();
  }
  painter.restore();
}

int renderReport(QPagedPaintDevice& device, const radio::print::SectionFlags& sections,
                 const radio::print::ReportSource& source, int from, int to, int copies) {
  const radio::print::PrintPlan plan = radio::print::planReport(sections, source.grid);
  const int total = plan.totalPages();
  if (total == 0) return 0;
  const int first = std::clamp(from > 0 ? from : 1, 1, total);
  const int last = std::clamp(to > 0 ? to : total, first, total);
  QPainter painter;
  if (!painter.begin(&device)) return 0;
  const ReportPainter report(device, source.lang);
  int drawn = 0;
  for (int copy = 0; copy < std::max(1, copies); ++copy) {
    for (int page = first; page <= last; ++page) {
      if (drawn > 0) device.newPage();
      report.drawPage(painter, radio::print::buildPage(plan, page, source, report.geometry()));
      ++drawn;
    }
  }
  painter.end();
  return drawn;
}

namespace {

// Radicals that share their glyph with a Han character in the report's CJK faces,
// found by comparing the faces' glyph indexes.
const QHash<char16_t, char16_t>& radicalsToHan() {
  static const QHash<char16_t, char16_t> map = [] {
    QHash<char16_t, char16_t> result;
    constexpr char16_t kHanFirst = 0x4E00, kHanLast = 0x9FFF, kRadicalFirst = 0x2E80, kRadicalLast = 0x2FDF;
    QString han;
    for (char16_t c = kHanFirst; c <= kHanLast; ++c) han += QChar(c);
    QString radicals;
    for (char16_t c = kRadicalFirst; c <= kRadicalLast; ++c) radicals += QChar(c);
    for (const QString& family : ReportPainter::fontFamilies(radio::Language::Chinese)) {
      QFont font(family);
      font.setPixelSize(32);
      const QRawFont raw = QRawFont::fromFont(font);
      if (!raw.isValid() || !raw.supportsCharacter(QChar(kHanFirst))) continue;
      const QList<quint32> hanGlyphs = raw.glyphIndexesForString(han);
      const QList<quint32> radicalGlyphs = raw.glyphIndexesForString(radicals);
      if (hanGlyphs.size() != han.size() || radicalGlyphs.size() != radicals.size()) continue;
      QHash<quint32, char16_t> byGlyph;
      for (qsizetype i = 0; i < hanGlyphs.size(); ++i)
        if (hanGlyphs[i] != 0 && !byGlyph.contains(hanGlyphs[i]))
          byGlyph.insert(hanGlyphs[i], static_cast<char16_t>(kHanFirst + i));
      for (qsizetype i = 0; i < radicalGlyphs.size(); ++i) {
        const auto radical = static_cast<char16_t>(kRadicalFirst + i);
        const auto it = byGlyph.constFind(radicalGlyphs[i]);
        if (radicalGlyphs[i] != 0 && it != byGlyph.constEnd() && !result.contains(radical)) result.insert(radical, *it);
      }
    }
    return result;
  }();
  return map;
}

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// Replaces a "<XXXX>" code at pos when it names a mapped radical.
int restoreCode(QByteArray& pdf, qsizetype pos, const QHash<char16_t, char16_t>& map) {
  if (pos + 6 > pdf.size() || pdf[pos] != '<' || pdf[pos + 5] != '>') return 0;
  int code = 0;
  for (int k = 1; k <= 4; ++k) {
    const int h = hexValue(pdf[pos + k]);
    if (h < 0) return 0;
    code = code * 16 + h;
  }
  const auto it = map.constFind(static_cast<char16_t>(code));
  if (it == map.constEnd()) return 0;
  static const char kHex[] = "0123456789ABCDEF";
  for (int k = 4; k >= 1; --k) {
    pdf[pos + k] = kHex[(*it >> (4 * (4 - k))) & 0xF];
  }
  return 1;
}

}  // namespace

int restoreHanCharactersInPdf(QByteArray& pdf) {
  const QHash<char16_t, char16_t>& map = radicalsToHan();
  if (map.isEmpty()) return 0;
  int changed = 0;
  qsizetype from = 0;
  while ((from = pdf.indexOf("beginbfrange", from)) >= 0) {
    const qsizetype end = pdf.indexOf("endbfrange", from);
    if (end < 0) break;
    // Lines are "<first> <last> <code>" or "<first> <last> [<code> <code> ...]";
    // only the character codes are touched, never the glyph numbers.
    qsizetype line = pdf.indexOf('\n', from) + 1;
    while (line > 0 && line < end) {
      qsizetype next = pdf.indexOf('\n', line);
      if (next < 0 || next > end) next = end;
      const QByteArray text = pdf.mid(line, next - line);
      const qsizetype open = text.indexOf('[');
      if (open >= 0) {
        for (qsizetype p = line + open; p < next; ++p)
          if (pdf[p] == '<') changed += restoreCode(pdf, p, map);
      } else if (text.size() >= 20 && text.mid(0, 6) == text.mid(7, 6)) {
        changed += restoreCode(pdf, line + 14, map);
      }
      line = next + 1;
    }
    from = end;
  }
  return changed;
}

QPageLayout defaultReportPageLayout() {
  return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0.25, 0.25, 0.25, 0.25),
                     QPageLayout::Inch);
}

QByteArray renderReportPdf(const radio::print::SectionFlags& sections, const radio::print::ReportSource& source,
                           const QPageLayout& layout, const QString& title) {
  QByteArray data;
  QBuffer buffer(&data);
  if (!buffer.open(QIODevice::WriteOnly)) return {};
  int pages = 0;
  {
    QPdfWriter writer(&buffer);
    writer.setPageLayout(layout);
    writer.setResolution(1200);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("radioprog"));
    pages = renderReport(writer, sections, source);
  }
  buffer.close();
  if (pages == 0) return {};
  restoreHanCharactersInPdf(data);
  return data;
}

}  // namespace radio::gui
