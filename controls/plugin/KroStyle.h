#pragma once

#include "controls/plugin/KroBody.h"

class KroImagePart;

// The styled button: the text button's body with a square picture beside the caption, swapped for an active
// picture while hovering.
class KroStyle : public KroBody
{
    Q_OBJECT
    // Help texts of the members, for a host's property browser.
    Q_CLASSINFO("Description:HyperLink", "Returns a Hyperlink object used for browser style navigation.")
    Q_CLASSINFO("Description:Alignment",
                "Returns/sets the alignment of a CheckBox or OptionButton, or a control's text.")
    Q_CLASSINFO("Description:BackColor",
                "Returns/sets the background color used to display text and graphics in an object.")
    Q_CLASSINFO("Description:BackStyle",
                "Indicates whether a Label or the background of a Shape is transparent or opaque.")
    Q_CLASSINFO("Description:BorderColor", "Returns/sets the color of an object's border.")
    Q_CLASSINFO("Description:BorderStyle", "Returns/sets the border style for an object.")
    Q_CLASSINFO("Description:BorderWidth", "Returns or sets the width of a control's border.")
    Q_CLASSINFO("Description:Caption",
                "Returns/sets the text displayed in an object's title bar or below an object's icon.")
    Q_CLASSINFO("Description:CurrentX", "Returns/sets the horizontal coordinates for next print or draw method.")
    Q_CLASSINFO("Description:CurrentY", "Returns/sets the vertical coordinates for next print or draw method.")
    Q_CLASSINFO("Description:Enabled",
                "Returns/sets a value that determines whether an object can respond to user-generated events.")
    Q_CLASSINFO("Description:Font", "Returns a Font object.")
    Q_CLASSINFO("Description:ForeColor",
                "Returns/sets the foreground color used to display text and graphics in an object.")
    Q_CLASSINFO("Description:hwnd", "Returns a handle (from Microsoft Windows) to an object's window.")
    Q_CLASSINFO("Description:MouseIcon", "Sets a custom mouse icon.")
    Q_CLASSINFO("Description:MousePointer",
                "Returns/sets the type of mouse pointer displayed when over part of an object.")
    Q_CLASSINFO("Description:Shape", "Returns/sets a value indicating the appearance of a control.")
    Q_CLASSINFO("Description:ToolTipText", "Returns/sets the text displayed when the mouse is paused over the control.")
    Q_CLASSINFO("Description:WhatsThisHelpID", "Returns/sets an associated context number for an object.")
    Q_CLASSINFO("Description:WordWrap",
                "Returns/sets a value that determines whether a control expands to fit the text in its Caption.")
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
