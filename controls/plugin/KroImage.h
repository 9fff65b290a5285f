#pragma once

#include "controls/plugin/KroFrame.h"

// The image button: a picture filling the control with a caption over its lower part; no drawn body.
class KroImage : public KroFrame
{
    Q_OBJECT
    // Help texts of the members, for a host's property browser.
    Q_CLASSINFO("Description:ForeColor",
                "Returns/sets the foreground color used to display text and graphics in an object.")
    Q_CLASSINFO("Description:Enabled",
                "Returns/sets a value that determines whether an object can respond to user-generated events.")
    Q_CLASSINFO("Description:FontSize",
                "Specifies the size (in points) of the font that appears in each row for the given level.")
    Q_CLASSINFO("Description:Picture", "Returns/sets a graphic to be displayed in a control.")
    Q_CLASSINFO("Description:Font", "Returns a Font object.")
    Q_CLASSINFO("Description:HyperLink", "Returns a Hyperlink object used for browser style navigation.")
    Q_CLASSINFO("Description:Caption",
                "Returns/sets the text displayed in an object's title bar or below an object's icon.")
    Q_CLASSINFO("Description:Alignment",
                "Returns/sets the alignment of a CheckBox or OptionButton, or a control's text.")
    Q_CLASSINFO("Description:ToolTipText", "Returns/sets the text displayed when the mouse is paused over the control.")
    Q_CLASSINFO("Description:Hide", "Occurs when the control's Visible property changes to False.")
    Q_CLASSINFO("Description:Click", "Occurs when the user presses and then releases a mouse button over an object.")
    Q_CLASSINFO("Description:DblClick", "Occurs when the user presses and releases a mouse button and then presses and "
                                        "releases it again over an object.")
    Q_CLASSINFO("Description:KeyDown", "Occurs when the user presses a key while an object has the focus.")
    Q_CLASSINFO("Description:KeyPress", "Occurs when the user presses and releases an ANSI key.")
    Q_CLASSINFO("Description:KeyUp", "Occurs when the user releases a key while an object has the focus.")
    Q_CLASSINFO("Description:MouseDown", "Occurs when the user presses the mouse button while an object has the focus.")
    Q_CLASSINFO("Description:MouseMove", "Occurs when the user moves the mouse.")
    Q_CLASSINFO("Description:MouseUp", "Occurs when the user releases the mouse button while an object has the focus.")
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
