// SPDX-License-Identifier: GPL-3.0-or-later
#include "setup/gui/SetUpModel.h"

#include <QUndoCommand>

#include "positions/StartPosition.h"
#include "sim/MirobeltDoc.h"
#include "sim/TableGeometry.h"

namespace
{

// One step: the state before and after it. Steps of one gesture merge.
class StateStep : public QUndoCommand
{
public:
    StateStep(SetUpModel& model, const TableState& before, const TableState& after, const QString& name, int gesture)
        : QUndoCommand(name), m_model(model), m_before(before), m_after(after), m_gesture(gesture)
    {
    }

    void undo() override { m_model.Restore(m_before); }
    void redo() override { m_model.Restore(m_after); }
    int id() const override { return m_gesture == 0 ? -1 : 1; }
    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* next = static_cast<const StateStep*>(other);
        if (next->m_gesture != m_gesture || next->text() != text())
            return false;
        m_after = next->m_after;
        if (m_after == m_before)
            setObsolete(true);
        return true;
    }

private:
    SetUpModel& m_model;
    TableState m_before;
    TableState m_after;
    int m_gesture;
};

}  // namespace

TableSetUp StartSetUp()
{
    return TableSetUp::FromPositionValues(kStartPosition, kStartPosition.tableFormat);
}

SetUpModel::SetUpModel(CMirobeltDoc* doc, QObject* parent) : QObject(parent), m_pDoc(doc)
{
    m_state.setUp = StartSetUp();
    m_undo.setUndoLimit(kUndoLimit);
}

void SetUpModel::Change(const TableSetUp& next, const QString& stepName, int gesture)
{
    Change(TableState{next, m_state.list}, stepName, gesture);
}

void SetUpModel::Change(const TableState& next, const QString& stepName, int gesture)
{
    Q_ASSERT(!m_editing);
    if (next == m_state)
        return;
    m_undo.push(new StateStep(*this, m_state, next, stepName, gesture));
}

void SetUpModel::BeginEdit()
{
    Q_ASSERT(!m_editing);
    m_editing = true;
    m_editStart = m_state;
}

TableState& SetUpModel::Edited()
{
    // A change outside an edit would reach neither the undo stack nor the observers.
    if (!m_editing)
        qWarning("SetUpModel: the set-up was changed outside an edit");
    return m_state;
}

void SetUpModel::SetTableFormatNow(int format)
{
    Edited().setUp.tableFormat = format;
    if (m_pDoc != nullptr)
        m_pDoc->ApplyTableFormat(format);
}

void SetUpModel::SettleEdit()
{
    const TableState now = m_state;
    m_state = m_editStart;
    Restore(now);
    m_editStart = now;
}

void SetUpModel::CommitEdit(const QString& stepName, int gesture)
{
    Q_ASSERT(m_editing);
    m_editing = false;
    if (m_state == m_editStart)
        return;
    // The step's first redo puts the edited state back and tells the observers.
    const TableState edited = m_state;
    m_state = m_editStart;
    m_undo.push(new StateStep(*this, m_editStart, edited, stepName, gesture));
}

void SetUpModel::Restore(const TableState& state)
{
    SetUpParts parts = DifferingParts(m_state.setUp, state.setUp);
    if (!(m_state.list == state.list))
        parts |= kListPart;
    m_state = state;
    // The document's table follows the format at once.
    if ((parts & kTableFormatPart) && m_pDoc != nullptr)
        m_pDoc->ApplyTableFormat(state.setUp.tableFormat);
    if (parts != 0)
        emit setUpChanged(m_state.setUp, parts);
}

bool SetUpModel::ListChangedSinceSaved() const
{
    const PositionList& list = m_state.list;
    if (list.Count() != m_savedList.Count())
        return true;
    for (int i = 0; i < list.Count() && i < kPositionListSlots; ++i)
        if (!(list.Entry(i) == m_savedList.Entry(i)))
            return true;
    return false;
}

void SetUpModel::Undo()
{
    if (!UndoBlocked())
        m_undo.undo();
}

void SetUpModel::Redo()
{
    if (!UndoBlocked())
        m_undo.redo();
}
