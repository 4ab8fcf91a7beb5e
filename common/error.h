#pragma once
// The one error type of the program and its libraries: a number, the member that raised it and a text.
#include <QString>
#include <exception>
#include <string>

// The error type crosses the boundary of the shared libraries: hosts catch it and may raise it,
// so its type information and members stay visible in libraries built with hidden visibility.
#define KELTO_COMMON_EXPORT __attribute__((visibility("default")))

namespace common {

// Error numbers with a fixed meaning across the program and its libraries.
namespace errc {
inline constexpr long InvalidArgument = 5;
inline constexpr long Overflow = 6;
inline constexpr long SubscriptOutOfRange = 9;
inline constexpr long DivisionByZero = 11;
inline constexpr long TypeMismatch = 13;
inline constexpr long FileNotFound = 53;
inline constexpr long InvalidPropertyValue = 380;
inline constexpr long UnknownItem = 35601;
inline constexpr long DialogCancelled = 32755;
inline constexpr long ObjectDefined = 9999;
// Added to a failure's number when a class hands it on in the range of object-defined errors.
inline constexpr long ObjectErrorBase = -2147221504L;
}

class KELTO_COMMON_EXPORT Error : public std::exception {
public:
    Error(long number, QString source, QString description);
    // An error that deliberately carries no description (no standard text is filled in).
    struct NoDescription {};
    Error(long number, QString source, NoDescription);

    long number() const noexcept { return m_number; }
    const QString& source() const noexcept { return m_source; }
    const QString& description() const noexcept { return m_description; }
    const char* what() const noexcept override { return m_what.c_str(); }

    // The same error raised again by another member.
    Error withSource(const QString& source) const { return Error(m_number, source, m_description); }

private:
    long m_number;
    QString m_source;
    QString m_description;
    std::string m_what;
};

// Short English text for the numbers that carry no text of their own.
KELTO_COMMON_EXPORT QString standardDescription(long number);

[[noreturn]] KELTO_COMMON_EXPORT void raise(long number, const QString& source = {}, const QString& description = {});

} // namespace common
