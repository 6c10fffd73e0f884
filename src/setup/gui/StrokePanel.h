// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The dockable panel "Réglages du coup": the set-up's stroke in numbers. A
// field edited and confirmed changes the set-up at once through the model
// (one undo step); every change of the model, whatever made it, shows in the
// fields without coming back as an edit. A value out of its range is refused:
// the field is marked and the set-up stays as it was.

#include <QDockWidget>

#include <functional>
#include <optional>
#include <vector>

#include "setup/TableSetUp.h"

class QComboBox;
class QLineEdit;
class SetUpModel;

class StrokePanel : public QDockWidget
{
    Q_OBJECT

public:
    explicit StrokePanel(SetUpModel* model, QWidget* parent = nullptr);

    // The field that edits the value called name ("angle", "height", "side",
    // "force", "raise", "whiteX", ... "spottedY"); for tests.
    QLineEdit* Field(const QString& name) const;
    QComboBox* CueBallChoice() const { return m_cueBall; }
    // The field shows a refused value.
    static bool IsMarked(const QLineEdit* field);

private:
    struct NumberField
    {
        QLineEdit* edit;
        std::function<double(const TableSetUp&)> read;
        std::function<std::optional<TableSetUp>(const TableSetUp&, double)> write;
        int decimals;
        QString stepName;
    };

    void AddField(const QString& name, const QString& label, int decimals, const QString& stepName,
                  std::function<double(const TableSetUp&)> read,
                  std::function<std::optional<TableSetUp>(const TableSetUp&, double)> write);
    void ShowSetUp(const TableSetUp& setUp);
    void OnFieldEdited(NumberField& field);
    void OnCueBallChosen(int index);
    static void Mark(QLineEdit* field, bool refused);

    SetUpModel* m_model;
    QWidget* m_form;
    QComboBox* m_cueBall;
    std::vector<NumberField> m_fields;
    bool m_showing = false;  // fields are being filled from the model
};
