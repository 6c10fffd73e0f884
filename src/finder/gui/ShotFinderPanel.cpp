// SPDX-License-Identifier: GPL-3.0-or-later
#include "finder/gui/ShotFinderPanel.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHideEvent>
#include <QShowEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <QFileDialog>
#include <QFileInfo>

#include "diagram/FinderSheet.h"
#include "diagram/StrokeText.h"
#include "finder/BackgroundSearch.h"
#include "finder/gui/AimMapController.h"
#include "finder/gui/AimMapOverlay.h"
#include "sim/TableGeometry.h"
#include "view/MirobeltView.h"

namespace
{
constexpr int kPollMs = 30;
constexpr int kTableWatchMs = 250;
constexpr int kProgressSteps = 1000;
constexpr int kPanelWidth = 600;

// The solution a row shows, and each cell's value for sorting.
constexpr int kSolutionRole = Qt::UserRole;
constexpr int kSortRole = Qt::UserRole + 1;

QString BallName(int ball)
{
    switch (ball)
    {
    case 0:
        return ShotFinderPanel::tr("Blanche");
    case 1:
        return ShotFinderPanel::tr("Rouge");
    case 2:
        return ShotFinderPanel::tr("Pointée");
    default:
        return QString();
    }
}

// A row that sorts by the values of its cells rather than by their text.
class SolutionItem : public QTreeWidgetItem
{
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem& other) const override
    {
        const int column = treeWidget() != nullptr ? treeWidget()->sortColumn() : 0;
        const QVariant a = data(column, kSortRole), b = other.data(column, kSortRole);
        if (a.typeId() == QMetaType::Double && b.typeId() == QMetaType::Double)
            return a.toDouble() < b.toDouble();
        return text(column) < other.text(column);
    }
};

// Whether a search of b would look at the same table as one of a: the same
// balls, cue ball and mode (the strike and aim do not matter).
bool SameTable(const ShotSetup& a, const ShotSetup& b)
{
    if (a.cueBall != b.cueBall || (a.strikeMode > 100) != (b.strikeMode > 100))
        return false;
    for (int i = 0; i < 3; ++i)
        if (a.balls[i].x != b.balls[i].x || a.balls[i].y != b.balls[i].y)
            return false;
    return true;
}
}  // namespace

ShotFinderPanel::ShotFinderPanel(CMirobeltView* view, QWidget* parent)
    : QDockWidget(tr("Coups possibles"), parent), m_view(view)
{
    setObjectName(QStringLiteral("ShotFinderPanel"));
    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);

    auto* choices = new QFormLayout;
    m_game = new QComboBox(body);
    for (const Game game : kGames)
        m_game->addItem(GameName(game), static_cast<int>(game));
    m_game->setCurrentIndex(2);
    m_kind = new QComboBox(body);
    m_kind->addItem(tr("Visée seule"), static_cast<int>(SearchKind::AimOnly));
    m_kind->addItem(tr("Visée et effet"), static_cast<int>(SearchKind::AimAndStroke));
    choices->addRow(tr("Jeu :"), m_game);
    choices->addRow(tr("Recherche :"), m_kind);
    layout->addLayout(choices);

    auto* buttons = new QHBoxLayout;
    m_start = new QPushButton(tr("Chercher"), body);
    m_stop = new QPushButton(tr("Arrêter"), body);
    m_stop->setEnabled(false);
    m_stop->setToolTip(tr("Arrête la recherche (Échap)"));
    buttons->addWidget(m_start);
    buttons->addWidget(m_stop);
    layout->addLayout(buttons);

    m_progress = new QProgressBar(body);
    m_progress->setRange(0, kProgressSteps);
    m_progress->setValue(0);
    layout->addWidget(m_progress);

    m_list = new QTreeWidget(body);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    // Short headings so that every column fits; each says its full meaning in its tooltip.
    m_list->setHeaderLabels({tr("N°"), tr("Fenêtre°"), tr("Visée°"), tr("1re"), tr("Bandes"), tr("Force"),
                             tr("Haut."), tr("Côté"), tr("Élév.°")});
    const QString columnHelp[] = {
        tr("Rang, du coup le plus facile au plus difficile"),
        tr("Largeur en degrés des directions autour de la visée qui marquent toutes"),
        tr("Direction de la visée en degrés, 0 vers la droite, dans le sens des aiguilles d'une montre"),
        tr("Première bille touchée"),
        tr("Bandes touchées avant la deuxième bille : G gauche, D droite, H haut, B bas"),
        tr("Force du coup"),
        tr("Hauteur du point d'attaque : positive au-dessus du centre (coulé), négative en dessous (rétro)"),
        tr("Côté du point d'attaque : positif à droite"),
        tr("Élévation de la queue en degrés")};
    for (int column = 0; column < m_list->columnCount(); ++column)
        m_list->headerItem()->setToolTip(column, columnHelp[column]);
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_list->header()->setStretchLastSection(false);
    m_list->setSortingEnabled(true);  // a click on a heading sorts by it
    m_list->sortByColumn(0, Qt::AscendingOrder);
    layout->addWidget(m_list, 1);

    m_status = new QLabel(body);
    m_status->setWordWrap(true);
    layout->addWidget(m_status);

    m_exportSheet = new QPushButton(tr("Exporter la feuille..."), body);
    m_exportSheet->setToolTip(tr("La position et les coups de la liste, deux par page, dans un document PDF"));
    layout->addWidget(m_exportSheet);
    connect(m_exportSheet, &QPushButton::clicked, this, &ShotFinderPanel::ExportSheet);

    auto* help = new QLabel(tr("Seuls les points faits par la bille de tir dans sa course sont cherchés : un point "
                               "fait plus tard par une bille qui vient toucher la bille de tir arrêtée ne l'est pas. "
                               "Choisir un coup le montre sur le billard ; Entrée le joue."),
                            body);
    help->setWordWrap(true);
    help->setEnabled(false);
    layout->addWidget(help);

    m_aimMapChoice = new QCheckBox(tr("Carte des visées"), body);
    m_aimMapChoice->setToolTip(tr("Marque autour de la bille de tir les directions de visée qui marquent le point "
                                  "dans le jeu choisi, avec l'effet, l'élévation et la force réglés"));
    m_aimMapChoice->setChecked(true);
    choices->addRow(QString(), m_aimMapChoice);
    m_aimMap = new AimMapController(this);
    m_aimMapOverlay = new AimMapOverlay(view, m_aimMap);
    connect(m_aimMapOverlay, &AimMapOverlay::arcChosen, this, &ShotFinderPanel::AimAlong);
    connect(view->Model(), &SetUpModel::setUpChanged, this, [this](const TableSetUp&, SetUpParts parts) {
        if (AimMapDependsOn(parts))
            RefreshAimMap();
    });
    body->setMinimumWidth(kPanelWidth);  // every column of the list in view
    setWidget(body);

    connect(m_start, &QPushButton::clicked, this, &ShotFinderPanel::StartSearch);
    connect(m_stop, &QPushButton::clicked, this, &ShotFinderPanel::StopSearch);
    connect(m_list, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item != nullptr)
            ShowSolution(item->data(0, kSolutionRole).toInt());
    });
    connect(m_list, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { ShowSolution(item->data(0, kSolutionRole).toInt()); });
    // The list answers one game and one search.
    connect(m_game, &QComboBox::currentIndexChanged, this, [this] {
        MarkOutOfDate(tr("Liste périmée : le jeu a changé. Chercher à nouveau."));
        RefreshAimMap();
    });
    connect(m_kind, &QComboBox::currentIndexChanged, this,
            [this] { MarkOutOfDate(tr("Liste périmée : la recherche a changé. Chercher à nouveau.")); });
    connect(m_aimMapChoice, &QCheckBox::toggled, this, &ShotFinderPanel::RefreshAimMap);

    m_poll.setInterval(kPollMs);
    connect(&m_poll, &QTimer::timeout, this, &ShotFinderPanel::Poll);
    m_tableWatch.setInterval(kTableWatchMs);
    connect(&m_tableWatch, &QTimer::timeout, this, &ShotFinderPanel::CheckTable);
    m_tableWatch.start();

    // Escape anywhere in the program stops a running search.
    qApp->installEventFilter(this);
}

ShotFinderPanel::~ShotFinderPanel()
{
    qApp->removeEventFilter(this);
    m_search.reset();  // cancels and waits for the workers
}

bool ShotFinderPanel::AimMapShown() const { return isVisible() && m_aimMapChoice->isChecked(); }

void ShotFinderPanel::RefreshAimMap()
{
    if (AimMapShown())
        m_aimMap->Request(*m_view->GetDocument(), m_view->Model()->Current().ToShotSetup(),
                          static_cast<Game>(m_game->currentData().toInt()));
    else
        m_aimMap->Clear();
}

void ShotFinderPanel::hideEvent(QHideEvent* event)
{
    // Hidden or closed, not merely minimised with the window: nothing to search for.
    if (!event->spontaneous())
    {
        StopSearch();
        m_aimMap->Clear();
    }
    QDockWidget::hideEvent(event);
}

void ShotFinderPanel::showEvent(QShowEvent* event)
{
    QDockWidget::showEvent(event);
    if (!event->spontaneous())
        RefreshAimMap();
}

void ShotFinderPanel::StartSearch()
{
    if (m_search)
        return;
    SearchRequest request;
    request.setup = m_view->Model()->Current().ToShotSetup();
    request.game = static_cast<Game>(m_game->currentData().toInt());
    request.kind = static_cast<SearchKind>(m_kind->currentData().toInt());
    m_searchedLength = m_view->GetDocument()->m_geometry.length;

    m_list->clear();
    m_list->setEnabled(true);
    m_solutions.clear();
    m_bHasList = false;
    m_bOutOfDate = false;
    m_progress->setValue(0);
    m_status->setText(tr("Recherche en cours..."));
    m_start->setEnabled(false);
    m_stop->setEnabled(true);
    m_search = std::make_unique<BackgroundSearch>(*m_view->GetDocument(), request);
    m_poll.start();
}

void ShotFinderPanel::StopSearch()
{
    if (m_search)
        m_search->Cancel();
}

bool ShotFinderPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (m_search && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
        StopSearch();
    return QDockWidget::eventFilter(watched, event);
}

void ShotFinderPanel::Poll()
{
    if (!m_search)
        return;
    m_progress->setValue(static_cast<int>(m_search->Fraction() * kProgressSteps));
    if (!m_search->Done())
        return;
    m_poll.stop();
    m_listed = m_search->Request();
    const SearchResult result = m_search->Result();
    m_search.reset();
    m_start->setEnabled(true);
    m_stop->setEnabled(false);
    ShowResult(result);
    if (m_listed.game != static_cast<Game>(m_game->currentData().toInt()) ||
        m_listed.kind != static_cast<SearchKind>(m_kind->currentData().toInt()))
        MarkOutOfDate(tr("Liste périmée : le jeu ou la recherche a changé pendant la recherche. Chercher à nouveau."));
}

void ShotFinderPanel::ShowResult(const SearchResult& result)
{
    if (result.cancelled)
    {
        m_progress->setValue(0);
        m_status->setText(tr("Recherche arrêtée."));
        return;
    }
    m_solutions = result.solutions;
    m_bHasList = true;
    m_list->setSortingEnabled(false);  // rows stay where they are put while the list fills
    for (std::size_t k = 0; k < m_solutions.size(); ++k)
    {
        const Solution& s = m_solutions[k];
        const QString cushions = QString::number(s.outcome.cushionsBeforeSecond) +
                                 (s.outcome.cushionPath.empty()
                                      ? QString()
                                      : QStringLiteral(" (%1)").arg(QString::fromStdString(CushionLetters(s.outcome.cushionPath))));
        const double height = PlayerStrikeHeight(s.setup);
        auto* item = new SolutionItem(
            {QString::number(k + 1), QString::number(s.windowDegrees, 'f', 3), QString::number(s.aimDegrees, 'f', 2),
             BallName(s.outcome.firstBall), cushions, QString::number(s.setup.force, 'f', 2),
             QString::number(height, 'f', 2), QString::number(s.setup.strikeSide, 'f', 2),
             QString::number(s.setup.raiseAngle, 'f', 1)});
        const double values[] = {static_cast<double>(k + 1), s.windowDegrees, s.aimDegrees, 0,
                                 static_cast<double>(s.outcome.cushionsBeforeSecond), s.setup.force, height,
                                 s.setup.strikeSide, s.setup.raiseAngle};
        for (int column = 0; column < 9; ++column)
        {
            if (column != 3)
            {
                item->setData(column, kSortRole, values[column]);
                item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
            }
        }
        item->setData(0, kSolutionRole, static_cast<int>(k));
        m_list->addTopLevelItem(item);
    }
    m_list->setSortingEnabled(true);
    m_status->setText(m_solutions.empty()
                          ? tr("Aucune solution (%1 coups calculés en %2 s).")
                                .arg(result.evaluated)
                                .arg(result.seconds, 0, 'f', 1)
                          : tr("%1 solution(s) ; %2 coups calculés en %3 s.")
                                .arg(m_solutions.size())
                                .arg(result.evaluated)
                                .arg(result.seconds, 0, 'f', 1));
}

void ShotFinderPanel::ShowSolution(int index)
{
    if (m_bOutOfDate || index < 0 || index >= static_cast<int>(m_solutions.size()))
        return;
    ApplySetup(m_solutions[index].setup);
}

void ShotFinderPanel::AimAlong(double degrees)
{
    ApplySetup(AimedSetup(m_view->Model()->Current().ToShotSetup(), degrees));
}

void ShotFinderPanel::ApplySetup(const ShotSetup& setup)
{
    m_view->ApplyShotSetup(setup);
    m_view->setFocus();  // Return plays the shot
}

void ShotFinderPanel::CheckTable()
{
    if (SameTable(m_view->Model()->Current().ToShotSetup(), m_listed.setup) &&
        m_view->GetDocument()->m_geometry.length == m_searchedLength)
        return;
    MarkOutOfDate(tr("Liste périmée : les billes ou la bille de tir ont changé. Chercher à nouveau."));
}

void ShotFinderPanel::MarkOutOfDate(const QString& why)
{
    if (!m_bHasList || m_bOutOfDate)
        return;
    m_bOutOfDate = true;
    m_list->setEnabled(false);
    m_status->setText(why);
}

void ShotFinderPanel::ExportSheet()
{
    if (m_bOutOfDate || m_solutions.empty())
    {
        m_status->setText(tr("Pas de coups à exporter : lancer d'abord une recherche."));
        return;
    }
    QFileDialog dialog(this, tr("Exporter la feuille"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(tr("Document PDF (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().first();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool written = WriteSolutionSheet(path.toStdString(), *m_view->GetDocument(), m_view->Model()->Current().tableFormat, m_listed.setup,
                                            m_listed.game, m_solutions, QFileInfo(path).completeBaseName().toStdString());
    QApplication::restoreOverrideCursor();
    m_status->setText((written ? tr("Feuille exportée : %1") : tr("Impossible d'enregistrer la feuille %1"))
                          .arg(QFileInfo(path).fileName()));
}
