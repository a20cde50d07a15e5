# safedrive_add_edition(NAME BANK file PICTURES folder): the program safedrive-NAME from main.cpp,
# with its artwork compiled in and, beside the executable, its bank built from bank.json, its
# pictures in PICTURES and the clips in "anquanimages".
function(safedrive_add_edition name)
  cmake_parse_arguments(ARG "" "BANK;PICTURES" "" ${ARGN})
  set(exe safedrive-${name})
  set(out ${CMAKE_CURRENT_BINARY_DIR})
  set(src ${CMAKE_CURRENT_SOURCE_DIR})

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
      COMMAND safedrive-bank build ${src}/bank.json ${out}/${ARG_BANK}
      DEPENDS safedrive-bank ${src}/bank.json
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
endfunction()
