// SPDX-License-Identifier: GPL-3.0-or-later
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

#include "sim/ShotPhysics.h"

namespace
{
// A value is a percentage; the holder starts outside the accepted range so
// that a file without numbers changes nothing.
constexpr float kNoValue = 123.45f;

bool IsAccepted(float h) { return -100 < h && h < 100; }

// 1 + h/100, in the program's form.
double Factor(float h) { return 1 - h * (-0.01); }

// Text of the file created when it is missing: neutral values and their meaning.
const char* const kTemplate[] = {
    "0.0\n0.0\n0.0\n0.0\n0.0\n0.0\n0.0\n0.0\n0.0",
    "\n   (chaque reglage : de -99.999 -> +99.999)\n",
    "\n   Signification des parametres : \n",
    "\nCoeff Frottement Max",
    "\nCoeff Effet Bandes",
    "\nCoeff Engrenage Bille/Bille",
    "\nExtension future ",
    "\n... Extensions futures ...\n",
};

// Bounds of a tuning file, far above a real one (a few short lines).
constexpr std::size_t kMaxTuningBytes = std::size_t{1} << 20;
constexpr std::size_t kMaxTuningWord = 4096;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

bool HasOverlongWord(const std::string& text)
{
    std::size_t run = 0;
    for (const char c : text)
    {
        run = IsBlank(c) ? 0 : run + 1;
        if (run > kMaxTuningWord)
            return true;
    }
    return false;
}

// The whole text of the file at path when it is a regular file within the
// bounds: Applied then, else what is wrong. missing tells a file not there.
TuningFileResult ReadTuningText(const char* path, std::string& text, bool& missing)
{
    const int fd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    missing = fd < 0 && errno == ENOENT;
    if (fd < 0)
        return TuningFileResult::CannotOpen;
    TuningFileResult result = TuningFileResult::Applied;
    struct stat info;
    if (fstat(fd, &info) != 0)
        result = TuningFileResult::CannotOpen;
    else if (S_ISDIR(info.st_mode))
        result = TuningFileResult::IsFolder;
    else if (!S_ISREG(info.st_mode))
        result = TuningFileResult::NotRegularFile;
    else if (static_cast<std::size_t>(info.st_size) > kMaxTuningBytes)
        result = TuningFileResult::TooLarge;
    char buffer[4096];
    while (result == TuningFileResult::Applied)
    {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
        {
            result = n == 0 ? result : TuningFileResult::CannotOpen;
            break;
        }
        text.append(buffer, static_cast<std::size_t>(n));
        if (text.size() > kMaxTuningBytes)
            result = TuningFileResult::TooLarge;  // it grew while read
    }
    close(fd);
    if (result == TuningFileResult::Applied && HasOverlongWord(text))
        result = TuningFileResult::WordTooLong;
    return result;
}

TuningFileResult CreateTuningFile(const char* path)
{
    std::FILE* file = std::fopen(path, "w");
    if (file == nullptr)
        return TuningFileResult::CannotCreate;
    for (const char* text : kTemplate)
        std::fputs(text, file);
    return std::fclose(file) == 0 ? TuningFileResult::Created : TuningFileResult::CannotCreate;
}
}

void CShotPhysics::RecomputeSideSpinDecay()
{
    m_dSideSpinDecay = m_dClothFriction * 0.0032509 / m_dRadiusSq;
}

TuningFileResult CShotPhysics::LoadTuning(const char* path)
{
    std::string text;
    bool missing = false;
    const TuningFileResult found = ReadTuningText(path, text, missing);
    if (missing)
        return CreateTuningFile(path);
    if (found != TuningFileResult::Applied || text.empty())
        return found;

    // The text is read as the file would be, with the C library's "%f".
    std::FILE* file = fmemopen(text.data(), text.size(), "r");
    if (file == nullptr)
        return TuningFileResult::CannotOpen;

    // A read that finds no number leaves the holder as it was.
    float h = kNoValue;

    (void)std::fscanf(file, "%f", &h);  // cloth friction
    if (IsAccepted(h))
    {
        m_dClothFriction *= Factor(h);
        RecomputeSideSpinDecay();
    }

    (void)std::fscanf(file, "%f", &h);  // side-spin decay
    if (IsAccepted(h))
        m_dSideSpinDecay *= Factor(h);

    (void)std::fscanf(file, "%f", &h);  // ball-to-ball gearing
    if (IsAccepted(h))
        m_dBallGearing *= Factor(h);

    (void)std::fscanf(file, "%f", &h);  // reserved
    std::fclose(file);
    return TuningFileResult::Applied;
}
