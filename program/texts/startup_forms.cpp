#include "program/texts/startup_forms.h"
#include <QMetaObject>

namespace texts {

void Formen::add(QObject* form)
{
    if (form != nullptr)
        m_forms.emplace_back(form);
}

QObject* Formen::find(const QString& name) const
{
    for (const QPointer<QObject>& form : m_forms)
        if (!form.isNull() && form->objectName() == name)
            return form.data();
    return nullptr;
}

void Alle_Forms_entladen(Formen& forms)
{
    for (const QString& name : UnloadOrder) {
        QObject* form = forms.find(name);
        if (form == nullptr)
            continue;
        // Closing runs the window's own close handling (an object without one is just destroyed);
        // the object goes once control returns to the event loop, so a window may unload
        // everything from inside its own handler.
        QMetaObject::invokeMethod(form, "close", Qt::DirectConnection);
        form->deleteLater();
    }
}

} // namespace texts
