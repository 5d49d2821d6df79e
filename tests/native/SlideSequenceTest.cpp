#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "slideshow/SlideSequence.h"

namespace {

struct FitCase {
    std::int32_t photoWidth, photoHeight, windowWidth, windowHeight;
    PhotoFit expected;
};

TEST(FitPhoto, FillsTheHeightOnlyWhenTheScaledPhotoIsNarrower) {
    const FitCase cases[] = {
        {800, 600, 1024, 768, PhotoFit::Width},    // s = 1024, not less than the window
        {1024, 768, 1024, 768, PhotoFit::Width},   // exactly the window's proportions
        {600, 800, 1024, 768, PhotoFit::Height},   // s = 576
        {1024, 249, 1920, 1080, PhotoFit::Width},  // flattest panorama
        {455, 768, 1920, 1080, PhotoFit::Height},  // narrowest portrait
        {531, 400, 797, 600, PhotoFit::Height},    // 796.5 rounds to even 796 < 797
        {531, 400, 796, 600, PhotoFit::Width},     // 796 is not less than 796
        {533, 400, 799, 600, PhotoFit::Width},     // 799.5 rounds to even 800
        {1024, 768, 152, 112, PhotoFit::Height},   // s = 149.33 in a small preview
        {1024, 449, 152, 112, PhotoFit::Width},
    };
    for (const auto& row : cases) {
        EXPECT_EQ(FitPhoto(row.photoWidth, row.photoHeight, row.windowWidth, row.windowHeight), row.expected)
            << row.photoWidth << "x" << row.photoHeight << " in " << row.windowWidth << "x"
            << row.windowHeight;
    }
}

// Runs ticks until count advances have happened; returns the tick number
// (1-based) of each advance and the photograph it showed.
struct Advance {
    int tick;
    std::string photo;
};

// The slideshow's state as it starts: countdown 20, index past the end.
struct SlideClock {
    std::int32_t countdown = kFirstCountdown;
    std::int32_t photoIndex = kPhotoCount;
};

std::vector<Advance> RunAdvances(int count, SlideClock& clock, std::vector<std::string>& order,
                                 RandomGenerator& random, int& reseeds) {
    std::vector<Advance> advances;
    const auto reseed = [&] { random.Seed(static_cast<std::uint32_t>(++reseeds)); };
    for (int tick = 1; static_cast<int>(advances.size()) < count; ++tick) {
        if (TickClock(clock.countdown, clock.photoIndex, order, random, reseed)) {
            advances.push_back({tick, order[static_cast<std::size_t>(clock.photoIndex)]});
        }
    }
    return advances;
}

TEST(SlideClock, FirstPhotoOnThe21stTickThenEvery61To90) {
    SlideClock clock;
    auto order = AscendingPlayOrder();
    RandomGenerator random(7);
    int reseeds = 0;
    const auto advances = RunAdvances(200, clock, order, random, reseeds);
    EXPECT_EQ(advances.front().tick, 21);
    std::set<int> gaps;
    for (std::size_t i = 1; i < advances.size(); ++i) {
        const int gap = advances[i].tick - advances[i - 1].tick;
        EXPECT_GE(gap, 61);
        EXPECT_LE(gap, 90);
        gaps.insert(gap);
    }
    EXPECT_GT(gaps.size(), 15u) << "the gaps should spread over the range";
    EXPECT_EQ(*gaps.begin(), 61);
    EXPECT_EQ(*gaps.rbegin(), 90);
}

// The timer runs from the window's creation; its activation makes the play
// order. Ticks before that (an error box held open at creation) advance
// nothing, and the first tick once the order exists shows a photograph.
TEST(SlideClock, NothingAdvancesBeforeThePlayOrderExists) {
    SlideClock clock;
    std::vector<std::string> order;
    RandomGenerator random(7);
    int reseeds = 0;
    const auto reseed = [&] { ++reseeds; };
    for (int tick = 1; tick <= 60; ++tick) {
        ASSERT_FALSE(TickClock(clock.countdown, clock.photoIndex, order, random, reseed)) << "tick " << tick;
    }
    EXPECT_EQ(clock.countdown, 0);
    EXPECT_EQ(clock.photoIndex, kPhotoCount);
    EXPECT_EQ(reseeds, 0);

    order = AscendingPlayOrder();
    EXPECT_TRUE(TickClock(clock.countdown, clock.photoIndex, order, random, reseed));
    EXPECT_EQ(clock.photoIndex, 0);
}

TEST(SlideClock, EachPassShowsEveryPhotoOnceAndReshufflesFromWhereItStands) {
    SlideClock clock;
    auto order = AscendingPlayOrder();
    RandomGenerator random(1);
    int reseeds = 0;

    const auto firstPass = RunAdvances(kPhotoCount, clock, order, random, reseeds);
    EXPECT_EQ(reseeds, 1) << "one shuffle before the very first photograph";
    EXPECT_NE(order, AscendingPlayOrder()) << "the first photograph comes from a shuffled order";
    std::set<std::string> shown;
    for (const auto& advance : firstPass) shown.insert(advance.photo);
    EXPECT_EQ(shown.size(), static_cast<std::size_t>(kPhotoCount));

    // The next shuffle starts from the order of the first pass, not from ascending.
    auto expectedNext = order;
    RandomGenerator replay;
    replay.Seed(2);
    TransposeRandomly(expectedNext, replay);

    const auto secondPass = RunAdvances(kPhotoCount, clock, order, random, reseeds);
    EXPECT_EQ(reseeds, 2);
    EXPECT_EQ(order, expectedNext);
    EXPECT_EQ(clock.photoIndex, kPhotoCount - 1);
    shown.clear();
    for (const auto& advance : secondPass) shown.insert(advance.photo);
    EXPECT_EQ(shown.size(), static_cast<std::size_t>(kPhotoCount));
}

TEST(ShownAndNext, KnowsOnlyWhatThePlayOrderHasDecided) {
    const auto order = AscendingPlayOrder();
    EXPECT_EQ(ShownAndNext(order, kPhotoCount), std::vector<std::int32_t>{}) << "before the first advance";
    EXPECT_EQ(ShownAndNext(order, 7), (std::vector<std::int32_t>{7, 8}));
    EXPECT_EQ(ShownAndNext(order, kPhotoCount - 1), std::vector<std::int32_t>{kPhotoCount - 1})
        << "the next pass is not shuffled yet";
}

// The slideshow and three companions on the same ticks, for about an hour:
// after every tick the four monitors show four different photographs.
TEST(CompanionClock, NoTwoMonitorsEverShowTheSamePhotograph) {
    SlideClock slideshow;
    auto order = AscendingPlayOrder();
    RandomGenerator random(11);
    int reseeds = 0;
    const auto reseed = [&] { random.Seed(static_cast<std::uint32_t>(++reseeds)); };
    std::vector<CompanionClock> companions(3);
    std::vector<int> lastAdvance(companions.size(), 0);
    int forcedEarly = 0;
    for (int tick = 1; tick <= 36000; ++tick) {
        TickClock(slideshow.countdown, slideshow.photoIndex, order, random, reseed);
        for (std::size_t c = 0; c < companions.size(); ++c) {
            std::vector<std::int32_t> inUse = ShownAndNext(order, slideshow.photoIndex);
            for (std::size_t other = 0; other < companions.size(); ++other) {
                if (other != c && companions[other].shown) inUse.push_back(*companions[other].shown);
            }
            const bool due = companions[c].countdown == 0;
            if (TickCompanionClock(companions[c], inUse, random, reseed)) {
                if (lastAdvance[c] == 0) {
                    EXPECT_EQ(tick, 21) << "companion " << c << "'s first photograph";
                } else if (due) {
                    EXPECT_GE(tick - lastAdvance[c], 61);
                    EXPECT_LE(tick - lastAdvance[c], 90);
                } else {
                    ++forcedEarly;
                }
                lastAdvance[c] = tick;
            }
        }
        std::set<std::int32_t> shown;
        if (slideshow.photoIndex < kPhotoCount) shown.insert(std::stoi(order[slideshow.photoIndex]));
        for (const auto& companion : companions) {
            if (companion.shown) {
                ASSERT_TRUE(shown.insert(*companion.shown).second) << "tick " << tick;
            }
        }
    }
    // Moving on early is the exception, when the slideshow comes to a companion's photograph.
    EXPECT_GT(forcedEarly, 0);
    EXPECT_LT(forcedEarly, 100);
}

TEST(CompanionClock, KeepsItsPhotographWhenEveryOtherIsInUse) {
    RandomGenerator random(5);
    const auto reseed = [] {};
    CompanionClock clock;
    clock.countdown = 0;
    std::vector<std::int32_t> inUse;
    for (std::int32_t number = 0; number < kPhotoCount; ++number) {
        if (number != 17) inUse.push_back(number);
    }
    EXPECT_EQ(TickCompanionClock(clock, inUse, random, reseed), std::optional<std::int32_t>(17))
        << "the one photograph left is found, wherever it stands";
    inUse.push_back(17);
    clock.countdown = 0;
    EXPECT_EQ(TickCompanionClock(clock, inUse, random, reseed), std::nullopt);
    EXPECT_EQ(clock.shown, std::optional<std::int32_t>(17));
    // From the middle of a pass: the rest of it, then the whole next one.
    inUse.pop_back();
    for (std::uint32_t seed = 1; seed <= 8; ++seed) {
        random.Seed(seed);
        CompanionClock middle;
        middle.photoIndex = 25;
        middle.countdown = 0;
        EXPECT_EQ(TickCompanionClock(middle, inUse, random, reseed), std::optional<std::int32_t>(17)) << seed;
    }
}

TEST(TransposeRandomly, KeepsTheEntriesAndHandlesTinyLists) {
    RandomGenerator random(3);
    std::vector<std::string> empty;
    TransposeRandomly(empty, random);
    EXPECT_TRUE(empty.empty());
    std::vector<std::string> one{"7"};
    TransposeRandomly(one, random);
    EXPECT_EQ(one, std::vector<std::string>{"7"});
    auto order = AscendingPlayOrder();
    TransposeRandomly(order, random);
    auto sorted = order;
    std::sort(sorted.begin(), sorted.end());
    auto ascending = AscendingPlayOrder();
    std::sort(ascending.begin(), ascending.end());
    EXPECT_EQ(sorted, ascending);
    // One transposition of two draws per entry.
    RandomGenerator counted(9);
    RandomGenerator same(9);
    std::vector<std::string> five(order.begin(), order.begin() + 5);
    TransposeRandomly(five, counted);
    for (int draw = 0; draw < 10; ++draw) same.Draw(5);
    EXPECT_EQ(counted.Draw(1000), same.Draw(1000));
}

}  // namespace
