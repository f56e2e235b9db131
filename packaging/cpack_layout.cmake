# Read by CPack for each package it makes: the RPM takes the layout of Fedora, RHEL and openSUSE
# (rpm_layout in CMakeLists.txt), the .deb Debian's, each in one package with the files that
# belong to no layout.
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
if(CPACK_GENERATOR STREQUAL "RPM")
    set(CPACK_RPM_COMPONENT_INSTALL ON)
    set(CPACK_COMPONENTS_ALL Unspecified rpm_layout)
elseif(CPACK_GENERATOR STREQUAL "DEB")
    set(CPACK_DEB_COMPONENT_INSTALL ON)
    set(CPACK_COMPONENTS_ALL Unspecified debian_layout)
endif()
