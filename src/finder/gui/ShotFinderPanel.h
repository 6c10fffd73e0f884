// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The "Coups possibles" panel: searches the shots that score from the
// position on the table, lists them from the easiest, and puts the chosen one
// in the view.

#include <QDockWidget>
#include <QTimer>

#include <memory>

#include "finder/ShotSearch.h"

class AimMapController;
class AimMapOverlay;
class BackgroundSearch;
class CMirobeltView;
class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTreeWidget;

class ShotFinderPanel : public QDockWidget
{
    Q_OBJECT

public:
    ShotFinderPanel(CMirobeltView* view, QWidget* parent = nullptr);
    ~ShotFinderPanel() override;

    void StartSearch();
    void StopSearch();
    bool Searching() const { return m_search != nullptr; }

    QComboBox* GameChoice() const { return m_game; }
    QComboBox* SearchChoice() const { return m_kind; }
    QTreeWidget* SolutionList() const { return m_list; }
    QProgressBar* Progress() const { return m_progress; }
    QLabel* Status() const { return m_status; }
    QPushButton* ExportSheetButton() const { return m_exportSheet; }
    // The list no longer matches the table or the choices: a ball, the cue
    // ball, the table, the game or the search changed.
    bool OutOfDate() const { return m_bOutOfDate; }

    // The check box "Carte des visées" and the map it asks for: the arcs of
    // aim directions that score in the chosen game with the stroke as set.
    QCheckBox* AimMapChoice() const { return m_aimMapChoice; }
    bool AimMapShown() const;
    AimMapController* AimMap() const { return m_aimMap; }
    // Recomputes the map from the set-up when it is shown, else clears it.
    void RefreshAimMap();
    // The ring of the map on the table; a click on an arc aims along its middle.
    AimMapOverlay* AimRingOverlay() const { return m_aimMapOverlay; }
    // Aims along degrees as choosing a solution does: one step to undo, the
    // trajectories and the aids drawn.
    void AimAlong(double degrees);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Poll();
    void ShowResult(const SearchResult& result);
    void ShowSolution(int index);
    void ApplySetup(const ShotSetup& setup);
    void CheckTable();
    void ExportSheet();  // "Exporter la feuille..."
    void MarkOutOfDate(const QString& why);

    CMirobeltView* m_view;
    QComboBox* m_game = nullptr;
    QComboBox* m_kind = nullptr;
    QPushButton* m_start = nullptr;
    QPushButton* m_stop = nullptr;
    QProgressBar* m_progress = nullptr;
    QTreeWidget* m_list = nullptr;
    QLabel* m_status = nullptr;
    QPushButton* m_exportSheet = nullptr;
    QCheckBox* m_aimMapChoice = nullptr;
    AimMapController* m_aimMap = nullptr;
    AimMapOverlay* m_aimMapOverlay = nullptr;  // a child of the view

    std::unique_ptr<BackgroundSearch> m_search;
    QTimer m_poll;        // progress and end of the running search
    QTimer m_tableWatch;  // whether the listed solutions still fit the table
    SearchRequest m_listed;            // the request the list answers
    double m_searchedLength = 0;       // length of the table searched
    std::vector<Solution> m_solutions;
    bool m_bHasList = false;
    bool m_bOutOfDate = false;
};
