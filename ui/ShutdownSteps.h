// The steps of a shutdown, run one after the other: each runs whatever an
// earlier one raised, and the first exception, of whatever type, is raised
// again once they have all run. Also for any work whose steps must all be
// tried (a window's activation, views that follow the display).
#pragma once

#include <exception>

class ShutdownSteps {
public:
    template <typename Step>
    void Run(Step&& step) noexcept {
        try {
            step();
        } catch (...) {
            if (!firstFailure_) firstFailure_ = std::current_exception();
        }
    }

    void RaiseFirstFailure() const {
        if (firstFailure_) std::rethrow_exception(firstFailure_);
    }

private:
    std::exception_ptr firstFailure_;
};
