#pragma once
// The service window: never shown, it holds the pictures the other windows
// share and the result lists' pop-up menu.

#include <QPixmap>
#include <QWidget>

class QAction;
class QMenu;

namespace tandara {

class frmServ : public QWidget {
    Q_OBJECT
public:
    explicit frmServ(QWidget *parent = nullptr);

    // The main window's background picture.
    const QPixmap &picsfondo() const { return picsfondo_; }
    // The title-bar picture every window stretches into its title bar.
    const QPixmap &picBarra() const { return picBarra_; }
    // The pop-up menu of the result lists and its one item "Elimina";
    // the main window connects the item's triggered signal.
    QMenu *mnuMenu() const { return mnuMenu_; }
    QAction *mnuElimina() const { return mnuElimina_; }

    // The window stays hidden whatever is asked of it.
    void setVisible(bool visible) override;

private:
    QPixmap picsfondo_;
    QPixmap picBarra_;
    QMenu *mnuMenu_;
    QAction *mnuElimina_;
};

} // namespace tandara
