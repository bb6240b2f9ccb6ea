#include "canimate.h"

namespace tandara {

namespace {
constexpr int32_t kLastResourceNumber = 0xFFFF;
}

CAnimate::CAnimate(AnimationSystem &system)
    : system_(system)
{
    system_.initCommonControls(ICC_ANIMATE_CLASS);
}

CAnimate::~CAnimate()
{
    if (m_hWnd)
        AniDestroy();
}

void CAnimate::AutoPlay(bool value)
{
    m_bAutoPlay = value;
    if (m_hWnd)
        AniCreate();
}

void CAnimate::Center(bool value)
{
    m_bCenter = value;
    if (m_hWnd)
        AniCreate();
}

void CAnimate::FileName(const std::string &value)
{
    m_sFileName = value;
    m_lResID = 0;
    AniOpen();
}

void CAnimate::ResourceID(int32_t value)
{
    m_lResID = value;
    m_sFileName.clear();
    AniOpen();
}

void CAnimate::Parent(WindowHandle value)
{
    m_hWndParent = value;
    if (m_hWnd)
        AniCreate();
}

void CAnimate::Transparent(bool value)
{
    m_bTransparent = value;
    if (m_hWnd)
        AniCreate();
}

void CAnimate::Height(int32_t value)
{
    Move({}, {}, {}, value);
}

void CAnimate::Left(int32_t value)
{
    Move(value);
}

void CAnimate::Top(int32_t value)
{
    Move({}, value);
}

void CAnimate::Width(int32_t value)
{
    Move({}, {}, value);
}

void CAnimate::Visible(bool value)
{
    m_bVisible = value;
    if (m_hWnd)
        system_.showWindow(m_hWnd, value ? SW_SHOW : SW_HIDE);
}

void CAnimate::AniPlay()
{
    if (!m_hWnd)
        AniCreate();
    // Repeat count -1: over and over; frames 0 to 0xFFFF: the whole clip.
    const intptr_t result = m_hWnd
        ? system_.sendMessage(m_hWnd, ACM_PLAY, static_cast<uintptr_t>(-1), makeLong(0, 0xFFFF))
        : 0;
    m_bPlaying = result != 0;
}

void CAnimate::AniStop()
{
    if (!m_hWnd)
        return;
    if (system_.sendMessage(m_hWnd, ACM_STOP, 0, 0) != 0)
        m_bPlaying = false;
}

void CAnimate::Move(std::optional<int32_t> Left, std::optional<int32_t> Top,
                    std::optional<int32_t> Width, std::optional<int32_t> Height)
{
    m_lLeft = Left.value_or(m_lLeft);
    m_lTop = Top.value_or(m_lTop);
    m_lWidth = Width.value_or(m_lWidth);
    m_lHeight = Height.value_or(m_lHeight);
    if (m_hWnd)
        system_.moveWindow(m_hWnd, m_lLeft, m_lTop, m_lWidth, m_lHeight, true);
}

uint32_t CAnimate::windowStyle() const
{
    uint32_t style = WS_CHILD | WS_CLIPSIBLINGS;
    if (m_bVisible)
        style |= WS_VISIBLE;
    if (m_bAutoPlay)
        style |= ACS_AUTOPLAY;
    if (m_bCenter)
        style |= ACS_CENTER;
    if (m_bTransparent)
        style |= ACS_TRANSPARENT;
    return style;
}

void CAnimate::AniCreate()
{
    bool wasPlaying = false;
    if (m_hWnd) {
        wasPlaying = m_bPlaying;
        AniDestroy();
    }
    m_hWnd = system_.createWindow(0, kAnimateClass, windowStyle(), m_lLeft, m_lTop, m_lWidth,
                                  m_lHeight, m_hWndParent);
    if (wasPlaying) {
        AniOpen();
        AniPlay();
    }
    if (m_bVisible && m_hWndParent)
        system_.sendMessage(m_hWndParent, WM_PAINT, 0, 0);
}

// Sends the open request for the clip that is set; 0 when none is set.
// A resource number outside 1..65535 cannot travel in the message (the
// window would take it for the address of a file name), so it opens
// nothing.
intptr_t CAnimate::sendOpen()
{
    if (m_lResID != 0) {
        if (m_lResID < 0 || m_lResID > kLastResourceNumber)
            return 0;
        return system_.sendMessage(m_hWnd, ACM_OPENA, 0, m_lResID);
    }
    if (!m_sFileName.empty())
        return system_.sendMessage(m_hWnd, ACM_OPENA, 0,
                                   reinterpret_cast<intptr_t>(m_sFileName.c_str()));
    return 0;
}

void CAnimate::AniOpen()
{
    if (m_hWnd)
        AniStop();
    else
        AniCreate();
    if (!m_hWnd)
        return;
    const intptr_t result = sendOpen();
    m_bPlaying = m_bAutoPlay && result != 0;
}

void CAnimate::AniDestroy()
{
    if (!m_hWnd)
        return;
    AniStop();
    system_.destroyWindow(m_hWnd);
    m_hWnd = 0;
}

} // namespace tandara
