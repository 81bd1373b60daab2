// Under LeakSanitizer: the system's GL driver and desktop libraries keep a few allocations until
// exit; they are not ours to report. The sound libraries too: PulseAudio's client drops the
// requests still pending when a stream goes, and a string GLib formats on a sound thread is seen
// only as far as vasprintf (the fast unwinder loses its callers).
extern "C" const char* __lsan_default_suppressions() {
    return "leak:swrast_dri.so\nleak:libGLX_mesa.so\nleak:libLLVM\nleak:libdbus-1.so\n"
           "leak:libfontconfig.so\nleak:libQt6XcbQpa.so\nleak:libglib-2.0.so\n"
           "leak:libpulse.so\nleak:__vasprintf_internal\n";
}
