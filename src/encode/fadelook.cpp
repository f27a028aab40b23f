// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fadelook.h"

#include <algorithm>

namespace tessa {

double fadeOutLoss(std::span<const std::uint8_t> screen, const PaletteColors &palette, Tick start,
                   std::span<const DarkeningPicture> pictures, ScreenSimilarity &similarity)
{
    if (pictures.empty())
        return 0;
    std::vector<std::uint32_t> shown(kFrameSize);
    double sum = 0;
    for (const DarkeningPicture &picture : pictures) {
        // Step k of the fade (1 to kFadeSteps) shows from tick start + k - 1, at level 30 - k.
        const Tick step = std::max<Tick>(1, picture.tick - start + 1);
        const int level = int(std::max<Tick>(0, kFullFadeLevel - step));
        const PaletteColors faded = fadedPalette(palette, level);
        for (std::size_t at = 0; at < shown.size(); ++at)
            shown[at] = faded[screen[at]];
        sum += picture.ownLikeness - similarity.between(shown, picture.rgb);
    }
    return sum / double(pictures.size());
}

} // namespace tessa
