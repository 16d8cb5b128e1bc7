// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/Flight.h"
#include "support/FakeClock.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace kluvian {
namespace {

// A clock whose time of day moves on by one millisecond each time it is read, so every
// spawn draws from a seed of its own and the order of the spawns shows.
class SteppingClock final : public Clock {
public:
    mutable std::uint32_t timeOfDay = 0;
    std::uint32_t TickCount() const override { return 0; }
    std::uint32_t TimeOfDayMs() const override { return timeOfDay++; }
    double SteadyMilliseconds() const override { return 0; }
};

World MakeWorld(const Clock& clock) {
    World world(clock);
    for (int i = 0; i < kBirdsPerGroup; ++i)
        for (int g = 0; g < kGroups; ++g) {
            world.birds(g, i).Id = kFirstId[std::size_t(g)] + i;
            world.birds(g, i).Size = kBirdSize[std::size_t(g)];
        }
    world.state.FrameFactor = 1.0;
    return world;
}

// A bird in mid-world that no step will re-spawn by itself.
void Park(TChicken& bird, long double x, long double y) {
    bird.X = x;
    bird.Y = y;
    bird.DX = 0;
    bird.DY = 0;
    bird.Falling = 0;
}

void ParkAll(World& world) {
    for (int i = 0; i < kBirdsPerGroup; ++i)
        for (int g = 0; g < kGroups; ++g)
            Park(world.birds(g, i), 400, 300);
}

TEST(Spawn, PlacesTheBirdOnEverySideAndHalfWithTheDrawsInTheirOrder) {
    struct Case {
        std::uint32_t seed;
        long double X, Y, DX, DY;
    };
    // Worked out from the generator's formula for a medium bird (Size 35), BackScroll -100.
    const std::vector<Case> cases{
        {1245, -135, 232, 5, 1},   // low-X end, lower half
        {1182, -135, 403, 4, -1},  // low-X end, upper half
        {1035, 2300, 1, -4, 1},    // high-X end, lower half
        {1315, 2300, 510, -1, -1}, // high-X end, upper half
        {1070, 560, 600, 5, -2},   // top, first half
        {1007, 1242, 600, -4, -2}, // top, second half
        {1014, 633, -35, 3, 1},    // bottom, first half
        {1077, 2350, -35, -4, 2},  // bottom, second half
    };
    FakeClock clock;
    GameRandom random(clock);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.seed);
        clock.timeOfDay = c.seed;
        random.state = 777; // must be replaced by the reseed
        TChicken bird;
        bird.Id = 23;
        bird.Size = 35;
        bird.Frame = 4;
        bird.Falling = 17;
        bird.Spawn(random, -100);
        EXPECT_EQ(bird.X, c.X);
        EXPECT_EQ(bird.Y, c.Y);
        EXPECT_EQ(bird.DX, c.DX);
        EXPECT_EQ(bird.DY, c.DY);
        EXPECT_EQ(bird.Falling, 0);
        EXPECT_EQ(bird.Frame, 4);
        EXPECT_EQ(bird.Id, 23);
        EXPECT_EQ(bird.Size, 35);
    }

    // Upper half with a level flight: the speed is a plain zero, not a negative one.
    clock.timeOfDay = 1021;
    TChicken bird;
    bird.Size = 35;
    bird.Spawn(random, -100);
    EXPECT_EQ(bird.Y, 306);
    EXPECT_EQ(bird.DY, 0);
    EXPECT_FALSE(std::signbit(bird.DY));
}

TEST(Flight, HitBirdsFallAnimatedUntilTheirCountdownOrTheBottomSpawnsThem) {
    FakeClock clock;
    clock.timeOfDay = 1070; // a top entry: X 560, Y 600, DX 5, DY -2
    World world = MakeWorld(clock);
    ParkAll(world);
    TChicken& big = world.birds(Big, 2);
    TChicken& small = world.birds(Small, 4);
    Park(big, 900, 600);
    big.DX = 3;
    big.Falling = 50;
    big.Frame = 5;
    Park(small, 500, 300);
    small.Falling = 50;
    ProceedStep(world);
    EXPECT_EQ(big.Frame, 0);
    for (int k = 1; k < 41; ++k)
        ProceedStep(world);
    EXPECT_EQ(small.Y, -28); // below -Size after 41 steps, spawned at the next
    EXPECT_EQ(small.Falling, 9);
    ProceedStep(world);
    EXPECT_EQ(small.Falling, 0);
    EXPECT_EQ(small.Y, 600 - 2);

    for (int k = 42; k < 49; ++k)
        ProceedStep(world);
    EXPECT_EQ(big.Falling, 1);
    EXPECT_EQ(big.X, 900);
    EXPECT_EQ(big.Y, 600 - 49 * 8);
    ProceedStep(world);
    EXPECT_EQ(big.Falling, 0);
    EXPECT_EQ(big.X, 560 + 5); // spawned, then its first ordinary move
    EXPECT_EQ(big.Y, 600 - 2);

    big.Falling = 10; // the fall scales with the frame factor
    world.state.FrameFactor = 1.5;
    ProceedStep(world);
    EXPECT_EQ(big.Y, 598 - 12);
}

TEST(Flight, BirdsExactlyOnABoundStayAndBirdsBeyondAreSpawned) {
    FakeClock clock;
    clock.timeOfDay = 1014; // a bottom entry: X 633, Y -Size, DX 3, DY 1
    World world = MakeWorld(clock);
    ParkAll(world);
    // Medium birds, Size 35: one on each bound, one just beyond each.
    const long double back = -200;
    world.state.BackScroll = back;
    Park(world.birds(Medium, 0), back - 35, 300);
    Park(world.birds(Medium, 1), back + 2400 + 35, 300);
    Park(world.birds(Medium, 2), 400, 600 + 35);
    Park(world.birds(Medium, 3), 400, -35);
    Park(world.birds(Medium, 4), back - 35.5L, 300);
    Park(world.birds(Medium, 5), back + 2400 + 35.5L, 300);
    Park(world.birds(Medium, 6), 400, 635.5L);
    Park(world.birds(Medium, 7), 400, -35.5L);
    // Top entries that lie outside the world once it is panned to its end.
    Park(world.birds(Small, 1), 800 + 25 + 1, 600);
    Park(world.birds(Small, 2), 800 + 25, 600);
    ProceedStep(world);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(world.birds(Medium, i).DX, 0) << i;
    for (int i = 4; i < 8; ++i)
        EXPECT_EQ(world.birds(Medium, i).Y, -35 + 1) << i;

    world.state.BackScroll = -1600;
    ProceedStep(world);
    EXPECT_EQ(world.birds(Small, 1).Y, -25 + 1);
    EXPECT_EQ(world.birds(Small, 2).X, 825);
}

TEST(Flight, BirdsSpawnedInOneMillisecondComeOutIdentical) {
    FakeClock clock;
    clock.timeOfDay = 43'210'987;
    World world = MakeWorld(clock);
    ParkAll(world);
    world.birds(Small, 1).Falling = 1;
    world.birds(Small, 8).Falling = 1;
    Park(world.birds(Medium, 3), -5000, 300);
    Park(world.birds(Medium, 9), 400, 9000);
    ProceedStep(world);
    const TChicken& a = world.birds(Small, 1);
    const TChicken& b = world.birds(Small, 8);
    EXPECT_EQ(a.X, b.X);
    EXPECT_EQ(a.Y, b.Y);
    EXPECT_EQ(a.DX, b.DX);
    EXPECT_EQ(a.DY, b.DY);
    EXPECT_NE(a.DX, 0);
    const TChicken& c = world.birds(Medium, 3);
    const TChicken& d = world.birds(Medium, 9);
    EXPECT_EQ(c.X, d.X);
    EXPECT_EQ(c.Y, d.Y);
    EXPECT_EQ(c.DX, d.DX);
    EXPECT_EQ(c.DY, d.DY);
}

TEST(Flight, PhasesRunPerIndexWithSmallMediumBigInTurn) {
    SteppingClock clock;
    World world = MakeWorld(clock);
    ParkAll(world);
    // Due in this order: the big bird 0 after its fall, the small bird 0 out of bounds (a later
    // phase of the same index), then the medium bird 1 after its fall.
    world.birds(Big, 0).Falling = 1;
    Park(world.birds(Small, 0), 400, 9000);
    world.birds(Medium, 1).Falling = 1;
    ProceedStep(world);

    FakeClock reference;
    GameRandom random(reference);
    auto spawnedWithSeed = [&](std::uint32_t seed, std::int32_t size) {
        reference.timeOfDay = seed;
        TChicken bird;
        bird.Size = size;
        bird.Spawn(random, 0);
        bird.X += bird.DX;
        bird.Y += bird.DY;
        return bird;
    };
    const TChicken big = spawnedWithSeed(0, 45);
    const TChicken small = spawnedWithSeed(1, 25);
    const TChicken medium = spawnedWithSeed(2, 35);
    EXPECT_EQ(world.birds(Big, 0).X, big.X);
    EXPECT_EQ(world.birds(Big, 0).Y, big.Y);
    EXPECT_EQ(world.birds(Small, 0).X, small.X);
    EXPECT_EQ(world.birds(Small, 0).Y, small.Y);
    EXPECT_EQ(world.birds(Medium, 1).X, medium.X);
    EXPECT_EQ(world.birds(Medium, 1).Y, medium.Y);
    EXPECT_EQ(clock.timeOfDay, 3u);
}

} // namespace
} // namespace kluvian
