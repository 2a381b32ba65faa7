// The English translation: every Russian text of the window and of the core's messages has one,
// and the core speaks English only while the window does.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include "gui/language.h"
#include "synthesis/design_input_check.h"
#include "synthesis/doublet_calculation.h"

class TestTranslation : public QObject {
  Q_OBJECT

 private slots:
  void everyRussianTextHasAnEnglishOne();
  void coreMessagesFollowTheWindowLanguage();
};

namespace {

const QRegularExpression kCyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));

// Returns the Russian sources of `tsPath` whose translation is missing or still Russian.
QStringList untranslated(const QString& tsPath) {
  QFile file(tsPath);
  if (!file.open(QIODevice::ReadOnly)) return {QStringLiteral("cannot open ") + tsPath};
  QXmlStreamReader xml(&file);
  QStringList missing;
  QString source;
  while (!xml.atEnd()) {
    if (!xml.readNextStartElement()) continue;
    if (xml.name() == QLatin1String("source")) source = xml.readElementText();
    if (xml.name() != QLatin1String("translation")) continue;
    const bool unfinished = xml.attributes().value(QLatin1String("type")) == "unfinished";
    const QString text = xml.readElementText();
    if (source.contains(kCyrillic) && (unfinished || text.isEmpty() || text.contains(kCyrillic)))
      missing << source;
  }
  return missing;
}

}  // namespace

void TestTranslation::everyRussianTextHasAnEnglishOne() {
  // The translation source is collected afresh from the code, so a text added without its
  // English shows up here rather than in the window.
  QTemporaryDir dir;
  const QString ts = dir.filePath(QStringLiteral("en.ts"));
  QVERIFY(
      QFile::copy(QString::fromUtf8(ZELT_SOURCE_DIR "/gui/translations/doublet_synth_en.ts"), ts));
  QProcess lupdate;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("LUPDATE"), QString::fromUtf8(ZELT_LUPDATE));
  lupdate.setProcessEnvironment(env);
  lupdate.start(QStringLiteral("sh"),
                {QString::fromUtf8(ZELT_SOURCE_DIR "/tools/update_translation.sh"), ts});
  QVERIFY(lupdate.waitForFinished(60000));
  QCOMPARE(lupdate.exitCode(), 0);
  const QStringList missing = untranslated(ts);
  QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(" | "))));
}

void TestTranslation::coreMessagesFollowTheWindowLanguage() {
  synthesis::CalculationInputs in;
  in.focus = 0.0;
  QVERIFY(setLanguage(Language::English));
  const std::string english = synthesis::checkInputs(in).value_or("");
  QVERIFY(setLanguage(Language::Russian) || true);  // Qt's own Russian may be absent
  const std::string russian = synthesis::checkInputs(in).value_or("");
  QCOMPARE(
      QString::fromStdString(english),
      QStringLiteral("«Back focal length f′ [mm]» = 0: allowed: a finite number other than 0."));
  QCOMPARE(QString::fromStdString(russian),
           QStringLiteral("«Заднее фокусное расстояние f′ [мм]» = 0: допустимо конечное число, "
                          "не равное 0."));
}

QTEST_MAIN(TestTranslation)
#include "test_translation.moc"
