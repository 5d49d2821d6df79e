#include "slideshow/SlideSequence.h"

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

bool TickClock(std::int32_t& countdown, std::int32_t& photoIndex, std::vector<std::string>& order,
               RandomGenerator& random, const std::function<void()>& reseed) {
    if (countdown >= 1) {
        --countdown;
        return false;
    }
    // Ticks come from the window's creation on, the play order only with its
    // activation: until then there is nothing to advance to.
    if (order.empty()) return false;
    ++photoIndex;
    if (photoIndex >= static_cast<std::int32_t>(order.size())) {
        photoIndex = 0;
        ShuffleOrder(order, random, reseed);
    }
    countdown = random.Draw(kCountdownSpread) + kShortestCountdown;
    return true;
}

PhotoFit FitPhoto(std::int32_t photoWidth, std::int32_t photoHeight, std::int32_t windowWidth,
                  std::int32_t windowHeight) {
    // Division first, then the product, as the fit has always been computed;
    // nearbyint rounds ties to even in the default rounding mode.
    const double scaledWidth = std::nearbyint(static_cast<double>(windowHeight) / photoHeight * photoWidth);
    return scaledWidth < windowWidth ? PhotoFit::Height : PhotoFit::Width;
}
