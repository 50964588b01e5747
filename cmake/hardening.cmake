# Debian's hardening of the native Linux programs in Release builds, as the distribution builds
# its own packages: stack protector, fortified library calls, full RELRO with immediate binding,
# position-independent executables and, where the compiler has it, control-flow protection. The
# sanitizer and fuzz builds bring their own instrumentation, which fortification would blur.
include(CheckCXXCompilerFlag)
include(CheckPIESupported)

check_pie_supported(LANGUAGES CXX)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
# That gives the static libraries -fPIC, whose functions the compiler would not inline in case
# another library replaced them; they link only into these programs, so none can.
check_cxx_compiler_flag(-fno-semantic-interposition KAVINOR_HAS_NO_INTERPOSITION)
if(KAVINOR_HAS_NO_INTERPOSITION)
  add_compile_options(-fno-semantic-interposition)
endif()

set(hardening_flags -fstack-protector-strong -U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=2)
check_cxx_compiler_flag(-fcf-protection KAVINOR_HAS_CF_PROTECTION)
if(KAVINOR_HAS_CF_PROTECTION)
  list(APPEND hardening_flags -fcf-protection)
endif()
add_compile_options("$<$<CONFIG:Release>:${hardening_flags}>")
add_link_options("$<$<CONFIG:Release>:LINKER:-z,relro,-z,now>")
