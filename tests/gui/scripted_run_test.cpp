// SPDX-License-Identifier: GPL-3.0-or-later
// A long scripted session through the view's own entry points: ball drags,
// aim drags, clicks on the strike, raise and force widgets, keys, list
// steps, table formats, modes, opened files and played shots. After each
// event the picture and the quick-saved position file are hashed; the hashes
// must stay those recorded in tests/gui/golden/scripted_run.txt
// (MIROBELT_WRITE_GOLDEN=1 records them anew).

#include <QCryptographicHash>
#include <QTextStream>

#include "GuiTestSupport.h"
#include "positions/PositionFile.h"

namespace
{

class ScriptedRun : public ViewTest<600, 400>
{
protected:
    // A small generator of its own, the same on every platform.
    std::uint32_t Next(std::uint32_t range)
    {
        m_seed = m_seed * 1664525u + 1013904223u;
        return (m_seed >> 8) % range;
    }

    // The set-up as the quick save writes it.
    PositionValues Saved()
    {
        v.OnFileSave();
        PositionValues values;
        ReadPositionFile("current.bi1", values);
        return values;
    }

    QPoint BallPixel(int ball)
    {
        const PositionValues s = Saved();
        const double x[3] = {s.whiteX, s.redX, s.spottedX};
        const double y[3] = {s.whiteY, s.redY, s.spottedY};
        return {v.MapX(x[ball]), v.MapY(y[ball])};
    }

    QPoint TablePoint() { return {30 + int(Next(440)), 30 + int(Next(220))}; }

    void Drag(Qt::MouseButton button, QPoint from, int moves)
    {
        Mouse(v, QEvent::MouseButtonPress, from, button, button);
        QPoint at = from;
        for (int i = 0; i < moves; ++i)
        {
            at = i + 1 == moves ? TablePoint() : at + QPoint(int(Next(41)) - 20, int(Next(41)) - 20);
            Mouse(v, QEvent::MouseMove, at, Qt::NoButton, button);
        }
        Mouse(v, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
    }

    void TableFormatBackTo(int format)
    {
        for (int i = 0; i < 4 && int(Saved().tableFormat) != format; ++i)
            v.OnTableFormat();
    }

    // A soft shot of the white ball read from a file, then played to its end.
    void PlayShortShot(double strikeSide)
    {
        TableFormatBackTo(2);
        PositionValues shot = kStartPosition;
        std::tie(shot.whiteX, shot.whiteY, shot.redX, shot.redY, shot.spottedX, shot.spottedY) =
            std::tuple(0.1, 0.3, 1.2, 0.9, 2.0, 1.0);
        std::tie(shot.aimOriginX, shot.aimOriginY, shot.aimTargetX, shot.aimTargetY) = std::tuple(0.1, 0.3, 0.6, 0.3);
        std::tie(shot.force, shot.strikeHeight, shot.strikeSide) = std::tuple(0.02, 0.5, strikeSide);
        ASSERT_TRUE(WritePositionFile("shot.bi1", kSaveAsHeader, shot));
        v.OpenPositionFile(QStringLiteral("shot.bi1"));
        Key(v, Qt::Key_Return);
        QElapsedTimer waited;
        waited.start();
        while (v.IsAnimating() && waited.elapsed() < 20000)
            PumpPendingMessages();
        h.Draw();  // the frames depend on the clock; the table after them does not
    }

    // One scripted event; returns its name.
    QString Step()
    {
        switch (Next(14))
        {
        case 0:
        case 1:
            Drag(Qt::RightButton, BallPixel(int(Next(3))), 1 + int(Next(4)));
            return "ball drag";
        case 2:
        case 3:
            Drag(Qt::LeftButton, BallPixel(int(Next(3))) + QPoint(int(Next(7)) - 3, int(Next(7)) - 3), 1 + int(Next(5)));
            return "aim drag";
        case 4:
        {
            // The strike ball, the raise ring around it and the force bar.
            const QPoint at[] = {{8 + int(Next(25)), 363 + int(Next(25))}, {-2 + int(Next(46)), 353 + int(Next(45))},
                                 {50 + int(Next(560)), 358 + int(Next(15))}};
            const QPoint point = at[Next(3)];
            Mouse(v, QEvent::MouseButtonPress, point, Qt::LeftButton, Qt::LeftButton);
            if (Next(2) == 0)
                Mouse(v, QEvent::MouseMove, point + QPoint(int(Next(9)) - 4, int(Next(9)) - 4), Qt::NoButton, Qt::LeftButton);
            Mouse(v, QEvent::MouseButtonRelease, point, Qt::LeftButton, Qt::NoButton);
            return "widget click";
        }
        case 5:
        case 6:
        {
            const std::pair<int, Qt::KeyboardModifiers> keys[] = {
                {Qt::Key_8, Qt::KeypadModifier}, {Qt::Key_2, Qt::KeypadModifier}, {Qt::Key_4, Qt::KeypadModifier},
                {Qt::Key_6, Qt::KeypadModifier}, {Qt::Key_N, Qt::NoModifier},     {Qt::Key_F5, Qt::NoModifier},
                {Qt::Key_F6, Qt::NoModifier},    {Qt::Key_F7, Qt::NoModifier},     {Qt::Key_F8, Qt::NoModifier},
                {Qt::Key_Space, Qt::NoModifier}};
            const auto& [key, modifiers] = keys[Next(10)];
            Key(v, key, modifiers, Next(4) == 0);
            return QStringLiteral("key %1").arg(key);
        }
        case 7:
            Mouse(v, QEvent::MouseButtonDblClick, TablePoint(), Qt::LeftButton, Qt::LeftButton);
            Mouse(v, QEvent::MouseButtonRelease, TablePoint(), Qt::LeftButton, Qt::NoButton);
            return "double click";
        case 8:
        case 9:
        {
            const int which = int(Next(4));
            if (which == 0)
                v.OnPositionPrev();
            else if (which == 1)
                v.OnPositionNext();
            else if (which == 2)
                v.OnPositionDelete();
            else
                v.OnShotFinalPosition();  // the list receives the set-up, the balls go to the shot's end
            return QStringLiteral("list %1").arg(which);
        }
        case 10:
            v.OnTableFormat();
            return "table format";
        case 11:
            Next(2) == 0 ? v.OnModeArtistic() : v.OnModeNormal();
            return "mode";
        case 12:
            if (Next(6) == 0)
            {
                PlayShortShot(Next(2) == 0 ? 0.0 : 0.3);
                return "played shot";
            }
            Key(v, Qt::Key_Escape);
            return "escape";
        default:
            v.OnDraw(nullptr);
            return "whole draw";
        }
    }

    std::uint32_t m_seed = 19;
};

QString Hash(const QByteArray& bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex().left(12));
}

}  // namespace

TEST_F(ScriptedRun, PicturesAndSavedFilesStayAsRecorded)
{
    h.Draw();
    PlayShortShot(0.0);
    QStringList lines;
    for (int i = 0; i < 320; ++i)
    {
        const QString name = Step();
        const QImage& picture = v.Picture();
        const QByteArray pixels(reinterpret_cast<const char*>(picture.constBits()), picture.sizeInBytes());
        v.OnFileSave();
        lines << QStringLiteral("%1 %2 %3 %4").arg(i).arg(Hash(pixels), Hash(ReadFile("current.bi1")), name);
    }

    const QString golden = QStringLiteral(MIROBELT_SOURCE_DIR "/tests/gui/golden/scripted_run.txt");
    if (qEnvironmentVariableIntValue("MIROBELT_WRITE_GOLDEN") == 1)
    {
        QFile file(golden);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(lines.join('\n').toUtf8() + '\n');
        return;
    }
    const QStringList expected = QString::fromUtf8(ReadFile(golden)).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(expected.size(), lines.size());
    for (int i = 0; i < lines.size(); ++i)
        ASSERT_EQ(expected[i].toStdString(), lines[i].toStdString()) << "the first step that differs";
}
