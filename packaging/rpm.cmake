# What an RPM adds to the .deb's settings: for Fedora 36 and later, openSUSE Tumbleweed and
# RHEL 9, with their layout (cpack_layout.cmake). Its dependencies are found by rpmbuild from the libraries the programs use
# (libQt6Widgets.so.6()(64bit) and the like), never by a distribution's package names; its
# summary and description are the AppStream text's, its changelog the Debian one's.

# `text` broken into lines of at most `width` bytes at its spaces.
function(wrap_text text width out)
    set(wrapped "")
    string(LENGTH "${text}" length)
    while(length GREATER width)
        math(EXPR reach "${width} + 1") # a space just past the width ends a full line
        string(SUBSTRING "${text}" 0 ${reach} head)
        string(FIND "${head}" " " cut REVERSE)
        string(SUBSTRING "${text}" 0 ${cut} line)
        string(APPEND wrapped "${line}\n")
        math(EXPR cut "${cut} + 1")
        string(SUBSTRING "${text}" ${cut} -1 text)
        string(LENGTH "${text}" length)
    endwhile()
    set(${out} "${wrapped}${text}" PARENT_SCOPE)
endfunction()

# The AppStream summary, and the paragraphs of its first description wrapped for rpmlint.
function(appstream_text metainfo summary description)
    file(READ ${metainfo} xml)
    string(REGEX MATCH "<summary>([^<]*)</summary>" match "${xml}")
    set(${summary} "${CMAKE_MATCH_1}" PARENT_SCOPE)
    string(FIND "${xml}" "<description>" start)
    string(FIND "${xml}" "</description>" end)
    math(EXPR length "${end} - ${start}")
    string(SUBSTRING "${xml}" ${start} ${length} xml)
    set(text "")
    while(xml MATCHES "<p>([^<]*)</p>")
        string(REGEX REPLACE "[ \n]+" " " paragraph "${CMAKE_MATCH_1}")
        string(STRIP "${paragraph}" paragraph)
        string(FIND "${xml}" "</p>" end)
        math(EXPR end "${end} + 4")
        string(SUBSTRING "${xml}" ${end} -1 xml)
        wrap_text("${paragraph}" 79 paragraph)
        string(APPEND text "${text_gap}${paragraph}")
        set(text_gap "\n\n")
    endwhile()
    set(${description} "${text}" PARENT_SCOPE)
endfunction()

# The Debian changelog written as RPM's %changelog, newest first in both: each entry's
# "* Wed Dec 09 2026 NAME <MAIL> - VERSION-1", then its items as "- " lines.
function(rpm_changelog debian out)
    file(READ ${debian} text)
    set(entries "")
    while(text MATCHES "^[^ ]+ \\(([^)]*)\\)[^\n]*\n\n")
        set(version ${CMAKE_MATCH_1})
        string(LENGTH "${CMAKE_MATCH_0}" skip)
        string(SUBSTRING "${text}" ${skip} -1 text)
        string(FIND "${text}" "\n -- " end)
        string(SUBSTRING "${text}" 0 ${end} items)
        math(EXPR end "${end} + 5")
        string(SUBSTRING "${text}" ${end} -1 text)
        string(REGEX MATCH "^([^\n]*)  ([A-Za-z]+), ([0-9]+) ([A-Za-z]+) ([0-9]+)[^\n]*\n*" trailer
                           "${text}")
        set(heading "* ${CMAKE_MATCH_2} ${CMAKE_MATCH_4} ${CMAKE_MATCH_3} ${CMAKE_MATCH_5}")
        string(APPEND heading " ${CMAKE_MATCH_1} - ${version}-1")
        string(LENGTH "${trailer}" skip)
        string(SUBSTRING "${text}" ${skip} -1 text)
        string(REGEX REPLACE "(^|\n)  \\* " "\\1- " items "${items}")
        string(REGEX REPLACE "\n    " "\n  " items "${items}")
        string(APPEND entries "${heading}\n${items}\n\n")
    endwhile()
    file(WRITE ${out} "${entries}")
endfunction()

appstream_text(${CMAKE_CURRENT_SOURCE_DIR}/${VILIFEX_ID}.metainfo.xml CPACK_RPM_PACKAGE_SUMMARY
               CPACK_RPM_PACKAGE_DESCRIPTION)
rpm_changelog(${CMAKE_CURRENT_SOURCE_DIR}/changelog ${CMAKE_CURRENT_BINARY_DIR}/rpm-changelog)
set(CPACK_RPM_CHANGELOG_FILE ${CMAKE_CURRENT_BINARY_DIR}/rpm-changelog)
set(CPACK_RPM_FILE_NAME RPM-DEFAULT)
set(CPACK_RPM_PACKAGE_RELEASE 1)
set(CPACK_RPM_PACKAGE_LICENSE MIT)
set(CPACK_RPM_PACKAGE_GROUP Amusements/Games)
set(CPACK_RPM_PACKAGE_URL https://zestive.org/vilifex)
set(CPACK_RPM_PACKAGE_AUTOREQPROV ON)
# The desktop entry names its program by its full path, so the package stays where it is built
# for; and the licence is marked as one, which an install without documentation keeps.
set(CPACK_PACKAGE_RELOCATABLE OFF)
set(CPACK_RPM_PACKAGE_RELOCATABLE OFF)
set(CPACK_RPM_USER_FILELIST "%license /usr/${VILIFEX_DOC_DIR}/copyright")
# No /usr/lib/.build-id links: they belong in a debuginfo package, which this is not.
set(CPACK_RPM_SPEC_MORE_DEFINE "%define _build_id_links none
%define packager ${CPACK_PACKAGE_CONTACT}")
# Folders that the systems' own packages (filesystem, hicolor-icon-theme, zsh) own.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_SOURCE_DIR}/cpack_layout.cmake)
set(CPACK_RPM_EXCLUDE_FROM_AUTO_FILELIST_ADDITION /usr/share/applications
    /usr/share/metainfo /usr/share/icons /usr/share/icons/hicolor /usr/share/man /usr/share/man/man6
    /usr/share/bash-completion /usr/share/bash-completion/completions /usr/share/zsh
    /usr/share/zsh/site-functions)
foreach(size ${icon_sizes})
    list(APPEND CPACK_RPM_EXCLUDE_FROM_AUTO_FILELIST_ADDITION
         /usr/share/icons/hicolor/${size}x${size} /usr/share/icons/hicolor/${size}x${size}/apps)
endforeach()
list(APPEND CPACK_RPM_EXCLUDE_FROM_AUTO_FILELIST_ADDITION /usr/share/icons/hicolor/scalable
     /usr/share/icons/hicolor/scalable/apps)
