// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The help window: the user's guide, an HTML page per language compiled into
// the program (docs/help/<language>/index.html), shown in a text browser with
// the pictures beside it and buttons to go back and to the contents.

#include <QString>
#include <QUrl>
#include <QWidget>

class QTextBrowser;

// Address of the guide in the given language ("fr", "en", ...), or of the
// French guide when that language has none.
QUrl HelpPageUrl(const QString& language);

class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

    QTextBrowser* Browser() const { return m_browser; }

private:
    QTextBrowser* m_browser;
    QUrl m_home;
};
