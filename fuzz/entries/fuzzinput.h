#pragma once
// Takes typed values one after the other from a fuzz input; past its end every value is zero
// and every text empty, so any input decodes to something.
#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace fuzzing {

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    bool empty() const { return m_pos >= m_size; }
    std::size_t left() const { return m_size - m_pos; }

    std::uint8_t u8() { return empty() ? 0 : m_data[m_pos++]; }
    std::uint16_t u16() { return static_cast<std::uint16_t>(u8() | (u8() << 8)); }
    std::uint32_t u32() { return static_cast<std::uint32_t>(u16()) | (static_cast<std::uint32_t>(u16()) << 16); }
    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }
    double f64()
    {
        const std::uint64_t bits = static_cast<std::uint64_t>(u32()) | (static_cast<std::uint64_t>(u32()) << 32);
        double d;
        std::memcpy(&d, &bits, sizeof d);
        return d;
    }
    // Up to maxBytes bytes, the count given by the next byte.
    QByteArray bytes(std::size_t maxBytes)
    {
        std::size_t n = u8();
        if (n > maxBytes)
            n = maxBytes;
        return take(n);
    }
    // Up to maxBytes bytes, the count given by the next two bytes.
    QByteArray longBytes(std::size_t maxBytes)
    {
        std::size_t n = u16();
        if (n > maxBytes)
            n = maxBytes;
        return take(n);
    }
    // A UTF-8 text of up to maxBytes bytes (bytes that are no UTF-8 become replacement characters).
    QString text(std::size_t maxBytes = 255) { return QString::fromUtf8(bytes(maxBytes)); }
    QByteArray rest() { return take(left()); }

private:
    QByteArray take(std::size_t n)
    {
        if (n > left())
            n = left();
        QByteArray out(reinterpret_cast<const char*>(m_data + m_pos), static_cast<qsizetype>(n));
        m_pos += n;
        return out;
    }

    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

} // namespace fuzzing
