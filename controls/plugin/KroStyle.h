#pragma once

#include "KroBody.h"

class KroImagePart;

// The styled button: the text button's body with a square picture beside the caption, swapped for an active
// picture while hovering.
class KroStyle : public KroBody
{
    Q_OBJECT
    Q_PROPERTY(int Alignment READ alignment WRITE setAlignment)
    Q_PROPERTY(KroPicture Picture READ picture WRITE setPicture)
    Q_PROPERTY(KroPicture PictureActive READ pictureActive WRITE setPictureActive)

public:
    enum AlignConst { Left = 0, Right = 1 };

    explicit KroStyle(QWidget *parent = nullptr);

    QString progId() const override { return QStringLiteral("Corvixes.KroStyle"); }
    void readProperties(const PropertyBag &bag) override;
    void writeProperties(PropertyBag &bag) const override;

    int alignment() const { return m_alignment; }
    void setAlignment(int alignment);
    KroPicture picture() const;
    void setPicture(const KroPicture &picture);
    KroPicture pictureActive() const { return m_pictureActive; }
    void setPictureActive(const KroPicture &picture);

protected:
    bool shadowFollowsShape() const override { return false; }
    void applyHoverLook() override;
    void layoutParts() override;

private:
    KroImagePart *Image1;
    int m_alignment = Left;
    KroPicture m_pictureActive;
    KroPicture m_normalPicture;
};
