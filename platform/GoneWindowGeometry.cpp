// Linked into the program itself (not the core library), so that it takes the place of libX11's
// XGetGeometry for every library in the process.
//
// Mesa's software GL on X11 (the swrast/llvmpipe loader, which is what runs without a GPU driver)
// asks XGetGeometry for the window's size before drawing a frame and uses the answer even when
// the call fails. It fails when the window has been destroyed, as a screensaver's window may be
// at any moment, and the size is then whatever was on the stack: the driver allocates and clears
// a framebuffer of gigabytes, which takes seconds and can exhaust the memory. Here a window that
// is gone measures 0 x 0, so such a frame draws nothing.
#include <X11/Xlib.h>
#include <dlfcn.h>

extern "C" Status XGetGeometry(Display* display, Drawable drawable, Window* root, int* x, int* y,
                               unsigned* width, unsigned* height, unsigned* border,
                               unsigned* depth) {
    using Function = Status (*)(Display*, Drawable, Window*, int*, int*, unsigned*, unsigned*,
                                unsigned*, unsigned*);
    static const auto libX11 = reinterpret_cast<Function>(dlsym(RTLD_NEXT, "XGetGeometry"));
    // libX11 writes the answers only when the window exists.
    *root = 0;
    *x = *y = 0;
    *width = *height = *border = *depth = 0;
    return libX11 ? libX11(display, drawable, root, x, y, width, height, border, depth) : 0;
}
