#include "print/widgets/ReportPainter.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>
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
  return pages > 0 ? data : QByteArray();
}

}  // namespace radio::gui
