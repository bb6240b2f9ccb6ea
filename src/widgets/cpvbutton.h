#pragma once
// Our own push button: a soft raised face in a chosen colour carrying a
// picture and a caption. The main window's looks (idle, hover, active tab)
// are made by changing its face colour, caption colour and caption weight.
//
// The button never takes keyboard focus, so no focus mark is ever drawn.
// mouseEntered is reported only while the button is enabled; once it has
// been reported, mouseLeft follows when the pointer leaves, whatever the
// button's state by then (also when the button is hidden under the
// pointer), so a look set on entering can always be undone.

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

    // True while the left button is held down with the pointer inside.
    bool isDown() const { return pressed_ && pressInside_; }

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
    void changeEvent(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QFont captionFont() const;
    QSize captionSize() const;
    void paintFace(QPainter &painter) const;
    void paintContent(QPainter &painter) const;
    void setPressInside(bool inside);

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
};

} // namespace tandara
