// Which window covers which monitor in the full-screen saver: the slideshow
// window the primary monitor, one companion window each further monitor; and
// how the companions follow when the monitors change while the saver runs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// A rectangle of the virtual screen in physical pixels; right and bottom are
// exclusive. Monitors left of or above the primary have negative coordinates.
struct ScreenArea {
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;

    std::int32_t Width() const { return right - left; }
    std::int32_t Height() const { return bottom - top; }
    bool Empty() const { return right <= left || bottom <= top; }
    bool Contains(const ScreenArea& other) const {
        return other.left >= left && other.top >= top && other.right <= right && other.bottom <= bottom;
    }
    bool operator==(const ScreenArea&) const = default;
};

struct Monitor {
    ScreenArea area;
    bool primary = false;
};

struct CoveringPlan {
    ScreenArea primary;  // empty when the system reports no monitor
    std::vector<ScreenArea> companions;
};

// The primary monitor is the one the system marks so (the first monitor when
// none is marked). Every other monitor gets a companion, in the order given,
// except an empty one and one that lies wholly inside a monitor already
// covered (a mirrored or duplicated report would otherwise put two windows on
// one screen).
CoveringPlan PlanCovering(const std::vector<Monitor>& monitors);

// How the companions covering `current` come to cover `wanted`: a companion
// whose area is still wanted stays as it is (its photograph goes on), the
// others move to the areas left over, and companions or areas still left are
// removed or added.
struct CompanionMove {
    std::size_t companion;  // index into `current`
    ScreenArea to;
};
struct CompanionChanges {
    std::vector<CompanionMove> moves;
    std::vector<std::size_t> removals;  // indices into `current`, ascending
    std::vector<ScreenArea> additions;
};
CompanionChanges FollowLayout(const std::vector<ScreenArea>& current, const std::vector<ScreenArea>& wanted);
