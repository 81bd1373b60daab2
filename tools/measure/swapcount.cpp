// Counts a program's presented frames from outside: loaded with LD_PRELOAD, it stands in for
// glXSwapBuffers and eglSwapBuffers, counts each call and passes it on. The count is kept as text
// in the file named by SWAPCOUNT_FILE (rewritten in place on every swap), so it can be read while
// the program runs and survives the program being killed.
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr size_t kFileBytes = 32;
std::atomic<unsigned long> g_swaps{0};
char* g_counter = nullptr;

void Publish() {
    const unsigned long n = ++g_swaps;
    if (!g_counter) {
        static bool tried = false;
        if (tried)
            return;
        tried = true;
        const char* path = std::getenv("SWAPCOUNT_FILE");
        if (!path)
            return;
        const int fd = open(path, O_RDWR | O_CREAT | O_TRUNC, 0644);
        if (fd < 0 || ftruncate(fd, kFileBytes) != 0)
            return;
        void* map = mmap(nullptr, kFileBytes, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
        close(fd);
        if (map == MAP_FAILED)
            return;
        g_counter = static_cast<char*>(map);
    }
    char text[kFileBytes];
    std::memset(text, ' ', sizeof text);
    const int len = std::snprintf(text, sizeof text, "%lu", n);
    text[len] = ' ';
    text[kFileBytes - 1] = '\n';
    std::memcpy(g_counter, text, sizeof text);
}

template <typename F>
F Next(const char* name) {
    return reinterpret_cast<F>(dlsym(RTLD_NEXT, name));
}

}  // namespace

extern "C" {

void glXSwapBuffers(void* display, unsigned long drawable) {
    using Fn = void (*)(void*, unsigned long);
    static Fn next = Next<Fn>("glXSwapBuffers");
    Publish();
    if (next)
        next(display, drawable);
}

unsigned eglSwapBuffers(void* display, void* surface) {
    using Fn = unsigned (*)(void*, void*);
    static Fn next = Next<Fn>("eglSwapBuffers");
    Publish();
    return next ? next(display, surface) : 0;
}

}  // extern "C"
