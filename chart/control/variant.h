#pragma once
// The tagged value that crosses the chart's automation interface: empty, missing (an absent
// optional argument), null, numbers, Boolean, text, a font, or an array with per-dimension bounds.
// Conversions follow the classic rules: 16-bit with halves to even and error 6 outside the range,
// text that is no number error 13, Booleans from "True"/"False" or numbers.
#include "chart/control/vexachart_export.h"
#include <QFont>
#include <QLocale>
#include <QString>
#include <memory>
#include <variant>
#include <vector>

namespace vexachart {

class Variant;

struct ArrayDim {
    int lower = 0;
    int upper = -1;
    int count() const { return upper - lower + 1; }
};

// Row-major array: element (i, j) of a two-dimensional array sits at (i - l0) * n1 + (j - l1).
// An array made of numbers keeps them unboxed in `numbers` (each element a Double) and leaves
// `data` empty; any other array holds its elements in `data`.
struct VariantArray {
    std::vector<ArrayDim> dims;
    std::vector<Variant> data;
    std::vector<double> numbers;

    // Defined below Variant: a vector's size needs its element type complete.
    bool isNumbers() const;
    size_t size() const;
    // Element k in storage order.
    Variant element(size_t k) const;
};

class VEXACHART_EXPORT Variant {
public:
    enum class Type { Empty, Missing, Null, Boolean, Integer, Long, Single, Double, String, Font, Array };

    Variant() = default;
    Variant(bool b) : m_type(Type::Boolean), m_value(b) {}
    Variant(int i) : m_type(Type::Long), m_value(static_cast<double>(i)) {}
    Variant(qint16 i) : m_type(Type::Integer), m_value(static_cast<double>(i)) {}
    Variant(float f) : m_type(Type::Single), m_value(static_cast<double>(f)) {}
    Variant(double d) : m_type(Type::Double), m_value(d) {}
    Variant(const QString& s) : m_type(Type::String), m_value(s) {}
    Variant(const char* s) : Variant(QString::fromUtf8(s)) {}
    Variant(const QFont& f) : m_type(Type::Font), m_value(f) {}
    Variant(VariantArray a) : m_type(Type::Array), m_value(std::make_shared<VariantArray>(std::move(a))) {}

    static Variant missing() { Variant v; v.m_type = Type::Missing; return v; }
    static Variant null() { Variant v; v.m_type = Type::Null; return v; }

    // Arrays: a one-dimensional array lower..lower+n-1, a two-dimensional one rows x cols.
    static Variant array1(const std::vector<double>& values, int lower = 0);
    static Variant array2(int rows, int cols, const std::vector<double>& rowMajor, int lower0 = 0, int lower1 = 0);

    Type type() const { return m_type; }
    bool isMissing() const { return m_type == Type::Missing; }
    bool isEmpty() const { return m_type == Type::Empty; }
    bool isNull() const { return m_type == Type::Null; }
    bool isText() const { return m_type == Type::String; }
    bool isArray() const { return m_type == Type::Array; }
    bool isNumeric() const;
    // The value of an Integer, Long, Single or Double; null for every other type.
    const double* number() const { return std::get_if<double>(&m_value); }

    // Conversions; they raise the shared error type (13 type mismatch, 6 overflow).
    double toDouble() const;
    qint16 toInt16() const;
    qint32 toInt32() const;
    bool toBool() const;
    // Numbers become text without digit grouping ("1234567.5"); the locale gives the decimal separator.
    QString toString() const;
    QString toString(const QLocale& locale) const;
    QFont toFont() const;
    const VariantArray& array() const;

    // Element access of an array by its indices (error 9 outside the bounds).
    Variant at(int i) const;
    Variant at(int i, int j) const;
    // Storage position of element i or (i, j) (error 9 outside the bounds).
    size_t indexOf(int i) const;
    size_t indexOf(int i, int j) const;

    bool operator==(const Variant& other) const;

private:
    Type m_type = Type::Empty;
    std::variant<std::monostate, bool, double, QString, QFont, std::shared_ptr<VariantArray>> m_value;
};

inline Variant VariantArray::element(size_t k) const { return isNumbers() ? Variant(numbers[k]) : data[k]; }

inline bool VariantArray::isNumbers() const { return data.empty() && !numbers.empty(); }
inline size_t VariantArray::size() const { return isNumbers() ? numbers.size() : data.size(); }

} // namespace vexachart
