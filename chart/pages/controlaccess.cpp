#include "chart/pages/controlaccess.h"
#include "chart/control/dispatch.h"
#include "chart/control/errortexts.h"
#include "common/error.h"

namespace vexachart {

Variant ControlAccess::get(const QString& name, std::vector<Variant> args)
{
    return invokeByName(name, InvokeKind::Get, args);
}

void ControlAccess::let(const QString& name, const Variant& value, std::vector<Variant> args)
{
    args.push_back(value);
    invokeByName(name, InvokeKind::Let, args);
}

void ControlAccess::set(const QString& name, const Variant& value)
{
    std::vector<Variant> args{value};
    invokeByName(name, InvokeKind::Set, args);
}

Variant ControlAccess::call(const QString& name, std::vector<Variant> args)
{
    return invokeByName(name, InvokeKind::Method, args);
}

Variant ChartAccess::invokeByName(const QString& name, InvokeKind kind, std::vector<Variant>& args)
{
    const auto id = idOfName(name);
    if (!id)
        common::raise(texts::ErrMemberNotSupported, QStringLiteral("Vexachart.") + name, texts::memberNotSupported());
    return invoke(m_chart, *id, kind, args);
}

} // namespace vexachart
