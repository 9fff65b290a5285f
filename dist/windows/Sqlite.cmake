# SQLite for the Windows build: the amalgamation made from Debian's source of the version the Linux build links
# (tools/windows/build makes it), compiled into a static library under the name find_package gives on Linux.
set(VELMORA_SQLITE_SOURCE "" CACHE PATH "Folder holding sqlite3.c and sqlite3.h")
if(NOT EXISTS "${VELMORA_SQLITE_SOURCE}/sqlite3.c")
    message(FATAL_ERROR "VELMORA_SQLITE_SOURCE must name a folder with sqlite3.c and sqlite3.h (tools/windows/build "
                        "makes one).")
endif()
add_library(velmora_sqlite STATIC "${VELMORA_SQLITE_SOURCE}/sqlite3.c")
target_include_directories(velmora_sqlite SYSTEM PUBLIC "${VELMORA_SQLITE_SOURCE}")
# Debian's own settings that Velmora relies on; threads stay on, as in Debian's library.
target_compile_definitions(velmora_sqlite PRIVATE SQLITE_THREADSAFE=1 SQLITE_ENABLE_COLUMN_METADATA=1
    SQLITE_SECURE_DELETE=1 SQLITE_ENABLE_UNLOCK_NOTIFY=1 SQLITE_ENABLE_DBSTAT_VTAB=1)
target_compile_options(velmora_sqlite PRIVATE -w)
add_library(SQLite::SQLite3 ALIAS velmora_sqlite)
