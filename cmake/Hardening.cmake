# Hardening for every build route (a plain build, cmake --install, cpack, the Debian flags
# and the MinGW-w64 cross build): the stack protector, the checked forms of string and memory
# functions, position-independent programs, and on ELF a relocation table that is bound at
# start and then made read-only. Debian's build flags ask for the same, so a build with them
# gets nothing twice that could conflict.
option(QUARVEL_HARDENING "Build with the stack protector, _FORTIFY_SOURCE, PIE and -z relro -z now" ON)

if(QUARVEL_HARDENING)
  include(CheckPIESupported)
  check_pie_supported(OUTPUT_VARIABLE quarvel_pie_output LANGUAGES CXX)
  if(NOT CMAKE_CXX_LINK_PIE_SUPPORTED AND NOT WIN32)
    message(WARNING "The linker makes no position-independent programs: ${quarvel_pie_output}")
  endif()
endif()

# The checked functions need an optimised build; the sanitizers find more without them, and
# flags that already choose a level (Debian's CPPFLAGS, say) keep it.
set(quarvel_fortify OFF)
if(QUARVEL_HARDENING AND NOT (QUARVEL_SANITIZE OR QUARVEL_SANITIZE_THREAD OR QUARVEL_FUZZ)
   AND NOT CMAKE_CXX_FLAGS MATCHES "_FORTIFY_SOURCE")
  set(quarvel_fortify ON)
endif()

function(quarvel_harden target)
  if(NOT QUARVEL_HARDENING)
    return()
  endif()
  target_compile_options(${target} PRIVATE -fstack-protector-strong)
  # At link time too: MinGW-w64 then links its stack protector library (libssp, statically
  # in a -static program); glibc has the checks built in.
  target_link_options(${target} PRIVATE -fstack-protector-strong)
  if(NOT WIN32)
    # Programs are linked with -pie; the static libraries they take in are compiled for a
    # program (-fPIE), not for a shared library (-fPIC, which would let every call between
    # their functions be replaced at run time and so keep them from being inlined).
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "EXECUTABLE")
      set_target_properties(${target} PROPERTIES POSITION_INDEPENDENT_CODE ON)
    else()
      target_compile_options(${target} PRIVATE -fPIE)
    endif()
  endif()
  if(quarvel_fortify)
    target_compile_options(${target} PRIVATE
      "$<$<OR:$<CONFIG:Release>,$<CONFIG:RelWithDebInfo>,$<CONFIG:MinSizeRel>>:-D_FORTIFY_SOURCE=2>")
  endif()
  if(WIN32)
    # Windows' counterparts of PIE: a relocatable image, a 64-bit address space layout and
    # data that cannot be executed.
    target_link_options(${target} PRIVATE -Wl,--dynamicbase -Wl,--high-entropy-va -Wl,--nxcompat)
  else()
    target_link_options(${target} PRIVATE -Wl,-z,relro -Wl,-z,now)
  endif()
endfunction()
