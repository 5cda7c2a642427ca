#pragma once

#include <functional>
#include <utility>

namespace tidewell {

// Asked by long work between folders and phases whether the caller has given up on it. An
// empty token never cancels. Copies ask the same question; callable from any thread.
class CancellationToken {
public:
    CancellationToken() = default;
    explicit CancellationToken(std::function<bool()> isCancelled)
        : m_isCancelled(std::move(isCancelled)) {}

    bool isCancelled() const { return m_isCancelled && m_isCancelled(); }

private:
    std::function<bool()> m_isCancelled;
};

} // namespace tidewell
