#include "TestFiles.h"
#include "positions/TrajectoryExport.h"

namespace
{

const std::string kHeader =
    "\n--- Format du Fichier :\n--- Pour chaque bille (Blanche, Rouge Pointee):\n--- nbcouples { xi yi }";

std::unique_ptr<TrajectoryBuffer[]> EmptyBuffers() { return std::make_unique<TrajectoryBuffer[]>(3); }

// Three samples for white and spotted, two for red: (ball, stamp, x, y).
std::unique_ptr<TrajectoryBuffer[]> FilledBuffers()
{
    auto traj = EmptyBuffers();
    const struct { int ball; std::uint32_t stamp; double x, y; } samples[] = {
        {0, 0, 0.1, 1.5}, {0, 1, 0.2, 1.25}, {0, 2, 0.4, 1.125}, {1, 0, 0.5, 0.5},
        {1, 1, 1.0 / 3.0, 2e-7}, {2, 0, 1.0, 0.25}, {2, 2, 2.0, 0.75}, {2, 2, 2.5, 1.0}};
    for (const auto& s : samples)
    {
        TrajectoryBuffer& b = traj[s.ball];
        b.x[b.m_nCount] = s.x;
        b.y[b.m_nCount] = s.y;
        b.sampleNo[b.m_nCount++] = s.stamp;
    }
    return traj;
}

}  // namespace

// Each ball gives its count, then its positions at times 1 to n: the time of the first sample is
// not written, times between two samples are interpolated, times past the last give the last.
// (Full precision: see the tool's tests.)
TEST(TrajectoryExport, EachBallGivesItsCountThenItsPositions)
{
    EXPECT_EQ(FormatTrajectoryExport(EmptyBuffers().get()), kHeader + "\n0\n0\n0\n");
    TempFolder folder;
    const std::string path = folder / kTrajectoryExportFileName;
    auto traj = FilledBuffers();
    WriteText(path, std::string(10000, 'o'));  // a longer file: replaced as a whole
    ASSERT_TRUE(WriteTrajectoryExport(path, traj.get()));
    EXPECT_EQ(ReadText(path), kHeader + "\n3\n0.2\n1.25\n0.4\n1.125\n0.4\n1.125\n2\n0.333333\n2e-07\n0.333333\n2e-07" +
                                  "\n3\n1.5\n0.5\n2\n0.75\n2.5\n1\n");
    EXPECT_EQ(folder.Listing(), "trajectoires.txt;");
    EXPECT_FALSE(WriteTrajectoryExport(folder / "trajectoires.txt/x", traj.get()));
}
