# What `cmake --install <build> --prefix P` puts where.
#
#   P/bin/tvportal, P/bin/tvdir, P/bin/calendar-dump (when that tool is built)
#   P/share/tvportal/assets/...               pictures, icons, pointers, fonts/ (the portal looks for
#                                             them at <exe>/../share/tvportal/assets)
#   P/share/applications/<id>.desktop         desktop entry
#   P/share/metainfo/<id>.metainfo.xml        AppStream metadata
#   P/share/icons/hicolor/NxN/apps/tvportal.png, one per square size found under assets/icons
#   P/share/doc/tvportal/DIRECTORY.md         the guide for whoever maintains the directory page
#
# The directory address is compiled into the portal (cache variable TV_DIRECTORY_ADDRESS), so an
# installed copy always reads the page of the build it came from; see cmake/Packaging.cmake.

set(TV_APP_ID "net.tvportal.Portal")
set(TV_ASSETS_INSTALL_DIR "share/tvportal/assets")

foreach(program IN ITEMS tvportal tvdir calendar-dump)
    if(TARGET ${program})
        install(TARGETS ${program} RUNTIME DESTINATION bin)
    endif()
endforeach()

install(DIRECTORY ${TV_SOURCE_DIR}/assets/ DESTINATION ${TV_ASSETS_INSTALL_DIR})

install(FILES ${TV_SOURCE_DIR}/packaging/${TV_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${TV_SOURCE_DIR}/packaging/${TV_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${TV_SOURCE_DIR}/docs/DIRECTORY.md DESTINATION share/doc/tvportal)

# The theme icons are picked at install time from whatever assets/icons holds then, each placed
# by the pixel size read from its PNG header, so new sizes need no change here.
install(CODE "set(TV_ICON_SOURCE_DIR \"${TV_SOURCE_DIR}/assets/icons\")")
install(SCRIPT ${TV_SOURCE_DIR}/packaging/install-icons.cmake)
