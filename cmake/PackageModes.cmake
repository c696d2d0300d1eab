# SPDX-FileCopyrightText: 2026 Mezzurix developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Makes the modes in the .deb independent of the umask of whoever packs it. CPack runs this
# script twice: before packing (CPACK_PRE_BUILD_SCRIPTS), on the installed files, and after
# (CPACK_POST_BUILD_SCRIPTS), on the packages.
set(_mezzurix_folder_mode
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# The width of an ar header and where its mode and size fields lie in it.
set(_mezzurix_ar_header 60)
set(_mezzurix_ar_mode_at 40)
set(_mezzurix_ar_size_at 48)

if(NOT CPACK_PACKAGE_FILES)
    # The install creates folders under the umask (with 077, folders only root could read);
    # files get their modes from install() itself.
    file(CHMOD_RECURSE "${CPACK_TEMPORARY_INSTALL_DIRECTORY}" DIRECTORY_PERMISSIONS ${_mezzurix_folder_mode})
    return()
endif()

# A .deb is an ar archive of debian-binary, control.tar.* and data.tar.*, whose headers carry the
# modes of the files CPack packed them from, made under the umask. Each becomes 644, as dpkg-deb
# writes them; the field keeps its width, so the archive is patched in place.
find_program(_mezzurix_dd dd REQUIRED)
set(mode_file "${CPACK_TOPLEVEL_DIRECTORY}/ar-member-mode")
file(WRITE "${mode_file}" "100644  ")
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
    if(NOT deb MATCHES "\\.deb$")
        continue()
    endif()
    file(SIZE "${deb}" deb_size)
    set(at 8)  # past the archive's magic "!<arch>\n"
    while(at LESS deb_size)
        file(READ "${deb}" header OFFSET ${at} LIMIT ${_mezzurix_ar_header})
        string(SUBSTRING "${header}" ${_mezzurix_ar_size_at} 10 member_size)
        string(STRIP "${member_size}" member_size)
        if(NOT member_size MATCHES "^[0-9]+$")
            message(FATAL_ERROR "${deb}: no ar member header at byte ${at}")
        endif()
        math(EXPR mode_at "${at} + ${_mezzurix_ar_mode_at}")
        execute_process(COMMAND "${_mezzurix_dd}" "of=${deb}" bs=1 seek=${mode_at} count=8 conv=notrunc status=none
                        INPUT_FILE "${mode_file}" RESULT_VARIABLE failed)
        if(failed)
            message(FATAL_ERROR "could not set the mode of a member of ${deb}")
        endif()
        # Members start on even bytes.
        math(EXPR at "${at} + ${_mezzurix_ar_header} + ${member_size} + ${member_size} % 2")
    endwhile()
endforeach()
file(REMOVE "${mode_file}")
