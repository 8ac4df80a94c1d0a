// A compile-time check, built with the unit tests: the device core's header shows no platform.
// Every page, the document and the command line include device/orvik_core.h; termios macros
// (ECHO, B0, VMIN ...) and the thread headers must stay behind the core's link.
#include "device/orvik_core.h"

#if defined(ECHO) || defined(B0) || defined(VMIN) || defined(TCSANOW) || defined(CSIZE)
#error "device/orvik_core.h brings in termios"
#endif
#if defined(POLLIN) || defined(O_NOCTTY) || defined(TIOCEXCL)
#error "device/orvik_core.h brings in poll, fcntl or ioctl"
#endif
// The include guards of libstdc++'s <thread>, <mutex> and <condition_variable>.
#if defined(_GLIBCXX_THREAD) || defined(_GLIBCXX_MUTEX) || defined(_GLIBCXX_CONDITION_VARIABLE)
#error "device/orvik_core.h brings in the thread headers"
#endif
