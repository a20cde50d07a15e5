# The SQLCipher the bank layer is built on, as the target safedrive_sqlcipher: the system's
# libsqlcipher by default, or, with SAFEDRIVE_SQLCIPHER_SOURCE, the SQLCipher amalgamation
# (sqlite3.c and sqlite3.h) in that folder, compiled in statically with OpenSSL's libcrypto as
# the cipher. Our sources include <sqlcipher/sqlite3.h> either way.
set(SAFEDRIVE_SQLCIPHER_SOURCE "" CACHE PATH
    "Folder holding sqlite3.c and sqlite3.h of a SQLCipher amalgamation (empty: the system's library)")

if(NOT SAFEDRIVE_SQLCIPHER_SOURCE)
  pkg_check_modules(SQLCIPHER REQUIRED IMPORTED_TARGET sqlcipher)
  add_library(safedrive_sqlcipher INTERFACE)
  target_compile_definitions(safedrive_sqlcipher INTERFACE SQLITE_HAS_CODEC)
  target_link_libraries(safedrive_sqlcipher INTERFACE PkgConfig::SQLCIPHER)
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
