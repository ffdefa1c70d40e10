#pragma once

#include <thread>

namespace bithydraulics {

// Reads the system's font configuration on a second core while the GUI library starts and
// connects to the display. The window's first text needs that configuration, and reading it
// (fontconfig's files and caches) is the largest part of the program's own start-up work;
// done alongside, it no longer adds to the time before the window shows. finish() waits for it.
class FontConfigurationWarmUp {
  public:
    FontConfigurationWarmUp();
    ~FontConfigurationWarmUp() { finish(); }
    FontConfigurationWarmUp(const FontConfigurationWarmUp&) = delete;
    FontConfigurationWarmUp& operator=(const FontConfigurationWarmUp&) = delete;

    void finish();

  private:
    std::thread reader_;
};

}  // namespace bithydraulics
