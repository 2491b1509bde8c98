// The short display texts of byte counts and durations used all over the
// device pane. Windows-free. The unit words are fixed texts in every
// language of the module.
#ifndef KESTREL_TEXT_FORMAT_H
#define KESTREL_TEXT_FORMAT_H

#include <cstdint>
#include <string>

// "%d Bytes" below 1 KB (negative counts keep their sign), "%d KB" up to and
// including 1 MB, "%.1f MB" above it, rounding halves away from zero. The
// decimal point is that of the C runtime's numeric locale.
std::string FormatSize(std::int32_t bytes);

// "0 min", "S s", "M min S s" or "H h M min" (seconds dropped). Hours are
// printed in full ("100 h 0 min"): the platform's strftime cannot print an
// hour above 23, so the template is filled here. A negative count, which no
// caller passes, gives the text of its magnitude behind a minus sign.
std::string FormatDuration(std::int32_t seconds);

#endif
