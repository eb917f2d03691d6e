# Makes the Windows packages from the installed tree that CPack stages (its External generator):
# the setup program, built with NSIS from installer.nsi, and the portable zip. Both come out the
# same from the same tree: no build times, files in one order.
set(stage ${CPACK_TEMPORARY_DIRECTORY})
set(name ampora-${CPACK_PACKAGE_VERSION})
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${stage} ${stage}/*)
list(SORT files)

# What the setup program installs, folder by folder, and what its uninstaller removes again:
# those files, then the folders they leave empty, the deepest first.
set(install "")
set(uninstall "")
set(folders "")
set(folder "-")
foreach(file IN LISTS files)
    get_filename_component(directory ${file} DIRECTORY)
    string(REPLACE "/" "\\" windows_file "${file}")
    if(NOT directory STREQUAL folder)
        set(folder "${directory}")
        string(REPLACE "/" "\\" windows_folder "${directory}")
        string(APPEND install "SetOutPath \"$INSTDIR\\${windows_folder}\"\n")
        while(directory AND NOT directory IN_LIST folders)
            list(APPEND folders "${directory}")
            get_filename_component(directory ${directory} DIRECTORY)
        endwhile()
    endif()
    string(APPEND install "File \"${stage}/${file}\"\n")
    string(APPEND uninstall "Delete \"$INSTDIR\\${windows_file}\"\n")
endforeach()
list(SORT folders)
list(REVERSE folders)
foreach(directory IN LISTS folders)
    string(REPLACE "/" "\\" directory "${directory}")
    string(APPEND uninstall "RMDir \"$INSTDIR\\${directory}\"\n")
endforeach()
set(work ${CPACK_TOPLEVEL_DIRECTORY})
file(WRITE ${work}/install-files.nsh "${install}")
file(WRITE ${work}/uninstall-files.nsh "${uninstall}")

set(setup ${work}/${name}-setup.exe)
execute_process(
    COMMAND makensis -V2 -DVERSION=${CPACK_PACKAGE_VERSION} "-DCOPYRIGHT=${CPACK_AMPORA_COPYRIGHT}"
            -DSTAGE=${stage} -DFILES=${work}/install-files.nsh
            -DUNFILES=${work}/uninstall-files.nsh -DICON=${CPACK_AMPORA_ICON} -DOUTFILE=${setup}
            ${CPACK_AMPORA_INSTALLER_SCRIPT}
    COMMAND_ERROR_IS_FATAL ANY)

# The zip holds one folder, Ampora, as the setup program installs it (less the uninstaller), its
# files dated the day of the release and without the extra times of Unix zips.
set(zip ${work}/${name}-windows-x86_64.zip)
file(REMOVE ${zip})
file(CREATE_LINK ${stage} ${work}/Ampora SYMBOLIC)
list(TRANSFORM files PREPEND Ampora/)
execute_process(COMMAND touch -d "${CPACK_AMPORA_RELEASE_DATE} 00:00 UTC" ${files}
    WORKING_DIRECTORY ${work} COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC zip -q -X -D ${zip} ${files}
    WORKING_DIRECTORY ${work} COMMAND_ERROR_IS_FATAL ANY)

set(CPACK_EXTERNAL_BUILT_PACKAGES ${setup} ${zip})
