#include "controls/host/CorvixHost.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMetaMethod>
#include <QWidget>

namespace {

// Sits between a control's event and a host function, so that the host needs no moc-visible slot of its own.
class EventRelay : public QObject
{
    Q_OBJECT
public:
    EventRelay(std::function<void()> handler, QObject *parent) : QObject(parent), m_handler(std::move(handler)) {}

public Q_SLOTS:
    void relay() { m_handler(); }

private:
    std::function<void()> m_handler;
};

QStringList candidateDirs(const QStringList &dirs)
{
    if (!dirs.isEmpty())
        return dirs;
    const QString app = QCoreApplication::applicationDirPath();
    return {app, app + QStringLiteral("/plugins")};
}

} // namespace

CorvixHost::CorvixHost(const QString &pluginDir)
{
    if (!pluginDir.isEmpty())
        m_dirs.append(pluginDir);
}

CorvixHost::CorvixHost(const QStringList &pluginDirs) : m_dirs(pluginDirs) {}

CorvixHost::~CorvixHost() = default; // the plugin stays loaded: live controls still use its code

QString CorvixHost::pluginFileName() const
{
    return m_loader ? m_loader->fileName() : QString();
}

bool CorvixHost::loadPlugin()
{
    if (m_factory)
        return true;
    QStringList tried;
    for (const QString &dir : candidateDirs(m_dirs)) {
        QDir folder(dir);
        const QStringList found = folder.entryList({QStringLiteral("libcorvix.so"), QStringLiteral("corvix.dll"),
                                                    QStringLiteral("libcorvix.dylib"), QStringLiteral("libcorvix.dll")},
                                                   QDir::Files);
        if (found.isEmpty()) {
            tried << QCoreApplication::translate("Program", "%1: no corvix plugin there")
                         .arg(QDir::toNativeSeparators(dir));
            continue;
        }
        auto loader = std::make_unique<QPluginLoader>(folder.absoluteFilePath(found.first()));
        QObject *instance = loader->instance();
        if (!instance) {
            tried << loader->errorString();
            continue;
        }
        auto *factory = qobject_cast<CorvixFactory *>(instance);
        if (!factory) {
            tried << QCoreApplication::translate("Program", "%1 is not a corvix plugin of version %2")
                         .arg(QDir::toNativeSeparators(loader->fileName()), QStringLiteral(CorvixFactory_iid));
            continue;
        }
        m_loader = std::move(loader);
        m_factory = factory;
        m_error.clear();
        return true;
    }
    m_error = QCoreApplication::translate("Program", "The button controls (corvix plugin) could not be loaded. ") +
              tried.join(QStringLiteral("; "));
    return false;
}

QWidget *CorvixHost::create(const QString &progId, QWidget *parent)
{
    return loadPlugin() ? m_factory->create(progId, parent) : nullptr;
}

QWidget *CorvixHost::load(const QString &progId, const PropertyBag &bag, QWidget *parent)
{
    return loadPlugin() ? m_factory->load(progId, bag, parent) : nullptr;
}

bool CorvixHost::save(const QWidget *control, PropertyBag &bag) const
{
    return m_factory && m_factory->save(control, bag);
}

QWidget *CorvixHost::createFromForm(const FormControl &form, QWidget *parent)
{
    QWidget *control = load(form.progId, form.bag, parent);
    if (!control)
        return nullptr;
    control->setObjectName(form.name);
    const QSize size = FormFile::extentPixels(form.bag);
    if (size.isValid())
        control->resize(size);
    if (form.bag.contains(QStringLiteral("tooltip")))
        control->setToolTip(form.bag.value(QStringLiteral("tooltip")));
    return control;
}

QMetaObject::Connection CorvixHost::connectEvent(QWidget *control, const char *event, QObject *context,
                                                 std::function<void()> handler)
{
    if (!control || !context)
        return {};
    const QMetaObject *meta = control->metaObject();
    const int index = meta->indexOfSignal(QMetaObject::normalizedSignature(QByteArray(event) + "()").constData());
    if (index < 0)
        return {};
    auto *relay = new EventRelay(std::move(handler), context);
    // The relay lives with the context and dies with the control as well.
    QObject::connect(control, &QObject::destroyed, relay, &QObject::deleteLater);
    const QMetaMethod slot = relay->metaObject()->method(relay->metaObject()->indexOfSlot("relay()"));
    return QObject::connect(control, meta->method(index), relay, slot);
}

bool CorvixHost::invoke(QWidget *control, const char *method)
{
    return control && QMetaObject::invokeMethod(control, method, Qt::DirectConnection);
}

#include "CorvixHost.moc"
