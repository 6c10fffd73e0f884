// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>

#include "finder/ShotSearch.h"

// The search of the program before the honest windows, for comparison.
SearchResult FindShotsBefore(const CMirobeltDoc& prototype, const SearchRequest& request,
                             const std::atomic<bool>& cancel);
