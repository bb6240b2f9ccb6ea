#include "frmanimate.h"

#include "animation/canimate.h"
#include "animation/windowregistry.h"
#include "widgets/cpvbutton.h"
#include "widgets/looks.h"
#include "widgets/picturebar.h"
#include "widgets/programicon.h"
#include "widgets/twips.h"
#include "widgets/windowshape.h"

#include <QCloseEvent>
#include <QLabel>

namespace tandara {

int32_t lIdAnimazione = 0;

namespace {

constexpr int kWidth = 5565; // twips
constexpr int kHeight = 2775;
constexpr int kBarHeight = 375;

QLabel *makeLabel(QWidget *parent, int left, int top, int width, int height, const QFont &font)
{
    auto *label = new QLabel(parent);
    label->setFont(font);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setGeometry(twipsToPxX(left), twipsToPxY(top), twipsToPxX(width), twipsToPxY(height));
    return label;
}

} // namespace

frmAnimate::frmAnimate(ProgressOwner &owner, const QPixmap &barPicture, const QPixmap &cancelPicture)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint), owner_(owner)
{
    setObjectName(QStringLiteral("frmAnimate"));
    setWindowIcon(programIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    QPalette background = palette();
    background.setColor(QPalette::Window, kWindowBackground);
    setPalette(background);
    setAutoFillBackground(true);

    m_Anim = std::make_unique<CAnimate>();
    storeTwipsPerPixel();
    // Fixed: a window manager may not shrink it over its controls.
    setFixedSize(twipsToPxX(kWidth), twipsToPxY(kHeight));
    createControls(cancelPicture);
    // The picture overhangs each end of the bar by 150 twips.
    const QRect target(-twipsToPxX(150), 0, twipsToPxX(kWidth + 300), twipsToPxY(kBarHeight));
    picBarra[0]->paintPicture(barPicture, target);
    picBarra[1]->paintPicture(barPicture, target);
    Arrotonda(this, picBarra[0]);
    startClip();
}

frmAnimate::~frmAnimate() = default;

void frmAnimate::createControls(const QPixmap &cancelPicture)
{
    const QFont barFont = windowsFont(kTimes, 12, true);
    for (int i = 0; i < 2; ++i) {
        picBarra[i] = new PictureBar(this);
        picBarra[i]->setFont(barFont);
        picBarra[i]->setGeometry(0, i == 0 ? 0 : twipsToPxY(2400), twipsToPxX(kWidth), twipsToPxY(kBarHeight));
    }
    picBarra[0]->setDragWindow(this);
    lblCaption = makeLabel(picBarra[0], 495, 30, 4575, 375, barFont);
    QPalette captionPalette = lblCaption->palette();
    captionPalette.setColor(QPalette::WindowText, kBarTextColour);
    lblCaption->setPalette(captionPalette);
    lblCaption->setAttribute(Qt::WA_TransparentForMouseEvents);

    const QFont labelFont = windowsFont(kSansSerif, 8.25, false);
    lblTipoOperazione = makeLabel(this, 180, 1770, 1890, 255, labelFont);
    lblNomeFile = makeLabel(this, 180, 2055, 5670, 195, labelFont);

    cpvAnnulla = new cpvButton(this);
    cpvAnnulla->setCaption(QStringLiteral("Annulla"));
    cpvAnnulla->setCaptionalign(4);
    cpvAnnulla->setPicture(cancelPicture);
    cpvAnnulla->setGeometry(twipsToPxX(4380), twipsToPxY(1665), twipsToPxX(1080), twipsToPxY(345));
    connect(cpvAnnulla, &cpvButton::clicked, this, [this] { owner_.Annulla(); });
}

// The clip stands 15 px from the left and 35 px from the top, sized by the
// clip itself, and plays over and over from the moment it opens.
void frmAnimate::startClip()
{
    m_Anim->Parent(tandara::windowHandle(this));
    m_Anim->Move(15, 35);
    m_Anim->AutoPlay(true);
    m_Anim->Center(false);
    m_Anim->Transparent(true);
    m_Anim->ResourceID(lIdAnimazione);
    update();
}

void frmAnimate::setCaption(const QString &text)
{
    lblCaption->setText(text);
}

void frmAnimate::setOperation(const QString &text)
{
    lblTipoOperazione->setText(text);
}

void frmAnimate::setFileName(const QString &text)
{
    lblNomeFile->setText(text);
}

void frmAnimate::closeEvent(QCloseEvent *event)
{
    if (closing_) {
        event->accept();
        return;
    }
    closing_ = true;
    if (!owner_.cancelFlag())
        owner_.Annulla();
    TogliContorno(this);
    m_Anim.reset();
    event->accept();
}

} // namespace tandara
