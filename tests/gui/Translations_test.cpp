// SPDX-License-Identifier: GPL-3.0-or-later
// The translations the program loads against the texts the windows say: every
// tr() text in src/ (as lupdate lists them) must have its Chinese in Chinese.qm,
// keeping the text's placeholders and its mnemonic, so that a window text added
// without its translation fails here instead of showing English in a Chinese window.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <vector>

namespace {

struct SourceText {
  QString context;
  QString source;
  bool numerus = false;
};

std::vector<SourceText> readSourceTexts(const QString& tsPath) {
  std::vector<SourceText> texts;
  QFile file(tsPath);
  if (!file.open(QIODevice::ReadOnly)) return texts;
  QXmlStreamReader xml(&file);
  QString context;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == u"name") {
      context = xml.readElementText();
    } else if (xml.name() == u"message") {
      texts.push_back({context, QString(), xml.attributes().value(QStringLiteral("numerus")) == QStringLiteral("yes")});
    } else if (xml.name() == u"source" && !texts.empty()) {
      texts.back().source = xml.readElementText();
    }
  }
  return texts;
}

// The %1, %2, ... of a text, as a set: a translation may reorder them.
QSet<QString> placeholders(const QString& text) {
  static const QRegularExpression kPlaceholder(QStringLiteral("%\\d"));
  QSet<QString> found;
  for (const QRegularExpressionMatch& m : kPlaceholder.globalMatch(text)) found.insert(m.captured());
  return found;
}

// Whether the text marks a mnemonic ("&File"; "&&" is a plain ampersand).
bool hasMnemonic(const QString& text) {
  QString plain = text;
  plain.remove(QStringLiteral("&&"));
  return plain.contains(QLatin1Char('&'));
}

TEST(Translations, EveryWindowTextHasItsChineseWithItsPlaceholdersAndMnemonic) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString listed = dir.filePath(QStringLiteral("window-texts.ts"));
  const QString src = QDir(QStringLiteral(RADIOPROG_SOURCE_DIR)).filePath(QStringLiteral("src"));
  QProcess lupdate;
  lupdate.start(QStringLiteral(RADIOPROG_LUPDATE),
                {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"), QStringLiteral("-I"),
                 src, src, QStringLiteral("-ts"), listed});
  ASSERT_TRUE(lupdate.waitForFinished(-1));
  ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();

  const std::vector<SourceText> texts = readSourceTexts(listed);
  // The menus alone hold far more than this: fewer means lupdate read nothing.
  ASSERT_GT(texts.size(), 100U);

  QTranslator chinese;
  ASSERT_TRUE(chinese.load(QDir(QStringLiteral(RADIOPROG_BIN_DIR)).filePath(QStringLiteral("Chinese.qm"))));
  QStringList faults;
  for (const SourceText& t : texts) {
    const QByteArray context = t.context.toUtf8();
    const QByteArray source = t.source.toUtf8();
    const QString zh = chinese.translate(context.constData(), source.constData(), nullptr, t.numerus ? 1 : -1);
    const QString where = t.context + QStringLiteral(": ") + t.source;
    if (zh.isEmpty())
      faults << QStringLiteral("no Chinese: ") + where;
    else if (placeholders(zh) != placeholders(t.source))
      faults << QStringLiteral("placeholders differ: ") + where + QStringLiteral(" -> ") + zh;
    else if (hasMnemonic(zh) != hasMnemonic(t.source))
      faults << QStringLiteral("mnemonic differs: ") + where + QStringLiteral(" -> ") + zh;
  }
  EXPECT_TRUE(faults.isEmpty()) << faults.join(QLatin1Char('\n')).toStdString();
}

}  // namespace
