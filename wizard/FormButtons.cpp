#include "wizard/FormButtons.h"

#include "CorvixHost.h"
#include "core/data/DataError.h"

#include <QFile>
#include <QWidget>

FormButtons::FormButtons(CorvixHost &host, const QString &formResource) : m_host(host), m_resource(formResource)
{
    QString error;
    if (!m_form.load(formResource, &error))
        throw DataError(QStringLiteral("The form %1 cannot be read: %2").arg(formResource, error));
}

QWidget *FormButtons::make(const QString &name, QWidget *parent)
{
    const FormControl *form = m_form.find(name);
    if (!form)
        throw DataError(QStringLiteral("The form %1 has no control %2.").arg(m_resource, name));
    QWidget *control = m_host.createFromForm(*form, parent);
    if (!control) {
        const QString reason = m_host.errorString().isEmpty()
                                   ? QStringLiteral("the plugin does not know %1").arg(form->progId)
                                   : m_host.errorString();
        throw DataError(QStringLiteral("The button %1 cannot be made: %2").arg(name, reason));
    }
    if (form->bag.contains(QStringLiteral("tag")))
        control->setProperty("tag", form->bag.value(QStringLiteral("tag")));
    return control;
}

void FormButtons::onClick(QWidget *control, QObject *context, std::function<void()> handler)
{
    CorvixHost::connectEvent(control, "Click", context, std::move(handler));
}
