// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AboutDlg.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

#include "app/Icons.h"

const char* const kProductLine =
    QT_TRANSLATE_NOOP("CAboutDlg", "Mirobelt, simulateur de billard français, version 1.0 du 6 décembre 2026");

namespace
{
const char* const kContactBlock = QT_TRANSLATE_NOOP("CAboutDlg",
                                                    "Projet Mirobelt\n"
                                                    "Simulateur de billard français à trois billes (carambole)\n"
                                                    "Remarques, questions et corrections : l'équipe du projet Mirobelt,\n"
                                                    "par le suivi des demandes du dépôt du projet.");
}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("A propos de Mirobelt"));
    setModal(true);

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("aboutIcon"));
    QIcon appIcon = QApplication::windowIcon();
    if (appIcon.isNull())
        appIcon = MakeApplicationIcon();
    icon->setPixmap(appIcon.pixmap(QSize(32, 32)));
    icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* product = new QLabel(tr(kProductLine), this);
    product->setObjectName(QStringLiteral("aboutProduct"));
    product->setWordWrap(true);

    auto* contact = new QLabel(tr(kContactBlock), this);
    contact->setObjectName(QStringLiteral("aboutContact"));
    contact->setWordWrap(true);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignLeft | Qt::AlignTop);
    layout->addWidget(product, 0, 1, Qt::AlignTop);
    layout->addWidget(ok, 0, 2, Qt::AlignRight | Qt::AlignTop);
    layout->addWidget(contact, 1, 1, 1, 2, Qt::AlignTop);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(1, 1);

    // About 270 x 149 dialog units of an 8-point font.
    resize(std::max(405, sizeHint().width()), std::max(242, sizeHint().height()));
}
