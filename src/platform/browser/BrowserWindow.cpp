// Page windows (see BrowserWindow.h). The page keeps the elements; this side
// keeps the position and hands over pixels.
#include "platform/browser/BrowserWindow.h"

#include "platform/HostWindow.h"
#include "platform/browser/PageContract.h"
#include "platform/browser/Rgba.h"

#include <emscripten.h>

#include <map>
#include <string>

namespace {

std::map<int, CBrowserWindow*>& Windows() {
    static std::map<int, CBrowserWindow*> windows;
    return windows;
}

// clang-format off
EM_JS(void, PageCreateWindow, (int id), { QuorvanelHost.createWindow(id); });
EM_JS(void, PageDestroyWindow, (int id), { QuorvanelHost.destroyWindow(id); });
EM_JS(void, PageSetTitle, (int id, const char* title), { QuorvanelHost.setTitle(id, UTF8ToString(title)); });
EM_JS(void, PageSetClientSize, (int id, int width, int height), {
    QuorvanelHost.setClientSize(id, width, height);
});
EM_JS(void, PageMoveClientTo, (int id, int x, int y), { QuorvanelHost.moveClientTo(id, x, y); });
EM_JS(void, PageSetVisible, (int id, bool visible), { QuorvanelHost.setVisible(id, visible); });
EM_JS(void, PageRaise, (int id), { QuorvanelHost.raise(id); });
EM_JS(void, PagePutPixels, (int id, int x, int y, int width, int height, const unsigned char* rgba), {
    QuorvanelHost.putPixels(id, x, y, width, height, HEAPU8.slice(rgba, rgba + width * height * 4));
});
// One node of the mirror: its parent's index in the description (-1 for
// the window), its place and flags (PageContract::kMirror*).
EM_JS(void, PageMirrorBegin, (int id), { QuorvanelMirror.begin(id); });
EM_JS(void, PageMirrorNode, (int parent, const char* node, const char* role, const char* name,
                             const char* description, int left, int top, int right, int bottom, int flags), {
    QuorvanelMirror.node(parent, UTF8ToString(node), UTF8ToString(role), UTF8ToString(name),
                         UTF8ToString(description), [left, top, right, bottom], flags);
});
EM_JS(void, PageMirrorEnd, (), { QuorvanelMirror.end(); });
// clang-format on

// Sends node and its subtree in document order; next counts the nodes sent.
void SendNode(const CAccessNode& node, int parent, int& next) {
    using namespace PageContract;
    const int flags = (node.disabled ? kMirrorDisabled : 0) | (node.selected ? kMirrorSelected : 0) |
                      (node.focused ? kMirrorFocused : 0) | (node.canFocus ? kMirrorFocusable : 0);
    const std::string role(AccessRoleName(node.role));
    const CRect& b = node.bounds;
    PageMirrorNode(parent, node.id.c_str(), role.c_str(), node.name.c_str(), node.FullDescription().c_str(),
                   b.left, b.top, b.right, b.bottom, flags);
    const int self = next++;
    for (const CAccessNode& child : node.children) SendNode(child, self, next);
}

int NewId() {
    static int last = 0;
    return ++last;
}

}  // namespace

CBrowserWindow::CBrowserWindow(CHostWindow& host) : host_(host), id_(NewId()) {
    Windows()[id_] = this;
    PageCreateWindow(id_);
}

CBrowserWindow::~CBrowserWindow() {
    Windows().erase(id_);
    PageDestroyWindow(id_);
}

CHostWindow* CBrowserWindow::HostOf(int windowId) {
    const auto it = Windows().find(windowId);
    return it == Windows().end() ? nullptr : &it->second->host_;
}

void CBrowserWindow::SetTitle(const std::string& title) { PageSetTitle(id_, title.c_str()); }

void CBrowserWindow::SetClientSize(int width, int height) { PageSetClientSize(id_, width, height); }

void CBrowserWindow::MoveClientTo(CPoint origin) {
    origin_ = origin;
    PageMoveClientTo(id_, origin.x, origin.y);
}

CRect CBrowserWindow::GetFrameInsets() const {
    using namespace PageContract;
    return {kBorder, kBorder + kCaption, kBorder, kBorder};
}

void CBrowserWindow::SetVisible(bool visible) { PageSetVisible(id_, visible); }

void CBrowserWindow::Present(const CFrameBuffer& pixels, const std::vector<CRect>& area) {
    const CRect bounds{0, 0, pixels.Width(), pixels.Height()};
    for (const CRect& part : area) {
        const CRect r = part.Intersect(bounds);
        if (r.IsRectEmpty()) continue;
        CopyRgba(pixels, r, &rgba_);
        PagePutPixels(id_, r.left, r.top, r.Width(), r.Height(), rgba_.data());
    }
}

void CBrowserWindow::TakeFocus() { PageRaise(id_); }

void CBrowserWindow::ShowAccessTree(const CAccessNode& tree) {
    PageMirrorBegin(id_);
    int next = 0;
    SendNode(tree, -1, next);
    PageMirrorEnd();
}
