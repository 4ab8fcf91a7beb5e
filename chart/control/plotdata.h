#pragma once
// Points of one plot, kept sorted by x in stored units. Appending in ascending x is amortised
// constant time; points that arrive out of order wait in arrival order and are merged in one pass
// when the plot is next read, with the same result as inserting them one by one: a point whose x
// is already present goes after the last point with that x, except that a point equal to the only
// stored point goes in front of it.
#include "chart/control/vexachart_export.h"
#include <optional>
#include <utility>
#include <vector>

namespace vexachart {

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
    const std::vector<double>& xs() const
    {
        normalize();
        return m_x;
    }
    const std::vector<double>& ys() const
    {
        normalize();
        return m_y;
    }
    std::vector<double>& xs()
    {
        normalize();
        return m_x;
    }
    std::vector<double>& ys()
    {
        normalize();
        return m_y;
    }

    void clear();
    // The values must be finite (the caller checks).
    void insert(double x, double y);
    // Replaces the points by the given ones in insertion order, with the same result as
    // inserting them one by one, in O(n log n).
    void assignInOrder(std::vector<double> xs, std::vector<double> ys);

    // Segments that can reach the open x interval (left, right); empty for fewer than two points.
    std::optional<PlotRange> findPlotRange(double left, double right) const;

private:
    void normalize() const;
    mutable std::vector<double> m_x;
    mutable std::vector<double> m_y;
    mutable std::vector<std::pair<double, double>> m_pending; // arrival order
    double m_pendingMax = 0.0; // largest x waiting
};

} // namespace vexachart
