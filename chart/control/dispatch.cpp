#include "chart/control/dispatch.h"
#include "chart/control/chart.h"
#include "chart/control/errortexts.h"
#include "common/error.h"

namespace vexachart {

namespace {

[[noreturn]] void notSupported()
{
    common::raise(texts::ErrMemberNotSupported, QStringLiteral("Vexachart"), texts::memberNotSupported());
}

Variant fromQVariant(const QVariant& v)
{
    if (v.typeId() == QMetaType::QString)
        return Variant(v.toString());
    return Variant(v.toDouble());
}

} // namespace

Variant invoke(Vexachart& c, qint32 dispid, InvokeKind kind, std::vector<Variant>& args)
{
    const MemberInfo* m = memberById(dispid);
    if (!m || m->kind == MemberKind::Event)
        notSupported();
    // Kind check: methods are called, properties read or written by the accessors they have.
    const bool put = kind == InvokeKind::Let || kind == InvokeKind::Set;
    if (m->kind == MemberKind::Method) {
        if (kind != InvokeKind::Method || !m->call)
            notSupported();
    } else {
        const int need = kind == InvokeKind::Get ? access::Get
            : kind == InvokeKind::Let           ? access::Let
            : kind == InvokeKind::Set           ? access::Set
                                                : 0;
        if (!(m->accessors & need) || !m->get || (put && !m->put))
            notSupported();
    }
    const size_t fixed = static_cast<size_t>(m->paramCount) + (put ? 1 : 0);
    for (size_t k = 0; k < static_cast<size_t>(m->paramCount); ++k)
        if (k >= args.size() && !m->params[k].optional)
            common::raise(449, QStringLiteral("Vexachart"), QStringLiteral("Argument not optional"));
    while (args.size() < fixed)
        args.push_back(Variant::missing());
    if (m->call)
        return m->call(c, args);
    // A let or set gives back what the property reads afterwards.
    if (put)
        m->put(c, args);
    return m->get(c, args);
}

void connectEvent(Vexachart& chart, qint32 dispid, std::function<void(std::vector<Variant>&)> handler)
{
    if (dispid == dispid::DisplayRangeChanged) {
        QObject::connect(&chart, &Vexachart::DisplayRangeChanged, &chart,
            [handler](const QVariant& a, const QVariant& b, const QVariant& c, const QVariant& d) {
                std::vector<Variant> args{fromQVariant(a), fromQVariant(b), fromQVariant(c), fromQVariant(d)};
                handler(args);
            });
    } else if (dispid == dispid::CursorXY) {
        QObject::connect(&chart, &Vexachart::CursorXY, &chart, [handler](const QVariant& x, const QVariant& y) {
            std::vector<Variant> args{fromQVariant(x), fromQVariant(y)};
            handler(args);
        });
    } else {
        notSupported();
    }
}

} // namespace vexachart
