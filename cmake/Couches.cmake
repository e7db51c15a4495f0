# Layers the build enforces. Each library's headers are reached through an include folder of its
# own that holds links to that layer's top-level source folders and nothing else; the source tree
# itself is on no include path. A library therefore sees the headers of the layers it links (their
# folders come with them) and no other: an include of a higher layer or of a front end fails to
# compile.
#
#   cogitelle_couche(<target> <folder>...)   the folders (relative to the source tree) of a layer
function(cogitelle_couche cible)
  set(racine ${CMAKE_BINARY_DIR}/couches/${cible})
  file(MAKE_DIRECTORY ${racine})
  foreach(dossier ${ARGN})
    get_filename_component(parent ${racine}/${dossier} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${dossier} ${racine}/${dossier} SYMBOLIC)
  endforeach()
  get_target_property(sorte ${cible} TYPE)
  if(sorte STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${cible} INTERFACE ${racine})
  else()
    target_include_directories(${cible} PUBLIC ${racine})
  endif()
endfunction()
