# Install-time script: copies the portal's application icon into the hicolor theme.
#
# Every tvportal.png or tvportal-<anything>.png below TV_ICON_SOURCE_DIR is a candidate; its
# width and height come from the PNG header (IHDR), and a square icon of size N goes to
# <prefix>/share/icons/hicolor/NxN/apps/tvportal.png. When two files have the same size the one
# under a hicolor/ folder wins, so a generated theme tree takes precedence over a loose copy.
# Non-square pictures and files that are not PNG are skipped with a message.

if(NOT DEFINED TV_ICON_SOURCE_DIR)
    message(FATAL_ERROR "install-icons.cmake: TV_ICON_SOURCE_DIR is not set")
endif()

file(GLOB_RECURSE candidates LIST_DIRECTORIES false "${TV_ICON_SOURCE_DIR}/*tvportal.png"
     "${TV_ICON_SOURCE_DIR}/*tvportal-*.png")
list(SORT candidates)

set(png_signature "89504e470d0a1a0a")
set(sizes "")
foreach(icon IN LISTS candidates)
    get_filename_component(name "${icon}" NAME)
    if(NOT name MATCHES "^tvportal(-.*)?\\.png$")
        continue()
    endif()
    file(READ "${icon}" header LIMIT 24 HEX)
    string(SUBSTRING "${header}" 0 16 signature)
    string(LENGTH "${header}" header_length)
    if(NOT signature STREQUAL png_signature OR header_length LESS 48)
        message(STATUS "Skipping icon that is not a PNG: ${icon}")
        continue()
    endif()
    string(SUBSTRING "${header}" 32 8 width_hex)
    string(SUBSTRING "${header}" 40 8 height_hex)
    math(EXPR width "0x${width_hex}")
    math(EXPR height "0x${height_hex}")
    if(NOT width EQUAL height)
        message(STATUS "Skipping icon that is not square (${width}x${height}): ${icon}")
        continue()
    endif()
    if(DEFINED icon_of_${width} AND NOT icon MATCHES "/hicolor/")
        continue()
    endif()
    set(icon_of_${width} "${icon}")
    list(APPEND sizes ${width})
endforeach()

list(REMOVE_DUPLICATES sizes)
foreach(size IN LISTS sizes)
    set(destination "${CMAKE_INSTALL_PREFIX}/share/icons/hicolor/${size}x${size}/apps")
    file(INSTALL DESTINATION "${destination}" TYPE FILE FILES "${icon_of_${size}}" RENAME tvportal.png)
endforeach()
