# Builds a MIME database in a fresh data folder from the shared types and the
# card file's package file, as the Debian package installs them side by side,
# for the desktop_mime test. (Qt 6.4 lets the magic of a later folder in
# XDG_DATA_DIRS win over an earlier one's whatever the priorities, so the
# test uses one folder, as the installed package does.)
#   cmake -DPACKAGE=<prentvel-mime.xml> -DSHARED=<freedesktop.org.xml> -DFOLDER=<data folder>
#         -DUPDATE=<update-mime-database> -P mime-database.cmake
file(REMOVE_RECURSE ${FOLDER})
file(MAKE_DIRECTORY ${FOLDER}/home)
if(NOT EXISTS ${SHARED})
    message(FATAL_ERROR "the shared MIME types are missing: ${SHARED}")
endif()
configure_file(${SHARED} ${FOLDER}/mime/packages/freedesktop.org.xml COPYONLY)
configure_file(${PACKAGE} ${FOLDER}/mime/packages/prentvel.xml COPYONLY)
execute_process(COMMAND ${UPDATE} ${FOLDER}/mime RESULT_VARIABLE status ERROR_QUIET)
if(NOT status EQUAL 0 OR NOT EXISTS ${FOLDER}/mime/mime.cache)
    message(FATAL_ERROR "update-mime-database failed on ${PACKAGE}")
endif()
