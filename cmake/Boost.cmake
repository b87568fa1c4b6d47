# nerolith_boost: Boost.Multiprecision's header-only big integers, from 1.81 on: older releases
# reduce every fraction with a bitwise gcd that takes most of a large exact solve's time. The
# host's compilers find Debian's headers themselves; the cross build takes the boost/ folder
# alone, through a folder in the build tree that holds nothing but a link to it, so no other host
# header can be found.
add_library(nerolith_boost INTERFACE)
if(CMAKE_CROSSCOMPILING)
    set(NEROLITH_BOOST_HEADERS "/usr/include/boost" CACHE PATH "The host's boost/ header folder")
    set(boost_only "${CMAKE_BINARY_DIR}/boost-only")
    file(MAKE_DIRECTORY "${boost_only}")
    file(STRINGS "${NEROLITH_BOOST_HEADERS}/version.hpp" boost_version
         REGEX "^#define BOOST_VERSION [0-9]+$")
    string(REGEX REPLACE "[^0-9]" "" boost_version "${boost_version}")
    if(boost_version LESS 108100)
        message(FATAL_ERROR "Nerolith: Boost 1.81 or later is needed, ${NEROLITH_BOOST_HEADERS} "
                            "holds ${boost_version}")
    endif()
    file(CREATE_LINK "${NEROLITH_BOOST_HEADERS}" "${boost_only}/boost" SYMBOLIC)
    target_include_directories(nerolith_boost SYSTEM INTERFACE "${boost_only}")
else()
    find_package(Boost 1.81 REQUIRED)
    target_link_libraries(nerolith_boost INTERFACE Boost::headers)
endif()
