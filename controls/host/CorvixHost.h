#pragma once

#include "controls/CorvixFactory.h"
#include "controls/bag/FormFile.h"

#include <QMetaObject>
#include <QObject>
#include <QPluginLoader>
#include <QString>

#include <functional>
#include <memory>

class QWidget;

// The wizard's side of the corvix plugin: finds and loads it, makes controls by ProgID or from a form file, and
// connects to a control's events and calls its methods by name, without linking the control classes.
class CorvixHost
{
public:
    // The plugin is looked for in pluginDir; an empty one means the program folder and its "plugins" subfolder.
    explicit CorvixHost(const QString &pluginDir = QString());
    // The plugin is looked for in each folder in turn; a failure names every one.
    explicit CorvixHost(const QStringList &pluginDirs);
    ~CorvixHost();
    CorvixHost(const CorvixHost &) = delete;
    CorvixHost &operator=(const CorvixHost &) = delete;

    // Loads the plugin once; on failure errorString() says which file was tried and why it failed.
    bool loadPlugin();
    bool isLoaded() const { return m_factory != nullptr; }
    QString errorString() const { return m_error; }
    QString pluginFileName() const;
    CorvixFactory *factory() const { return m_factory; }

    QWidget *create(const QString &progId, QWidget *parent = nullptr);
    QWidget *load(const QString &progId, const PropertyBag &bag, QWidget *parent = nullptr);
    bool save(const QWidget *control, PropertyBag &bag) const;

    // Makes the control described by one section of a form file: its objectName, its properties and, from the
    // host keys, its size ("_extentx"/"_extenty") and tooltip ("tooltip", shown over the whole control).
    QWidget *createFromForm(const FormControl &form, QWidget *parent);

    // Connects a handler to one of a control's parameterless events ("Click", "DblClick", "Hide"). The connection
    // ends with the control or the context. An invalid connection when the control has no such event.
    static QMetaObject::Connection connectEvent(QWidget *control, const char *event, QObject *context,
                                                std::function<void()> handler);
    // Calls a method without arguments by its name, as "gotoHyperlink"; false when the control has none.
    static bool invoke(QWidget *control, const char *method);

private:
    QStringList m_dirs;
    QString m_error;
    std::unique_ptr<QPluginLoader> m_loader;
    CorvixFactory *m_factory = nullptr;
};
