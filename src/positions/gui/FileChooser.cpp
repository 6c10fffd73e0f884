// SPDX-License-Identifier: GPL-3.0-or-later
#include "positions/gui/FileChooser.h"

#include <QFile>
#include <QFileDialog>

namespace
{
QString Choose(QFileDialog& dialog, const QString& extension)
{
    dialog.setNameFilter(QStringLiteral("*.") + extension);
    dialog.setDefaultSuffix(extension);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}
}  // namespace

QString ChooseFileToOpen(QWidget* parent, const QString& extension)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return Choose(dialog, extension);
}

QString ChooseFileToSave(QWidget* parent, const QString& extension, const QString& suggested)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (!suggested.isEmpty())
        dialog.selectFile(suggested);
    return Choose(dialog, extension);
}

std::string LocalPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}
