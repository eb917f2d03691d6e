# Authenticode-signs a Windows program in place, with SHA-256, by osslsigncode. The signing time is
# the day of the release, so that one tree and one certificate give one signed file; a timestamp
# countersignature, when asked for, is the one part that differs between two signings.
#   cmake -DPROGRAM=FILE.exe -DPKCS12=CERTIFICATE.p12 -DPASSWORD_FILE=FILE
#         -DRELEASE_DATE=YYYY-MM-DD [-DTIMESTAMP_URL=URL] -P sign.cmake
foreach(variable PROGRAM PKCS12 PASSWORD_FILE RELEASE_DATE)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "usage: cmake -DPROGRAM=FILE.exe -DPKCS12=CERTIFICATE.p12 "
            "-DPASSWORD_FILE=FILE -DRELEASE_DATE=YYYY-MM-DD [-DTIMESTAMP_URL=URL] -P sign.cmake")
    endif()
endforeach()
find_program(OSSLSIGNCODE osslsigncode REQUIRED)
execute_process(COMMAND date -u -d "${RELEASE_DATE} 00:00" +%s OUTPUT_VARIABLE signing_time
    OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
set(timestamp)
if(TIMESTAMP_URL)
    set(timestamp -ts ${TIMESTAMP_URL})
endif()
execute_process(COMMAND ${OSSLSIGNCODE} sign -pkcs12 ${PKCS12} -readpass ${PASSWORD_FILE}
        -h sha256 -n Ampora -i http://kestrune.example/ -time ${signing_time} ${timestamp}
        -in ${PROGRAM} -out ${PROGRAM}.signed
    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
file(RENAME ${PROGRAM}.signed ${PROGRAM})
