# Hardening flags as dpkg-buildflags gives them (hardening=+all), without its
# optimisation, debug and path-mapping flags: the build type sets those.
# Where dpkg-buildflags is missing, the same flags by hand.
find_program(ORVYN_DPKG_BUILDFLAGS dpkg-buildflags)
set(harden_compile)
set(harden_link)
if(ORVYN_DPKG_BUILDFLAGS)
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all ${ORVYN_DPKG_BUILDFLAGS} --get ${kind}
      OUTPUT_VARIABLE flags
      OUTPUT_STRIP_TRAILING_WHITESPACE
      RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
      message(FATAL_ERROR "dpkg-buildflags --get ${kind} failed (${result})")
    endif()
    separate_arguments(flags UNIX_COMMAND "${flags}")
    foreach(flag IN LISTS flags)
      if(flag MATCHES "^-(g|O)[0-9a-z]*$" OR flag MATCHES "^-f(file|debug|macro)-prefix-map=")
        continue()
      endif()
      if(kind STREQUAL "LDFLAGS")
        list(APPEND harden_link ${flag})
      else()
        list(APPEND harden_compile ${flag})
      endif()
    endforeach()
  endforeach()
else()
  set(harden_compile -D_FORTIFY_SOURCE=2 -fstack-protector-strong -fstack-clash-protection -Wformat
                     -Werror=format-security)
  set(harden_link -Wl,-z,relro -Wl,-z,now)
endif()
# Fortify needs the optimiser; a Debug build with hardening still gets it.
if(NOT CMAKE_BUILD_TYPE MATCHES "^(Release|RelWithDebInfo|MinSizeRel)$")
  list(APPEND harden_compile -O1)
endif()
list(REMOVE_DUPLICATES harden_compile)
add_compile_options(${harden_compile})
add_link_options(${harden_link})
# Programs as position-independent executables (-pie at link time too).
include(CheckPIESupported)
check_pie_supported()
message(STATUS "Hardening: ${harden_compile} ${harden_link}")
