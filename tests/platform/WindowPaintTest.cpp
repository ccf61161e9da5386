// Headless windows: what a paint redraws (only the invalid area, erased when
// asked), geometry and centring, rendering for printing and PNG shots, a
// paint that throws, and when the accessibility description is made.
#include "support/FailureReason.h"
#include "support/ScriptedInput.h"

#include "gfx/png/PngFile.h"
#include "platform/Platform.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace {

constexpr COLORREF kBackground = RGB(10, 20, 30);
constexpr COLORREF kInk = RGB(200, 0, 0);

class WindowPaint : public ::testing::Test {
protected:
    void SetUp() override {
        window = platform->CreateWindow(handler, nullptr);
        window->SetClientSize(60, 40);
        window->SetBackground(kBackground);
    }
    // Paints what the loop would paint before waiting for input.
    void ShowAndSettle() {
        window->Show();
        window->UpdateWindow();
    }
    COLORREF Pixel(int x, int y) const { return window->GetFrameBuffer().GetPixel(x, y); }

    std::unique_ptr<CPlatform> platform = CPlatform::CreateHeadless();
    CRecordingHandler handler;
    std::unique_ptr<CWindow> window;
};

TEST_F(WindowPaint, ShowPaintsTheWholeClientAreaOnceOverTheBackground) {
    window->Show();
    EXPECT_EQ(platform->Run(), 0);  // no input: paints, then ends
    EXPECT_EQ(handler.paints, 1);
    EXPECT_EQ(handler.clipBoxes.back(), (CRect{0, 0, 60, 40}));
    EXPECT_EQ(Pixel(0, 0), kBackground);
    EXPECT_EQ(Pixel(59, 39), kBackground);
}

TEST_F(WindowPaint, AHiddenWindowIsNotPaintedUntilShown) {
    window->Invalidate(true);
    window->UpdateWindow();
    EXPECT_EQ(handler.paints, 0);
    EXPECT_FALSE(window->IsVisible());
    ShowAndSettle();
    EXPECT_EQ(handler.paints, 1);
}

TEST_F(WindowPaint, OnlyTheInvalidRectangleIsRedrawn) {
    handler.paint = [&](CDC& dc) {
        dc.FillSolidRect({0, 0, 60, 40}, handler.paints == 1 ? kBackground : kInk);
    };
    ShowAndSettle();
    window->InvalidateRect({10, 5, 20, 15}, false);
    window->UpdateWindow();
    EXPECT_EQ(handler.clipBoxes.back(), (CRect{10, 5, 20, 15}));
    EXPECT_EQ(Pixel(10, 5), kInk);
    EXPECT_EQ(Pixel(19, 14), kInk);
    EXPECT_EQ(Pixel(20, 14), kBackground);
    EXPECT_EQ(Pixel(19, 15), kBackground);
    EXPECT_EQ(Pixel(9, 5), kBackground);
}

TEST_F(WindowPaint, InvalidationsAccumulateIntoOnePaintOfTheirUnion) {
    handler.paint = [&](CDC& dc) {
        dc.FillSolidRect({0, 0, 60, 40}, handler.paints == 1 ? kBackground : kInk);
    };
    ShowAndSettle();
    window->InvalidateRect({0, 0, 5, 5}, false);
    window->InvalidateRect({30, 30, 35, 35}, false);
    window->UpdateWindow();
    EXPECT_EQ(handler.paints, 2);
    EXPECT_EQ(Pixel(0, 0), kInk);
    EXPECT_EQ(Pixel(34, 34), kInk);
    EXPECT_EQ(Pixel(20, 20), kBackground);  // between the two: not drawn
}

TEST_F(WindowPaint, EraseFillsTheInvalidAreaWithTheBackgroundOnlyWhenAsked) {
    handler.paint = [&](CDC& dc) {
        if (handler.paints == 1) dc.FillSolidRect({0, 0, 60, 40}, kInk);
    };
    ShowAndSettle();
    window->InvalidateRect({0, 0, 10, 10}, false);
    window->UpdateWindow();
    EXPECT_EQ(Pixel(5, 5), kInk);
    window->InvalidateRect({0, 0, 10, 10}, true);
    window->UpdateWindow();
    EXPECT_EQ(Pixel(5, 5), kBackground);
    EXPECT_EQ(Pixel(10, 10), kInk);
}

TEST_F(WindowPaint, AHandlerThatPaintsEveryPixelIsNotErasedFirst) {
    handler.paint = [&](CDC& dc) {
        if (handler.paints == 1) dc.FillSolidRect({0, 0, 60, 40}, kInk);
    };
    ShowAndSettle();
    handler.paintsEveryPixel = true;
    window->InvalidateRect({0, 0, 10, 10}, true);
    window->UpdateWindow();
    EXPECT_EQ(handler.paints, 2);
    EXPECT_EQ(Pixel(5, 5), kInk);
}

TEST_F(WindowPaint, NothingIsRedrawnWhileNothingIsInvalid) {
    window->Show();
    CScript script;
    script.Then(Move(1, 1)).Then(Move(2, 2)).Then(Click(3, 3));
    script.InstallOn(*platform);
    platform->Run();
    EXPECT_EQ(handler.paints, 1);
    window->UpdateWindow();
    EXPECT_EQ(handler.paints, 1);
    window->InvalidateRect({100, 100, 120, 120}, true);  // outside the client area
    window->UpdateWindow();
    EXPECT_EQ(handler.paints, 1);
}

TEST_F(WindowPaint, AnInvalidationMadeWhilePaintingWaitsForTheNextPaint) {
    handler.paint = [&](CDC&) {
        if (handler.paints == 1) window->InvalidateRect({1, 1, 2, 2}, false);
    };
    ShowAndSettle();
    EXPECT_EQ(handler.paints, 1);
    window->UpdateWindow();
    EXPECT_EQ(handler.paints, 2);
    EXPECT_EQ(handler.clipBoxes.back(), (CRect{1, 1, 2, 2}));
}

TEST_F(WindowPaint, APaintThatThrowsKeepsWhatItDrewIsValidatedAndShowsNoBox) {
    handler.paint = [&](CDC& dc) {
        dc.FillSolidRect({0, 0, 5, 5}, kInk);
        if (handler.paints == 1) throw std::runtime_error("painting failed");
    };
    window->Show();
    CScript script;
    script.Then([&] { EXPECT_EQ(platform->Windows().size(), 1u); }, Click(7, 8)).Finally([&] {
        EXPECT_EQ(platform->Windows().size(), 1u);
    });
    script.InstallOn(*platform);
    platform->Run();
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(handler.paints, 1);  // validated: not painted again
    EXPECT_EQ(Pixel(0, 0), kInk);
    EXPECT_EQ(handler.events, std::vector<std::string>{"click 7,8"});
}

TEST_F(WindowPaint, RenderToBufferPaintsEverythingAfreshAndLeavesTheWindowAlone) {
    handler.paint = [&](CDC& dc) { dc.SetPixel(3, 4, handler.paints == 1 ? kInk : RGB(0, 255, 0)); };
    ShowAndSettle();
    const CFrameBuffer printed = window->RenderToBuffer();
    EXPECT_EQ(printed.Width(), 60);
    EXPECT_EQ(printed.Height(), 40);
    EXPECT_EQ(printed.GetPixel(3, 4), RGB(0, 255, 0));
    EXPECT_EQ(printed.GetPixel(0, 0), kBackground);
    EXPECT_EQ(handler.clipBoxes.back(), (CRect{0, 0, 60, 40}));
    EXPECT_EQ(Pixel(3, 4), kInk);
}

TEST_F(WindowPaint, RenderToBufferPassesAPaintFailureToTheCaller) {
    handler.paint = [](CDC&) { throw std::runtime_error("cannot print"); };
    EXPECT_THROW(window->RenderToBuffer(), std::runtime_error);
}

TEST_F(WindowPaint, WritePngSavesTheClientAreaAsPainted) {
    handler.paint = [](CDC& dc) { dc.FillSolidRect({0, 0, 30, 40}, kInk); };
    ShowAndSettle();
    const std::string path = ::testing::TempDir() + "window_shot.png";
    ASSERT_EQ(FailureReason(window->WritePng(path)), "");
    const CErrorOr<CFrameBuffer> read = ReadPng(path);
    ASSERT_EQ(FailureReason(read), "");
    EXPECT_EQ(*read, window->GetFrameBuffer());
    std::filesystem::remove(path);
    EXPECT_NE(
        FailureReason(window->WritePng("/nonexistent-folder/shot.png")).find("/nonexistent-folder/shot.png"),
        std::string::npos);
}

TEST_F(WindowPaint, ResizingGivesTheExactClientSizeAndRepaintsEverything) {
    ShowAndSettle();
    window->SetClientSize(655, 405);
    EXPECT_EQ(window->GetClientRect(), (CRect{0, 0, 655, 405}));
    EXPECT_EQ(window->GetWindowRect().Width(), 665);
    EXPECT_EQ(window->GetWindowRect().Height(), 445);
    window->UpdateWindow();
    EXPECT_EQ(handler.clipBoxes.back(), (CRect{0, 0, 655, 405}));
    EXPECT_EQ(window->GetFrameBuffer().Width(), 655);
    EXPECT_EQ(Pixel(654, 404), kBackground);
}

TEST_F(WindowPaint, CentringPlacesTheWholeWindowInTheMiddleOfTheScreen) {
    window->SetClientSize(655, 405);
    window->CenterOnScreen();
    EXPECT_EQ(window->GetWindowRect(), (CRect{307, 289, 307 + 665, 289 + 445}));
}

TEST_F(WindowPaint, ADialogCentresOverItsOwnerAndStaysOnTheScreen) {
    window->SetClientSize(655, 405);
    window->CenterOnScreen();
    CRecordingHandler dialogHandler;
    auto dialog = platform->CreateWindow(dialogHandler, window.get());
    dialog->SetClientSize(200, 100);
    dialog->CenterOver(*window);
    const CRect owner = window->GetWindowRect();
    const CRect placed = dialog->GetWindowRect();
    EXPECT_LE(std::abs((placed.left - owner.left) - (owner.right - placed.right)), 1);
    EXPECT_LE(std::abs((placed.top - owner.top) - (owner.bottom - placed.bottom)), 1);
    dialog->SetClientSize(2000, 100);
    dialog->CenterOver(*window);
    EXPECT_EQ(dialog->GetWindowRect().left, 0);
}

TEST_F(WindowPaint, DialogsEraseWithTheButtonFaceByDefault) {
    CRecordingHandler dialogHandler;
    auto dialog = platform->CreateWindow(dialogHandler, window.get());
    dialog->Show();
    dialog->UpdateWindow();
    EXPECT_EQ(dialog->GetFrameBuffer().GetPixel(0, 0), GetSysColor(SysColor::ButtonFace));
    CRecordingHandler mainHandler;
    auto main = platform->CreateWindow(mainHandler, nullptr);
    main->Show();
    main->UpdateWindow();
    EXPECT_EQ(main->GetFrameBuffer().GetPixel(0, 0), GetSysColor(SysColor::Window));
}

// Without assistive technology listening (as headless), a description is made
// only when read, once for each one handed over.
TEST_F(WindowPaint, AnAccessDescriptionIsMadeOnlyWhenRead) {
    int made = 0;
    const auto describe = [&made](const char* name) {
        return [&made, name] {
            ++made;
            CAccessNode node;
            node.name = name;
            return node;
        };
    };
    EXPECT_EQ(window->GetAccessTree(), nullptr);
    window->SetAccessDescription(describe("first"));
    window->SetAccessDescription(describe("second"));
    EXPECT_EQ(made, 0);
    ASSERT_NE(window->GetAccessTree(), nullptr);
    EXPECT_EQ(window->GetAccessTree()->name, "second");
    EXPECT_EQ(made, 1);
    window->SetAccessDescription(describe("third"));
    EXPECT_EQ(window->GetAccessTree()->name, "third");
    EXPECT_EQ(made, 2);
}

}  // namespace
