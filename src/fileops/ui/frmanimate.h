#pragma once
// The progress dialog that stands in front of the main window while a copy
// or a delete runs: a playing clip, a heading, the operation, the file being
// handled and an "Annulla" button.
//
// It exists at most once, built fresh for every run. However it closes, a
// run still going on is cancelled: when the owner's cancel flag is clear at
// close, the dialog calls the owner's Annulla.

#include <QPixmap>
#include <QWidget>
#include <cstdint>
#include <memory>

class QLabel;

namespace tandara {

class CAnimate;
class PictureBar;
class cpvButton;

// What the dialog needs of the window that runs the operation.
class ProgressOwner {
public:
    virtual ~ProgressOwner() = default;
    virtual bool cancelFlag() const = 0;
    virtual void Annulla() = 0;
};

// The clip the progress dialog plays: 101 for copy, 102 for delete; set by
// the window that opens the dialog.
extern int32_t lIdAnimazione;

class frmAnimate : public QWidget {
    Q_OBJECT
public:
    // Builds and loads the dialog: clip lIdAnimazione, the shared title-bar
    // picture in both bars, cancelPicture on the "Annulla" button. The
    // dialog is not shown yet, so that it can be placed first: a window
    // manager may ignore, or show, a move made after the first show.
    frmAnimate(ProgressOwner &owner, const QPixmap &barPicture, const QPixmap &cancelPicture);
    ~frmAnimate() override;

    void setCaption(const QString &text);        // lblCaption
    void setOperation(const QString &text);      // lblTipoOperazione
    void setFileName(const QString &text);       // lblNomeFile
    bool isClosing() const { return closing_; }

    PictureBar *picBarra[2] = {};
    QLabel *lblCaption = nullptr;
    QLabel *lblTipoOperazione = nullptr;
    QLabel *lblNomeFile = nullptr;
    cpvButton *cpvAnnulla = nullptr;
    CAnimate *animation() const { return m_Anim.get(); }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls(const QPixmap &cancelPicture);
    void startClip();

    ProgressOwner &owner_;
    std::unique_ptr<CAnimate> m_Anim;
    bool closing_ = false;
};

} // namespace tandara
