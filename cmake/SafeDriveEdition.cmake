# safedrive_add_edition(NAME BANK file PICTURES folder): the program safedrive-NAME from main.cpp,
# with its artwork compiled in and, beside the executable, its bank built from bank.json, its
# pictures in PICTURES and the clips in "anquanimages". Installed, the program sits in its own
# folder under the library folder with links to its bank and to the shared media, and
# bin/safedrive-NAME leads to it.
include(SafeDriveInstall)

# The bank is built by the safedrive-bank of this build, or, when cross-compiling, by one
# built for the host.
set(SAFEDRIVE_BANK_TOOL "" CACHE FILEPATH
    "A safedrive-bank that runs on the build machine (default: the one this build makes)")

function(safedrive_add_edition name)
  cmake_parse_arguments(ARG "" "BANK;PICTURES" "" ${ARGN})
  set(exe safedrive-${name})
  set(out ${CMAKE_CURRENT_BINARY_DIR})
  set(src ${CMAKE_CURRENT_SOURCE_DIR})
  set(bank_tool safedrive-bank)
  if(SAFEDRIVE_BANK_TOOL)
    set(bank_tool ${SAFEDRIVE_BANK_TOOL})
  endif()

  set(sources main.cpp)
  if(EXISTS ${src}/art/art.qrc)
    list(APPEND sources art/art.qrc)
  endif()
  add_executable(${exe} ${sources})
  target_link_libraries(${exe} PRIVATE safedrive_cfg safedrive_trainer)
  set_target_properties(${exe} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${out})

  set(data)
  if(EXISTS ${src}/bank.json)
    add_custom_command(OUTPUT ${out}/${ARG_BANK}
      COMMAND ${bank_tool} build ${src}/bank.json ${out}/${ARG_BANK}
      DEPENDS ${bank_tool} ${src}/bank.json
      COMMENT "Building the ${name} question bank")
    list(APPEND data ${out}/${ARG_BANK})
  endif()

  set(media ${CMAKE_SOURCE_DIR}/editions/media)
  file(GLOB pictures CONFIGURE_DEPENDS ${media}/pictures/*.png)
  file(GLOB clips CONFIGURE_DEPENDS ${media}/clips/*.webm)
  foreach(file IN LISTS pictures)
    get_filename_component(base ${file} NAME)
    list(APPEND data ${out}/${ARG_PICTURES}/${base})
    add_custom_command(OUTPUT ${out}/${ARG_PICTURES}/${base}
      COMMAND ${CMAKE_COMMAND} -E copy ${file} ${out}/${ARG_PICTURES}/${base} DEPENDS ${file})
  endforeach()
  foreach(file IN LISTS clips)
    get_filename_component(base ${file} NAME)
    list(APPEND data ${out}/anquanimages/${base})
    add_custom_command(OUTPUT ${out}/anquanimages/${base}
      COMMAND ${CMAKE_COMMAND} -E copy ${file} ${out}/anquanimages/${base} DEPENDS ${file})
  endforeach()
  add_custom_target(${exe}-data ALL DEPENDS ${data})
  add_dependencies(${exe} ${exe}-data)

  # The bank is architecture-independent: it lives under the data folder, linked beside the
  # program; both media folders lead to the one shared media folder. (A Windows build runs
  # from its build folder.)
  if(NOT UNIX)
    return()
  endif()
  set(program_dir ${CMAKE_INSTALL_LIBDIR}/${exe})
  install(TARGETS ${exe} RUNTIME DESTINATION ${program_dir} COMPONENT ${name})
  install(TARGETS safedrive-clips safedrive-charts LIBRARY DESTINATION ${program_dir} COMPONENT ${name})
  if(EXISTS ${src}/bank.json)
    install(FILES ${out}/${ARG_BANK} DESTINATION ${CMAKE_INSTALL_DATADIR}/${exe} COMPONENT ${name})
    safedrive_install_link(${program_dir}/${ARG_BANK} ${CMAKE_INSTALL_DATADIR}/${exe}/${ARG_BANK}
                           ${name})
  endif()
  set(media_folders ${ARG_PICTURES} anquanimages)
  list(REMOVE_DUPLICATES media_folders)
  foreach(folder IN LISTS media_folders)
    safedrive_install_link(${program_dir}/${folder} ${SAFEDRIVE_MEDIA_INSTALL_DIR} ${name})
  endforeach()
  safedrive_install_link(${CMAKE_INSTALL_BINDIR}/${exe} ${program_dir}/${exe} ${name})
endfunction()
