#pragma once

#include <locale.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace lc::world {

// System languages that write decimals with a comma, as a technician's PC may be set up.
inline constexpr const char* CommaDecimalLocales[] = {"de_DE.UTF-8", "fr_FR.UTF-8", "ru_RU.UTF-8"};

// The C library takes its locales from the ones the build generated, so that no test depends on the
// locales a machine happens to have installed.
inline void UseGeneratedLocales() {
    setenv("LOCPATH", TEST_LOCALE_PATH, 1);
}

// Whether the C library now writes 2.0 as "2,0", as the tool would see it under such a locale.
inline bool WritesDecimalComma() {
    char text[8] = {};
    std::snprintf(text, sizeof text, "%.1f", 2.0);
    return std::string(text) == "2,0";
}

// The process's C library locale set as QApplication sets it from the environment, for as long as this
// lives. active() is false when the locale could not be set.
class SystemLocale {
  public:
    explicit SystemLocale(const char* name) : previous_(setlocale(LC_ALL, nullptr)) {
        UseGeneratedLocales();
        active_ = setlocale(LC_ALL, name) != nullptr && WritesDecimalComma();
    }
    ~SystemLocale() { setlocale(LC_ALL, previous_.c_str()); }
    SystemLocale(const SystemLocale&) = delete;
    SystemLocale& operator=(const SystemLocale&) = delete;

    bool active() const { return active_; }

  private:
    std::string previous_;
    bool active_ = false;
};

}  // namespace lc::world
