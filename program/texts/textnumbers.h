#pragma once
// Every text number the string table must hold in each of its fourteen languages.
#include <QtGlobal>
#include <span>

namespace texts {

// Ascending, without repeats: the texts of the catalogue and the headings, the options window's
// texts 400-409, the report option captions 201-206, the unit names 552-565 and the messages
// about files and the report 600-623.
std::span<const qint16> requiredTextNumbers();

} // namespace texts
