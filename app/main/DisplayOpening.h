#pragma once

namespace lc {

// Qt ends the process with advice about reinstalling when it cannot open a display (no DISPLAY, a
// Wayland session without its compositor). For as long as one of these lives, around the making of
// the application, that end is one plain line on standard error instead, "<program>: no display
// could be opened", and exit status 1; Qt's other messages meanwhile are held and passed on when it
// goes, so that a failed start says nothing else.
class DisplayOpening {
  public:
    explicit DisplayOpening(const char* program);
    ~DisplayOpening();
    DisplayOpening(const DisplayOpening&) = delete;
    DisplayOpening& operator=(const DisplayOpening&) = delete;
};

}  // namespace lc
