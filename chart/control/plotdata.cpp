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
    // A point beyond every stored and waiting one goes to the end in any case. While points wait,
    // this holds only from two stored points on: the merge treats the first arrival after a single
    // stored point by the rule for the only point.
    const bool beyond = m_x.empty() ? m_pending.empty()
                                    : x > m_x.back() && (m_pending.empty() || (m_x.size() >= 2 && x > m_pendingMax));
    if (beyond) {
        // Large steps of capacity: fresh memory is only paid for when first written, while every
        // step copies what is stored and touches the new block. The first step is small, as a
        // chart may hold thousands of plots of a hundred points each (the test curves).
        if (m_x.size() == m_x.capacity()) {
            const size_t capacity = std::max<size_t>(128, m_x.capacity() * 8);
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
