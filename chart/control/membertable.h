#pragma once
// The chart's automation members with their fixed dispatch identifiers: the single source for the
// dispatcher, the property pages and the tests.
#include "chart/control/variant.h"
#include "chart/control/vexachart_export.h"
#include <QString>
#include <QtGlobal>
#include <array>
#include <optional>
#include <span>
#include <vector>

namespace vexachart {

class Vexachart;

// Runs a member on a chart. The arguments are padded with missing values up to the member's
// parameters; by-reference outputs are written back into them, and the value of a let or set
// accessor is the last one.
using MemberAccessor = Variant (*)(Vexachart& chart, std::vector<Variant>& args);

enum class MemberKind { Method, Property, Variable, Event };
enum class InvokeKind { Method, Get, Let, Set };

namespace access {
inline constexpr int Get = 1;
inline constexpr int Let = 2;
inline constexpr int Set = 4;
}
namespace memberflag {
inline constexpr int Hidden = 1;
inline constexpr int NonBrowsable = 2;
}

enum class ParamType { Integer, Long, Single, Boolean, Byte, String, Variant, Colour, Font };

struct ParamInfo {
    const char* name = nullptr;
    ParamType type = ParamType::Variant;
    bool optional = false;
    bool byRef = false;
};

struct MemberInfo {
    const char* name;
    qint32 dispid;
    MemberKind kind;
    int accessors; // properties: access::Get | Let | Set
    int flags;
    int paramCount;
    std::array<ParamInfo, 9> params;
    ParamType valueType; // property type or method result (Variant when none)
    MemberAccessor call = nullptr; // a method
    MemberAccessor get = nullptr;  // the reading accessor of a property or variable
    MemberAccessor put = nullptr;  // its let or set accessor
};

VEXACHART_EXPORT std::span<const MemberInfo> memberTable();
VEXACHART_EXPORT const MemberInfo* memberById(qint32 dispid);
// Case-insensitive; empty when no member has the name.
VEXACHART_EXPORT std::optional<qint32> idOfName(const QString& name);

namespace dispid {
inline constexpr qint32 DisplayRangeChanged = 1;
inline constexpr qint32 CursorXY = 2;
}

} // namespace vexachart
