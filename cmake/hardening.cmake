# The protections Debian builds its own packages with (dpkg-buildflags,
# hardening=+all), for the optimised builds that become packages: Release and
# RelWithDebInfo. The sanitizer and fuzzer builds bring their own
# instrumentation, and a Debug build has no optimiser for _FORTIFY_SOURCE to
# work with, so those are left as they are.
include(CheckCXXCompilerFlag)
include(CheckLinkerFlag)

if(WAGELYN_SANITIZE OR WAGELYN_FUZZ)
    return()
endif()

set(optimised $<CONFIG:Release,RelWithDebInfo>)

# Bounds-checked variants of the C library's string and memory functions.
# Undefined first: some compilers predefine it, and a second value warns.
add_compile_options($<${optimised}:-U_FORTIFY_SOURCE> $<${optimised}:-D_FORTIFY_SOURCE=2>)

set(wanted -fstack-protector-strong)
if(NOT WIN32)
    # Windows probes each new stack page itself (__chkstk), and checks no
    # -fcf-protection markers: both are for the Linux program only.
    list(APPEND wanted -fstack-clash-protection -fcf-protection)
endif()
foreach(flag IN LISTS wanted)
    string(MAKE_C_IDENTIFIER "WAGELYN_HAS${flag}" supported)
    check_cxx_compiler_flag(${flag} ${supported})
    if(${supported})
        add_compile_options($<${optimised}:${flag}>)
    endif()
endforeach()

if(WIN32)
    # The stack protector's run time, libssp, comes in statically with the
    # rest of the runtimes (the toolchain links with -static): no new DLL.
    add_link_options($<${optimised}:-fstack-protector-strong>)
else()
    # Relocations read-only once loaded, every symbol bound at start.
    check_linker_flag(CXX "LINKER:-z,relro,-z,now" WAGELYN_HAS_BIND_NOW)
    if(WAGELYN_HAS_BIND_NOW)
        add_link_options($<${optimised}:LINKER:-z,relro,-z,now>)
    endif()
    # A position-independent executable, whatever the compiler's default.
    set(CMAKE_POSITION_INDEPENDENT_CODE ON)
    include(CheckPIESupported)
    check_pie_supported()
endif()
