# Installs the build into a fresh prefix and checks that every file the
# desktop needs is there, then validates the installed tree with appstreamcli.
#   cmake -DBINARY=<build> -DPREFIX=<folder> [-DAPPSTREAMCLI=<path>] -P install-check.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BINARY} --prefix ${PREFIX}
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "cmake --install failed")
endif()
set(expected
    bin/prentvel
    bin/prentvel-thumbnailer
    share/applications/prentvel.desktop
    share/icons/hicolor/256x256/apps/prentvel.png
    share/mime/packages/prentvel.xml
    share/thumbnailers/prentvel.thumbnailer
    share/metainfo/nl.prentvel.Prentvel.metainfo.xml
    share/prentvel/help.pdf
    share/prentvel/help-en.pdf
    share/prentvel/screenshots/main.png
    share/prentvel/screenshots/print.png
    share/doc/prentvel/copyright)
set(missing)
foreach(file ${expected})
    if(NOT EXISTS ${PREFIX}/${file})
        list(APPEND missing ${file})
    endif()
endforeach()
if(missing)
    message(FATAL_ERROR "not installed: ${missing}")
endif()
if(APPSTREAMCLI)
    execute_process(COMMAND ${APPSTREAMCLI} validate-tree --no-net ${PREFIX} RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "appstreamcli validate-tree failed on the installed tree")
    endif()
endif()
