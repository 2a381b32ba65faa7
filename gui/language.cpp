#include "gui/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "synthesis/message_text.h"

namespace {

Language g_language = Language::Russian;

/// Returns the two translators the application holds: the window's texts and Qt's own.
QTranslator& windowTranslator() {
  static QTranslator translator;
  return translator;
}

QTranslator& qtTranslator() {
  static QTranslator translator;
  return translator;
}

// The core's messages through the window's translation; an untranslated piece stays Russian.
std::string translateCoreText(const char* context, const char* source) {
  return QCoreApplication::translate(context, source).toStdString();
}

}  // namespace

Language systemLanguage() {
  return QLocale::system().language() == QLocale::English ? Language::English : Language::Russian;
}

bool setLanguage(Language language) {
  Q_INIT_RESOURCE(translations);  // the translation lives in this static library
  QCoreApplication::removeTranslator(&windowTranslator());
  QCoreApplication::removeTranslator(&qtTranslator());
  g_language = language;
  bool ok = true;
  if (language == Language::English) {
    // The texts are written in Russian; English comes from the translation built in.
    ok = windowTranslator().load(QStringLiteral(":/i18n/doublet_synth_en.qm"));
    if (ok) QCoreApplication::installTranslator(&windowTranslator());
    synthesis::setMessageTranslator(ok ? &translateCoreText : nullptr);
  } else {
    // Qt's own dialogs and buttons (file dialogs, "Cancel") from the system's Qt translation.
    synthesis::setMessageTranslator(nullptr);
    ok = qtTranslator().load(QStringLiteral("qtbase_ru"),
                             QLibraryInfo::location(QLibraryInfo::TranslationsPath));
    if (ok) QCoreApplication::installTranslator(&qtTranslator());
  }
  return ok;
}

Language currentLanguage() {
  return g_language;
}
