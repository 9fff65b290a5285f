#pragma once

#include <QIcon>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QtPlugin>

class PropertyBag;
class QWidget;

// What a host or a test may replace in the controls: where the pointer is (hover tracking) and how a
// link is opened (gotoHyperlink). The factory hands the services it was given to every control it makes.
class CorvixServices
{
public:
    virtual ~CorvixServices() = default;
    // Pointer position in global screen coordinates.
    virtual QPoint cursorPosition() const = 0;
    // Opens a web address or a file with its associated program; failures are silent by design.
    virtual void openLink(const QString &target) = 0;
};

// The interface of the corvix plugin: makes the button controls by ProgID and persists them in a bag.
class CorvixFactory
{
public:
    virtual ~CorvixFactory() = default;

    // "Corvixes.KroText", "Corvixes.KroStyle", "Corvixes.KroImage".
    virtual QStringList classNames() const = 0;
    // 16 x 15 toolbox image; a null icon for an unknown ProgID.
    virtual QIcon toolboxImage(const QString &progId) const = 0;
    // A new instance with its initial properties; nullptr for an unknown ProgID.
    virtual QWidget *create(const QString &progId, QWidget *parent = nullptr) const = 0;
    // An instance whose properties are read from a bag (keys compared without regard to case); nullptr for an
    // unknown ProgID.
    virtual QWidget *load(const QString &progId, const PropertyBag &bag, QWidget *parent = nullptr) const = 0;
    // Writes the control's properties into the bag, leaving the host's own keys alone. False when the widget is
    // not one of ours.
    virtual bool save(const QWidget *control, PropertyBag &bag) const = 0;
    // ProgID of a control made by this factory, empty otherwise.
    virtual QString progIdOf(const QWidget *control) const = 0;
    // Services for controls made from now on; nullptr restores the system's (real pointer, desktop opener).
    virtual void setServices(CorvixServices *services) = 0;
};

#define CorvixFactory_iid "org.velmora.Corvix.Factory/1.0"
Q_DECLARE_INTERFACE(CorvixFactory, CorvixFactory_iid)
