// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Flight.h"

#include "game/Random.h"

namespace kluvian {
namespace {

constexpr long double kFallPerStep = 8;

// Draws made as signed integers first: a negated zero must stay a plain zero.
std::int32_t Draw(GameRandom& random, std::uint32_t n) {
    return static_cast<std::int32_t>(random.RandomBelow(n));
}

bool OutOfWorld(const TChicken& bird, long double backScroll) {
    const long double size = bird.Size;
    return bird.X > backScroll + kPanoramaWidth + size || bird.X < backScroll - size ||
           bird.Y > kWorldHeight + size || bird.Y < -size;
}

template <typename Phase> void ForEachGroup(BirdTable& birds, int i, Phase phase) {
    for (int g = 0; g < kGroups; ++g)
        phase(birds(g, i));
}

} // namespace

void TChicken::Spawn(GameRandom& random, long double BackScroll) {
    Falling = 0;
    random.ReseedFromClock();
    const std::int32_t side = Draw(random, 4);
    if (side == 0 || side == 1) {
        if (side == 0) {
            X = BackScroll - Size;
            DX = Draw(random, 5) + 1;
        } else {
            X = BackScroll + kPanoramaWidth;
            DX = -(Draw(random, 5) + 1);
        }
        if (Draw(random, 2) == 0) {
            Y = Draw(random, kWorldHeight / 2);
            DY = Draw(random, 2);
        } else {
            Y = kWorldHeight / 2 + Draw(random, kWorldHeight / 2);
            DY = -Draw(random, 2);
        }
    } else {
        if (side == 2) {
            Y = kWorldHeight;
            DY = -(Draw(random, 2) + 1);
        } else {
            Y = -Size;
            DY = Draw(random, 2) + 1;
        }
        // The horizontal place of a top or bottom entry ignores the pan offset.
        if (Draw(random, 2) == 0) {
            X = Draw(random, kPanoramaHalf);
            DX = Draw(random, 5) + 1;
        } else {
            X = kPanoramaHalf + Draw(random, kPanoramaHalf);
            DX = -(Draw(random, 5) + 1);
        }
    }
}

std::int32_t NextFrame(std::int32_t f) {
    return f + 1 <= 5 ? f + 1 : 0;
}

void ProceedStep(World& world) {
    BirdTable& birds = world.birds;
    GameState& state = world.state;
    for (int i = 0; i < kBirdsPerGroup; ++i) {
        ForEachGroup(birds, i, [&](TChicken& b) {
            if (b.Falling == 1) {
                b.Spawn(world.random, state.BackScroll);
                b.Falling = 0;
            }
        });
        ForEachGroup(birds, i, [](TChicken& b) {
            if (b.Falling > 0)
                --b.Falling;
        });
        ForEachGroup(birds, i, [](TChicken& b) { b.Frame = NextFrame(b.Frame); });
        ForEachGroup(birds, i, [&](TChicken& b) {
            if (OutOfWorld(b, state.BackScroll))
                b.Spawn(world.random, state.BackScroll);
        });
        ForEachGroup(birds, i, [&](TChicken& b) {
            if (b.Falling == 0) {
                b.X += b.DX;
                b.Y += b.DY;
            } else {
                b.Y -= kFallPerStep * static_cast<long double>(state.FrameFactor);
            }
        });
    }
}

} // namespace kluvian
