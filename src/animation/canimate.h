#pragma once
// CAnimate: owns one animation window that plays a silent clip, from the
// program's resources or from a file. Every setting is kept as a property;
// the window is created when first needed, re-created when a setting that
// belongs to its style changes, and destroyed with the object.
//
// Properties are overload pairs: Name(value) writes, Name() reads.
// Typical use (a dialog playing the copy clip 15 px from its left edge and
// 35 px from its top, sized by the clip):
//
//     auto *anim = new CAnimate;
//     anim->Parent(windowHandle(dialog));
//     anim->Move(15, 35);
//     anim->AutoPlay(true);
//     anim->Center(false);
//     anim->Transparent(true);
//     anim->ResourceID(lIdAnimazione); // creates the window and plays

#include "animation/animationsystem.h"

#include <cstdint>
#include <optional>
#include <string>

namespace tandara {

class CAnimate {
public:
    // Drives the window system that animationSystem() gives (the Qt one in
    // the program); defined in the library tandara_animation.
    CAnimate();
    // Drives the given window system, which must outlive the object.
    explicit CAnimate(AnimationSystem &system);
    ~CAnimate();
    CAnimate(const CAnimate &) = delete;
    CAnimate &operator=(const CAnimate &) = delete;

    WindowHandle hwnd() const { return m_hWnd; }
    void AutoPlay(bool value);
    bool AutoPlay() const { return m_bAutoPlay; }
    void Center(bool value);
    bool Center() const { return m_bCenter; }
    // A clip file's path, in the file system's own bytes.
    void FileName(const std::string &value);
    const std::string &FileName() const { return m_sFileName; }
    // A clip resource number, 1 to 65535; 0 means none.
    void ResourceID(int32_t value);
    int32_t ResourceID() const { return m_lResID; }
    void Parent(WindowHandle value);
    WindowHandle Parent() const { return m_hWndParent; }
    void Transparent(bool value);
    bool Transparent() const { return m_bTransparent; }
    void Height(int32_t value);
    int32_t Height() const { return m_lHeight; }
    int32_t Left() const { return m_lLeft; }
    void Left(int32_t value);
    void Top(int32_t value);
    int32_t Top() const { return m_lTop; }
    void Width(int32_t value);
    int32_t Width() const { return m_lWidth; }
    void Visible(bool value);
    bool Visible() const { return m_bVisible; }
    void AniPlay();
    void AniStop();
    // Stores each given value; an existing window moves to the result.
    void Move(std::optional<int32_t> Left = {}, std::optional<int32_t> Top = {},
              std::optional<int32_t> Width = {}, std::optional<int32_t> Height = {});

    // True after a play request (or an autoplay open) succeeded, until a
    // stop succeeds: whether a re-created window plays the clip again.
    bool playing() const { return m_bPlaying; }

private:
    void AniCreate();
    void AniOpen();
    void AniDestroy();
    uint32_t windowStyle() const;
    intptr_t sendOpen();

    AnimationSystem &system_;
    WindowHandle m_hWnd = 0;
    WindowHandle m_hWndParent = 0;
    bool m_bAutoPlay = true;
    bool m_bCenter = true;
    bool m_bTransparent = true;
    bool m_bVisible = true;
    bool m_bPlaying = false;
    int32_t m_lResID = 0;
    std::string m_sFileName;
    int32_t m_lLeft = 0;
    int32_t m_lTop = 0;
    int32_t m_lWidth = 0;
    int32_t m_lHeight = 0;
};

} // namespace tandara
