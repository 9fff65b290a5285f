#pragma once

#include "controls/bag/FormFile.h"

#include <QString>
#include <functional>

class CorvixHost;
class QWidget;

// Makes a window's buttons from its form file: each button is a corvix control whose persisted properties the
// form file holds, with caption and tool tip translated. The "tag" host key becomes the widget's "tag" property, which
// showControls acts on.
class FormButtons
{
public:
    // Throws std::runtime_error when the form cannot be read.
    FormButtons(CorvixHost &host, const QString &formResource);

    // The named control, created on parent; throws std::runtime_error when the form or the plugin cannot supply it.
    QWidget *make(const QString &name, QWidget *parent);

    // Calls handler whenever the control raises Click.
    static void onClick(QWidget *control, QObject *context, std::function<void()> handler);

private:
    CorvixHost &m_host;
    FormFile m_form;
    QString m_resource;
    QByteArray m_context; // translation context of the texts: the form's name ("frmVelmora")
};
