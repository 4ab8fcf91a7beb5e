#pragma once
// Points of one plot, kept sorted by x in stored units. Appending in ascending x is amortised
// constant time; points that arrive out of order wait in arrival order and are merged in one pass
// when the plot is next read, with the same result as inserting them one by one: a point whose x
// is already present goes after the last point with that x, except that a point equal to the only
// stored point goes in front of it.
#include "chart/control/vexachart_export.h"
#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

namespace vexachart {

// Memory for the point arrays. Blocks from 1 MiB on are mapped on their own, aligned to 2 MiB and
// offered huge pages: filling a fresh block then costs one page fault per 2 MiB, not one per 4 KiB,
// which is most of the time of appending a large plot. Smaller blocks come from the heap.
VEXACHART_EXPORT void* allocatePointBlock(std::size_t bytes);
VEXACHART_EXPORT void freePointBlock(void* block, std::size_t bytes) noexcept;

template <class T>
struct PointAllocator {
    using value_type = T;
    PointAllocator() = default;
    template <class U>
    PointAllocator(const PointAllocator<U>&) noexcept
    {
    }
    T* allocate(std::size_t n) { return static_cast<T*>(allocatePointBlock(n * sizeof(T))); }
    void deallocate(T* p, std::size_t n) noexcept { freePointBlock(p, n * sizeof(T)); }
    friend bool operator==(const PointAllocator&, const PointAllocator&) { return true; }
};

using PointArray = std::vector<double, PointAllocator<double>>;

struct PlotRange {
    int first; // 1-based index of the first segment (point first to first + 1)
    int last;  // 1-based index of the last segment
};

class VEXACHART_EXPORT PlotPoints {
public:
    int count() const { return static_cast<int>(m_x.size() + m_pending.size()); }
    bool empty() const { return count() == 0; }
    // 1-based access, as the points are numbered 1..n.
    double x(int i) const { return xs()[static_cast<size_t>(i - 1)]; }
    double y(int i) const { return ys()[static_cast<size_t>(i - 1)]; }
    const PointArray& xs() const
    {
        normalize();
        return m_x;
    }
    const PointArray& ys() const
    {
        normalize();
        return m_y;
    }
    PointArray& xs()
    {
        normalize();
        return m_x;
    }
    PointArray& ys()
    {
        normalize();
        return m_y;
    }

    void clear();
    // The values must be finite (the caller checks).
    void insert(double x, double y)
    {
        // The usual case inline: beyond every stored point, nothing waiting, room left.
        if (m_pending.empty() && !m_x.empty() && x > m_x.back() && m_x.size() < m_x.capacity()) {
            m_x.push_back(x);
            m_y.push_back(y);
            return;
        }
        insertElsewhere(x, y);
    }
    // Replaces the points by the given ones in insertion order, with the same result as
    // inserting them one by one, in O(n log n).
    void assignInOrder(PointArray xs, PointArray ys);

    // Segments that can reach the open x interval (left, right); empty for fewer than two points.
    std::optional<PlotRange> findPlotRange(double left, double right) const;

private:
    void insertElsewhere(double x, double y);
    void normalize() const;
    mutable PointArray m_x;
    mutable PointArray m_y;
    mutable std::vector<std::pair<double, double>> m_pending; // arrival order
    double m_pendingMax = 0.0; // largest x waiting
};

} // namespace vexachart
