#pragma once

#include "controls/CorvixFactory.h"

#include <QObject>

// The plugin's factory: makes the three button controls by ProgID and persists them in property bags.
class CorvixPlugin : public QObject, public CorvixFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID CorvixFactory_iid FILE "corvix.json")
    Q_INTERFACES(CorvixFactory)

public:
    CorvixPlugin();

    QStringList classNames() const override;
    QIcon toolboxImage(const QString &progId) const override;
    QWidget *create(const QString &progId, QWidget *parent = nullptr) const override;
    QWidget *load(const QString &progId, const PropertyBag &bag, QWidget *parent = nullptr) const override;
    bool save(const QWidget *control, PropertyBag &bag) const override;
    QString progIdOf(const QWidget *control) const override;
    void setServices(CorvixServices *services) override;

private:
    class KroFrame *make(const QString &progId, QWidget *parent) const;

    CorvixServices *m_services = nullptr;
};
