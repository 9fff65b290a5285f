#include "controls/gallery/GalleryWindow.h"

#include "controls/bag/KroPicture.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace {

// The look every button of the wizard's main window has.
PropertyBag wizardLook(const QString &caption)
{
    PropertyBag bag;
    bag.writeColor(QStringLiteral("BackColor"), 0x8000000F);
    bag.writeInt(QStringLiteral("BackStyle"), 1);
    bag.writeColor(QStringLiteral("BorderColor"), 0xFFFFFF);
    bag.writeString(QStringLiteral("Caption"), caption);
    bag.writeString(QStringLiteral("Font"), QStringLiteral("MS Sans Serif;9.75;Regular"));
    bag.writeColor(QStringLiteral("ForeColor"), 0x800000);
    bag.writeInt(QStringLiteral("Shape"), 4);
    bag.writeBool(QStringLiteral("Shadow"), true);
    bag.writeBool(QStringLiteral("HoverEffect"), true);
    bag.writeColor(QStringLiteral("HyperColor"), 0xFF8080);
    bag.writeColor(QStringLiteral("BackColorActive"), 0xFFFFFF);
    bag.writeInt(QStringLiteral("BackStyleActive"), 1);
    bag.writeColor(QStringLiteral("BorderColorActive"), 0xFF8080);
    bag.writeInt(QStringLiteral("BorderStyleActive"), 1);
    return bag;
}

PropertyBag with(PropertyBag bag, const QString &key, const QString &value)
{
    bag.setValue(key, value);
    return bag;
}

// Small drawn pictures, so the gallery needs no files.
KroPicture drawPicture(QColor color, bool active, int size = 48)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(active ? color.lighter(140) : color);
    p.setPen(QPen(color.darker(150), 2));
    p.drawEllipse(QRectF(3, 3, size - 6, size - 6));
    p.setPen(QPen(Qt::white, 4));
    p.drawLine(QPointF(size * 0.3, size * 0.5), QPointF(size * 0.7, size * 0.5));
    if (active)
        p.drawLine(QPointF(size * 0.5, size * 0.3), QPointF(size * 0.5, size * 0.7));
    return KroPicture::fromImage(image);
}

KroPicture drawLandscape(bool active)
{
    QImage image(160, 100, QImage::Format_RGB32);
    QPainter p(&image);
    p.fillRect(image.rect(), active ? QColor(255, 170, 90) : QColor(110, 170, 230));
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 230, 80));
    p.drawEllipse(QPointF(120, 25), 14, 14);
    p.setBrush(QColor(40, 120, 50));
    p.drawPolygon(QPolygonF({QPointF(0, 100), QPointF(55, 35), QPointF(110, 100)}));
    p.setBrush(QColor(30, 95, 40));
    p.drawPolygon(QPolygonF({QPointF(70, 100), QPointF(120, 50), QPointF(170, 100)}));
    return KroPicture::fromImage(image);
}

} // namespace

GalleryWindow::GalleryWindow(CorvixHost &host, QWidget *parent) : QWidget(parent), m_host(host)
{
    setObjectName(QStringLiteral("frmGallery"));
    setWindowTitle(QStringLiteral("Corvix gallery"));
    auto *outer = new QVBoxLayout(this);
    m_grid = new QGridLayout;
    m_grid->setHorizontalSpacing(14);
    m_grid->setVerticalSpacing(10);
    outer->addLayout(m_grid);
    m_status = new QLabel(QStringLiteral("Hover and click the buttons; their events show here."), this);
    m_status->setObjectName(QStringLiteral("lblStatus"));
    outer->addWidget(m_status);

    const PropertyBag look = wizardLook(QStringLiteral("Next >"));
    addRow(QStringLiteral("KroText"), QStringLiteral("Corvixes.KroText"),
           {{QStringLiteral("cmdShadow"), look},
            {QStringLiteral("cmdNoShadow"),
             with(wizardLook(QStringLiteral("No shadow")), QStringLiteral("Shadow"), QStringLiteral("False"))},
            {QStringLiteral("cmdTransparent"), with(with(with(wizardLook(QStringLiteral("Transparent")),
                                                              QStringLiteral("BackStyle"), QStringLiteral("0")),
                                                         QStringLiteral("BorderColor"), QStringLiteral("0x00800000")),
                                                    QStringLiteral("Shadow"), QStringLiteral("False"))},
            {QStringLiteral("cmdClose"),
             with(with(wizardLook(QStringLiteral("Close")), QStringLiteral("HyperColor"), QStringLiteral("0x000000C0")),
                  QStringLiteral("BorderColorActive"), QStringLiteral("0x000000C0"))},
            {QStringLiteral("KroText1"), with(with(with(with(wizardLook(QStringLiteral("velmora.example")),
                                                             QStringLiteral("BackColor"), QStringLiteral("0x00FFFFFF")),
                                                        QStringLiteral("Shadow"), QStringLiteral("False")),
                                                   QStringLiteral("BorderStyle"), QStringLiteral("0")),
                                              QStringLiteral("BorderStyleActive"), QStringLiteral("0"))}},
           QSize(130, 30));

    QList<QPair<QString, PropertyBag>> shapes;
    const QStringList shapeNames{"Rectangle", "Square", "Oval", "Circle", "Rounded", "Rounded sq."};
    for (int s = 0; s < shapeNames.size(); ++s)
        shapes.append({QStringLiteral("cmdShape%1").arg(s),
                       with(wizardLook(shapeNames.at(s)), QStringLiteral("Shape"), QString::number(s))});
    addRow(QStringLiteral("Shapes"), QStringLiteral("Corvixes.KroText"), shapes, QSize(96, 44));

    QList<QPair<QString, PropertyBag>> borders;
    const QStringList borderNames{"Transparent", "Solid", "Dash", "Dot", "Dash-dot", "Dash-dot-dot", "Inside solid"};
    for (int b = 0; b < borderNames.size(); ++b) {
        PropertyBag bag = wizardLook(borderNames.at(b));
        bag.writeInt(QStringLiteral("BorderStyle"), b);
        bag.writeColor(QStringLiteral("BorderColor"), 0x800000);
        bag.writeInt(QStringLiteral("BorderWidth"), b == 6 ? 3 : 1);
        bag.writeInt(QStringLiteral("Shape"), 0);
        bag.writeBool(QStringLiteral("Shadow"), false);
        bag.writeInt(QStringLiteral("BorderStyleActive"), b);
        borders.append({QStringLiteral("cmdBorder%1").arg(b), bag});
    }
    addRow(QStringLiteral("Borders"), QStringLiteral("Corvixes.KroText"), borders, QSize(96, 30));

    PropertyBag styleLeft = wizardLook(QStringLiteral("New menu"));
    styleLeft.writePicture(QStringLiteral("Picture"), drawPicture(QColor(40, 120, 200), false));
    styleLeft.writePicture(QStringLiteral("PictureActive"), drawPicture(QColor(40, 120, 200), true));
    PropertyBag styleRight = wizardLook(QStringLiteral("Delete"));
    styleRight.writeInt(QStringLiteral("Alignment"), 1);
    styleRight.writeColor(QStringLiteral("HyperColor"), 0x000080);
    styleRight.writeColor(QStringLiteral("BorderColorActive"), 0x0000C0);
    styleRight.writePicture(QStringLiteral("Picture"), drawPicture(QColor(200, 50, 50), false));
    styleRight.writePicture(QStringLiteral("PictureActive"), drawPicture(QColor(200, 50, 50), true));
    PropertyBag styleOval = with(styleLeft, QStringLiteral("Shape"), QStringLiteral("2"));
    styleOval.writeString(QStringLiteral("Caption"), QStringLiteral("Oval"));
    addRow(QStringLiteral("KroStyle"), QStringLiteral("Corvixes.KroStyle"),
           {{QStringLiteral("cmdNew"), styleLeft},
            {QStringLiteral("cmdDelete"), styleRight},
            {QStringLiteral("cmdOval"), styleOval}},
           QSize(150, 56));

    PropertyBag image;
    image.writeString(QStringLiteral("Caption"), QStringLiteral("Play"));
    image.writeColor(QStringLiteral("ForeColor"), 0xFFFFFF);
    image.writeBool(QStringLiteral("HoverEffect"), true);
    image.writeColor(QStringLiteral("HyperColor"), 0x00FFFF);
    image.writeString(QStringLiteral("Font"), QStringLiteral("Sans Serif;14;Bold"));
    image.writePicture(QStringLiteral("Picture"), drawLandscape(false));
    image.writePicture(QStringLiteral("PictureActive"), drawLandscape(true));
    image.writeString(QStringLiteral("ToolTipText"), QStringLiteral("An image button"));
    PropertyBag imagePlain = image;
    imagePlain.remove(QStringLiteral("PictureActive"));
    imagePlain.writeString(QStringLiteral("Caption"), QStringLiteral("Colour only"));
    addRow(QStringLiteral("KroImage"), QStringLiteral("Corvixes.KroImage"),
           {{QStringLiteral("imgPlay"), image}, {QStringLiteral("imgColour"), imagePlain}}, QSize(160, 100));

    setAutoFillBackground(true);
}

void GalleryWindow::addRow(const QString &title, const QString &progId, const QList<QPair<QString, PropertyBag>> &looks,
                           QSize size)
{
    auto *heading = new QLabel(title, this);
    heading->setStyleSheet(QStringLiteral("font-weight: bold"));
    m_grid->addWidget(heading, m_row, 0, Qt::AlignLeft | Qt::AlignVCenter);
    int column = 1;
    for (const auto &look : looks) {
        QWidget *control = m_host.createFromForm(FormControl{look.first, progId, look.second}, this);
        if (!control)
            continue;
        control->setFixedSize(size);
        m_grid->addWidget(control, m_row, column++, Qt::AlignLeft | Qt::AlignVCenter);
        const QString name = look.first;
        CorvixHost::connectEvent(control, "Click", this, [this, name] { report(name, QStringLiteral("Click")); });
        CorvixHost::connectEvent(control, "DblClick", this, [this, name] { report(name, QStringLiteral("DblClick")); });
    }
    ++m_row;
}

void GalleryWindow::report(const QString &name, const QString &event)
{
    m_status->setText(QStringLiteral("%1: %2").arg(name, event));
}
