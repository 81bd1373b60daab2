#pragma once

#include <memory>

class QWindow;

// Tells whether other windows cover a native window completely. The X Window System reports it
// where no compositor redirects the windows; anywhere else the window never counts as covered.
// Uncovering a window exposes it, which the window hears about as usual.
class CoveredWindowWatch {
public:
    // Starts watching `window` (its native window is made if need be).
    explicit CoveredWindowWatch(QWindow* window);
    ~CoveredWindowWatch();
    CoveredWindowWatch(const CoveredWindowWatch&) = delete;
    CoveredWindowWatch& operator=(const CoveredWindowWatch&) = delete;

    bool covered() const;

private:
    class Filter;
    std::unique_ptr<Filter> m_filter;
};
