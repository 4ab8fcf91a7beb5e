#include "chart/control/plotdata.h"
#include <algorithm>

namespace vexachart {

void PlotPoints::clear()
{
    m_x.clear();
    m_y.clear();
    m_pending.clear();
}

void PlotPoints::insert(double x, double y)
{
    if (m_pending.empty() && (m_x.empty() || x > m_x.back())) {
        m_x.push_back(x);
        m_y.push_back(y);
        return;
    }
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
    std::vector<double> nx, ny;
    nx.reserve(m_x.size() + pending.size() - from);
    ny.reserve(nx.capacity());
    size_t i = 0;
    size_t j = from;
    while (i < m_x.size() || j < pending.size()) {
        if (j >= pending.size() || (i < m_x.size() && m_x[i] <= pending[j].first)) {
            nx.push_back(m_x[i]);
            ny.push_back(m_y[i]);
            ++i;
        } else {
            nx.push_back(pending[j].first);
            ny.push_back(pending[j].second);
            ++j;
        }
    }
    m_x.swap(nx);
    m_y.swap(ny);
}

void PlotPoints::assignInOrder(std::vector<double> xs, std::vector<double> ys)
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
    const std::vector<double>& X = xs();
    // Number of points at or left of each border: the last such point starts the first segment.
    const int atLeft = static_cast<int>(std::upper_bound(X.begin(), X.end(), left) - X.begin());
    const int atRight = static_cast<int>(std::upper_bound(X.begin(), X.end(), right) - X.begin());
    const int first = std::clamp(atLeft, 1, n - 1);
    const int last = std::clamp(atRight, 1, n - 1);
    return PlotRange{first, std::max(first, last)};
}

} // namespace vexachart
