#pragma once
// The program's language: Russian, the language its texts are written in, or English through
// the translation built with the program.

/// A language the window can show.
enum class Language { Russian, English };

/// Returns English when the system's language is English, Russian otherwise (C and POSIX too).
Language systemLanguage();

/// Installs the translators of `language` (the window's and Qt's own dialogs) on the
/// application; widgets receive a language-change event. Returns false when a translation
/// could not be loaded (the texts then stay Russian).
bool setLanguage(Language language);

/// Returns the language set last (Russian before any call).
Language currentLanguage();
