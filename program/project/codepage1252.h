#pragma once
// Windows-1252 both ways: the 8-bit code page of the texts in project files. Every byte has a
// character (the five unassigned ones map to the C1 control of the same value); characters
// outside the code page are written as "?".
#include <QByteArray>
#include <QString>

namespace project {

QString fromCp1252(const QByteArray& bytes);
QByteArray toCp1252(const QString& text);

} // namespace project
