#pragma once

#include "KroFrame.h"

// The image button: a picture filling the control with a caption over its lower part; no drawn body.
class KroImage : public KroFrame
{
    Q_OBJECT
    Q_PROPERTY(uint BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(float FontSize READ fontSize WRITE setFontSize)
    Q_PROPERTY(KroPicture Picture READ picture WRITE setPicture)
    Q_PROPERTY(KroPicture PictureActive READ pictureActive WRITE setPictureActive)
    Q_PROPERTY(int Alignment READ alignment WRITE setAlignment)

public:
    explicit KroImage(QWidget *parent = nullptr);

    QString progId() const override { return QStringLiteral("Corvixes.KroImage"); }
    void initProperties() override;
    void readProperties(const PropertyBag &bag) override;
    void writeProperties(PropertyBag &bag) const override;

    uint backColor() const { return m_backColor; }
    void setBackColor(uint color);
    float fontSize() const;
    void setFontSize(float points);
    KroPicture picture() const;
    void setPicture(const KroPicture &picture);
    KroPicture pictureActive() const { return m_pictureActive; }
    void setPictureActive(const KroPicture &picture);
    // 0 left, 1 right, 2 centre; lasts only as long as the instance.
    int alignment() const;
    void setAlignment(int alignment);

protected:
    QColor surfaceColor() const override { return resolve(m_backColor); }
    QWidget *toolTipHolder() const override;
    bool moveStartsHover(QWidget *part) const override;
    void applyHoverLook() override;
    void layoutParts() override;

private:
    KroImagePart *Image1;
    quint32 m_backColor = 0x8000000F;
    KroPicture m_pictureActive;
    KroPicture m_normalPicture;
};
