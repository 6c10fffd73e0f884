// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one owner of the set-up and the position list of a window, beside its
// document. Every change goes through Change(): the model keeps the
// document's table in step with the format in the same call, records the
// change as a named step on its undo stack, and tells its observers (the
// table view, the stroke panel, the finder's map) what changed.

#include <QObject>
#include <QString>
#include <QUndoStack>

#include <functional>

#include "setup/PositionList.h"
#include "setup/TableSetUp.h"

class CMirobeltDoc;

// Everything an undo step puts back.
struct TableState
{
    TableSetUp setUp;
    PositionList list;
    bool operator==(const TableState&) const = default;
};

// The set-up a fresh table view starts from.
TableSetUp StartSetUp();

class SetUpModel : public QObject
{
    Q_OBJECT

public:
    // At least this many steps can be undone.
    static constexpr int kUndoLimit = 250;

    explicit SetUpModel(CMirobeltDoc* doc, QObject* parent = nullptr);

    const TableSetUp& Current() const { return m_state.setUp; }
    const PositionList& List() const { return m_state.list; }
    const TableState& State() const { return m_state; }
    QUndoStack* UndoStack() { return &m_undo; }

    // An edit in place, for a handler that changes the set-up bit by bit and
    // draws as it goes: between BeginEdit() and CommitEdit() Edited() may be
    // written; CommitEdit() makes what changed one undo step and tells the
    // observers. Outside an edit Edited() is for reading only.
    void BeginEdit();
    bool Editing() const { return m_editing; }
    TableState& Edited();
    // The table takes format at once, the document's geometry with it, so
    // that the rest of the edit lays out and draws on the new table.
    void SetTableFormatNow(int format);
    // What the open edit changed so far is no step: observers are told, and
    // undo does not take it back.
    void SettleEdit();
    // The state at BeginEdit(), while the edit is open.
    const TableState& EditStart() const { return m_editStart; }
    void CommitEdit(const QString& stepName, int gesture = 0);

    // Makes next the set-up (and list): one undo step named stepName
    // ("Annuler " + stepName in the menu). Changes with the same non-zero
    // gesture number, one after the other, make a single step. Nothing
    // happens when next equals the current state.
    void Change(const TableSetUp& next, const QString& stepName, int gesture = 0);
    void Change(const TableState& next, const QString& stepName, int gesture = 0);

    // A new gesture number: the changes of one drag or of one held key share it.
    int NewGesture() { return ++m_lastGesture; }

    // Told by the view whether a shot is being animated: then nothing may be
    // undone, redone or edited.
    void SetBusyCheck(std::function<bool()> busy) { m_busy = std::move(busy); }
    bool UndoBlocked() const { return m_busy && m_busy(); }
    void Undo();
    void Redo();

    // The document's trajectories were computed from setUp. They belong to
    // the set-up on the table as long as it equals that one.
    void NoteShotComputed(const TableSetUp& setUp) { m_computedFrom = setUp; m_shotComputed = true; }
    bool ShotIsOfCurrentSetUp() const { return m_shotComputed && m_computedFrom == m_state.setUp; }

    // Whether the list's entries differ from those last saved to or read from
    // a list file (or loaded as the demonstration): the window asks before
    // such a list is lost. Which entry is shown does not count.
    bool ListChangedSinceSaved() const;
    void MarkListSaved() { m_savedList = m_state.list; }

    // Puts state in place for an undo step; no new step.
    void Restore(const TableState& state);

signals:
    // The set-up after a change and the parts that changed (kListPart when
    // only the list did).
    void setUpChanged(const TableSetUp& setUp, SetUpParts parts);

private:
    CMirobeltDoc* m_pDoc;
    TableState m_state;
    bool m_editing = false;
    TableState m_editStart;
    QUndoStack m_undo;
    int m_lastGesture = 0;
    std::function<bool()> m_busy;
    TableSetUp m_computedFrom;
    bool m_shotComputed = false;
    PositionList m_savedList;  // the entries as last saved or read
};
