#include "slideshow/CoveringPlan.h"

#include <algorithm>

namespace {

bool AlreadyCovered(const ScreenArea& area, const CoveringPlan& plan) {
    if (plan.primary.Contains(area)) return true;
    return std::any_of(plan.companions.begin(), plan.companions.end(),
                       [&](const ScreenArea& covered) { return covered.Contains(area); });
}

}  // namespace

CoveringPlan PlanCovering(const std::vector<Monitor>& monitors) {
    CoveringPlan plan;
    auto primary = std::find_if(monitors.begin(), monitors.end(), [](const Monitor& monitor) {
        return monitor.primary && !monitor.area.Empty();
    });
    if (primary == monitors.end()) {
        primary = std::find_if(monitors.begin(), monitors.end(),
                               [](const Monitor& monitor) { return !monitor.area.Empty(); });
    }
    if (primary == monitors.end()) return plan;
    plan.primary = primary->area;
    for (auto monitor = monitors.begin(); monitor != monitors.end(); ++monitor) {
        if (monitor == primary || monitor->area.Empty() || AlreadyCovered(monitor->area, plan)) continue;
        plan.companions.push_back(monitor->area);
    }
    return plan;
}

CompanionChanges FollowLayout(const std::vector<ScreenArea>& current, const std::vector<ScreenArea>& wanted) {
    std::vector<bool> staying(current.size(), false);
    std::vector<ScreenArea> uncovered;
    for (const ScreenArea& area : wanted) {
        bool found = false;
        for (std::size_t i = 0; i < current.size() && !found; ++i) {
            if (!staying[i] && current[i] == area) staying[i] = found = true;
        }
        if (!found) uncovered.push_back(area);
    }
    CompanionChanges changes;
    auto next = uncovered.begin();
    for (std::size_t i = 0; i < current.size(); ++i) {
        if (staying[i]) continue;
        if (next != uncovered.end()) {
            changes.moves.push_back({i, *next++});
        } else {
            changes.removals.push_back(i);
        }
    }
    changes.additions.assign(next, uncovered.end());
    return changes;
}
