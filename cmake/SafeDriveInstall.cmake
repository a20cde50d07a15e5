# What the installed programs share, and relative links between installed files.
include_guard(GLOBAL)

# The pictures and clips both editions show; each edition's media folders lead here.
set(SAFEDRIVE_MEDIA_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/safedrive/media)

# safedrive_install_link(LINK TARGET COMPONENT): installs LINK as a relative symbolic link to
# TARGET (both install paths, relative to the prefix or absolute), so the link holds under any
# prefix and inside a staging DESTDIR.
function(safedrive_install_link link target component)
  get_filename_component(link_dir ${link} DIRECTORY)
  get_filename_component(link_name ${link} NAME)
  cmake_path(ABSOLUTE_PATH link_dir BASE_DIRECTORY ${CMAKE_INSTALL_PREFIX} OUTPUT_VARIABLE full_dir)
  cmake_path(ABSOLUTE_PATH target BASE_DIRECTORY ${CMAKE_INSTALL_PREFIX} OUTPUT_VARIABLE full_target)
  file(RELATIVE_PATH relative ${full_dir} ${full_target})
  # Made in the build tree and installed as it is: install keeps a link a link.
  string(MD5 key ${link})
  set(staged ${CMAKE_BINARY_DIR}/install-links/${key}/${link_name})
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/install-links/${key})
  file(CREATE_LINK ${relative} ${staged} SYMBOLIC)
  install(FILES ${staged} DESTINATION ${link_dir} COMPONENT ${component})
endfunction()
