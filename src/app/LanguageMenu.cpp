// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/LanguageMenu.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QMessageBox>

#include "platform/Language.h"

namespace
{
const char* const kContext = "LanguageMenu";
// The window's menus, bars and tips change at once; the panels' fields and
// the dialogs already made keep their texts until the next start.
const char* const kLiveNote = QT_TRANSLATE_NOOP(
    "LanguageMenu", "Les menus et la barre d'outils changent de langue tout de suite ; le contenu des panneaux "
                    "suivra au prochain démarrage.");
const char* const kNoteTitle = QT_TRANSLATE_NOOP("LanguageMenu", "Langue");

// Each language by its own name, the same in every language.
QString NativeName(const QString& code) { return code == QLatin1String("en") ? QStringLiteral("English") : QStringLiteral("Français"); }

void Choose(QWidget* parent, const QString& code)
{
    if (code == Language::Stored() && code == Language::Current())
        return;
    Language::Store(code);
    // Installing the translation sends every widget a LanguageChange.
    Language::Install(code);
    QMessageBox::information(parent, Language::TranslatedInto(code, kContext, kNoteTitle),
                             Language::TranslatedInto(code, kContext, kLiveNote));
}
}  // namespace

void FillLanguageMenu(QMenu* languages)
{
    languages->setObjectName(QStringLiteral("LanguageMenu"));
    auto* group = new QActionGroup(languages);
    group->setExclusive(true);
    for (const QString& code : Language::Available())
    {
        QAction* action = languages->addAction(NativeName(code));
        action->setObjectName(QStringLiteral("Language_") + code);
        action->setCheckable(true);
        action->setChecked(code == Language::Current());
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, languages, [languages, code] { Choose(languages->parentWidget(), code); });
    }
}
