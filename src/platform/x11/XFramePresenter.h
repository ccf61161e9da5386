// Showing a window's frame on X with the program's own requests: the parts
// to show are enlarged and converted into a band of a few rows at a time
// (ScaledCopy.h), and each band is sent with XPutImage. The program then
// holds no second copy of the whole picture: SDL's window surface is one, a
// megabyte of shared memory for the main window at its own size.
#pragma once

#include "platform/sdl/FramePresenter.h"

class CXFramePresenter final : public CFramePresenter {
public:
    // The presenter for window when it is an X window of a true-colour
    // visual (or a direct-colour one, which SDL gives a straight colour
    // ramp) with 8 bits a channel in 32-bit pixels; none for any other.
    static std::unique_ptr<CXFramePresenter> For(SDL_Window* window);
    ~CXFramePresenter() override;
    CXFramePresenter(const CXFramePresenter&) = delete;
    CXFramePresenter& operator=(const CXFramePresenter&) = delete;

    void Fill(COLORREF color, CSize room) override;
    void Show(const CFrameBuffer& frame, const std::vector<CRect>& area, int scale, CPoint offset,
              CSize room) override;

private:
    struct CState;
    explicit CXFramePresenter(std::unique_ptr<CState> state);

    std::unique_ptr<CState> state_;
    std::vector<std::uint32_t> band_;
};
