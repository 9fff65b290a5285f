#pragma once

#include <QWidget>

// A filled rectangle that shows one colour of the style, given as 0x00BBGGRR.
class Swatch : public QWidget
{
    Q_OBJECT

public:
    explicit Swatch(QWidget *parent = nullptr);

    qint32 color() const { return m_color; }
    void setColor(qint32 oleColor);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    qint32 m_color = 0xFFFFFF;
};
