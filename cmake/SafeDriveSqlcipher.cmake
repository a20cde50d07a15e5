# The SQLCipher the bank layer is built on, as the target safedrive_sqlcipher: the system's
# libsqlcipher by default, loaded at the first call into it (bank/sqlcipherlibrary.cpp), or,
# with SAFEDRIVE_SQLCIPHER_SOURCE, the SQLCipher amalgamation (sqlite3.c and sqlite3.h) in that
# folder, compiled in statically with OpenSSL's libcrypto as the cipher. Our sources include
# <sqlcipher/sqlite3.h> either way.
set(SAFEDRIVE_SQLCIPHER_SOURCE "" CACHE PATH
    "Folder holding sqlite3.c and sqlite3.h of a SQLCipher amalgamation (empty: the system's library)")

if(NOT SAFEDRIVE_SQLCIPHER_SOURCE)
  pkg_check_modules(SQLCIPHER REQUIRED sqlcipher)
  # The name the library is loaded by: its SONAME, which stays while its versions change.
  find_library(SAFEDRIVE_SQLCIPHER_LIBRARY NAMES ${SQLCIPHER_LIBRARIES}
               HINTS ${SQLCIPHER_LIBRARY_DIRS} REQUIRED)
  execute_process(COMMAND ${CMAKE_OBJDUMP} -p ${SAFEDRIVE_SQLCIPHER_LIBRARY}
                  OUTPUT_VARIABLE headers RESULT_VARIABLE failed)
  if(failed OR NOT headers MATCHES "SONAME +([^ \n]+)")
    message(FATAL_ERROR "SQLCipher: no SONAME in ${SAFEDRIVE_SQLCIPHER_LIBRARY}")
  endif()
  add_library(safedrive_sqlcipher STATIC ${CMAKE_SOURCE_DIR}/bank/sqlcipherlibrary.cpp)
  set_target_properties(safedrive_sqlcipher PROPERTIES AUTOMOC OFF)
  target_include_directories(safedrive_sqlcipher SYSTEM PUBLIC ${SQLCIPHER_INCLUDE_DIRS})
  target_compile_definitions(safedrive_sqlcipher PUBLIC SQLITE_HAS_CODEC
                             PRIVATE SAFEDRIVE_SQLCIPHER_SONAME="${CMAKE_MATCH_1}")
  target_link_libraries(safedrive_sqlcipher PRIVATE safedrive_cfg ${CMAKE_DL_LIBS})
  message(STATUS "SQLCipher: the system's ${CMAKE_MATCH_1}, loaded at its first use")
  return()
endif()

foreach(file sqlite3.c sqlite3.h)
  if(NOT EXISTS ${SAFEDRIVE_SQLCIPHER_SOURCE}/${file})
    message(FATAL_ERROR "SAFEDRIVE_SQLCIPHER_SOURCE: no ${file} in ${SAFEDRIVE_SQLCIPHER_SOURCE}")
  endif()
endforeach()
enable_language(C)
find_package(OpenSSL REQUIRED COMPONENTS Crypto)
find_package(Threads REQUIRED)

set(include_dir ${CMAKE_BINARY_DIR}/sqlcipher-include)
configure_file(${SAFEDRIVE_SQLCIPHER_SOURCE}/sqlite3.h ${include_dir}/sqlcipher/sqlite3.h COPYONLY)

add_library(safedrive_sqlcipher STATIC ${SAFEDRIVE_SQLCIPHER_SOURCE}/sqlite3.c)
set_target_properties(safedrive_sqlcipher PROPERTIES AUTOMOC OFF)
target_include_directories(safedrive_sqlcipher SYSTEM PUBLIC ${include_dir})
target_compile_definitions(safedrive_sqlcipher
  PUBLIC SQLITE_HAS_CODEC
  # What SQLCipher 4 requires of its build; the rest keeps the engine to what the bank layer uses.
  PRIVATE SQLCIPHER_CRYPTO_OPENSSL SQLITE_EXTRA_INIT=sqlcipher_extra_init
          SQLITE_EXTRA_SHUTDOWN=sqlcipher_extra_shutdown SQLITE_THREADSAFE=1 SQLITE_TEMP_STORE=2
          HAVE_STDINT_H=1 SQLITE_OMIT_LOAD_EXTENSION)
target_link_libraries(safedrive_sqlcipher PUBLIC OpenSSL::Crypto Threads::Threads)
if(UNIX)
  target_compile_definitions(safedrive_sqlcipher PRIVATE HAVE_USLEEP=1)
  target_link_libraries(safedrive_sqlcipher PUBLIC m)
endif()
message(STATUS "SQLCipher: the amalgamation in ${SAFEDRIVE_SQLCIPHER_SOURCE}")
