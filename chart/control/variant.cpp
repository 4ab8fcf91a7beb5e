#include "chart/control/variant.h"
#include "common/checked.h"
#include "common/error.h"
#include "common/numread.h"
#include <QLocale>

namespace vexachart {

Variant Variant::array1(const std::vector<double>& values, int lower)
{
    VariantArray a;
    a.dims.push_back({lower, lower + static_cast<int>(values.size()) - 1});
    a.data.reserve(values.size());
    for (double v : values)
        a.data.emplace_back(v);
    return Variant(std::move(a));
}

Variant Variant::array2(int rows, int cols, const std::vector<double>& rowMajor, int lower0, int lower1)
{
    VariantArray a;
    a.dims.push_back({lower0, lower0 + rows - 1});
    a.dims.push_back({lower1, lower1 + cols - 1});
    a.data.reserve(rowMajor.size());
    for (double v : rowMajor)
        a.data.emplace_back(v);
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

QString Variant::toString() const
{
    switch (m_type) {
    case Type::Empty:
        return {};
    case Type::Boolean:
        return std::get<bool>(m_value) ? QStringLiteral("True") : QStringLiteral("False");
    case Type::Integer:
    case Type::Long:
        return QString::number(static_cast<qint64>(std::get<double>(m_value)));
    case Type::Single:
    case Type::Double:
        return QLocale().toString(std::get<double>(m_value), 'g', 15);
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

const Variant& Variant::at(int i) const
{
    const VariantArray& a = array();
    if (a.dims.size() != 1)
        common::raise(common::errc::SubscriptOutOfRange);
    common::checkIndex(i - a.dims[0].lower, a.dims[0].count());
    return a.data[static_cast<size_t>(i - a.dims[0].lower)];
}

const Variant& Variant::at(int i, int j) const
{
    const VariantArray& a = array();
    if (a.dims.size() != 2)
        common::raise(common::errc::SubscriptOutOfRange);
    common::checkIndex(i - a.dims[0].lower, a.dims[0].count());
    common::checkIndex(j - a.dims[1].lower, a.dims[1].count());
    return a.data[static_cast<size_t>((i - a.dims[0].lower) * a.dims[1].count() + (j - a.dims[1].lower))];
}

bool Variant::operator==(const Variant& other) const
{
    if (m_type != other.m_type)
        return false;
    if (m_type == Type::Array) {
        const VariantArray& a = array();
        const VariantArray& b = other.array();
        if (a.dims.size() != b.dims.size() || a.data != b.data)
            return false;
        for (size_t k = 0; k < a.dims.size(); ++k)
            if (a.dims[k].lower != b.dims[k].lower || a.dims[k].upper != b.dims[k].upper)
                return false;
        return true;
    }
    return m_value == other.m_value;
}

} // namespace vexachart
