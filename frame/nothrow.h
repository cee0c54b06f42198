// The exports are C functions: no C++ exception (an allocation failure in a
// string or vector) may unwind through them into a caller that cannot
// catch it.
#pragma once

namespace rz {

// Runs `body` and gives its result, or `failure` when it throws.
template <class Result, class Body>
Result NoThrow(Result failure, Body body) noexcept {
    try {
        return body();
    } catch (...) {
        return failure;
    }
}

}  // namespace rz
