# Debian's hardening for the optimised builds a package is made from, the
# flags `dpkg-buildflags` gives with hardening=+all: fortified libc calls
# (they need optimisation), a canary on every stack frame with an array or an
# address taken, format strings checked, the relocations read-only and bound
# at start (full RELRO), and position-independent executables. tools/package
# checks the installed programs for them. The sanitize preset turns them off:
# the fortified calls go around AddressSanitizer's own checks.
option(VORN_HARDEN "Build optimised configurations with Debian's hardening flags" ON)

set(VORN_HARDENED_CONFIGS Release RelWithDebInfo MinSizeRel)

if(VORN_HARDEN)
  list(JOIN VORN_HARDENED_CONFIGS "," configs)
  set(optimised "$<CONFIG:${configs}>")
  add_compile_options(
    "$<${optimised}:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>"
    "$<${optimised}:-fstack-protector-strong>"
    "$<${optimised}:-Wformat;-Werror=format-security>")
  add_link_options("$<${optimised}:LINKER:-z,relro,-z,now>")
  include(CheckPIESupported)
  check_pie_supported(LANGUAGES CXX)
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)
endif()
