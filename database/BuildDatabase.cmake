# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Quillbill developers

# Runs the SQL scripts (SCRIPTS, separated by "|") into a new database file;
# a failed script leaves no file.
get_filename_component(dir "${OUTPUT}" DIRECTORY)
file(MAKE_DIRECTORY "${dir}")
set(partial "${OUTPUT}.partial")
file(REMOVE "${partial}" "${OUTPUT}")
# The program folder's database holds the office's records once it is used:
# the file is its owner's only from the start, whatever the umask, and the
# sqlite3 shell gives its journal the same mode.
file(TOUCH "${partial}")
file(CHMOD "${partial}" PERMISSIONS OWNER_READ OWNER_WRITE)
string(REPLACE "|" ";" SCRIPTS "${SCRIPTS}")
foreach(script IN LISTS SCRIPTS)
    execute_process(
        COMMAND "${SQLITE3}" -bail "${partial}"
        INPUT_FILE "${script}"
        RESULT_VARIABLE result
        ERROR_VARIABLE errors)
    if(NOT result EQUAL 0)
        file(REMOVE "${partial}")
        message(FATAL_ERROR "${script}: ${errors}")
    endif()
endforeach()
file(RENAME "${partial}" "${OUTPUT}")
