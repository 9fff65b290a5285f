#include "wizard/FormButtons.h"

#include "controls/host/CorvixHost.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QWidget>

#include <stdexcept>

namespace {

// A form or a button that cannot be made is a broken installation, not a database failure: the window does not open.
[[noreturn]] void cannotBuild(const QString &reason)
{
    throw std::runtime_error(reason.toStdString());
}

} // namespace

FormButtons::FormButtons(CorvixHost &host, const QString &formResource)
    : m_host(host), m_resource(formResource), m_context(QFileInfo(formResource).baseName().toUtf8())
{
    QString error;
    if (!m_form.load(formResource, &error))
        cannotBuild(QCoreApplication::translate("Program", "The form %1 cannot be read: %2").arg(formResource, error));
}

QWidget *FormButtons::make(const QString &name, QWidget *parent)
{
    const FormControl *form = m_form.find(name);
    if (!form)
        cannotBuild(QCoreApplication::translate("Program", "The form %1 has no control %2.").arg(m_resource, name));
    // The form file holds the English texts; the button shows them in the window's language.
    FormControl shown = *form;
    for (const QString &key : {QStringLiteral("caption"), QStringLiteral("tooltip")}) {
        if (shown.bag.contains(key))
            shown.bag.setValue(
                key, QCoreApplication::translate(m_context.constData(), shown.bag.value(key).toUtf8().constData()));
    }
    QWidget *control = m_host.createFromForm(shown, parent);
    if (!control) {
        const QString reason =
            m_host.errorString().isEmpty()
                ? QCoreApplication::translate("Program", "the plugin does not know %1").arg(form->progId)
                : m_host.errorString();
        cannotBuild(QCoreApplication::translate("Program", "The button %1 cannot be made: %2").arg(name, reason));
    }
    if (form->bag.contains(QStringLiteral("tag")))
        control->setProperty("tag", form->bag.value(QStringLiteral("tag")));
    return control;
}

void FormButtons::onClick(QWidget *control, QObject *context, std::function<void()> handler)
{
    CorvixHost::connectEvent(control, "Click", context, std::move(handler));
}
