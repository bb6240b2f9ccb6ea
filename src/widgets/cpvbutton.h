#pragma once
// Our own push button: a soft raised face in a chosen colour carrying a
// picture and a caption. The main window's looks (idle, hover, active tab)
// are made by changing its face colour, caption colour and caption weight.
//
// Tab reaches every enabled button (a click gives no focus); Space (on
// release) and Enter press it. No focus rectangle is drawn: a button with
// keyboard focus shows the active look (green face, white bold caption,
// here underlined, so that the focus also shows on a tab that is the
// active one; a flat button's picture is tinted green) for as long as it
// has it.
//
// mouseEntered is reported only while the button is enabled; once it has
// been reported, mouseLeft follows when the pointer leaves, when the
// button is disabled or hidden, whichever comes first, so a look set on
// entering never outlasts the button's use. A button enabled again under
// the pointer reports the entry again.
//
// A caption set bold that would not fit beside the picture narrows to a
// condensed cut rather than touch the face's edge.

#include <QColor>
#include <QPixmap>
#include <QString>
#include <QWidget>

namespace tandara {

class cpvButton : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString caption READ caption WRITE setCaption)
    Q_PROPERTY(QPixmap picture READ picture WRITE setPicture)
    Q_PROPERTY(QColor buttoncolor READ buttoncolor WRITE setButtoncolor)
    Q_PROPERTY(QColor fontcolor READ fontcolor WRITE setFontcolor)
    Q_PROPERTY(bool FontBold READ fontBold WRITE setFontBold)
    Q_PROPERTY(int captionalign READ captionalign WRITE setCaptionalign)
    Q_PROPERTY(int picturetab READ picturetab WRITE setPicturetab)
    Q_PROPERTY(bool flat READ flat WRITE setFlat)
public:
    explicit cpvButton(QWidget *parent = nullptr);

    QString caption() const { return caption_; }
    void setCaption(const QString &caption);
    QPixmap picture() const { return picture_; }
    void setPicture(const QPixmap &picture);
    QColor buttoncolor() const { return buttoncolor_; }
    void setButtoncolor(const QColor &color);
    QColor fontcolor() const { return fontcolor_; }
    void setFontcolor(const QColor &color);
    bool fontBold() const { return fontBold_; }
    void setFontBold(bool bold);
    // Placement of picture and caption; see buttonlayout.h for the values.
    int captionalign() const { return captionalign_; }
    void setCaptionalign(int align);
    int picturetab() const { return picturetab_; }
    void setPicturetab(int tab);
    // A flat button draws no face: only its picture (title-bar buttons).
    bool flat() const { return flat_; }
    void setFlat(bool flat);

    // True while the left button is held down with the pointer inside, or
    // Space is held down.
    bool isDown() const { return (pressed_ && pressInside_) || keyDown_; }
    // True while the button shows the keyboard focus.
    bool showsFocus() const { return hasFocus() && isEnabled(); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void clicked();
    void mouseEntered();
    void mouseLeft();

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QFont captionFont() const;
    QSize captionSize() const;
    void paintFace(QPainter &painter) const;
    void paintContent(QPainter &painter) const;
    void setPressInside(bool inside);
    void releaseAll();
    void endVisit();

    QString caption_;
    QPixmap picture_;
    QPixmap greyPicture_;
    QColor buttoncolor_;
    QColor fontcolor_;
    bool fontBold_ = false;
    int captionalign_ = 4;
    int picturetab_ = 2;
    bool flat_ = false;
    bool pressed_ = false;
    bool pressInside_ = false;
    bool entryReported_ = false;
    bool keyDown_ = false;
};

} // namespace tandara
