// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace tessa {

// What may become of a pixel of the next image.
enum class PixelChange : std::uint8_t {
    Impossible, // it would keep its index: it cannot be part of a run
    Optional,   // stored if what it gains is worth its cost
    Required,   // stored whatever it costs
};

// Which pixels of an image to store again. The image is stored as runs of pixels that differ from
// the one before, each run costing a header as well as its pixels (FrameChanges::streamSize), so
// a pixel next to others being stored costs a byte, and one on its own seven. The plan taken
// gains the most for its bytes: it stores a set of pixels whose total gain less `costPerByte`
// for every byte they take is the largest, with every Required pixel stored and no Impossible
// one, over the pixels in the order of their offsets. `gains` and `changes` are as long.
std::vector<bool> planChanges(std::span<const float> gains, std::span<const PixelChange> changes,
                              double costPerByte);

// planChanges at many costs of a byte over the same pixels, as when the cost that buys a wanted
// gain is searched for: the stretches of pixels that may be stored, between those that may not,
// are found once, and each is planned on its own.
class ChangePlanner
{
public:
    // Takes the pixels to plan for, which must stay as they are while the planner is asked about
    // them. `gains` and `changes` are as long.
    void prepare(std::span<const float> gains, std::span<const PixelChange> changes);

    // The sum of the gains of the pixels that planChanges stores at `costPerByte`.
    double gainAt(double costPerByte);
    // Those pixels: `store` gets 1 for each pixel stored and 0 for the others.
    void plan(double costPerByte, std::vector<std::uint8_t> &store);

private:
    struct Stretch
    {
        std::size_t first = 0;
        std::size_t count = 0;
    };

    // The cheapest plan of `stretch` on its own, into `store` when it is not null; its gain.
    double planStretch(const Stretch &stretch, double costPerByte, std::uint8_t *store);

    std::span<const float> m_gains;
    std::span<const PixelChange> m_changes;
    std::vector<Stretch> m_stretches;
    std::vector<std::uint8_t> m_steps; // the choices along a stretch, to go back along
};

} // namespace tessa
