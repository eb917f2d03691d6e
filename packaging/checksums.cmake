# After CPack has made the packages: their SHA-256 sums, beside them in SHA256SUMS, in the form
# "sha256sum -c" reads, so that a download can be checked against the published list.
set(sums "")
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    if(package MATCHES "\\.(deb|exe|zip)$")
        file(SHA256 ${package} sum)
        get_filename_component(name ${package} NAME)
        string(APPEND sums "${sum}  ${name}\n")
    endif()
endforeach()
file(WRITE ${CPACK_PACKAGE_DIRECTORY}/SHA256SUMS "${sums}")
