#include "app/LanguageMenu.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QMessageBox>

#include "platform/Language.h"

namespace
{
const char* const kContext = "LanguageMenu";
const char* const kNextStartNote = QT_TRANSLATE_NOOP("LanguageMenu", "La langue choisie sera utilisée au prochain démarrage.");
const char* const kNoteTitle = QT_TRANSLATE_NOOP("LanguageMenu", "Langue");

// Each language by its own name, the same in every language.
QString NativeName(const QString& code) { return code == QLatin1String("en") ? QStringLiteral("English") : QStringLiteral("Français"); }

void Choose(QWidget* parent, const QString& code)
{
    if (code == Language::Stored() && code == Language::Current())
        return;
    Language::Store(code);
    QMessageBox::information(parent, Language::TranslatedInto(code, kContext, kNoteTitle),
                             Language::TranslatedInto(code, kContext, kNextStartNote));
}
}  // namespace

QMenu* AddLanguageMenu(QMenu* menu)
{
    QMenu* languages = menu->addMenu(QCoreApplication::translate("LanguageMenu", "&Langue"));
    languages->setObjectName(QStringLiteral("LanguageMenu"));
    languages->menuAction()->setStatusTip(
        QCoreApplication::translate("LanguageMenu", "Choisit la langue de l'interface, pour le prochain démarrage"));
    auto* group = new QActionGroup(languages);
    group->setExclusive(true);
    for (const QString& code : Language::Available())
    {
        QAction* action = languages->addAction(NativeName(code));
        action->setObjectName(QStringLiteral("Language_") + code);
        action->setCheckable(true);
        action->setChecked(code == Language::Current());
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, menu, [menu, code] { Choose(menu->window(), code); });
    }
    return languages;
}
