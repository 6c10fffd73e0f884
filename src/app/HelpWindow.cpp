// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/HelpWindow.h"

#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "platform/Language.h"

namespace
{
const QSize kStartSize(820, 720);

QString PagePath(const QString& language)
{
    return QStringLiteral(":/help/%1/index.html").arg(language);
}
}  // namespace

QUrl HelpPageUrl(const QString& language)
{
    const QString path = QFile::exists(PagePath(language)) ? PagePath(language) : PagePath(QStringLiteral("fr"));
    return QUrl(QStringLiteral("qrc") + path);
}

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), m_browser(new QTextBrowser(this)),
      m_home(HelpPageUrl(Language::Current()))
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Aide de Mirobelt"));
    resize(kStartSize);

    auto* back = new QPushButton(tr("Précédent"), this);
    auto* contents = new QPushButton(tr("Sommaire"), this);
    back->setEnabled(false);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(contents);
    buttons->addStretch(1);

    m_browser->setOpenExternalLinks(true);  // links out of the guide go to the desktop's browser
    m_browser->setSource(m_home);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(m_browser, 1);

    connect(back, &QPushButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(contents, &QPushButton::clicked, this, [this] { m_browser->setSource(m_home); });
}
