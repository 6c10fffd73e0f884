// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MirobeltApp.h"

#include <QApplication>
#include <QFileInfo>

#include "app/Icons.h"
#include "app/MainFrame.h"
#include "app/StartupProbe.h"
#include "platform/Language.h"
#include "sim/MirobeltDoc.h"
#include "view/MirobeltView.h"

namespace
{
constexpr int kRecentFileCount = 4;
const char* const kRecentGroup = "Recent File List";
}  // namespace

CRecentFileList::CRecentFileList(QSettings* settings, int size) : m_pSettings(settings), m_nSize(size) {}

void CRecentFileList::Load()
{
    m_files.clear();
    if (m_pSettings == nullptr)
        return;
    m_pSettings->beginGroup(QLatin1String(kRecentGroup));
    for (int i = 1; i <= m_nSize; ++i)
    {
        const QString path = m_pSettings->value(QStringLiteral("File%1").arg(i)).toString();
        if (!path.isEmpty() && !m_files.contains(path))
            m_files.append(path);
    }
    m_pSettings->endGroup();
}

void CRecentFileList::Save()
{
    if (m_pSettings == nullptr)
        return;
    m_pSettings->remove(QLatin1String(kRecentGroup));
    m_pSettings->beginGroup(QLatin1String(kRecentGroup));
    for (int i = 0; i < m_files.size(); ++i)
        m_pSettings->setValue(QStringLiteral("File%1").arg(i + 1), m_files[i]);
    m_pSettings->endGroup();
    m_pSettings->sync();
}

void CRecentFileList::Add(const QString& path)
{
    if (path.isEmpty())
        return;
    const QString absolute = QFileInfo(path).absoluteFilePath();
    m_files.removeAll(absolute);
    m_files.prepend(absolute);
    while (m_files.size() > m_nSize)
        m_files.removeLast();
    Save();
}

void CRecentFileList::Remove(int index)
{
    if (index < 0 || index >= m_files.size())
        return;
    m_files.removeAt(index);
    Save();
}

CMirobeltApp::CMirobeltApp() = default;
CMirobeltApp::~CMirobeltApp() = default;

bool CMirobeltApp::InitInstance(const QStringList& arguments)
{
    // Settings under kvo / the application title (in French whatever the
    // language of the window), per user.
    QCoreApplication::setOrganizationName(QString::fromLatin1(kSettingsOrganisation));
    QCoreApplication::setApplicationName(QString::fromUtf8(kSettingsApplication));
    QApplication::setWindowIcon(MakeApplicationIcon());
    // The interface speaks the chosen language, Qt's own dialogs (files,
    // printing) included; French unless the user chose otherwise.
    Language::Install(Language::Chosen());
    m_pSettings = std::make_unique<QSettings>();

    m_pRecentFileList = std::make_unique<CRecentFileList>(m_pSettings.get(), kRecentFileCount);
    m_pRecentFileList->Load();

    // The document reads (or creates) the tuning file of the working folder.
    m_pDoc = std::make_unique<CMirobeltDoc>("Corrections.prm");
    m_pMainWnd = std::make_unique<CMainFrame>(m_pDoc.get(), m_pRecentFileList.get());
    if (!m_pMainWnd->IsCreated())
        return false;

    if (!ProcessShellCommand(arguments))
        return false;

    WatchForFirstTable(m_pMainWnd->View());
    const QRect outer = m_pMainWnd->frameGeometry();
    m_pMainWnd->show();
    m_pMainWnd->SetOuterGeometry(outer);  // the window manager's frame is known now
    m_pMainWnd->repaint();
    return true;
}

bool CMirobeltApp::ProcessShellCommand(const QStringList& arguments)
{
    if (arguments.size() < 2)
        return true;  // a new, untitled document
    // The document itself keeps nothing from a file: opening one only names it.
    const QFileInfo file(arguments.at(1));
    if (!file.isFile() || !file.isReadable())
        return false;
    m_pMainWnd->SetDocumentTitle(file.fileName());
    return true;
}
