// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QSettings>
#include <QTranslator>

const char* const kSettingsOrganisation = "kvo";
const char* const kSettingsApplication = "Simulateur de Billard Francais (Ostrevan)";

namespace
{
const char* const kLanguageKey = "Interface/Language";
const char* const kFrench = "fr";

QPointer<QTranslator> s_programTexts;  // children of the application
QPointer<QTranslator> s_qtTexts;
QString s_current = QString::fromLatin1(kFrench);

QSettings ProgramSettings()
{
    // Named here: the tools give Qt no organisation or application name.
    return QSettings(QString::fromLatin1(kSettingsOrganisation), QString::fromUtf8(kSettingsApplication));
}

bool Known(const QString& code) { return Language::Available().contains(code); }

QString ProgramTranslationFile(const QString& code) { return QStringLiteral(":/i18n/mirobelt_%1.qm").arg(code); }

void Remove(QPointer<QTranslator>& translator)
{
    if (translator == nullptr)
        return;
    QCoreApplication::removeTranslator(translator);
    delete translator;
}
}  // namespace

QStringList Language::Available() { return {QString::fromLatin1(kFrench), QStringLiteral("en")}; }

QString Language::Stored()
{
    const QString code = ProgramSettings().value(QLatin1String(kLanguageKey)).toString();
    return Known(code) ? code : QString::fromLatin1(kFrench);
}

void Language::Store(const QString& code)
{
    if (!Known(code))
        return;
    QSettings settings = ProgramSettings();
    settings.setValue(QLatin1String(kLanguageKey), code);
    settings.sync();
}

QString Language::Chosen()
{
    const QString overridden = qEnvironmentVariable("MIROBELT_LANG").trimmed().toLower();
    return Known(overridden) ? overridden : Stored();
}

bool Language::Install(const QString& code)
{
    QCoreApplication* application = QCoreApplication::instance();
    if (application == nullptr || !Known(code))
        return false;
    Remove(s_programTexts);
    Remove(s_qtTexts);
    // French is the language of the sources: only Qt's own texts need it.
    if (code != QLatin1String(kFrench))
    {
        s_programTexts = new QTranslator(application);
        if (s_programTexts->load(ProgramTranslationFile(code)))
            QCoreApplication::installTranslator(s_programTexts);
    }
    // Without Qt's translation files its dialogs stay in English.
    s_qtTexts = new QTranslator(application);
    if (s_qtTexts->load(QLocale(code), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(s_qtTexts);
    s_current = code;
    return true;
}

QString Language::Current() { return s_current; }

QString Language::TranslatedInto(const QString& code, const char* context, const char* sourceText)
{
    QTranslator translator;
    if (code != QLatin1String(kFrench) && translator.load(ProgramTranslationFile(code)))
    {
        const QString translated = translator.translate(context, sourceText);
        if (!translated.isEmpty())
            return translated;
    }
    return QString::fromUtf8(sourceText);
}
