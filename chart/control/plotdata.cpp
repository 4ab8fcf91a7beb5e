#include "chart/control/plotdata.h"
#include <algorithm>
#include <cstdint>
#include <new>
#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace vexachart {

namespace {
constexpr std::size_t HugePage = std::size_t(2) << 20;
constexpr std::size_t MappedFrom = std::size_t(1) << 20;

std::size_t roundUp(std::size_t bytes, std::size_t unit) { return (bytes + unit - 1) / unit * unit; }
} // namespace

void* allocatePointBlock(std::size_t bytes)
{
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    if (bytes >= MappedFrom) {
        // Mapped one huge page larger, then trimmed to a huge-page boundary at both ends.
        const std::size_t size = roundUp(bytes, HugePage);
        void* raw = mmap(nullptr, size + HugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (raw == MAP_FAILED)
            throw std::bad_alloc();
        const auto start = reinterpret_cast<std::uintptr_t>(raw);
        const std::uintptr_t aligned = roundUp(start, HugePage);
        if (aligned > start)
            munmap(raw, aligned - start);
        if (const std::size_t tail = start + size + HugePage - (aligned + size); tail > 0)
            munmap(reinterpret_cast<void*>(aligned + size), tail);
        void* block = reinterpret_cast<void*>(aligned);
        madvise(block, size, MADV_HUGEPAGE); // only a hint: without huge pages the block still works
        return block;
    }
#endif
    return ::operator new(bytes);
}

void freePointBlock(void* block, std::size_t bytes) noexcept
{
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    if (bytes >= MappedFrom) {
        munmap(block, roundUp(bytes, HugePage));
        return;
    }
#endif
    ::operator delete(block);
}

void PlotPoints::clear()
{
    m_x.clear();
    m_y.clear();
    m_pending.clear();
}

void PlotPoints::insertElsewhere(double x, double y)
{
    // A point beyond every stored and waiting one goes to the end in any case. While points wait,
    // this holds only from two stored points on: the merge treats the first arrival after a single
    // stored point by the rule for the only point.
    const bool beyond = m_x.empty() ? m_pending.empty()
                                    : x > m_x.back() && (m_pending.empty() || (m_x.size() >= 2 && x > m_pendingMax));
    if (beyond) {
        // Large steps of capacity: fresh memory is only paid for when first written, while every
        // step copies what is stored and touches the new block.
        if (m_x.size() == m_x.capacity()) {
            const size_t capacity = std::max<size_t>(1024, m_x.capacity() * 8);
            m_x.reserve(capacity);
            m_y.reserve(capacity);
        }
        m_x.push_back(x);
        m_y.push_back(y);
        return;
    }
    m_pendingMax = m_pending.empty() ? x : std::max(m_pendingMax, x);
    m_pending.emplace_back(x, y);
}

void PlotPoints::normalize() const
{
    if (m_pending.empty())
        return;
    std::vector<std::pair<double, double>> pending;
    pending.swap(m_pending);
    size_t from = 0;
    // While at most one point is stored, the next one equal to it goes in front of it.
    if (m_x.empty()) {
        m_x.push_back(pending[0].first);
        m_y.push_back(pending[0].second);
        from = 1;
    }
    if (m_x.size() == 1 && from < pending.size()) {
        const auto& p = pending[from];
        if (p.first <= m_x[0]) {
            m_x.insert(m_x.begin(), p.first);
            m_y.insert(m_y.begin(), p.second);
        } else {
            m_x.push_back(p.first);
            m_y.push_back(p.second);
        }
        ++from;
    }
    // Later points go after every stored point with an x at or below theirs: a stable sort of the
    // arrivals merged behind equal stored points.
    const auto byX = [](const auto& a, const auto& b) { return a.first < b.first; };
    const auto later = pending.begin() + static_cast<std::ptrdiff_t>(from);
    if (!std::is_sorted(later, pending.end(), byX)) // arrivals in x order need no sorting
        std::stable_sort(later, pending.end(), byX);
    // Merged in place from the back: a waiting point goes after the stored ones with the same x.
    const size_t stored = m_x.size();
    const size_t waiting = pending.size() - from;
    m_x.resize(stored + waiting);
    m_y.resize(stored + waiting);
    size_t i = stored;
    size_t j = pending.size();
    for (size_t w = stored + waiting; w-- > 0;) {
        if (j > from && (i == 0 || pending[j - 1].first >= m_x[i - 1])) {
            --j;
            m_x[w] = pending[j].first;
            m_y[w] = pending[j].second;
        } else {
            --i;
            m_x[w] = m_x[i];
            m_y[w] = m_y[i];
        }
    }
}

void PlotPoints::assignInOrder(PointArray xs, PointArray ys)
{
    clear();
    // Strictly ascending x (the usual case) is already the stored order.
    if (std::adjacent_find(xs.begin(), xs.end(), [](double a, double b) { return !(a < b); }) == xs.end()) {
        m_x = std::move(xs);
        m_y = std::move(ys);
        return;
    }
    m_x.reserve(xs.size());
    m_y.reserve(ys.size());
    for (size_t k = 0; k < xs.size(); ++k)
        insert(xs[k], ys[k]);
    normalize();
}

std::optional<PlotRange> PlotPoints::findPlotRange(double left, double right) const
{
    const int n = count();
    if (n < 2)
        return std::nullopt;
    if (n == 2)
        return PlotRange{1, 1};
    const PointArray& X = xs();
    // Number of points at or left of each border: the last such point starts the first segment.
    const int atLeft = static_cast<int>(std::upper_bound(X.begin(), X.end(), left) - X.begin());
    const int atRight = static_cast<int>(std::upper_bound(X.begin(), X.end(), right) - X.begin());
    const int first = std::clamp(atLeft, 1, n - 1);
    const int last = std::clamp(atRight, 1, n - 1);
    return PlotRange{first, std::max(first, last)};
}

} // namespace vexachart
