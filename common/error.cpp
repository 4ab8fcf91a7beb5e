#include "common/error.h"

namespace common {

Error::Error(long number, QString source, QString description)
    : m_number(number), m_source(std::move(source)), m_description(std::move(description))
{
    if (m_description.isEmpty())
        m_description = standardDescription(number);
    m_what = QStringLiteral("%1 (%2): %3").arg(number).arg(m_source, m_description).toStdString();
}

Error::Error(long number, QString source, NoDescription)
    : m_number(number), m_source(std::move(source))
{
    m_what = QStringLiteral("%1 (%2)").arg(number).arg(m_source).toStdString();
}

QString standardDescription(long number)
{
    switch (number) {
    case errc::InvalidArgument: return QStringLiteral("Invalid argument");
    case errc::Overflow: return QStringLiteral("Overflow");
    case errc::SubscriptOutOfRange: return QStringLiteral("Subscript out of range");
    case errc::DivisionByZero: return QStringLiteral("Division by zero");
    case errc::TypeMismatch: return QStringLiteral("Type mismatch");
    case errc::FileNotFound: return QStringLiteral("File not found");
    case errc::InvalidPropertyValue: return QStringLiteral("Invalid property value");
    case errc::UnknownItem: return QStringLiteral("Element not found");
    case errc::DialogCancelled: return QStringLiteral("Cancel was selected");
    default: return QStringLiteral("Application-defined or object-defined error");
    }
}

void raise(long number, const QString& source, const QString& description)
{
    throw Error(number, source, description);
}

} // namespace common
