# Makes the Windows packages from the installed tree that CPack stages (its External generator):
# the setup program, the installer built with NSIS from installer.nsi behind the launcher that runs
# it (setup-launcher.cpp), and the portable zip. Both come out the same from the same tree: no
# build times, files in one order. Given a certificate (CPACK_AMPORA_SIGN_PKCS12), every program
# in them is signed (sign.cmake): ampora.exe, the uninstaller, the installer and the setup program.
set(stage ${CPACK_TEMPORARY_DIRECTORY})
set(name ampora-${CPACK_PACKAGE_VERSION})
set(sign_options)
if(CPACK_AMPORA_SIGN_PKCS12)
    set(sign_options -DPKCS12=${CPACK_AMPORA_SIGN_PKCS12}
        -DPASSWORD_FILE=${CPACK_AMPORA_SIGN_PASSWORD_FILE}
        -DTIMESTAMP_URL=${CPACK_AMPORA_SIGN_TIMESTAMP_URL}
        -DRELEASE_DATE=${CPACK_AMPORA_RELEASE_DATE})
endif()
function(sign program)
    if(sign_options)
        execute_process(COMMAND ${CMAKE_COMMAND} ${sign_options} -DPROGRAM=${program}
            -P ${CPACK_AMPORA_SIGN_SCRIPT} COMMAND_ERROR_IS_FATAL ANY)
    endif()
endfunction()
sign(${stage}/ampora.exe)
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

# The side pictures the welcome and finish pages choose from, by their size in pixels.
set(sizes)
set(extract "")
foreach(picture IN LISTS CPACK_AMPORA_SETUP_PICTURES)
    string(REGEX REPLACE ".*-([0-9]+x[0-9]+)\\.bmp$" "\\1" size "${picture}")
    list(APPEND sizes ${size})
    string(APPEND extract "    File \"/oname=$PLUGINSDIR\\side-${size}.bmp\" \"${picture}\"\n")
endforeach()
list(GET CPACK_AMPORA_SETUP_PICTURES 0 first)
list(JOIN sizes " " sizes)
file(WRITE ${work}/side-pictures.nsh "!define AMPORA_SIDES \"${sizes}\"
!define AMPORA_SIDE_FIRST \"${first}\"
!macro AMPORA_EXTRACT_SIDES
${extract}!macroend
")

# The installer signs itself and its uninstaller as makensis finishes them: the same command, as
# a line for the shell, with %1 for the program.
set(installer ${work}/${name}-installer.exe)
set(sign_define)
if(sign_options)
    set(command "\"${CMAKE_COMMAND}\"")
    foreach(option IN LISTS sign_options ITEMS -DPROGRAM=%1 -P ${CPACK_AMPORA_SIGN_SCRIPT})
        string(APPEND command " \"${option}\"")
    endforeach()
    set(sign_define "-DSIGN=${command}")
endif()
execute_process(
    COMMAND makensis -V2 -DVERSION=${CPACK_PACKAGE_VERSION} "-DCOPYRIGHT=${CPACK_AMPORA_COPYRIGHT}"
            -DSTAGE=${stage} -DFILES=${work}/install-files.nsh
            -DUNFILES=${work}/uninstall-files.nsh -DICON=${CPACK_AMPORA_ICON}
            -DLICENCE=${CPACK_AMPORA_SETUP_LICENCE} -DPICTURES=${work}/side-pictures.nsh
            -DOUTFILE=${installer} ${sign_define} ${CPACK_AMPORA_INSTALLER_SCRIPT}
    COMMAND_ERROR_IS_FATAL ANY)
# The setup program: the launcher with the installer behind it, checked before it is unpacked.
set(setup ${work}/${name}-setup.exe)
execute_process(COMMAND ${CMAKE_COMMAND} -DLAUNCHER=${CPACK_AMPORA_SETUP_LAUNCHER}
    -DINSTALLER=${installer} -DOUTPUT=${setup} -P ${CMAKE_CURRENT_LIST_DIR}/setup-program.cmake
    COMMAND_ERROR_IS_FATAL ANY)
sign(${setup})

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
