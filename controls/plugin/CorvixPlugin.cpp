#include "controls/plugin/CorvixPlugin.h"

#include "controls/bag/PropertyBag.h"
#include "controls/plugin/KroAccessible.h"
#include "controls/plugin/KroImage.h"
#include "controls/plugin/KroStyle.h"
#include "controls/plugin/KroText.h"

#include <QAccessible>
#include <QPainter>

namespace {

const QString TextId = QStringLiteral("Corvixes.KroText");
const QString StyleId = QStringLiteral("Corvixes.KroStyle");
const QString ImageId = QStringLiteral("Corvixes.KroImage");

// The toolbox pictures, 16 x 15, drawn rather than shipped.
QImage drawToolboxImage(const QString &progId)
{
    QImage image(16, 15, QImage::Format_RGB32);
    image.fill(QColor(192, 192, 192));
    QPainter p(&image);
    if (progId == ImageId) {
        p.fillRect(1, 1, 14, 13, QColor(96, 160, 224));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 224, 64));
        p.drawEllipse(10, 2, 4, 4);
        p.setBrush(QColor(40, 128, 40));
        p.drawPolygon(QPolygon({QPoint(1, 11), QPoint(6, 5), QPoint(11, 11)}));
        p.fillRect(1, 10, 14, 4, QColor(0, 0, 128));
        p.fillRect(4, 11, 8, 2, Qt::white);
        return image;
    }
    p.fillRect(3, 3, 13, 12, QColor(128, 128, 128));
    p.fillRect(0, 0, 14, 13, Qt::white);
    p.setPen(QColor(0, 0, 128));
    p.drawRect(0, 0, 13, 12);
    if (progId == StyleId) {
        p.fillRect(2, 3, 6, 6, QColor(200, 40, 40));
        p.drawLine(9, 5, 11, 5);
        p.drawLine(9, 7, 11, 7);
    } else {
        p.drawLine(3, 4, 10, 4);
        p.drawLine(3, 6, 10, 6);
        p.drawLine(3, 8, 8, 8);
    }
    return image;
}

} // namespace

CorvixPlugin::CorvixPlugin()
{
    QAccessible::installFactory(&KroAccessible::factory);
}

QStringList CorvixPlugin::classNames() const
{
    return {TextId, StyleId, ImageId};
}

QIcon CorvixPlugin::toolboxImage(const QString &progId) const
{
    if (!classNames().contains(progId))
        return QIcon();
    return QIcon(QPixmap::fromImage(drawToolboxImage(progId)));
}

KroFrame *CorvixPlugin::make(const QString &progId, QWidget *parent) const
{
    KroFrame *control = nullptr;
    if (progId.compare(TextId, Qt::CaseInsensitive) == 0)
        control = new KroText(parent);
    else if (progId.compare(StyleId, Qt::CaseInsensitive) == 0)
        control = new KroStyle(parent);
    else if (progId.compare(ImageId, Qt::CaseInsensitive) == 0)
        control = new KroImage(parent);
    if (control)
        control->setServices(m_services);
    return control;
}

QWidget *CorvixPlugin::create(const QString &progId, QWidget *parent) const
{
    KroFrame *control = make(progId, parent);
    if (control)
        control->initProperties();
    return control;
}

QWidget *CorvixPlugin::load(const QString &progId, const PropertyBag &bag, QWidget *parent) const
{
    KroFrame *control = make(progId, parent);
    if (control)
        control->readProperties(bag);
    return control;
}

bool CorvixPlugin::save(const QWidget *control, PropertyBag &bag) const
{
    const auto *frame = qobject_cast<const KroFrame *>(control);
    if (!frame)
        return false;
    frame->writeProperties(bag);
    return true;
}

QString CorvixPlugin::progIdOf(const QWidget *control) const
{
    const auto *frame = qobject_cast<const KroFrame *>(control);
    return frame ? frame->progId() : QString();
}

void CorvixPlugin::setServices(CorvixServices *services)
{
    m_services = services;
}
