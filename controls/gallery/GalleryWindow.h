#pragma once

#include "controls/host/CorvixHost.h"

#include <QWidget>

class QGridLayout;
class QLabel;

// A window showing each button control in several looks; hovering and clicking them reports their events.
class GalleryWindow : public QWidget
{
    Q_OBJECT

public:
    explicit GalleryWindow(CorvixHost &host, QWidget *parent = nullptr);

private:
    void addRow(const QString &title, const QString &progId, const QList<QPair<QString, PropertyBag>> &looks,
                QSize size);
    void report(const QString &name, const QString &event);

    CorvixHost &m_host;
    QGridLayout *m_grid;
    QLabel *m_status;
    int m_row = 0;
};
