#pragma once

// The application's own profile (the per-user store outside the settings file), read only.
// The music volume lives there under section "Settings", value "Volume".
int GetAppProfileInt(const char* section, const char* entry, int defaultValue);
