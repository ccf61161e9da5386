// What a host window needs of the window system it belongs to (CWindowSystem
// is the one implementation): the backend that makes its native side and
// knows the screen, and to be told when it is shown or hidden.
#pragma once

class CHostWindow;
class CWindowBackend;

class CWindowSite {
public:
    virtual CWindowBackend& Backend() = 0;
    virtual void AddShown(CHostWindow& window) = 0;
    virtual void RemoveShown(CHostWindow& window) = 0;

protected:
    ~CWindowSite() = default;
};
