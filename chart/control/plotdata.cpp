#include "chart/control/plotdata.h"
#include <algorithm>

namespace vexachart {

void PlotPoints::clear()
{
    m_x.clear();
    m_y.clear();
}

void PlotPoints::insert(double x, double y)
{
    const size_t n = m_x.size();
    if (n == 0 || x > m_x.back()) {
        m_x.push_back(x);
        m_y.push_back(y);
        return;
    }
    size_t p = 0;
    if (x < m_x.front() || n == 1)
        p = 0;
    else
        p = static_cast<size_t>(std::upper_bound(m_x.begin(), m_x.end(), x) - m_x.begin());
    m_x.insert(m_x.begin() + static_cast<std::ptrdiff_t>(p), x);
    m_y.insert(m_y.begin() + static_cast<std::ptrdiff_t>(p), y);
}

void PlotPoints::assignInOrder(std::vector<std::pair<double, double>> points)
{
    clear();
    const size_t n = points.size();
    bool firstTwoEqual = n >= 2 && points[0].first == points[1].first;
    // Tag each point with its arrival so the first two can be found after sorting.
    std::vector<size_t> order(n);
    for (size_t k = 0; k < n; ++k)
        order[k] = k;
    const bool sorted = std::is_sorted(points.begin(), points.end(),
        [](const auto& a, const auto& b) { return a.first < b.first; });
    if (!sorted)
        std::stable_sort(order.begin(), order.end(),
            [&](size_t a, size_t b) { return points[a].first < points[b].first; });
    if (firstTwoEqual) {
        // The second point equal to the only stored one went in front of it.
        auto a = std::find(order.begin(), order.end(), size_t{0});
        auto b = std::find(a, order.end(), size_t{1});
        std::iter_swap(a, b);
    }
    m_x.reserve(n);
    m_y.reserve(n);
    for (size_t k : order) {
        m_x.push_back(points[k].first);
        m_y.push_back(points[k].second);
    }
}

std::optional<PlotRange> PlotPoints::findPlotRange(double left, double right) const
{
    const int n = count();
    if (n < 2)
        return std::nullopt;
    if (n == 2)
        return PlotRange{1, 1};
    // Number of points at or left of each border: the last such point starts the first segment.
    const int atLeft = static_cast<int>(std::upper_bound(m_x.begin(), m_x.end(), left) - m_x.begin());
    const int atRight = static_cast<int>(std::upper_bound(m_x.begin(), m_x.end(), right) - m_x.begin());
    const int first = std::clamp(atLeft, 1, n - 1);
    const int last = std::clamp(atRight, 1, n - 1);
    return PlotRange{first, std::max(first, last)};
}

} // namespace vexachart
