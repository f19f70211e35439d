# add_wayland_protocol(TARGET XML): generates the client header and code of a
# Wayland protocol with wayland-scanner and builds them into TARGET, whose
# sources then include "<name>-client-protocol.h".
pkg_get_variable(WAYLAND_SCANNER wayland-scanner wayland_scanner)

function(add_wayland_protocol target xml)
  get_filename_component(name ${xml} NAME_WE)
  set(generated ${CMAKE_CURRENT_BINARY_DIR}/${name})
  add_custom_command(
    OUTPUT ${generated}-client-protocol.h ${generated}-protocol.c
    COMMAND ${WAYLAND_SCANNER} client-header ${xml} ${generated}-client-protocol.h
    COMMAND ${WAYLAND_SCANNER} private-code ${xml} ${generated}-protocol.c
    DEPENDS ${xml})
  target_sources(${target} PRIVATE ${generated}-protocol.c ${generated}-client-protocol.h)
  target_include_directories(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR})
  # The generated code is C, for which one of the project's C++ warning
  # options means nothing: in this target it is given to C++ alone.
  get_target_property(options ${target} COMPILE_OPTIONS)
  if(options)
    list(REMOVE_ITEM options -Wnon-virtual-dtor)
    set_target_properties(${target} PROPERTIES COMPILE_OPTIONS "${options};$<$<COMPILE_LANGUAGE:CXX>:-Wnon-virtual-dtor>")
  endif()
endfunction()
