// SPDX-FileCopyrightText: 2026 Tessarine Animation Studio developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "stablemapper.h"

#include "document/animitem.h"
#include "justvisible.h"
#include "luma.h"

#include <algorithm>
#include <cmath>

namespace tessa {

namespace {

// At quality 0 a picture may lose this much of its fresh mapping's look (mean SSIM of the blurred
// luma), and a pixel may lag behind a plain change this long; both fall with the quality lost,
// the allowance with its square, to nothing at 100, where every change is stored.
constexpr double kLossAtLowest = 0.04;
constexpr double kLongestStale = 3.0;
// The share of the allowance that a pixel held as steady may lose alone, as an offset of a flat
// area's luma would: e^2 / (2 m^2 + C1) (ScreenError), which gives the luma it may be off.
constexpr double kSteadyShare = 0.2;
// A change of the picture this many just-visible steps from what a pixel's index was chosen for
// is plain: the pixel may not lag behind it for long.
constexpr float kPlainSteps = 3;
// A pixel whose share of the loss (ScreenError::gainOfFresh) is more than this times the quality
// lost is stored whatever it costs: at 0, a pixel as wrong as a whole pixel's SSIM, which only
// an error that stands out from its neighbours reaches (a moving edge left behind).
constexpr double kPlainLoss = 1.0;
// The changes are chosen again once those chosen are on the screen, this many times at most:
// each pixel's worth is judged as though its neighbours stayed, and in a moving area they do not.
constexpr int kPasses = 3;
// The costs of a byte tried: steps of a factor of 4 from the last one taken, within a million to
// one below the largest gain, then the factor halved (in its logarithm) this many times.
constexpr double kCostStep = 4;
constexpr int kCostHalvings = 4;
constexpr double kCostRange = 1e6;

constexpr std::size_t kSize = std::size_t(kFrameSize);

} // namespace

StableMapper::StableMapper(const PaletteColors &palette, int quality)
    : m_dither(palette)
    , m_lossAllowed(lossAllowed(quality))
    , m_steadyLoss(kSteadyShare * m_lossAllowed)
    , m_staleSeconds(kLongestStale * (100 - std::clamp(quality, 0, 100)) / 100.0)
    , m_plainGain(float(kPlainLoss * (100 - std::clamp(quality, 0, 100)) / 100.0))
    , m_error(palette)
{
}

double StableMapper::lossAllowed(int quality)
{
    const double lost = (100 - std::clamp(quality, 0, 100)) / 100.0;
    return kLossAtLowest * lost * lost;
}

void StableMapper::mapAfresh(std::span<const std::uint32_t> rgb, std::vector<std::uint8_t> &indices)
{
    indices.resize(kSize);
    for (int y = 0; y < kFrameHeight; ++y)
        for (int x = 0; x < kFrameWidth; ++x)
            indices[std::size_t(y * kFrameWidth + x)] =
                    m_dither.index(rgb[std::size_t(y * kFrameWidth + x)], x, y);
}

void StableMapper::anchor(std::size_t at, float luma)
{
    std::copy_n(&m_lab[at * 3], 3, &m_anchors[at * 4]);
    m_anchors[at * 4 + 3] = luma;
}

int StableMapper::map(std::span<const std::uint32_t> rgb, double seconds)
{
    const bool first = m_shown.empty();
    const auto elapsed = float(first ? 0.0 : std::max(0.0, seconds - m_lastSeconds));
    m_lastSeconds = seconds;
    mapAfresh(rgb, m_fresh);
    labOf(rgb, m_lab);
    if (first) {
        m_shown = m_fresh;
        m_staleFor.assign(kSize, 0.0f);
        m_anchors.resize(kSize * 4);
        for (std::size_t at = 0; at < kSize; ++at)
            anchor(at, lumaOf(rgb[at]));
        return kFrameSize;
    }

    sortChanges(rgb, elapsed);
    const double freshLoss = m_error.setPicture(rgb, m_fresh);
    m_next = m_shown;
    bringWithin((freshLoss + m_lossAllowed) * double(kSize));

    int changed = 0;
    for (std::size_t at = 0; at < kSize; ++at) {
        if (m_next[at] == m_shown[at])
            continue;
        anchor(at, lumaOf(rgb[at]));
        m_staleFor[at] = 0;
        ++changed;
    }
    m_shown.swap(m_next);
    return changed;
}

void StableMapper::sortChanges(std::span<const std::uint32_t> rgb, float elapsed)
{
    m_changes.resize(kSize);
    m_held.assign(kSize, 0);
    for (std::size_t at = 0; at < kSize; ++at) {
        const float luma = lumaOf(rgb[at]);
        if (m_fresh[at] == m_shown[at]) {
            m_changes[at] = PixelChange::Impossible;
            m_staleFor[at] = 0;
            anchor(at, luma);
            continue;
        }
        const float *lab = &m_lab[at * 3];
        const float *anchored = &m_anchors[at * 4];
        const auto lumaSlack = float(std::sqrt(m_steadyLoss * (2 * luma * luma + kSsimC1)));
        if (looksSame(lab, anchored) && std::fabs(luma - anchored[3]) <= lumaSlack) {
            m_changes[at] = PixelChange::Impossible;
            m_held[at] = 1;
            m_staleFor[at] = 0;
            continue;
        }
        const float dl = lab[0] - anchored[0], da = lab[1] - anchored[1], db = lab[2] - anchored[2];
        constexpr float kPlain = kPlainSteps * kJustVisible;
        if (dl * dl + da * da + db * db >= kPlain * kPlain)
            m_staleFor[at] += elapsed;
        m_changes[at] =
                m_staleFor[at] >= m_staleSeconds ? PixelChange::Required : PixelChange::Optional;
    }
}

void StableMapper::bringWithin(double target)
{
    m_gains.resize(kSize);
    double promised = 0, before = 0;
    for (int pass = 0;; ++pass) {
        const double loss = m_error.measure(m_next) * double(kSize);
        if (pass == 1 && promised > 0 && before > loss)
            m_promise = std::clamp(0.5 * m_promise + 0.5 * promised / (before - loss), 1.0, 4.0);
        if (pass > 0 && loss <= target)
            return;
        if (pass == kPasses + 1) {
            // Some of a change that the whole picture makes (a fade) can look worse than none of
            // it: all of it, then.
            m_next = m_fresh;
            return;
        }
        if (pass == kPasses) {
            // The pixels held from flickering are what is missing.
            for (std::size_t at = 0; at < kSize; ++at)
                if (m_held[at])
                    m_changes[at] = PixelChange::Optional;
        }
        for (std::size_t at = 0; at < kSize; ++at) {
            if (m_changes[at] != PixelChange::Optional) {
                m_gains[at] = 0;
                continue;
            }
            m_gains[at] = m_error.gainOfFresh(at, m_next[at]);
            // However well the rest of the picture looks, a pixel plainly wrong is not left so.
            if (m_gains[at] > m_plainGain)
                m_changes[at] = PixelChange::Required;
        }
        promised = planFor((loss - target) * (pass == 0 ? m_promise : 1.0));
        before = loss;
        for (std::size_t at = 0; at < kSize; ++at) {
            if (m_store[at] && m_next[at] != m_fresh[at]) {
                m_next[at] = m_fresh[at];
                m_changes[at] = PixelChange::Required; // kept by the passes after
            }
        }
    }
}

double StableMapper::planFor(double wanted)
{
    m_planner.prepare(m_gains, m_changes);
    const float most = *std::max_element(m_gains.begin(), m_gains.end());
    if (wanted <= 0 || most <= 0) {
        // Nothing is worth a byte: only what must be stored, and what joins it more cheaply than
        // a new run would.
        m_planner.plan(std::max(1.0f, most) * kCostRange, m_store);
        return 0;
    }
    const double cheapest = most / kCostRange;
    if (m_planner.gainAt(cheapest) < wanted) {
        // Not even every change worth anything is enough: all of those.
        m_planner.plan(0, m_store);
        return m_planner.gainAt(0);
    }
    // The gain bought falls as a byte costs more: the highest cost that still buys `wanted`,
    // searched for from the last one, by factors of kCostStep and then by halving the factor.
    double cost = std::clamp(m_costPerByte, cheapest, double(most));
    double cheap = 0, dear = 0;
    if (m_planner.gainAt(cost) >= wanted) {
        for (cheap = cost; dear == 0;) {
            cost *= kCostStep;
            if (cost > most || m_planner.gainAt(cost) < wanted)
                dear = cost;
            else
                cheap = cost;
        }
    } else {
        for (dear = cost; cheap == 0;) {
            cost /= kCostStep;
            if (cost < cheapest || m_planner.gainAt(cost) >= wanted)
                cheap = cost;
            else
                dear = cost;
        }
    }
    for (int halving = 0; halving < kCostHalvings; ++halving) {
        cost = std::sqrt(cheap * dear);
        (m_planner.gainAt(cost) >= wanted ? cheap : dear) = cost;
    }
    m_costPerByte = cheap;
    m_planner.plan(cheap, m_store);
    double gained = 0;
    for (std::size_t at = 0; at < kSize; ++at)
        gained += m_store[at] ? m_gains[at] : 0.0f;
    return gained;
}

} // namespace tessa
