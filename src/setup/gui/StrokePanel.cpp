// SPDX-License-Identifier: GPL-3.0-or-later
#include "setup/gui/StrokePanel.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QLocale>
#include <QVariant>

#include "setup/StrokeNumbers.h"
#include "setup/gui/SetUpModel.h"

namespace
{
// Both the point and the comma are read as the decimal separator.
std::optional<double> ParseNumber(QString text)
{
    text = text.trimmed().replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

QString FormatNumber(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}
}  // namespace

StrokePanel::StrokePanel(SetUpModel* model, QWidget* parent)
    : QDockWidget(tr("Réglages du coup"), parent), m_model(model)
{
    setObjectName(QStringLiteral("strokePanel"));
    m_form = new QWidget(this);
    auto* layout = new QFormLayout(m_form);

    m_cueBall = new QComboBox(m_form);
    m_cueBall->addItems({tr("Blanche"), tr("Rouge"), tr("Pointée")});
    layout->addRow(tr("Bille de choc"), m_cueBall);
    connect(m_cueBall, &QComboBox::activated, this, &StrokePanel::OnCueBallChosen);

    AddField(QStringLiteral("angle"), tr("Angle de visée (°)"), 2, tr("la saisie de l'angle de visée"),
             stroke::AimAngle, stroke::WithAimAngle);
    AddField(QStringLiteral("height"), tr("Hauteur d'attaque (−1 à 1)"), 3, tr("la saisie de la hauteur d'attaque"),
             stroke::StrikeHeight, stroke::WithStrikeHeight);
    AddField(QStringLiteral("side"), tr("Effet latéral (−1 à 1)"), 3, tr("la saisie de l'effet latéral"),
             [](const TableSetUp& s) { return s.strikeSide; }, stroke::WithStrikeSide);
    AddField(QStringLiteral("force"), tr("Force (0 à 1)"), 3, tr("la saisie de la force"),
             [](const TableSetUp& s) { return s.force; }, stroke::WithForce);
    AddField(QStringLiteral("raise"), tr("Élévation (0 à 89°)"), 1, tr("la saisie de l'élévation"),
             [](const TableSetUp& s) { return s.raiseAngle; }, stroke::WithRaise);

    const QString ballNames[3] = {tr("blanche"), tr("rouge"), tr("pointée")};
    const char* keys[3] = {"white", "red", "spotted"};
    for (int b = 0; b < 3; ++b)
    {
        const BallId id = static_cast<BallId>(b);
        const QString step = tr("la saisie de la place de la bille %1").arg(ballNames[b]);
        AddField(QString::fromLatin1(keys[b]) + "X", tr("Bille %1, x (m)").arg(ballNames[b]), 4, step,
                 [id](const TableSetUp& s) { return s.Ball(id).x; },
                 [id](const TableSetUp& s, double x) { return stroke::WithBallPlace(s, id, {x, s.Ball(id).y}); });
        AddField(QString::fromLatin1(keys[b]) + "Y", tr("Bille %1, y (m)").arg(ballNames[b]), 4, step,
                 [id](const TableSetUp& s) { return s.Ball(id).y; },
                 [id](const TableSetUp& s, double y) { return stroke::WithBallPlace(s, id, {s.Ball(id).x, y}); });
    }

    setWidget(m_form);
    connect(m_model, &SetUpModel::setUpChanged, this, [this](const TableSetUp& setUp) { ShowSetUp(setUp); });
    ShowSetUp(m_model->Current());
}

void StrokePanel::AddField(const QString& name, const QString& label, int decimals, const QString& stepName,
                           std::function<double(const TableSetUp&)> read,
                           std::function<std::optional<TableSetUp>(const TableSetUp&, double)> write)
{
    auto* edit = new QLineEdit(m_form);
    edit->setObjectName(name);
    static_cast<QFormLayout*>(m_form->layout())->addRow(label, edit);
    m_fields.push_back({edit, std::move(read), std::move(write), decimals, stepName});
    const std::size_t index = m_fields.size() - 1;
    connect(edit, &QLineEdit::editingFinished, this, [this, index] { OnFieldEdited(m_fields[index]); });
}

QLineEdit* StrokePanel::Field(const QString& name) const
{
    return m_form->findChild<QLineEdit*>(name);
}

bool StrokePanel::IsMarked(const QLineEdit* field)
{
    return field->property("refused").toBool();
}

void StrokePanel::Mark(QLineEdit* field, bool refused)
{
    field->setProperty("refused", refused);
    field->setStyleSheet(refused ? QStringLiteral("QLineEdit { background: #f4c2c2; }") : QString());
    field->setToolTip(refused ? tr("Valeur hors limites : non appliquée") : QString());
}

void StrokePanel::ShowSetUp(const TableSetUp& setUp)
{
    m_showing = true;
    m_cueBall->setCurrentIndex(setUp.cueBall >= 1 && setUp.cueBall <= 3 ? setUp.cueBall - 1 : -1);
    for (NumberField& field : m_fields)
    {
        field.edit->setText(FormatNumber(field.read(setUp), field.decimals));
        Mark(field.edit, false);
    }
    m_showing = false;
}

void StrokePanel::OnFieldEdited(NumberField& field)
{
    if (m_showing)
        return;
    const TableSetUp& current = m_model->Current();
    // Leaving a field as it was shown changes nothing (the text is rounded).
    if (field.edit->text() == FormatNumber(field.read(current), field.decimals))
    {
        Mark(field.edit, false);
        return;
    }
    const std::optional<double> value = ParseNumber(field.edit->text());
    const std::optional<TableSetUp> changed = value ? field.write(current, *value) : std::nullopt;
    if (!changed || m_model->UndoBlocked())
    {
        Mark(field.edit, true);
        return;
    }
    Mark(field.edit, false);
    m_model->Change(*changed, field.stepName);
}

void StrokePanel::OnCueBallChosen(int index)
{
    if (m_showing || m_model->UndoBlocked())
        return;
    if (const std::optional<TableSetUp> changed = stroke::WithCueBall(m_model->Current(), index + 1))
        m_model->Change(*changed, tr("le choix de la bille de choc"));
}
