#include "slideshow/SlideSequence.h"

#include <algorithm>
#include <cmath>
#include <utility>

std::vector<std::string> AscendingPlayOrder() {
    std::vector<std::string> order;
    for (std::int32_t number = 0; number < kPhotoCount; ++number) order.push_back(std::to_string(number));
    return order;
}

void TransposeRandomly(std::vector<std::string>& order, RandomGenerator& random) {
    const auto n = static_cast<std::int32_t>(order.size());
    for (std::int32_t i = 0; i < n; ++i) {
        const std::int32_t a = random.Draw(n);
        const std::int32_t b = random.Draw(n);
        std::swap(order[static_cast<std::size_t>(a)], order[static_cast<std::size_t>(b)]);
    }
}

void ShuffleOrder(std::vector<std::string>& order, RandomGenerator& random,
                  const std::function<void()>& reseed) {
    reseed();
    TransposeRandomly(order, random);
}

namespace {

// The next position in the play order; past the end the order is shuffled and starts again.
void AdvancePhotoIndex(std::int32_t& photoIndex, std::vector<std::string>& order, RandomGenerator& random,
                       const std::function<void()>& reseed) {
    ++photoIndex;
    if (photoIndex >= static_cast<std::int32_t>(order.size())) {
        photoIndex = 0;
        ShuffleOrder(order, random, reseed);
    }
}

}  // namespace

bool TickClock(std::int32_t& countdown, std::int32_t& photoIndex, std::vector<std::string>& order,
               RandomGenerator& random, const std::function<void()>& reseed) {
    if (countdown >= 1) {
        --countdown;
        return false;
    }
    // Ticks come from the window's creation on, the play order only with its
    // activation: until then there is nothing to advance to.
    if (order.empty()) return false;
    AdvancePhotoIndex(photoIndex, order, random, reseed);
    countdown = random.Draw(kCountdownSpread) + kShortestCountdown;
    return true;
}

std::vector<std::int32_t> ShownAndNext(const std::vector<std::string>& order, std::int32_t photoIndex) {
    std::vector<std::int32_t> numbers;
    const auto size = static_cast<std::int32_t>(order.size());
    for (std::int32_t index = photoIndex; index <= photoIndex + 1; ++index) {
        if (index >= 0 && index < size) numbers.push_back(std::stoi(order[static_cast<std::size_t>(index)]));
    }
    return numbers;
}

std::optional<std::int32_t> TickCompanionClock(CompanionClock& clock, const std::vector<std::int32_t>& inUse,
                                               RandomGenerator& random, const std::function<void()>& reseed) {
    const auto used = [&](std::int32_t number) {
        return std::find(inUse.begin(), inUse.end(), number) != inUse.end();
    };
    if (clock.shown && used(*clock.shown)) clock.countdown = 0;
    if (!TickClock(clock.countdown, clock.photoIndex, clock.order, random, reseed)) return std::nullopt;
    // Within one pass and the whole pass after it every number comes up.
    const std::size_t tries = 2 * clock.order.size();
    for (std::size_t i = 0; i < tries; ++i) {
        const std::int32_t number = std::stoi(clock.order[static_cast<std::size_t>(clock.photoIndex)]);
        if (!used(number)) return clock.shown = number;
        AdvancePhotoIndex(clock.photoIndex, clock.order, random, reseed);
    }
    return std::nullopt;
}

PhotoFit FitPhoto(std::int32_t photoWidth, std::int32_t photoHeight, std::int32_t windowWidth,
                  std::int32_t windowHeight) {
    // Division first, then the product, as the fit has always been computed;
    // nearbyint rounds ties to even in the default rounding mode.
    const double scaledWidth = std::nearbyint(static_cast<double>(windowHeight) / photoHeight * photoWidth);
    return scaledWidth < windowWidth ? PhotoFit::Height : PhotoFit::Width;
}
