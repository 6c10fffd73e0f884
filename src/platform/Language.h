// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The language of the interface. The program's texts are written in French,
// the default; an English translation is compiled into the program
// (translations/mirobelt_en.ts). The user's choice is kept in the program's
// settings, and MIROBELT_LANG=en or fr overrides it for one run. The program
// and the command-line tools install the chosen translation once their
// application object exists.

#include <QString>
#include <QStringList>

// Names of the program's settings store (organisation, application), the
// same in every language: the program gives them to Qt at start, the tools
// open the store by them.
extern const char* const kSettingsOrganisation;
extern const char* const kSettingsApplication;

namespace Language
{
// Codes of the languages the interface speaks, French (the texts of the sources) first.
QStringList Available();

// The stored choice, "fr" when there is none or an unknown one.
QString Stored();
void Store(const QString& code);

// The language of this run: MIROBELT_LANG when it names a known language,
// else the stored choice.
QString Chosen();

// Installs in the running application the translations of code, the
// program's texts and Qt's own (its dialogs and buttons), in place of those
// installed before. False when code is unknown or there is no application.
bool Install(const QString& code);

// The language installed last, "fr" before any.
QString Current();

// sourceText of context in the given language, whatever the installed one:
// for a note that speaks the language just chosen.
QString TranslatedInto(const QString& code, const char* context, const char* sourceText);
}  // namespace Language
