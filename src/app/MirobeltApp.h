// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The application object: settings store, recent position files, and the
// start-up that creates the document, the main window and the view.

#include <QSettings>
#include <QString>
#include <QStringList>

#include <memory>

class CMainFrame;
class CMirobeltDoc;

// The position files last opened or saved, most recent first, kept in the
// settings store as "Recent File List/File1" to "FileN".
class CRecentFileList
{
public:
    CRecentFileList(QSettings* settings, int size);

    void Load();
    void Save();
    // Puts path (made absolute) first, dropping an older copy and the oldest
    // entry beyond the list's size; the list is saved at once.
    void Add(const QString& path);
    void Remove(int index);
    const QStringList& Files() const { return m_files; }
    int Size() const { return m_nSize; }
    // The program's settings store the list lives in (may be null).
    QSettings* Settings() const { return m_pSettings; }

private:
    QSettings* m_pSettings;
    int m_nSize;
    QStringList m_files;
};

class CMirobeltApp
{
public:
    CMirobeltApp();
    ~CMirobeltApp();
    CMirobeltApp(const CMirobeltApp&) = delete;
    CMirobeltApp& operator=(const CMirobeltApp&) = delete;

    // Start-up; false when it failed and the program must end. arguments is
    // the command line, program name first.
    bool InitInstance(const QStringList& arguments);

    CMainFrame* MainFrame() const { return m_pMainWnd.get(); }
    CMirobeltDoc* Document() const { return m_pDoc.get(); }
    CRecentFileList* RecentFiles() const { return m_pRecentFileList.get(); }

private:
    // No argument: a new, untitled document. A file named on the command line
    // becomes the document's title; one that cannot be read fails the start.
    bool ProcessShellCommand(const QStringList& arguments);

    std::unique_ptr<QSettings> m_pSettings;
    std::unique_ptr<CRecentFileList> m_pRecentFileList;
    std::unique_ptr<CMirobeltDoc> m_pDoc;
    std::unique_ptr<CMainFrame> m_pMainWnd;  // destroyed before the document it shows
};
