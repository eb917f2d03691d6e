# Makes the setup program: the launcher (setup-launcher.cpp), the NSIS installer behind it, and a
# line with the installer's length and SHA-256, which the launcher checks before it unpacks it:
#   AMPORA-INSTALLER <length in 12 digits> <SHA-256 in hexadecimal>
#   cmake -DLAUNCHER=LAUNCHER.exe -DINSTALLER=INSTALLER.exe -DOUTPUT=SETUP.exe -P setup-program.cmake
foreach(variable LAUNCHER INSTALLER OUTPUT)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "usage: cmake -DLAUNCHER=LAUNCHER.exe -DINSTALLER=INSTALLER.exe "
            "-DOUTPUT=SETUP.exe -P setup-program.cmake")
    endif()
endforeach()
file(SIZE ${INSTALLER} length)
string(LENGTH "${length}" digits)
math(EXPR padding "12 - ${digits}")
string(REPEAT 0 ${padding} zeros)
file(SHA256 ${INSTALLER} sha256)
file(WRITE ${OUTPUT}.record "AMPORA-INSTALLER ${zeros}${length} ${sha256}\n")
execute_process(COMMAND cat ${LAUNCHER} ${INSTALLER} ${OUTPUT}.record OUTPUT_FILE ${OUTPUT}
    COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE ${OUTPUT}.record)
