#include "chart/control/variant.h"
#include "common/checked.h"
#include "common/error.h"
#include "common/format.h"
#include "common/numread.h"
#include <QLocale>
#include <cmath>

namespace vexachart {

Variant Variant::array1(const std::vector<double>& values, int lower)
{
    VariantArray a;
    a.dims.push_back({lower, lower + static_cast<int>(values.size()) - 1});
    a.numbers = values;
    return Variant(std::move(a));
}

Variant Variant::array2(int rows, int cols, const std::vector<double>& rowMajor, int lower0, int lower1)
{
    VariantArray a;
    a.dims.push_back({lower0, lower0 + rows - 1});
    a.dims.push_back({lower1, lower1 + cols - 1});
    a.numbers = rowMajor;
    return Variant(std::move(a));
}

bool Variant::isNumeric() const
{
    switch (m_type) {
    case Type::Boolean:
    case Type::Integer:
    case Type::Long:
    case Type::Single:
    case Type::Double:
    case Type::Empty:
        return true;
    case Type::String:
        return common::isNumeric(std::get<QString>(m_value), QLocale());
    default:
        return false;
    }
}

double Variant::toDouble() const
{
    switch (m_type) {
    case Type::Empty:
        return 0.0;
    case Type::Boolean:
        return std::get<bool>(m_value) ? -1.0 : 0.0;
    case Type::Integer:
    case Type::Long:
    case Type::Single:
    case Type::Double:
        return std::get<double>(m_value);
    case Type::String: {
        const QString& s = std::get<QString>(m_value);
        if (s.trimmed().compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
            return -1.0;
        if (s.trimmed().compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
            return 0.0;
        return common::readNumber(s, QLocale());
    }
    default:
        common::raise(common::errc::TypeMismatch);
    }
}

qint16 Variant::toInt16() const { return common::toInt16(toDouble()); }
qint32 Variant::toInt32() const { return common::toInt32(toDouble()); }

bool Variant::toBool() const
{
    if (m_type == Type::Boolean)
        return std::get<bool>(m_value);
    return toDouble() != 0.0;
}

QString Variant::toString() const { return toString(QLocale()); }

QString Variant::toString(const QLocale& locale) const
{
    switch (m_type) {
    case Type::Empty:
        return {};
    case Type::Boolean:
        return std::get<bool>(m_value) ? QStringLiteral("True") : QStringLiteral("False");
    case Type::Integer:
    case Type::Long:
        return QString::number(static_cast<qint64>(std::get<double>(m_value)));
    // Numbers as the classic conversion wrote them: no digit grouping, the locale's decimal
    // separator, 7 significant digits for a Single and 15 for a Double.
    case Type::Single: {
        const double d = std::get<double>(m_value);
        return common::formatGeneral(std::isfinite(d) ? QString::number(d, 'g', 7).toDouble() : d, locale);
    }
    case Type::Double:
        return common::formatGeneral(std::get<double>(m_value), locale);
    case Type::String:
        return std::get<QString>(m_value);
    default:
        common::raise(common::errc::TypeMismatch);
    }
}

QFont Variant::toFont() const
{
    if (m_type != Type::Font)
        common::raise(common::errc::TypeMismatch);
    return std::get<QFont>(m_value);
}

const VariantArray& Variant::array() const
{
    if (m_type != Type::Array)
        common::raise(common::errc::TypeMismatch);
    return *std::get<std::shared_ptr<VariantArray>>(m_value);
}

size_t Variant::indexOf(int i) const
{
    const VariantArray& a = array();
    if (a.dims.size() != 1)
        common::raise(common::errc::SubscriptOutOfRange);
    common::checkIndex(i - a.dims[0].lower, a.dims[0].count());
    return static_cast<size_t>(i - a.dims[0].lower);
}

size_t Variant::indexOf(int i, int j) const
{
    const VariantArray& a = array();
    if (a.dims.size() != 2)
        common::raise(common::errc::SubscriptOutOfRange);
    common::checkIndex(i - a.dims[0].lower, a.dims[0].count());
    common::checkIndex(j - a.dims[1].lower, a.dims[1].count());
    return static_cast<size_t>((i - a.dims[0].lower) * a.dims[1].count() + (j - a.dims[1].lower));
}

Variant Variant::at(int i) const { return array().element(indexOf(i)); }

Variant Variant::at(int i, int j) const { return array().element(indexOf(i, j)); }

bool Variant::operator==(const Variant& other) const
{
    if (m_type != other.m_type)
        return false;
    if (m_type == Type::Array) {
        const VariantArray& a = array();
        const VariantArray& b = other.array();
        if (a.dims.size() != b.dims.size() || a.size() != b.size())
            return false;
        for (size_t k = 0; k < a.size(); ++k)
            if (!(a.element(k) == b.element(k)))
                return false;
        for (size_t k = 0; k < a.dims.size(); ++k)
            if (a.dims[k].lower != b.dims[k].lower || a.dims[k].upper != b.dims[k].upper)
                return false;
        return true;
    }
    return m_value == other.m_value;
}

} // namespace vexachart
