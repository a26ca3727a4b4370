// Nothing of the programs' Russian texts is left behind: lupdate brings a copy of each translation
// source up to date with the code (the tree is not touched), and every text the code marks must
// have a finished translation while no translation may be left over that the code no longer has.
// The translations kept in the tree keep what the program fills in or relies on: the placeholders,
// the line breaks and tabs, and a shortcut letter where the English text has one.
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/TsFile.h"

namespace ae::test {
namespace {

// One translation source and the code it translates, as the build lists them.
struct Translation {
  QString Name;
  QString Ts;
  QString Sources;  // a file naming one source file a line
};

std::vector<Translation> Manifest() {
  std::vector<Translation> translations;
  QFile file(QStringLiteral(AE_TRANSLATION_MANIFEST));
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return translations;
  QTextStream in(&file);
  while (!in.atEnd()) {
    const QStringList fields = in.readLine().split(QLatin1Char('\t'));
    if (fields.size() == 3) translations.push_back({fields[0], fields[1], fields[2]});
  }
  return translations;
}

QString Describe(const TsMessage& m) { return m.Context + QStringLiteral(": \"") + m.Source + QLatin1Char('"'); }

TEST(Translations, TheBuildListsTheTranslationOfEachProgramAndOfTheSharedWindows) {
  QStringList names;
  for (const Translation& t : Manifest()) {
    names << t.Name;
    EXPECT_TRUE(QFile::exists(t.Ts)) << t.Ts.toStdString();
    EXPECT_FALSE(ReadTsFile(t.Ts).empty()) << t.Ts.toStdString();
  }
  names.sort();
  EXPECT_EQ(names, (QStringList{"shared_ui", "zmfwin", "zmvwin2"}));
}

TEST(Translations, EveryMarkedTextHasAFinishedTranslationAndNoneIsLeftOver) {
  for (const Translation& t : Manifest()) {
    SCOPED_TRACE(t.Name.toStdString());
    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    const QString copy = work.filePath(QStringLiteral("copy_ru.ts"));
    ASSERT_TRUE(QFile::copy(t.Ts, copy));
    QProcess lupdate;
    lupdate.start(
        QStringLiteral(AE_LUPDATE),
        {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"), QStringLiteral("-I"),
         QStringLiteral(AE_SOURCE_DIR), QLatin1Char('@') + t.Sources, QStringLiteral("-ts"), copy});
    ASSERT_TRUE(lupdate.waitForFinished(120000)) << "lupdate did not finish";
    ASSERT_EQ(lupdate.exitStatus(), QProcess::NormalExit);
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();

    QStringList untranslated, leftOver;
    const std::vector<TsMessage> messages = ReadTsFile(copy);
    ASSERT_FALSE(messages.empty());
    for (const TsMessage& m : messages) {
      if (m.Type == QStringLiteral("vanished") || m.Type == QStringLiteral("obsolete")) leftOver << Describe(m);
      else if (m.Type == QStringLiteral("unfinished") || m.Translation.isEmpty()) untranslated << Describe(m);
    }
    // The fix: `cmake --build build --target update_translations`, then translate the new texts
    // in the .ts (those marked unfinished).
    EXPECT_TRUE(untranslated.isEmpty()) << "Texts without a finished Russian translation in " << t.Ts.toStdString()
                                        << ":\n  " << untranslated.join(QStringLiteral("\n  ")).toStdString();
    EXPECT_TRUE(leftOver.isEmpty()) << "Translations the code no longer has in " << t.Ts.toStdString() << ":\n  "
                                    << leftOver.join(QStringLiteral("\n  ")).toStdString();
  }
}

// The placeholders %1..%99 of a text, sorted.
QStringList Placeholders(const QString& text) {
  static const QRegularExpression placeholder(QStringLiteral("%\\d{1,2}"));
  QStringList found;
  for (auto it = placeholder.globalMatch(text); it.hasNext();) found << it.next().captured();
  found.sort();
  return found;
}

// Whether the text marks a shortcut letter ("&File"; "&&" is a plain ampersand).
bool HasShortcut(const QString& text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != QLatin1Char('&')) continue;
    if (text[i + 1] != QLatin1Char('&') && !text[i + 1].isSpace()) return true;
    ++i;
  }
  return false;
}

TEST(Translations, EveryTranslationKeepsWhatTheProgramFillsInAndLaysOut) {
  for (const Translation& t : Manifest()) {
    for (const TsMessage& m : ReadTsFile(t.Ts)) {
      if (m.Type != QString()) continue;  // the test above reports those
      SCOPED_TRACE((t.Name + QStringLiteral(" ") + Describe(m)).toStdString());
      EXPECT_EQ(Placeholders(m.Translation), Placeholders(m.Source));
      EXPECT_EQ(m.Translation.count(QLatin1Char('\n')), m.Source.count(QLatin1Char('\n')));
      EXPECT_EQ(m.Translation.count(QLatin1Char('\t')), m.Source.count(QLatin1Char('\t')));
      EXPECT_EQ(HasShortcut(m.Translation), HasShortcut(m.Source));
      // Texts joined to others keep their blanks at either end.
      EXPECT_EQ(m.Translation.startsWith(QLatin1Char(' ')), m.Source.startsWith(QLatin1Char(' ')));
      EXPECT_EQ(m.Translation.endsWith(QLatin1Char(' ')), m.Source.endsWith(QLatin1Char(' ')));
    }
  }
}

}  // namespace
}  // namespace ae::test
